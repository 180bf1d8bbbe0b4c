#include "framework/windows/ControlCanvas.h"

#include "framework/windows/WinControl.h"
#include "framework/windows/Window.h"

TControlCanvas::TControlCanvas(const TControl* control) : FControl(control) {}

TControlCanvas::~TControlCanvas() {
    Attach(nullptr);
}

void TControlCanvas::Attach(TSurface* surface) {
    if (surface == FSurface)
        return;
    if (FSurface)
        FSurface->Detach(this);
    FSurface = surface;
    if (FSurface)
        FSurface->Attach(this);
}

void TControlCanvas::Bind() {
    HWND window = nullptr;
    TPoint offset{};
    const auto* own = dynamic_cast<const TWinControl*>(FControl);
    if (own) {
        window = own->FHandle;
    } else if (FControl->Parent()) {
        window = FControl->Parent()->FHandle;
        offset = {FControl->Left(), FControl->Top()};
    }
    TSurface* surface = window ? window->Surface() : nullptr;
    if (!surface) {
        Attach(nullptr);
        SetTarget(nullptr, {}, {});
        return;
    }
    const TPoint origin = window->SurfaceOrigin();
    FOrigin = {origin.x + offset.x, origin.y + offset.y};
    FClip = window->VisibleClientRect();
    if (!own)
        FClip = FControl->Visible()
                    ? IntersectRect(FClip, Bounds(FOrigin.x, FOrigin.y, FControl->Width(),
                                                  FControl->Height()))
                    : TRect{};
    Attach(surface);
    if (Target() != &surface->Pixels() || Origin() != FOrigin || !FBoundClip ||
        *FBoundClip != FClip) {
        SetTarget(&surface->Pixels(), FOrigin, FClip);
        FBoundClip = FClip;
    }
}

void TControlCanvas::BeginPaint(const TRect& clip) {
    Bind();
    if (!FSurface)
        return;
    SetTarget(&FSurface->Pixels(), FOrigin, IntersectRect(clip, FClip));
    FBoundClip.reset();
    FPainting = true;
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
    struct EndPaint {
        bool& Painting;
        ~EndPaint() { Painting = false; }
    } end{FPainting};
    BeginPaint(dc ? dc->Clip : TRect{});
    paint();
}
