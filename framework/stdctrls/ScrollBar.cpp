#include "framework/stdctrls/ScrollBar.h"

#include "framework/graphics/CheckerFill.h"
#include "framework/graphics/Frame3D.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/WinControl.h"
#include "framework/windows/Window.h"

#include <algorithm>
#include <cstdint>

// --- geometry

TScrollBarPart TScrollBarGeometry::HitTest(TPoint p) const {
    if (PtInRect(ArrowBefore, p))
        return TScrollBarPart::ArrowBefore;
    if (PtInRect(ArrowAfter, p))
        return TScrollBarPart::ArrowAfter;
    if (!PtInRect(Track, p))
        return TScrollBarPart::None;
    if (Thumb.IsEmpty())
        return TScrollBarPart::None;
    if (PtInRect(Thumb, p))
        return TScrollBarPart::Thumb;
    const bool before = Kind == sbHorizontal ? p.x < Thumb.Left : p.y < Thumb.Top;
    return before ? TScrollBarPart::PageBefore : TScrollBarPart::PageAfter;
}

namespace {

// Splits a span [start, end) into an arrow at each end and the track between.
struct TSpan {
    int ArrowEnd;   // end of the first arrow
    int ArrowStart; // start of the second arrow
};

TSpan SplitSpan(int start, int end, int arrow) {
    arrow = std::min(arrow, (end - start) / 2);
    return {start + arrow, end - arrow};
}

TRect Span(TScrollBarKind kind, const TRect& bounds, int from, int to) {
    return kind == sbHorizontal ? TRect{from, bounds.Top, to, bounds.Bottom}
                                : TRect{bounds.Left, from, bounds.Right, to};
}

int Scale(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    return denominator == 0 ? 0 : static_cast<int>(value * numerator / denominator);
}

} // namespace

void TScrollBarEngine::SetButtonSize(int size) {
    FButtonSize = std::max(size, 0);
}

int TScrollBarEngine::MaxPosition() const {
    return std::max(FRange - FPage, 0);
}

void TScrollBarEngine::SetParams(int range, int page, int position) {
    FRange = std::max(range, 0);
    FPage = std::max(page, 0);
    FPosition = std::clamp(position, 0, MaxPosition());
    if (!Active())
        Cancel();
    Changed();
}

void TScrollBarEngine::SetDisabled(bool disabled) {
    if (disabled == FDisabled)
        return;
    FDisabled = disabled;
    if (disabled)
        Cancel();
    Changed();
}

TScrollBarGeometry TScrollBarEngine::Geometry() const {
    const bool horizontal = FKind == sbHorizontal;
    const int start = horizontal ? FBounds.Left : FBounds.Top;
    const int end = horizontal ? FBounds.Right : FBounds.Bottom;
    const int thickness = horizontal ? FBounds.Height() : FBounds.Width();
    const TSpan span = SplitSpan(start, end, FButtonSize > 0 ? FButtonSize : thickness);

    TScrollBarGeometry g;
    g.Kind = FKind;
    g.ArrowBefore = Span(FKind, FBounds, start, span.ArrowEnd);
    g.ArrowAfter = Span(FKind, FBounds, span.ArrowStart, end);
    g.Track = Span(FKind, FBounds, span.ArrowEnd, span.ArrowStart);
    const int track = span.ArrowStart - span.ArrowEnd;
    if (!Active() || FRange <= 0)
        return g;
    const int thumb = std::max(Scale(track, FPage, FRange), MinThumb);
    if (thumb > track)
        return g;
    const int offset = Scale(track - thumb, TrackPosition(), MaxPosition());
    g.Thumb = Span(FKind, FBounds, span.ArrowEnd + offset, span.ArrowEnd + offset + thumb);
    return g;
}

// --- input
//
// | event            | where / state                   | result                                |
// |------------------|---------------------------------|---------------------------------------|
// | press            | arrow                           | one line; repeats while held over it  |
// | press            | track beside the thumb          | one page; repeats until the thumb     |
// |                  |                                 | reaches the pointer                   |
// | press            | thumb                           | drag starts                           |
// | move             | dragging                        | scTrack with the position shown       |
// | move             | arrow or page held              | pressed look only while over the part |
// | release          | dragging                        | scPosition, then scEndScroll          |
// | release          | arrow or page held              | scEndScroll                           |

