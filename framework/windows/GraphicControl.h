#pragma once
// TGraphicControl: a control without a window. It paints on its parent's surface during the
// parent's paint and receives mouse input through its parent.

#include "framework/windows/Control.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
    FRAMEWORK_CLASS(TGraphicControl)
    DECLARE_MESSAGE_MAP
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // Outside Paint, drawing on it goes straight to the screen.
    TCanvas* Canvas() const;

protected:
    virtual void Paint() {}
    void WMPaint(TWMPaint& message);

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
