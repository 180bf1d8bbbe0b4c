#pragma once
// TTimer: a component that raises OnTimer every Interval milliseconds, delivered by the
// application's message loop as WM_TIMER to a hidden window of its own.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/windows/Messages.h"

class TTimer : public TComponent {
    FRAMEWORK_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    // Changing Interval, Enabled or OnTimer restarts the count. No timer runs while Interval is
    // 0 or OnTimer is unassigned.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(const TNotifyEvent& value);

    // A stored form sets OnTimer without the setter; the timer starts once it is read.
    void Loaded() override;

protected:
    // Raises OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();
    void WndProc(TMessage& message);

    HWND FWindowHandle;
    unsigned FInterval = 1000;
    bool FEnabled = true;
    TNotifyEvent FOnTimer;
};
