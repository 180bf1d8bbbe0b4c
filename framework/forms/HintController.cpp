#include "framework/forms/HintController.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/HintWindow.h"
#include "framework/forms/Timer.h"
#include "framework/platform/Host.h"
#include "framework/windows/Control.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>

namespace {

// The pointer's shape is below its hot spot: the hint starts under it.
constexpr int CursorHeight = 20;

// The control whose hint shows for control: itself, or its nearest parent with a hint.
const TControl* HintSource(const TControl* control) {
    while (control && GetShortHint(control->Hint()).empty())
        control = control->Parent();
    return control;
}

} // namespace

const TClassInfo& THintController::StaticClass() {
    static const TClassInfo info = DescribeClass<THintController>(
        "THintController", &TComponent::StaticClass(), [](TClassBuilder<THintController>&) {});
    return info;
}

THintController::THintController(TComponent* owner) : TComponent(owner) {
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetOnTimer(TNotifyEvent(this, &THintController::TimerFired));
}

THintController::~THintController() {
    SetControl(nullptr);
}

void THintController::SetEnabled(bool value) {
    FEnabled = value;
    if (!value)
        Cancel();
}

void THintController::MouseEntered(TControl* control) {
    Cancel();
    if (!FEnabled || !control || !control->ShowHint() || !HintSource(control))
        return;
    SetControl(control);
    FTimer->SetInterval(std::max(FPause, 1u));
    FTimer->SetEnabled(true);
}

void THintController::Cancel() {
    FTimer->SetEnabled(false);
    if (FWindow)
        FWindow->ReleaseHint();
    FShowing = false;
    SetControl(nullptr);
}

const THintWindow* THintController::Shown() const {
    return FShowing ? FWindow.get() : nullptr;
}

void THintController::SetControl(TControl* control) {
    if (FControl)
        FControl->RemoveFreeNotification(this);
    FControl = control;
    if (FControl)
        FControl->FreeNotification(this);
}

void THintController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (component == FControl && IsDestruction(component, operation))
        Cancel();
}

void THintController::TimerFired(TObject*) {
    FTimer->SetEnabled(false);
    if (FShowing)
        Cancel();
    else if (FControl)
        Show();
}

void THintController::Show() {
    // What changed while the hint was pending counts.
    TPoint cursor;
    const TControl* source = HintSource(FControl);
    if (!source || !FControl->ShowHint() || !GetCursorPos(&cursor))
        return;
    if (!FWindow)
        FWindow = std::make_unique<THintWindow>(nullptr);
    const std::string text = GetShortHint(source->Hint());
    const TRect screen = platform::Host().ScreenRect();
    TRect r = FWindow->CalcHintRect(screen.Width(), text);
    // Below the pointer, kept on the screen.
    const int x = std::clamp(cursor.x, screen.Left, std::max(screen.Left, screen.Right - r.Right));
    int y = cursor.y + CursorHeight;
    if (y + r.Bottom > screen.Bottom)
        y = std::max(screen.Top, cursor.y - r.Bottom);
    OffsetRect(r, x, y);
    FWindow->ActivateHint(r, text);
    FShowing = true;
    if (FHidePause > 0) {
        FTimer->SetInterval(FHidePause);
        FTimer->SetEnabled(true);
    }
}
