#include "framework/streaming/Registration.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <utility>

namespace {
TRegisterComponentsHandler& Handler() {
    static TRegisterComponentsHandler handler;
    return handler;
}
} // namespace

TRegisterComponentsHandler SetRegisterComponentsHandler(TRegisterComponentsHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void RegisterComponents(const std::string& page, const TComponentClasses& classes) {
    if (!Handler())
        throw EComponentError(msg::NoDesignEnvironment);
    Handler()(page, classes);
}

void RegisterComponents(const std::string& page, std::initializer_list<const TClassInfo*> classes) {
    RegisterComponents(page, TComponentClasses(classes));
}

TComponentPalette::~TComponentPalette() {
    Uninstall();
}

void TComponentPalette::Install() {
    if (FInstalled)
        return;
    FPrevious = SetRegisterComponentsHandler(
        [this](const std::string& page, const TComponentClasses& classes) { Add(page, classes); });
    FInstalled = true;
}

void TComponentPalette::Uninstall() {
    if (!FInstalled)
        return;
    SetRegisterComponentsHandler(std::move(FPrevious));
    FPrevious = nullptr;
    FInstalled = false;
}

void TComponentPalette::Add(const std::string& page, const TComponentClasses& classes) {
    auto found =
        std::find_if(FPages.begin(), FPages.end(), [&](const TPage& p) { return p.Name == page; });
    TPage& target = found != FPages.end() ? *found : FPages.emplace_back(TPage{page, {}});
    for (const TClassInfo* info : classes) {
        if (!info)
            continue;
        RegisterClass(*info);
        if (std::find(target.Classes.begin(), target.Classes.end(), info) == target.Classes.end())
            target.Classes.push_back(info);
    }
}

const TComponentPalette::TPage* TComponentPalette::FindPage(const std::string& name) const {
    auto found =
        std::find_if(FPages.begin(), FPages.end(), [&](const TPage& p) { return p.Name == name; });
    return found != FPages.end() ? &*found : nullptr;
}
