#pragma once
// Scroll bars: TScrollBarEngine is one bar's geometry, painting and mouse behaviour (arrows,
// page clicks repeating while held, thumb drag); TWindowScrollBars puts a horizontal and a
// vertical bar beside a window's client area, as the WS_HSCROLL and WS_VSCROLL styles do, and
// reports scrolling to the window as WM_HSCROLL and WM_VSCROLL.

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Types.h"
#include "framework/windows/Messages.h"

#include <functional>

class TWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };

// The low word of WM_HSCROLL and WM_VSCROLL (the Win32 SB_* numbers).
enum TScrollCode : unsigned {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition, // the thumb was released; the high word holds the position
    scTrack,    // the thumb is being dragged; the high word holds the position
    scTop,
    scBottom,
    scEndScroll,
};

enum class TScrollBarPart { None, ArrowBefore, PageBefore, Thumb, PageAfter, ArrowAfter };

struct TScrollBarGeometry {
    TScrollBarKind Kind = sbVertical;
    TRect ArrowBefore;
    TRect ArrowAfter;
    TRect Track; // between the arrows
    TRect Thumb; // empty when the bar shows none
    TScrollBarPart HitTest(TPoint p) const;
};

class TScrollBarEngine {
public:
    // Auto-repeat delays of a held arrow or page click.
    static constexpr unsigned FirstDelay = 200;
    static constexpr unsigned RepeatDelay = 50;
    static constexpr int MinThumb = 8;

    explicit TScrollBarEngine(TScrollBarKind kind) : FKind(kind) {}

    TScrollBarKind Kind() const { return FKind; }
    // Where the bar lies, in the coordinates it is painted and receives the mouse in.
    const TRect& BoundsRect() const { return FBounds; }
    void SetBoundsRect(const TRect& bounds) { FBounds = bounds; }
    // The length of each arrow button along the bar; 0 for the bar's thickness.
    int ButtonSize() const { return FButtonSize; }
    void SetButtonSize(int size);

    // Content of range units, page of them visible: positions 0 .. range - page. The position
    // is clamped.
    void SetParams(int range, int page, int position);
    int Range() const { return FRange; }
    int Page() const { return FPage; }
    int Position() const { return FPosition; }
    int MaxPosition() const;
    // The position the dragged thumb shows, else Position.
    int TrackPosition() const { return FPressed == TScrollBarPart::Thumb ? FTrackPos : FPosition; }
    // Disabled bars show no thumb and take no input.
    void SetDisabled(bool disabled);
    // There is something to scroll and the bar is not disabled.
    bool Active() const { return !FDisabled && MaxPosition() > 0; }

    TScrollBarGeometry Geometry() const;
    void Paint(TCanvas& canvas) const;

    // Mouse input; MouseDown takes only points on an active bar.
    bool MouseDown(TPoint p);
    void MouseMove(TPoint p);
    void MouseUp(TPoint p);
    // The repeat timer fired.
    void Repeat();
    // Ends a press without scrolling further (capture lost).
    void Cancel();
    // A part is held down (the mouse belongs to the bar).
    bool Pressed() const { return FPressed != TScrollBarPart::None; }

    // A scroll request (the position for scPosition and scTrack).
    std::function<void(TScrollCode code, int position)> OnScroll;
    // (Re)starts the repeat timer, or stops it.
    std::function<void(unsigned delay)> OnStartTimer;
    std::function<void()> OnStopTimer;
    // The bar needs painting again.
    std::function<void()> OnChange;

private:
    int Along(TPoint p) const { return FKind == sbHorizontal ? p.x : p.y; }
    int TrackPosAt(TPoint p) const;
    void Step();
    void Changed() const;
    void Scroll(TScrollCode code, int position = 0) const;

    TScrollBarKind FKind;
    TRect FBounds;
    int FButtonSize = 0;
    int FRange = 0;
    int FPage = 0;
    int FPosition = 0;
    bool FDisabled = false;
    TScrollBarPart FPressed = TScrollBarPart::None;
    bool FHot = false; // the pointer is over the held part
    TPoint FPointer{};
    int FGrab = 0; // pointer offset into the thumb when it was grabbed
    int FTrackPos = 0;
};

class TWindowScrollBars {
public:
    explicit TWindowScrollBars(TWinControl& control);
    ~TWindowScrollBars();
    TWindowScrollBars(const TWindowScrollBars&) = delete;
    TWindowScrollBars& operator=(const TWindowScrollBars&) = delete;

    TScrollBarEngine& Bar(TScrollBarKind kind) { return kind == sbHorizontal ? FHorz : FVert; }
    bool Visible(TScrollBarKind kind) const {
        return kind == sbHorizontal ? FHorzVisible : FVertVisible;
    }
    // Shows or hides the bars; the window's style follows, and the window repaints when its
    // client area changes.
    void SetVisible(bool horizontal, bool vertical);
    // WS_HSCROLL and WS_VSCROLL for the bars shown.
    std::uint32_t Style() const;
    // Both bars, as their window is enabled or disabled.
    void SetDisabled(bool disabled);

    // Paints the bars shown, and the corner between them, straight onto the window.
    void Paint();
    // Mouse and timer messages for the bars; true when a bar took the message.
    bool HandleMessage(TMessage& message);

private:
    void Layout();
    // The window keeps its vertical bar on the left (WS_EX_LEFTSCROLLBAR).
    bool VertOnLeft() const;
    void StartTimer(TScrollBarKind kind, unsigned delay);
    void StopTimer(TScrollBarKind kind);
    TScrollBarEngine* Captor();

    TWinControl& FControl;
    TScrollBarEngine FHorz{sbHorizontal};
    TScrollBarEngine FVert{sbVertical};
    bool FHorzVisible = false;
    bool FVertVisible = false;
    TCanvas FCanvas;
};
