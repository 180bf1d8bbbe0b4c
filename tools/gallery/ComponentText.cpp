#include "tools/gallery/ComponentText.h"

#include "framework/core/Exceptions.h"
#include "framework/core/SysUtils.h"
#include "framework/streaming/PropertyJson.h"

#include <algorithm>
#include <set>

namespace {

using TNames = std::set<std::string>; // lower case

TNames LowerNames(const std::vector<std::string>& names) {
    TNames lower;
    for (const std::string& name : names)
        lower.insert(LowerCase(name));
    return lower;
}

std::string NameOf(const TJson& component) {
    const auto name = component.find("name");
    return name != component.end() && name->is_string() ? name->get<std::string>() : std::string();
}

TJson Parse(const std::string& text) {
    TJson json = TJson::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        throw EReadError("the text is not a form description");
    return json;
}

std::string Write(const TJson& json) {
    return json.dump(2) + "\n";
}

// The components listed under description, nested ones after their container.
template <class F> void ForEachComponent(TJson& description, const F& visit) {
    auto children = description.find("components");
    if (children == description.end() || !children->is_array())
        return;
    for (TJson& child : *children) {
        visit(child);
        ForEachComponent(child, visit);
    }
}

void CollectNamed(const TJson& description, const TNames& names, TJson& out) {
    auto children = description.find("components");
    if (children == description.end() || !children->is_array())
        return;
    for (const TJson& child : *children)
        if (names.contains(LowerCase(NameOf(child))))
            out.push_back(child);
        else
            CollectNamed(child, names, out);
}

void RemoveNamed(TJson& description, const TNames& names) {
    auto children = description.find("components");
    if (children == description.end() || !children->is_array())
        return;
    TJson kept = TJson::array();
    for (TJson& child : *children)
        if (!names.contains(LowerCase(NameOf(child)))) {
            RemoveNamed(child, names);
            kept.push_back(std::move(child));
        }
    *children = std::move(kept);
}

TJson* FindNamed(TJson& description, const std::string& name) {
    if (LowerCase(NameOf(description)) == LowerCase(name))
        return &description;
    TJson* found = nullptr;
    ForEachComponent(description, [&](TJson& child) {
        if (!found && LowerCase(NameOf(child)) == LowerCase(name))
            found = &child;
    });
    return found;
}

void Shift(TJson& component, int offset) {
    TJson& properties = component["properties"];
    for (const char* key : {"Left", "Top"}) {
        const auto value = properties.find(key);
        const std::int64_t at = value != properties.end() && value->is_number_integer()
                                    ? value->get<std::int64_t>()
                                    : 0;
        properties[key] = at + offset;
    }
}

} // namespace

std::string ExtractComponents(const std::string& formText, const std::vector<std::string>& names) {
    const TJson form = Parse(formText);
    TJson extract = TJson::object();
    extract["class"] = form.value("class", std::string());
    extract["name"] = NameOf(form);
    extract["components"] = TJson::array();
    CollectNamed(form, LowerNames(names), extract["components"]);
    return Write(extract);
}

std::string RemoveComponents(const std::string& formText, const std::vector<std::string>& names) {
    TJson form = Parse(formText);
    RemoveNamed(form, LowerNames(names));
    return Write(form);
}

TPasted InsertComponents(const std::string& formText, const std::string& pasted,
                         const std::string& parentName, const TNameGiver& rename, int offset) {
    TJson form = Parse(formText);
    TJson insert = Parse(pasted);
    const auto components = insert.find("components");
    if (components == insert.end() || !components->is_array() || components->empty() ||
        !std::all_of(components->begin(), components->end(),
                     [](const TJson& c) { return c.is_object() && c.contains("class"); }))
        throw EReadError("the text describes no components to paste");
    std::vector<std::string> taken{NameOf(form)};
    ForEachComponent(form, [&](TJson& child) { taken.push_back(NameOf(child)); });
    TNames lowerTaken = LowerNames(taken);
    auto giveName = [&](TJson& component) {
        const std::string name = NameOf(component);
        const bool clash = name.empty() || lowerTaken.contains(LowerCase(name));
        if (clash)
            component["name"] = rename(component.value("class", std::string()), taken);
        taken.push_back(NameOf(component));
        lowerTaken.insert(LowerCase(taken.back()));
        return clash;
    };
    TPasted result;
    for (TJson& top : *components) {
        if (giveName(top))
            Shift(top, offset);
        ForEachComponent(top, giveName);
        result.Names.push_back(NameOf(top));
    }
    TJson* parent = FindNamed(form, parentName);
    if (!parent)
        parent = &form;
    TJson& children = (*parent)["components"];
    if (!children.is_array())
        children = TJson::array();
    for (TJson& top : *components)
        children.push_back(std::move(top));
    result.FormText = Write(form);
    return result;
}
