#include "framework/forms/Screen.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/platform/Host.h"
#include "framework/windows/InputRouter.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>

TScreen* Screen = nullptr;

const TClassInfo& TScreen::StaticClass() {
    static const TClassInfo info = DescribeClass<TScreen>("TScreen", &TComponent::StaticClass(),
                                                          [](TClassBuilder<TScreen>&) {});
    return info;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    if (!Screen)
        Screen = this;
}

TScreen::~TScreen() {
    if (Screen == this)
        Screen = nullptr;
    WindowManager().SetScreenCursor(crDefault);
}

TRect TScreen::DesktopRect() const {
    return platform::HasHost() ? platform::Host().ScreenRect() : TRect{};
}

int TScreen::PixelsPerInch() const {
    return platform::HasHost() ? platform::Host().PixelsPerInch() : 96;
}

int TScreen::Width() const {
    return DesktopRect().Width();
}
int TScreen::Height() const {
    return DesktopRect().Height();
}

void TScreen::SetCursor(TCursor value) {
    if (value == FCursor)
        return;
    FCursor = value;
    WindowManager().SetScreenCursor(value);
    RefreshCursor();
}

void TScreen::AddForm(TCustomForm* form) {
    FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(FForms, form);
    if (FActiveForm == form)
        FActiveForm = nullptr;
    if (FActiveControl && GetParentForm(FActiveControl) == form)
        FActiveControl = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form == FActiveForm)
        return;
    FActiveForm = form;
    OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl)
        return;
    FActiveControl = control;
    OnActiveControlChange(this);
}
