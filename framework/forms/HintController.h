#pragma once
// THintController: when hints show. The application tells it which control the pointer rests
// on; after Pause milliseconds there, the control's short hint (or its nearest parent's, when
// it has none) shows below the pointer for HidePause milliseconds. A press, a key, the wheel or
// the pointer moving to another control takes it away.

#include "framework/core/Component.h"

#include <memory>

class TControl;
class THintWindow;
class TTimer;

class THintController : public TComponent {
    FRAMEWORK_CLASS(THintController)
public:
    explicit THintController(TComponent* owner);
    ~THintController() override;

    // Off: no hint shows anywhere (the application's ShowHint).
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Pause() const { return FPause; }
    void SetPause(unsigned value) { FPause = value; }
    unsigned HidePause() const { return FHidePause; }
    void SetHidePause(unsigned value) { FHidePause = value; }

    // The pointer is now over control (null: over nothing of the program's).
    void MouseEntered(TControl* control);
    // Takes a shown or pending hint away.
    void Cancel();

    // The window while a hint shows, else null.
    const THintWindow* Shown() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetControl(TControl* control);
    void TimerFired(TObject* sender);
    void Show();

    bool FEnabled = true;
    unsigned FPause = 500;
    unsigned FHidePause = 2500;
    TControl* FControl = nullptr; // the control whose hint is pending or shown
    TTimer* FTimer = nullptr;
    std::unique_ptr<THintWindow> FWindow;
    bool FShowing = false;
};
