#include "framework/stdctrls/TrackBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Saturate.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Frame3D.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"

#include <algorithm>
#include <utility>

// Sections: class information; properties; geometry; the native window (keys, mouse); looks.

namespace {

const std::vector<std::string> OrientationNames{"trHorizontal", "trVertical"};
const std::vector<std::string> TickMarkNames{"tmBottomRight", "tmTopLeft", "tmBoth"};
const std::vector<std::string> TickStyleNames{"tsNone", "tsAuto", "tsManual"};

constexpr int EdgeSpace = 4;    // space between the client edge and the thumb, across
constexpr int ChannelInset = 8; // space between the client edge and the channel, along
constexpr int TickLength = 3;
constexpr int TickGap = 2; // between the thumb and its ticks

} // namespace

// Everything the painting and the hit tests share, in channel coordinates: "along" runs from
// Min to Max, "across" from the top (or left) tick side to the other.
struct TTrackBar::TGeometry {
    bool Vertical = false;
    int Min = 0;
    int Max = 0;
    int TrackFrom = 0; // along: the thumb's centre at Min and at Max
    int TrackTo = 0;
    int ThumbBreadth = 0;
    int ThumbFrom = 0; // across
    int ThumbTo = 0;
    int ChannelFrom = 0; // across
    int ChannelTo = 0;
    int ChannelStart = 0; // along
    int ChannelEnd = 0;
    bool TicksBefore = false; // top or left
    bool TicksAfter = false;  // bottom or right
    int Inset = 0;            // BorderWidth: channel coordinates start this far into the client

    TRect Oriented(int along0, int across0, int along1, int across1) const {
        return Vertical ? TRect{across0 + Inset, along0 + Inset, across1 + Inset, along1 + Inset}
                        : TRect{along0 + Inset, across0 + Inset, along1 + Inset, across1 + Inset};
    }
    int PixelOf(int position) const {
        if (Max <= Min)
            return TrackFrom;
        const std::int64_t offset = std::int64_t{position} - Min;
        return TrackFrom +
               static_cast<int>(offset * (TrackTo - TrackFrom) / (std::int64_t{Max} - Min));
    }
    int PositionAt(int pixel) const {
        if (TrackTo <= TrackFrom)
            return Min;
        const std::int64_t span = std::int64_t{Max} - Min;
        const std::int64_t width = TrackTo - TrackFrom;
        const std::int64_t offset = std::int64_t{pixel} - TrackFrom;
        return Saturate(Min + (offset * span + (offset >= 0 ? width / 2 : -width / 2)) / width, Min,
                        Max);
    }
    TRect Thumb(int position) const {
        const int from = PixelOf(position) - ThumbBreadth / 2;
        return Oriented(from, ThumbFrom, from + ThumbBreadth, ThumbTo);
    }
    TRect Channel() const { return Oriented(ChannelStart, ChannelFrom, ChannelEnd, ChannelTo); }
    int Along(TPoint p) const { return (Vertical ? p.y : p.x) - Inset; }
};

// ---- class information