bool TScrollBarEngine::MouseDown(TPoint p) {
    if (!Active())
        return false;
    const TScrollBarGeometry g = Geometry();
    const TScrollBarPart part = g.HitTest(p);
    if (part == TScrollBarPart::None)
        return false;
    FPressed = part;
    FPointer = p;
    FHot = true;
    if (part == TScrollBarPart::Thumb) {
        FGrab = Along(p) - Along(g.Thumb.TopLeft());
        FTrackPos = FPosition;
        Changed();
        return true;
    }
    Step();
    Changed();
    if (OnStartTimer)
        OnStartTimer(FirstDelay);
    return true;
}

int TScrollBarEngine::TrackPosAt(TPoint p) const {
    const TScrollBarGeometry g = Geometry();
    const bool horizontal = FKind == sbHorizontal;
    const int track = horizontal ? g.Track.Width() : g.Track.Height();
    const int thumb = horizontal ? g.Thumb.Width() : g.Thumb.Height();
    const int room = track - thumb;
    const int offset =
        std::clamp(Along(p) - FGrab - Along(g.Track.TopLeft()), 0, std::max(room, 0));
    if (room <= 0)
        return 0;
    // Rounded to the nearest position, so that the thumb does not drift from the pointer.
    return static_cast<int>((std::int64_t{offset} * MaxPosition() + room / 2) / room);
}

void TScrollBarEngine::MouseMove(TPoint p) {
    if (!Pressed())
        return;
    FPointer = p;
    if (FPressed == TScrollBarPart::Thumb) {
        const int pos = TrackPosAt(p);
        if (pos == FTrackPos)
            return;
        FTrackPos = pos;
        Changed();
        Scroll(scTrack, pos);
        return;
    }
    const bool hot = Geometry().HitTest(p) == FPressed;
    if (hot != FHot) {
        FHot = hot;
        Changed();
    }
}

void TScrollBarEngine::MouseUp(TPoint p) {
    if (!Pressed())
        return;
    const TScrollBarPart part = FPressed;
    if (part == TScrollBarPart::Thumb) {
        FTrackPos = TrackPosAt(p);
        const int pos = FTrackPos;
        FPressed = TScrollBarPart::None;
        Scroll(scPosition, pos);
    } else {
        FPressed = TScrollBarPart::None;
        if (OnStopTimer)
            OnStopTimer();
    }
    Scroll(scEndScroll);
    Changed();
}

void TScrollBarEngine::Cancel() {
    if (!Pressed())
        return;
    FPressed = TScrollBarPart::None;
    if (OnStopTimer)
        OnStopTimer();
    Changed();
}

void TScrollBarEngine::Repeat() {
    if (!Pressed() || FPressed == TScrollBarPart::Thumb)
        return;
    if (OnStartTimer)
        OnStartTimer(RepeatDelay);
    // An arrow repeats while the pointer is on it; a page click until the thumb reaches the
    // pointer.
    if (Geometry().HitTest(FPointer) == FPressed)
        Step();
}

void TScrollBarEngine::Step() {
    switch (FPressed) {
    case TScrollBarPart::ArrowBefore:
        Scroll(scLineUp);
        break;
    case TScrollBarPart::ArrowAfter:
        Scroll(scLineDown);
        break;
    case TScrollBarPart::PageBefore:
        Scroll(scPageUp);
        break;
    case TScrollBarPart::PageAfter:
        Scroll(scPageDown);
        break;
    default:
        break;
    }
}

void TScrollBarEngine::Changed() const {
    if (OnChange)
        OnChange();
}

void TScrollBarEngine::Scroll(TScrollCode code, int position) const {
    if (OnScroll)
        OnScroll(code, position);
}

// --- painting

namespace {

enum class TArrow { Left, Right, Up, Down };

// A solid triangle pointing away from the centre of face, its tip size pixels from its base.
void DrawTriangle(TCanvas& canvas, const TRect& face, TArrow arrow, TColor color, TPoint shift) {
    const bool horizontal = arrow == TArrow::Left || arrow == TArrow::Right;
    const int along = horizontal ? face.Width() : face.Height();
    const int across = horizontal ? face.Height() : face.Width();
    const int size = std::min({4, along, (across + 1) / 2});
    if (size <= 0)
        return;
    canvas.Brush()->SetColor(color);
    const int cx = face.Left + (face.Width() - (horizontal ? size : 2 * size - 1)) / 2 + shift.x;
    const int cy = face.Top + (face.Height() - (horizontal ? 2 * size - 1 : size)) / 2 + shift.y;
    for (int i = 0; i < size; ++i) {
        // Row i from the tip: 2i + 1 pixels wide.
        const int step = (arrow == TArrow::Left || arrow == TArrow::Up) ? i : size - 1 - i;
        const int half = size - 1 - i;
        if (horizontal)
            canvas.FillRect({cx + step, cy + half, cx + step + 1, cy + 2 * size - 1 - half});
        else
            canvas.FillRect({cx + half, cy + step, cx + 2 * size - 1 - half, cy + step + 1});
    }
}

void DrawArrowButton(TCanvas& canvas, TRect rect, TArrow arrow, bool pushed, bool enabled) {
    if (rect.IsEmpty())
        return;
    DrawEdge3D(canvas, rect, pushed ? TEdge::Pushed : TEdge::Raised);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(rect);
    if (pushed)
        InflateRect(rect, 1, 1);
    if (enabled) {
        DrawTriangle(canvas, rect, arrow, clBtnText, pushed ? TPoint{1, 1} : TPoint{0, 0});
        return;
    }
    DrawTriangle(canvas, rect, arrow, clBtnHighlight, {1, 1});
    DrawTriangle(canvas, rect, arrow, clBtnShadow, {0, 0});
}

} // namespace

