#pragma once
// TCustomControl: a windowed control that paints itself: its own canvas and a virtual Paint.

#include "framework/windows/WinControl.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TCustomControl : public TWinControl {
    FRAMEWORK_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    // Outside Paint, drawing on it goes straight to the screen.
    TCanvas* Canvas() const;

protected:
    // Called for every paint of the window, with the canvas clipped to the area being painted.
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