const TClassInfo& TTrackBar::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TTrackBar>("TTrackBar", &TWinControl::StaticClass(), [](auto& c) {
            c.PublishInherited({"Align",     "Enabled",     "ParentShowHint", "PopupMenu",
                                "ShowHint",  "TabOrder",    "TabStop",        "Visible",
                                "OnEnter",   "OnExit",      "OnKeyDown",      "OnKeyPress",
                                "OnKeyUp",   "Anchors",     "Constraints",    "DragCursor",
                                "DragKind",  "DragMode",    "OnDragDrop",     "OnDragOver",
                                "OnEndDrag", "OnStartDrag", "OnContextPopup"});
            c.Int("BorderWidth", &TTrackBar::BorderWidth, &TTrackBar::SetBorderWidth, 0);
            c.Bool("Ctl3D", &TTrackBar::Ctl3D, &TTrackBar::SetCtl3D, true).IsStored =
                [](const TObject& o) {
                    return !static_cast<const TTrackBar&>(o).ParentCtl3D();
                };
            c.Int("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize, 1);
            c.Int("Max", &TTrackBar::Max, &TTrackBar::SetMax, 10);
            c.Int("Min", &TTrackBar::Min, &TTrackBar::SetMin, 0);
            c.Enum("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation, trHorizontal,
                   OrientationNames);
            c.Int("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize, 2);
            c.Int("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency, 1);
            c.Int("Position", &TTrackBar::Position, &TTrackBar::SetPosition, 0);
            c.Bool("SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible, true);
            c.Int("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd, 0);
            c.Int("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart, 0);
            c.Int("ThumbLength", &TTrackBar::ThumbLength, &TTrackBar::SetThumbLength, 20);
            c.Enum("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks, tmBottomRight,
                   TickMarkNames);
            c.Enum("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle, tsAuto,
                   TickStyleNames);
            c.Bool("TabStop", &TTrackBar::TabStop, &TTrackBar::SetTabStop, true);
            c.Bool("ParentCtl3D", &TTrackBar::ParentCtl3D, &TTrackBar::SetParentCtl3D, true);
            c.Event("OnChange", &TTrackBar::OnChange);
        });
    return info;
}

const TMessageMap& TTrackBar::StaticMessageMap() {
    static const TMessageMap map(&TWinControl::StaticMessageMap(),
                                 {
                                     MessageHandler<CN_HSCROLL, &TTrackBar::CNHScroll>(),
                                     MessageHandler<CN_VSCROLL, &TTrackBar::CNVScroll>(),
                                 });
    return map;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    FControlStyle = csClickEvents | csSetCaption;
    FWidth = 150;
    FHeight = 45;
    FColor = clBtnFace;
    SetTabStop(true);
}

// ---- properties

void TTrackBar::SetMin(int value) {
    if (value <= FMax)
        SetRange(value, FMax);
}

void TTrackBar::SetMax(int value) {
    if (value >= FMin)
        SetRange(FMin, value);
}

void TTrackBar::SetRange(int min, int max) {
    FMin = min;
    FMax = max;
    FPosition = std::clamp(FPosition, FMin, FMax);
    Invalidate();
}

void TTrackBar::SetPosition(int value) {
    value = std::clamp(value, FMin, FMax);
    if (value == FPosition)
        return;
    FPosition = value;
    Invalidate();
    Changed();
}

void TTrackBar::SetFrequency(int value) {
    if (value == FFrequency)
        return;
    FFrequency = value;
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == FOrientation)
        return;
    FOrientation = value;
    if (!IsLoading())
        SetBounds(FLeft, FTop, FHeight, FWidth);
    RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    if (value == FTickMarks)
        return;
    FTickMarks = value;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    if (value == FTickStyle)
        return;
    FTickStyle = value;
    RecreateWnd();
}

void TTrackBar::SetSelStart(int value) {
    if (value == FSelStart)
        return;
    FSelStart = value;
    Invalidate();
}

void TTrackBar::SetSelEnd(int value) {
    if (value == FSelEnd)
        return;
    FSelEnd = value;
    Invalidate();
}

void TTrackBar::SetSliderVisible(bool value) {
    if (value == FSliderVisible)
        return;
    FSliderVisible = value;
    RecreateWnd();
}

void TTrackBar::SetBorderWidth(int value) {
    value = std::clamp(value, 0, MaxCoordinate);
    if (value == FBorderWidth)
        return;
    FBorderWidth = value;
    Invalidate();
}

void TTrackBar::ChangeScale(int m, int d) {
    FThumbLength = ScaleLength(FThumbLength, m, d);
    FBorderWidth = std::clamp(ScaleLength(FBorderWidth, m, d), 0, MaxCoordinate);
    TWinControl::ChangeScale(m, d);
}

void TTrackBar::SetThumbLength(int value) {
    if (value == FThumbLength)
        return;
    FThumbLength = value;
    Invalidate();
}

void TTrackBar::Changed() {
    OnChange(this);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "msctls_trackbar32";
    static constexpr std::uint32_t tickStyles[] = {TBS_NOTICKS, TBS_AUTOTICKS, 0};
    static constexpr std::uint32_t tickMarks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};
    params.Style |= (FOrientation == trVertical ? TBS_VERT : TBS_HORZ) | tickStyles[FTickStyle] |
                    tickMarks[FTickMarks] | TBS_FIXEDLENGTH | TBS_ENABLESELRANGE;
    if (!FSliderVisible)
        params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CNHScroll(TMessage&) {
    Changed();
}
void TTrackBar::CNVScroll(TMessage&) {
    Changed();
}

// ---- geometry

TTrackBar::TGeometry TTrackBar::Geometry() {
    const std::uint32_t style = GetWindowLong(Handle(), GWL_STYLE);
    TGeometry g;
    g.Vertical = (style & TBS_VERT) != 0;
    g.Min = FMin;
    g.Max = FMax;
    const bool ticks = (style & TBS_NOTICKS) == 0;
    g.TicksBefore = ticks && (style & (TBS_TOP | TBS_BOTH));
    g.TicksAfter = ticks && (!(style & TBS_TOP) || (style & TBS_BOTH));

    const TRect client = ClientRect();
    // Half the smaller side at most, so that the inset client is never turned inside out.
    g.Inset = std::min(FBorderWidth, std::min(client.Width(), client.Height()) / 2);
    const int along = (g.Vertical ? client.Height() : client.Width()) - 2 * g.Inset;
    // A thumb longer than any screen is as good as one that long, and leaves the sums below in
    // range.
    constexpr int LongestThumb = 1 << 20;
    const int thumbLength =
        std::clamp((style & TBS_FIXEDLENGTH) ? FThumbLength
                                             : (g.Vertical ? client.Width() : client.Height()) -
                                                   2 * (EdgeSpace + g.Inset),
                   4, LongestThumb);
    g.ThumbBreadth = thumbLength / 2 + 1;
    g.ThumbFrom = EdgeSpace + (g.TicksBefore ? TickLength + TickGap : 0);
    g.ThumbTo = g.ThumbFrom + thumbLength;

    const int thickness = (style & TBS_ENABLESELRANGE) ? 8 : 4;
    g.ChannelFrom = g.ThumbFrom + thumbLength / 2 - thickness / 2;
    g.ChannelTo = g.ChannelFrom + thickness;
    g.ChannelStart = ChannelInset;
    g.ChannelEnd = std::max(ChannelInset, along - ChannelInset);
    g.TrackFrom = g.ChannelStart + g.ThumbBreadth / 2;
    g.TrackTo = std::max(g.TrackFrom, g.ChannelEnd - g.ThumbBreadth + g.ThumbBreadth / 2);
    return g;
}

// ---- the native window

void TTrackBar::DefaultHandler(TMessage& message) {
    if (HandleKey(message) || HandleMouse(message))
        return;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Invalidate();
        return;
    case WM_PAINT:
        PaintTrackBar();
        return;
    default:
        TWinControl::DefaultHandler(message);
    }
}

void TTrackBar::UserMove(int position, unsigned code) {
    position = std::clamp(position, FMin, FMax);
    if (position == FPosition)
        return;
    FPosition = position;
    Repaint();
    const HWND window = Handle();
    const UINT msg = (GetWindowLong(window, GWL_STYLE) & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessage(GetParent(window), msg, MAKEWPARAM(static_cast<int>(code), position),
                reinterpret_cast<LPARAM>(window));
}

bool TTrackBar::HandleKey(TMessage& message) {
    if (message.Msg != WM_KEYDOWN)
        return false;
    const std::int64_t position = FPosition;
    switch (message.WParam) {
    case VK_LEFT:
    case VK_UP:
        UserMove(Saturate(position - FLineSize, FMin, FMax), TB_LINEUP);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        UserMove(Saturate(position + FLineSize, FMin, FMax), TB_LINEDOWN);
        return true;
    case VK_PRIOR:
        UserMove(Saturate(position - FPageSize, FMin, FMax), TB_PAGEUP);
        return true;
    case VK_NEXT:
        UserMove(Saturate(position + FPageSize, FMin, FMax), TB_PAGEDOWN);
        return true;
    case VK_HOME:
        UserMove(FMin, TB_TOP);
        return true;
    case VK_END:
        UserMove(FMax, TB_BOTTOM);
        return true;
    default:
        return false;
    }
}

bool TTrackBar::HandleMouse(TMessage& message) {
    const TPoint point = LParamToPoint(message.LParam);
    switch (message.Msg) {
    case WM_LBUTTONDOWN: {
        if (!Focused())
            ::SetFocus(Handle());
        const TGeometry g = Geometry();
        const bool thumb = FSliderVisible && PtInRect(g.Thumb(FPosition), point);
        if (thumb) {
            FDragging = true;
            FDragOffset = g.Along(point) - g.PixelOf(FPosition);
            SetCapture(Handle());
        } else if (g.Along(point) < g.PixelOf(FPosition)) {
            UserMove(Saturate(std::int64_t{FPosition} - FPageSize, FMin, FMax), TB_PAGEUP);
        } else {
            UserMove(Saturate(std::int64_t{FPosition} + FPageSize, FMin, FMax), TB_PAGEDOWN);
        }
        return true;
    }
    case WM_MOUSEMOVE:
        if (FDragging) {
            const TGeometry g = Geometry();
            UserMove(g.PositionAt(g.Along(point) - FDragOffset), TB_THUMBTRACK);
        }
        return true;
    case WM_LBUTTONUP:
        if (FDragging) {
            FDragging = false;
            if (GetCapture() == Handle())
                ReleaseCapture();
        }
        return true;
    case WM_CAPTURECHANGED:
        FDragging = false;
        return true;
    default:
        return false;
    }
}

// ---- looks

namespace {

void FillColor(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
}

} // namespace

void TTrackBar::PaintTrackBar() {
    const HWND window = Handle();
    const std::uint32_t style = GetWindowLong(window, GWL_STYLE);
    TCanvas& canvas = window->DC();
    const TRect client = ClientRect();
    const TGeometry g = Geometry();
    FillColor(canvas, client, Color());

    // Channel: a sunken edge (without Ctl3D a flat line); with a selection range, a wider one
    // with a white inside.
    TRect channel = g.Channel();
    if (Ctl3D())
        DrawEdge3D(canvas, channel, TEdge::Sunken);
    else
        Frame3D(canvas, channel, clWindowFrame, clWindowFrame, 1);
    FillColor(canvas, channel, clWindow);

    const int selFrom = std::clamp(FSelStart, FMin, FMax);
    const int selTo = std::clamp(FSelEnd, FMin, FMax);
    const bool selection = (style & TBS_ENABLESELRANGE) && selFrom < selTo;
    if (selection) {
        const TRect range =
            g.Oriented(g.PixelOf(selFrom), g.ChannelFrom, g.PixelOf(selTo) + 1, g.ChannelTo);
        FillColor(canvas, IntersectRect(range, channel), clHighlight);
    }

    // Ticks, with the two ends of the selection marked by triangles beside them.
    const auto tickRow = [&](bool before, int at, int length, int halfWidth) {
        const int across = before ? g.ThumbFrom - TickGap - length : g.ThumbTo + TickGap;
        for (int i = 0; i < length; ++i) {
            const int row = before ? across + length - 1 - i : across + i;
            const int spread = std::min(i, halfWidth);
            FillColor(canvas, g.Oriented(at - spread, row, at + spread + 1, row + 1), clWindowText);
        }
    };
    const auto tick = [&](int position) {
        for (bool before : {true, false})
            if (before ? g.TicksBefore : g.TicksAfter)
                tickRow(before, g.PixelOf(position), TickLength, 0);
    };
    if ((style & TBS_NOTICKS) == 0) {
        tick(FMin);
        tick(FMax);
        if (style & TBS_AUTOTICKS) {
            const std::int64_t step = std::max(FFrequency, 1);
            const std::int64_t pixels = std::int64_t{g.TrackTo} - g.TrackFrom + 1;
            if ((std::int64_t{FMax} - FMin) / step < pixels)
                for (std::int64_t p = std::int64_t{FMin} + step; p < FMax; p += step)
                    tick(static_cast<int>(p));
        }
        if (selection)
            for (int position : {selFrom, selTo})
                for (bool before : {true, false})
                    if (before ? g.TicksBefore : g.TicksAfter)
                        tickRow(before, g.PixelOf(position), TickLength, TickLength);
    }

    if (FSliderVisible && !(style & TBS_NOTHUMB)) {
        TRect thumb = g.Thumb(FPosition);
        DrawEdge3D(canvas, thumb, TEdge::Raised);
        FillColor(canvas, thumb, clBtnFace);
    }

    if (Focused()) {
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetColor(clWhite);
        DrawFocusRect(canvas.Handle(), &client);
    }
}