void TScrollBarEngine::Paint(TCanvas& canvas) const {
    const TScrollBarGeometry g = Geometry();
    const bool horizontal = FKind == sbHorizontal;
    const bool active = Active();
    auto held = [&](TScrollBarPart part) {
        return FPressed == part && FHot;
    };
    DrawArrowButton(canvas, g.ArrowBefore, horizontal ? TArrow::Left : TArrow::Up,
                    held(TScrollBarPart::ArrowBefore), active);
    DrawArrowButton(canvas, g.ArrowAfter, horizontal ? TArrow::Right : TArrow::Down,
                    held(TScrollBarPart::ArrowAfter), active);
    if (g.Thumb.IsEmpty()) {
        FillChecker(canvas, g.Track, clBtnHighlight, clBtnFace);
        return;
    }
    const TRect before = horizontal ? TRect{g.Track.Left, g.Track.Top, g.Thumb.Left, g.Track.Bottom}
                                    : TRect{g.Track.Left, g.Track.Top, g.Track.Right, g.Thumb.Top};
    const TRect after = horizontal
                            ? TRect{g.Thumb.Right, g.Track.Top, g.Track.Right, g.Track.Bottom}
                            : TRect{g.Track.Left, g.Thumb.Bottom, g.Track.Right, g.Track.Bottom};
    for (const auto& [rect, part] : {std::pair{before, TScrollBarPart::PageBefore},
                                     std::pair{after, TScrollBarPart::PageAfter}}) {
        if (held(part))
            FillChecker(canvas, rect, cl3DDkShadow, clBtnShadow);
        else
            FillChecker(canvas, rect, clBtnHighlight, clBtnFace);
    }
    TRect thumb = g.Thumb;
    DrawEdge3D(canvas, thumb, TEdge::Raised);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(thumb);
}

// --- the bars of a window

namespace {
constexpr UINT_PTR TimerIds[] = {0x5C01, 0x5C02}; // by TScrollBarKind
}

TWindowScrollBars::TWindowScrollBars(TWinControl& control) : FControl(control) {
    for (TScrollBarEngine* bar : {&FHorz, &FVert}) {
        const TScrollBarKind kind = bar->Kind();
        bar->OnScroll = [this, kind](TScrollCode code, int position) {
            FControl.Perform(kind == sbHorizontal ? WM_HSCROLL : WM_VSCROLL,
                             MAKEWPARAM(static_cast<int>(code), position), 0);
        };
        bar->OnStartTimer = [this, kind](unsigned delay) {
            StartTimer(kind, delay);
        };
        bar->OnStopTimer = [this, kind] {
            StopTimer(kind);
        };
        bar->OnChange = [this] {
            Paint();
        };
    }
}

TWindowScrollBars::~TWindowScrollBars() {
    for (TScrollBarEngine* bar : {&FHorz, &FVert}) {
        bar->OnScroll = nullptr;
        bar->OnStartTimer = nullptr;
        bar->OnStopTimer = nullptr;
        bar->OnChange = nullptr;
    }
}

std::uint32_t TWindowScrollBars::Style() const {
    return (FHorzVisible ? WS_HSCROLL : 0u) | (FVertVisible ? WS_VSCROLL : 0u);
}

void TWindowScrollBars::SetDisabled(bool disabled) {
    FHorz.SetDisabled(disabled);
    FVert.SetDisabled(disabled);
}

