#include "framework/core/ClassInfo.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <map>

namespace {
bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
    std::vector<const TPropInfo*> all = ReadableProperties();
    std::erase_if(all, [this](const TPropInfo* p) { return !Publishes(*p); });
    return all;
}

std::vector<const TPropInfo*> TClassInfo::ReadableProperties() const {
    std::vector<const TPropInfo*> all =
        Parent ? Parent->ReadableProperties() : std::vector<const TPropInfo*>();
    for (const auto& own : Properties) {
        auto same = std::find_if(all.begin(), all.end(),
                                 [&](const TPropInfo* p) { return p->Name == own.Name; });
        if (same != all.end())
            *same = &own;
        else
            all.push_back(&own);
    }
    return all;
}

// Hidden by a class between this one and the one that declared it last.
bool TClassInfo::Publishes(const TPropInfo& prop) const {
    for (const auto* info = this; info; info = info->Parent) {
        if (std::any_of(info->Properties.begin(), info->Properties.end(),
                        [&](const TPropInfo& p) { return &p == &prop; }))
            return true;
        if (Contains(info->Hidden, prop.Name))
            return false;
    }
    return true;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
    for (const auto* info = this; info; info = info->Parent)
        for (const auto& p : info->Properties)
            if (p.Name == name)
                return &p;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const std::string& name) const {
    for (const auto* info = this; info; info = info->Parent)
        for (const auto& m : info->Methods)
            if (m.Name == name)
                return &m;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(const std::string& name) const {
    for (const auto* info = this; info; info = info->Parent)
        for (const auto& f : info->Fields)
            if (f.Name == name)
                return &f;
    return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const auto* info = this; info; info = info->Parent)
        if (info == &other)
            return true;
    return false;
}

namespace {
// Classes register during static initialisation too, so the table is built on first use.
std::map<std::string, const TClassInfo*, std::less<>>& Registry() {
    static std::map<std::string, const TClassInfo*, std::less<>> registry;
    return registry;
}
} // namespace

void RegisterClass(const TClassInfo& info) {
    auto [it, inserted] = Registry().emplace(info.Name, &info);
    if (!inserted && it->second != &info)
        throw EComponentError("A class named " + info.Name + " already exists");
}

const TClassInfo* FindClass(const std::string& name) {
    auto& registry = Registry();
    auto it = registry.find(name);
    return it == registry.end() ? nullptr : it->second;
}
