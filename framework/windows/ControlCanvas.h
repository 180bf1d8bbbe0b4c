#pragma once
// The canvas of a control: draws straight into the control's part of its top-level window's
// surface, clipped to what of the control is visible; during a paint, to the area being painted.

#include "framework/graphics/Canvas.h"

class TControl;
class TSurface;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(const TControl* control);
    ~TControlCanvas() override;

    const TControl* Control() const { return FControl; }
    // Points the canvas at the control's place on screen now. Outside a paint the control's
    // Canvas() calls it on every use, so drawing follows the control wherever it has moved.
    void Bind();
    // For one paint: drawing is limited to clip (buffer coordinates) until EndPaint.
    void BeginPaint(const TRect& clip);
    void EndPaint();
    bool Painting() const { return FPainting; }

private:
    friend class TSurface;
    void Attach(TSurface* surface);
    void SurfaceGone() { FSurface = nullptr; }

    const TControl* FControl;
    TSurface* FSurface = nullptr;
    bool FPainting = false;
    TPoint FOrigin{};
    TRect FClip{};
};