void TWindowScrollBars::SetVisible(bool horizontal, bool vertical) {
    if (horizontal == FHorzVisible && vertical == FVertVisible)
        return;
    FHorzVisible = horizontal;
    FVertVisible = vertical;
    if (!horizontal)
        FHorz.Cancel();
    if (!vertical)
        FVert.Cancel();
    if (!FControl.HandleAllocated())
        return;
    HWND window = FControl.Handle();
    const std::uint32_t style = GetWindowLong(window, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL);
    SetWindowLong(window, GWL_STYLE, style | Style());
    FControl.Invalidate();
}

void TWindowScrollBars::Layout() {
    const TRect client = FControl.ClientRect();
    const int x = VertOnLeft() ? client.Left - ScrollBarSize : client.Right;
    FVert.SetBoundsRect({x, client.Top, x + ScrollBarSize, client.Bottom});
    FHorz.SetBoundsRect({client.Left, client.Bottom, client.Right, client.Bottom + ScrollBarSize});
}

bool TWindowScrollBars::VertOnLeft() const {
    return FControl.HandleAllocated() &&
           (GetWindowLong(FControl.Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
}

void TWindowScrollBars::Paint() {
    if ((!FHorzVisible && !FVertVisible) || !FControl.HandleAllocated())
        return;
    HWND window = FControl.Handle();
    TSurface* surface = window->Surface();
    if (!surface || !window->Showing())
        return;
    Layout();
    FCanvas.SetTarget(&surface->Pixels(), window->SurfaceOrigin(), window->VisibleWindowRect());
    if (FHorzVisible)
        FHorz.Paint(FCanvas);
    if (FVertVisible)
        FVert.Paint(FCanvas);
    if (FHorzVisible && FVertVisible) {
        FCanvas.Brush()->SetColor(clBtnFace);
        FCanvas.FillRect({FVert.BoundsRect().Left, FHorz.BoundsRect().Top, FVert.BoundsRect().Right,
                          FHorz.BoundsRect().Bottom});
    }
    surface->AddDirty(FCanvas.TakeDirty());
    FCanvas.SetTarget(nullptr, {}, {});
}

TScrollBarEngine* TWindowScrollBars::Captor() {
    if (FHorz.Pressed())
        return &FHorz;
    if (FVert.Pressed())
        return &FVert;
    return nullptr;
}

void TWindowScrollBars::StartTimer(TScrollBarKind kind, unsigned delay) {
    if (FControl.HandleAllocated())
        SetTimer(FControl.Handle(), TimerIds[kind], delay, nullptr);
}

void TWindowScrollBars::StopTimer(TScrollBarKind kind) {
    if (FControl.HandleAllocated())
        KillTimer(FControl.Handle(), TimerIds[kind]);
}

bool TWindowScrollBars::HandleMessage(TMessage& message) {
    if (!FHorzVisible && !FVertVisible)
        return false;
    const TPoint p = LParamToPoint(message.LParam);
    switch (message.Msg) {
    case WM_TIMER:
        for (TScrollBarEngine* bar : {&FHorz, &FVert})
            if (message.WParam == TimerIds[bar->Kind()]) {
                bar->Repeat();
                return true;
            }
        return false;
    case WM_MOUSEMOVE:
        if (TScrollBarEngine* bar = Captor()) {
            bar->MouseMove(p);
            return true;
        }
        break;
    case WM_LBUTTONUP:
        if (TScrollBarEngine* bar = Captor()) {
            bar->MouseUp(p);
            ReleaseCapture();
            return true;
        }
        break;
    case WM_CAPTURECHANGED:
        if (TScrollBarEngine* bar = Captor())
            bar->Cancel();
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Layout();
        for (TScrollBarEngine* bar : {&FHorz, &FVert})
            if (Visible(bar->Kind()) && PtInRect(bar->BoundsRect(), p)) {
                // Captured first: a capture change reaching a pressed bar would cancel it.
                if (GetCapture() != FControl.Handle())
                    SetCapture(FControl.Handle());
                if (!bar->MouseDown(p))
                    ReleaseCapture();
                return true;
            }
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        break;
    default:
        return false;
    }
    // Whatever else the mouse does over the bars (or the corner between them) is theirs too,
    // unless a press on the client area holds the capture: then it all goes to the control.
    if (GetCapture() == FControl.Handle())
        return false;
    Layout();
    const TRect client = FControl.ClientRect();
    TRect bars = client;
    if (FHorzVisible)
        bars.Bottom += ScrollBarSize;
    if (FVertVisible && VertOnLeft())
        bars.Left -= ScrollBarSize;
    else if (FVertVisible)
        bars.Right += ScrollBarSize;
    return !PtInRect(client, p) && PtInRect(bars, p);
}
