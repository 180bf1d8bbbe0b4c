#pragma once
// Design-time registration: a control library hands its classes to whatever design environment
// is installed. TComponentPalette is the least such environment.

#include "framework/core/ClassInfo.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

using TComponentClasses = std::vector<const TClassInfo*>;
using TRegisterComponentsHandler =
    std::function<void(const std::string& page, const TComponentClasses& classes)>;

// Installs the handler RegisterComponents calls; returns the one installed before (possibly
// empty), which the caller puts back when it goes.
TRegisterComponentsHandler SetRegisterComponentsHandler(TRegisterComponentsHandler handler);

// Raises EComponentError when no design environment is installed.
void RegisterComponents(const std::string& page, const TComponentClasses& classes);
void RegisterComponents(const std::string& page, std::initializer_list<const TClassInfo*> classes);

// Pages in the order of their first registration, each with its classes in order. Installed, it
// receives every registration and also registers the classes so stored forms can name them.
class TComponentPalette {
public:
    struct TPage {
        std::string Name;
        TComponentClasses Classes;
    };

    TComponentPalette() = default;
    TComponentPalette(const TComponentPalette&) = delete;
    TComponentPalette& operator=(const TComponentPalette&) = delete;
    ~TComponentPalette();

    // Installs this palette, remembering the previous handler; Uninstall puts it back.
    void Install();
    void Uninstall();
    bool Installed() const { return FInstalled; }

    // Adds the classes not yet on the page; an unknown page is added at the end.
    void Add(const std::string& page, const TComponentClasses& classes);
    const std::vector<TPage>& Pages() const { return FPages; }
    const TPage* FindPage(const std::string& name) const;

private:
    std::vector<TPage> FPages;
    TRegisterComponentsHandler FPrevious;
    bool FInstalled = false;
};
