#pragma once
// THintWindow: the small window that shows a control's hint near the pointer: the text in the
// tooltip colours inside a one-pixel frame. It never takes the focus or the pointer.

#include "framework/windows/CustomControl.h"

#include <string>

class THintWindow : public TCustomControl {
    FRAMEWORK_CLASS(THintWindow)
public:
    explicit THintWindow(TComponent* owner);

    // The size the hint needs, its lines broken at maxWidth, placed at the origin.
    TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows hint in rect, in screen coordinates.
    void ActivateHint(const TRect& rect, const std::string& hint);
    void ReleaseHint();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

// The part of a hint before its first '|': the short hint a hint window shows.
std::string GetShortHint(const std::string& hint);
