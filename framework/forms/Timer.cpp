#include "framework/forms/Timer.h"

#include "framework/core/ClassBuilder.h"
#include "framework/windows/Win32Api.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

const TClassInfo& TTimer::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TTimer>("TTimer", &TComponent::StaticClass(), [](auto& c) {
            c.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true);
            c.Int("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000);
            c.Event("OnTimer", &TTimer::FOnTimer);
        });
    return info;
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), FWindowHandle(AllocateHWnd([this](TMessage& m) { WndProc(m); })) {}

TTimer::~TTimer() {
    FEnabled = false;
    UpdateTimer();
    DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == FInterval)
        return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& value) {
    FOnTimer = value;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer() {
    FOnTimer(this);
}

void TTimer::UpdateTimer() {
    KillTimer(FWindowHandle, TimerId);
    if (FInterval != 0 && FEnabled && FOnTimer)
        SetTimer(FWindowHandle, TimerId, FInterval, nullptr);
}

void TTimer::WndProc(TMessage& message) {
    if (message.Msg == WM_TIMER)
        Timer();
}
