#include "controls/ColorBtn.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Saturate.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/EngravedText.h"
#include "framework/streaming/Registration.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

// Hover tracking, one row per input ("inside" is FMouseInside):
//
//   input          condition                               effect
//   mouse move     not inside, point in the client area,   CM_MOUSEENTER to itself
//                  not just the left button held
//   mouse move     inside (after the row above)            timer 1 (re)started, 100 ms
//   timer 1        -                                       killed; the loop's idle check runs
//   CM_MOUSEENTER  not inside, or just the left button     inside, repaint, OnMouseEnter
//                  held
//   CM_MOUSELEAVE  -                                       not inside, repaint, OnMouseLeave
//
// The timer is what brings the leave when the pointer goes to another application's window,
// which sends this program no further mouse message.

namespace {

constexpr UINT_PTR HoverTimer = 1;
constexpr UINT HoverInterval = 100;

// Caption shifts beyond this lie outside any bitmap whatever the text; keeping them within it
// keeps the arithmetic on the caption box from overflowing.
constexpr int FarAway = 1 << 24;

const std::vector<std::string> ButtonStyleNames{"bsStd", "bsIELike", "bsNone"};
const std::vector<std::string> HAlignmentNames{"haLeft", "haCenter", "haRight"};
const std::vector<std::string> VAlignmentNames{"vaTop", "vaCenter", "vaBottom"};

// One line of an edge, each the outline of a rectangle one pixel thick.
enum TEdgeLine { elTop, elLeft, elRight, elBottom, elInnerRight, elInnerBottom, elOutline };

TRect EdgeLineRect(const TRect& r, TEdgeLine line) {
    switch (line) {
    case elTop:
        return {r.Left, r.Top, r.Right, r.Top + 1};
    case elLeft:
        return {r.Left, r.Top, r.Left + 1, r.Bottom};
    case elRight:
        return {r.Right - 1, r.Top, r.Right, r.Bottom};
    case elBottom:
        return {r.Left, r.Bottom - 1, r.Right, r.Bottom};
    case elInnerRight:
        return {r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1};
    case elInnerBottom:
        return {r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1};
    case elOutline:
        break;
    }
    return r;
}

// In the order given, so that a later line wins the pixels it shares with an earlier one.
void DrawEdgeLines(TCanvas& canvas, const TRect& r, std::initializer_list<TEdgeLine> lines,
                   TColor color) {
    canvas.Pen()->SetColor(color);
    for (TEdgeLine line : lines)
        canvas.Rectangle(EdgeLineRect(r, line));
}

unsigned HorizontalFormat(TNHAlignment alignment) {
    switch (alignment) {
    case haLeft:
        return DT_LEFT;
    case haRight:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

// Kills the timer it is called for; its message alone makes the loop check the hover again.
void TimerProc(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
}

} // namespace

// ---- class information

const TClassInfo& TColorButton::StaticClass() {
    static const TClassInfo info = DescribeClass<TColorButton>(
        "TColorButton", &TButton::StaticClass(), [](TClassBuilder<TColorButton>& c) {
            // No default: a stored form always records the lines.
            c.Strings("CaptionLines", &TColorButton::CaptionLines,
                      [](TColorButton& button, const std::vector<std::string>& lines) {
                          TStringList list;
                          list.SetLines(lines);
                          button.SetCaptionLines(&list);
                      })
                .Default.reset();
            // Published again here: the plain button leaves it out.
            c.Color("Color", &TColorButton::Color, &TColorButton::SetColor, clWindow).IsStored =
                [](const TObject& o) {
                    return !static_cast<const TColorButton&>(o).ParentColor();
                };
            c.Event("OnMouseEnter", &TColorButton::OnMouseEnter);
            c.Event("OnMouseLeave", &TColorButton::OnMouseLeave);
            c.Enum("CapAlignH", &TColorButton::CapAlignH, &TColorButton::SetCapAlignH, haCenter,
                   HAlignmentNames);
            c.Enum("CapAlignV", &TColorButton::CapAlignV, &TColorButton::SetCapAlignV, vaCenter,
                   VAlignmentNames);
            c.Enum("ButtonStyle", &TColorButton::ButtonStyle, &TColorButton::SetMBStyle, bsStd,
                   ButtonStyleNames);
            c.Bool("CapFixed", &TColorButton::CapFixed, &TColorButton::SetCapFixed);
            c.Bool("Focusline", &TColorButton::Focusline, &TColorButton::SetFocusline);
            c.Int("CapOffsetH", &TColorButton::CapOffsetH, &TColorButton::SetCapOffsetH);
            c.Int("CapOffsetV", &TColorButton::CapOffsetV, &TColorButton::SetCapOffsetV);
            c.Color("FrameColor", &TColorButton::FrameColor, &TColorButton::SetFrameColor);
            c.Color("EdgeHighlight", &TColorButton::EdgeHighlight, &TColorButton::SetEdgeHighlight);
            c.Color("EdgeShadow", &TColorButton::EdgeShadow, &TColorButton::SetEdgeShadow);
        });
    return info;
}

const TMessageMap& TColorButton::StaticMessageMap() {
    static const TMessageMap map(
        &TButton::StaticMessageMap(),
        {
            MessageHandler<CN_DRAWITEM, &TColorButton::CNDrawItem>(),
            MessageHandler<CN_MEASUREITEM, &TColorButton::CNMeasureItem>(),
            MessageHandler<CM_ENABLEDCHANGED, &TColorButton::CMEnabledChanged>(),
            MessageHandler<WM_LBUTTONDBLCLK, &TColorButton::WMLButtonDblClk>(),
            MessageHandler<CM_MOUSEENTER, &TColorButton::CMMouseEnter>(),
            MessageHandler<CM_MOUSELEAVE, &TColorButton::CMMouseLeave>(),
            MessageHandler<WM_MOUSEMOVE, &TColorButton::WMMMove>(),
        });
    return map;
}

void ColorBtn::Register() {
    RegisterComponents("Custom", {&TColorButton::StaticClass()});
}

// ---- construction

TColorButton::TColorButton(TComponent* owner)
    : TButton(owner), FCaptionLines(std::make_unique<TStringList>()) {}

// The inherited destruction would destroy the window after the caption list, a member, is gone;
// a draw request that the window's end brings about must still find the list.
TColorButton::~TColorButton() {
    BeginDestruction();
}

void TColorButton::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.Style |= BS_OWNERDRAW;
}

// ---- properties

void TColorButton::SetCaptionLines(const TStrings* value) {
    const std::string text = value ? value->Text() : std::string();
    if (text == FCaptionLines->Text())
        return;
    if (value)
        FCaptionLines->Assign(value);
    else
        FCaptionLines->Clear();
    Invalidate();
}

void TColorButton::SetButtonStyle(bool ADefault) {
    if (ADefault == FDefaultLook)
        return;
    FDefaultLook = ADefault;
    Refresh();
}

// ---- messages

void TColorButton::CNDrawItem(TWMDrawItem& message) {
    if (message.DrawItemStruct)
        DrawItem(*message.DrawItemStruct);
}

void TColorButton::CNMeasureItem(TWMMeasureItem& message) {
    if (!message.MeasureItemStruct)
        return;
    message.MeasureItemStruct->itemWidth = static_cast<UINT>(std::max(0, Width()));
    message.MeasureItemStruct->itemHeight = static_cast<UINT>(std::max(0, Height()));
}

void TColorButton::CMEnabledChanged(TMessage& message) {
    DispatchInherited(TButton::StaticMessageMap(), message);
    Invalidate();
}

// The second press of a double click is an ordinary press, so that two quick clicks click twice.
void TColorButton::WMLButtonDblClk(TWMMouse& message) {
    Perform(WM_LBUTTONDOWN, message.Message.WParam, message.Message.LParam);
}

void TColorButton::CMMouseEnter(TMessage& message) {
    if (!FMouseInside || OnlyLeftButtonHeld()) {
        FMouseInside = true;
        Invalidate();
        OnMouseEnter(this);
    }
    DispatchInherited(TButton::StaticMessageMap(), message);
}

void TColorButton::CMMouseLeave(TMessage& message) {
    FMouseInside = false;
    Invalidate();
    OnMouseLeave(this);
    DispatchInherited(TButton::StaticMessageMap(), message);
}

void TColorButton::WMMMove(TWMMouse& message) {
    const bool inside = message.XPos >= 0 && message.XPos < ClientWidth() && message.YPos >= 0 &&
                        message.YPos < ClientHeight();
    if (!FMouseInside && inside && !OnlyLeftButtonHeld())
        Perform(CM_MOUSEENTER, 0, 0);
    if (FMouseInside)
        SetTimer(Handle(), HoverTimer, HoverInterval, TimerProc);
    DispatchInherited(TButton::StaticMessageMap(), message.Message);
}

// ---- painting

void TColorButton::ChangeScale(int m, int d) {
    for (int* length : {&FCapOffsetH, &FCapOffsetV, &FInsets.CaptionTop, &FInsets.CaptionBottom,
                        &FInsets.CaptionSide, &FInsets.FocusStd, &FInsets.FocusIELike})
        *length = ScaleLength(*length, m, d);
    TButton::ChangeScale(m, d);
}

std::string TColorButton::CaptionText() const {
    if (!Caption().empty())
        return Caption();
    std::string text;
    for (int i = 0; i < FCaptionLines->Count(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += FCaptionLines->Get(i);
    }
    return text;
}

TRect TColorButton::CaptionBox(int textHeight, bool pressed, bool focused) const {
    std::int64_t dx = FCapOffsetH;
    std::int64_t dy = FCapOffsetV;
    if (FCapAlignV == vaCenter)
        dy += (ClientHeight() - textHeight) / 2;
    else if (FCapAlignV == vaBottom)
        dy += ClientHeight() - textHeight - FInsets.CaptionBottom;
    else if (FCapAlignV == vaTop)
        dy += FInsets.CaptionTop;
    if (FCapAlignH == haLeft)
        dx += FInsets.CaptionSide;
    else if (FCapAlignH == haRight)
        dx -= FInsets.CaptionSide;
    if (FButtonStyle == bsStd && !FCapFixed && !FDefaultLook && !focused) {
        dx += FCapAlignH == haLeft ? -1 : FCapAlignH == haRight ? 1 : 0;
        dy += FCapAlignV == vaTop ? -1 : FCapAlignV == vaBottom ? 1 : 0;
    }
    if (pressed) {
        ++dx;
        ++dy;
    }
    TRect box{0, 0, ClientWidth(), textHeight};
    OffsetRect(box, Saturate(dx, -FarAway, FarAway), Saturate(dy, -FarAway, FarAway));
    return box;
}

void TColorButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    TBitmap face;
    face.SetSize(Width(), Height());
    TCanvas& canvas = *face.Canvas();
    canvas.SetFont(Font());
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(ClientRect());
    DrawCaption(canvas, pressed, focused);
    DrawEdges(canvas, pressed, focused);
    DrawFocusLine(canvas, focused);
    BitBlt(item.hDC, 0, 0, Width(), Height(), canvas.Handle(), 0, 0, SRCCOPY);
}

void TColorButton::DrawCaption(TCanvas& canvas, bool pressed, bool focused) const {
    const unsigned horizontal = HorizontalFormat(FCapAlignH);
    const std::string text = CaptionText();
    TRect measured{0, 0, 0, 0};
    DrawTextA(canvas.Handle(), text.c_str(), -1, &measured, horizontal | DT_CALCRECT);
    TRect box = CaptionBox(measured.Bottom - measured.Top, pressed, focused);
    canvas.Brush()->SetStyle(bsClear);
    if (Enabled())
        DrawTextA(canvas.Handle(), text.c_str(), -1, &box, horizontal | DT_NOCLIP);
    else
        DrawEngravedText(canvas, text, box, horizontal | DT_NOCLIP);
}

void TColorButton::DrawEdges(TCanvas& canvas, bool pressed, bool focused) const {
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    switch (FButtonStyle) {
    case bsStd:
        if (FDefaultLook || focused) {
            DrawEdgeLines(canvas, r, {elOutline}, FFrameColor);
            InflateRect(r, -1, -1);
        }
        if (pressed) {
            DrawEdgeLines(canvas, r, {elOutline}, FEdgeShadow);
        } else {
            DrawEdgeLines(canvas, r, {elTop, elLeft}, FEdgeHighlight);
            DrawEdgeLines(canvas, r, {elRight, elBottom}, FFrameColor);
            DrawEdgeLines(canvas, r, {elInnerRight, elInnerBottom}, FEdgeShadow);
        }
        break;
    case bsIELike:
        if (pressed) {
            DrawEdgeLines(canvas, r, {elTop, elLeft}, FEdgeShadow);
            DrawEdgeLines(canvas, r, {elRight, elBottom}, FEdgeHighlight);
        } else if (FMouseInside || IsDesigning()) {
            DrawEdgeLines(canvas, r, {elTop, elLeft}, FEdgeHighlight);
            DrawEdgeLines(canvas, r, {elRight, elBottom}, FEdgeShadow);
        }
        break;
    case bsNone:
        break;
    }
}

void TColorButton::DrawFocusLine(TCanvas& canvas, bool focused) const {
    if (!FFocusline || !FDefaultLook || !focused)
        return;
    const int inset = FButtonStyle == bsStd      ? FInsets.FocusStd
                      : FButtonStyle == bsIELike ? FInsets.FocusIELike
                                                 : 0;
    TRect r = ClientRect();
    InflateRect(r, -inset, -inset);
    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Pen()->SetColor(clWindowFrame);
    DrawFocusRect(canvas.Handle(), &r);
}
