#pragma once
// The canvas of a control: draws straight into the control's part of its top-level window's
// surface, clipped to what of the control is visible; during a paint, to the area being painted.

#include "framework/graphics/Canvas.h"

#include <functional>
#include <optional>

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
    // Runs paint with drawing limited to the clip of dc, the device context of the paint in
    // progress.
    void PaintOn(HDC dc, const std::function<void()>& paint);
    bool Painting() const { return FPainting; }

private:
    friend class TSurface;
    void Attach(TSurface* surface);
    void SurfaceGone() { FSurface = nullptr; }
    void BeginPaint(const TRect& clip);

    const TControl* FControl;
    TSurface* FSurface = nullptr;
    bool FPainting = false;
    TPoint FOrigin{};
    TRect FClip{};
    std::optional<TRect> FBoundClip; // the clip last given to SetTarget outside a paint
};
