#include "controls/StrokeBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Saturate.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Canvas.h"
#include "framework/streaming/Registration.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// Sections: class information; properties; value and position; painting; tracking.
//
// Tracking, one row per case (the tests follow these rows):
//
//   state     tracking entered  event                          action                  next
//   Idle      clear    clear    move with y in the bar band    capture the mouse       Tracking
//   Idle      clear    clear    move outside the band          -                       Idle
//   Tracking  set      set      move, also outside the control bar follows x, value,   Tracking
//                                                              highlight, OnChanging
//   Tracking  set      set      left button down               commit; OnMouseDown     Settled
//   Tracking  set      set      right button down              cancel; OnMouseDown     Settled
//   Tracking  set      set      middle button down             - (no OnMouseDown)      Tracking
//   Tracking  set      set      mouse-leave                    -                       Tracking
//   Settled   clear    set      move                           -                       Settled
//   Settled   clear    set      mouse-leave                    entered cleared         Idle

namespace {

const std::vector<std::string> BevelNames{"sbNone", "sbLowered", "sbRaised"};

// The height the control gives its text: the font's height without its sign.
int TextHeightOf(const TCanvas& canvas) {
    const std::int64_t height = canvas.Font()->Height();
    return Saturate(height < 0 ? -height : height);
}

} // namespace

// ---- class information

const TClassInfo& TStrokeBar::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TStrokeBar>("TStrokeBar", &TCustomControl::StaticClass(), [](auto& c) {
            c.PublishInherited({"Align", "Caption", "Enabled", "Font", "ParentFont",
                                "ParentShowHint", "ShowHint", "Visible", "OnClick", "OnDblClick",
                                "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnDragDrop",
                                "OnDragOver", "OnEndDrag", "OnStartDrag"});
            // Keeps its place among the inherited properties, before all of these.
            c.Int("Width", &TStrokeBar::Width, &TStrokeBar::SetWidth);
            c.Event("OnChanging", &TStrokeBar::OnChanging);
            c.String("Caption", &TStrokeBar::GetCaption, &TStrokeBar::SetCaption, "");
            c.Bool("ShowLimit", &TStrokeBar::ShowLimit, &TStrokeBar::SetShowLimit, true);
            c.Bool("ShowValue", &TStrokeBar::ShowValue, &TStrokeBar::SetShowValue, true);
            c.Int("MarginBottom", &TStrokeBar::MarginBottom, &TStrokeBar::SetMarginBottom, 16);
            c.Int("MarginTop", &TStrokeBar::MarginTop, &TStrokeBar::SetMarginTop, 16);
            c.Int("Max", &TStrokeBar::Max, &TStrokeBar::SetMax, 100);
            c.Int("Min", &TStrokeBar::Min, &TStrokeBar::SetMin, 0);
            c.Int("Value", &TStrokeBar::Value, &TStrokeBar::SetValue, 0);
            c.Color("BackBarColor", &TStrokeBar::BackBarColor, &TStrokeBar::SetBackBarColor,
                    clWhite);
            c.Color("BackGroundColor", &TStrokeBar::BackGroundColor,
                    &TStrokeBar::SetBackGroundColor, clWindow);
            c.Color("BarColor", &TStrokeBar::BarColor, &TStrokeBar::SetBarColor, clNavy);
            c.Color("HighlightColor", &TStrokeBar::HighlightColor, &TStrokeBar::SetHighlightColor,
                    clBlue);
            c.Enum("BevelInner", &TStrokeBar::BevelInner, &TStrokeBar::SetBevelInner, sbNone,
                   BevelNames);
            c.Enum("BevelOuter", &TStrokeBar::BevelOuter, &TStrokeBar::SetBevelOuter, sbNone,
                   BevelNames);
        });
    return info;
}

// The mouse-leave notification is taken here and not passed on.
const TMessageMap& TStrokeBar::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<CM_MOUSELEAVE, &TStrokeBar::CMMouseLeave>()});
    return map;
}

TStrokeBar::TStrokeBar(TComponent* owner) : TCustomControl(owner) {
    TControl::SetWidth(120);
    TControl::SetHeight(48);
}

TStrokeBar::~TStrokeBar() = default;

void StrokeBar::Register() {
    RegisterComponents("Custom", {&TStrokeBar::StaticClass()});
}

// ---- properties

void TStrokeBar::SetCaption(const std::string& value) {
    FCaptionText = value;
    DrawStroke(FBarColor);
}

void TStrokeBar::SetShowLimit(bool value) {
    FShowLimit = value;
    DrawStroke(FBarColor);
}

void TStrokeBar::SetShowValue(bool value) {
    FShowValue = value;
    DrawBar(FBarColor);
}

void TStrokeBar::SetMarginBottom(int value) {
    FMarginBottom = Saturate(std::min<std::int64_t>(value, std::int64_t{Height()} - FMarginTop));
    DrawStroke(FBarColor);
}

void TStrokeBar::SetMarginTop(int value) {
    FMarginTop = Saturate(std::min<std::int64_t>(value, std::int64_t{Height()} - FMarginBottom));
    DrawStroke(FBarColor);
}

void TStrokeBar::SetMax(int value) {
    FMax = std::max(value, FMin);
    FValue = std::min(FValue, FMax);
    CalcXPos();
    DrawStroke(FBarColor);
}

void TStrokeBar::SetMin(int value) {
    FMin = std::min(value, FMax);
    FValue = std::max(FValue, FMin);
    CalcXPos();
    DrawStroke(FBarColor);
}

void TStrokeBar::SetValue(int value) {
    FValue = std::min(std::max(value, FMin), FMax);
    FCommittedValue = FValue;
    CalcXPos();
    DrawBar(FBarColor);
}

void TStrokeBar::SetBackBarColor(TColor value) {
    FBackBarColor = value;
    DrawBar(FBarColor);
}

void TStrokeBar::SetBackGroundColor(TColor value) {
    FBackGroundColor = value;
    DrawStroke(FBarColor);
}

void TStrokeBar::SetBarColor(TColor value) {
    FBarColor = value;
    DrawBar(FBarColor);
}

void TStrokeBar::SetHighlightColor(TColor value) {
    FHighlightColor = value;
    DrawBar(FBarColor);
}

void TStrokeBar::SetBevelInner(TStrokeBarBevel value) {
    FBevelInner = value;
    DrawBar(FBarColor);
}

void TStrokeBar::SetBevelOuter(TStrokeBarBevel value) {
    FBevelOuter = value;
    DrawBar(FBarColor);
}

void TStrokeBar::SetEnabled(bool value) {
    TCustomControl::SetEnabled(value);
    DrawBar(FBarColor);
}

void TStrokeBar::SetFont(const TFont* font) {
    // Assigning the control's own font would change nothing but cut it loose from its parent's.
    if (font != Font())
        TCustomControl::SetFont(font);
    Canvas()->SetFont(Font());
    DrawStroke(FBarColor);
}

void TStrokeBar::SetWidth(int value) {
    TCustomControl::SetWidth(value);
    CalcXPos();
    DrawStroke(FBarColor);
}

void TStrokeBar::ChangeScale(int m, int d) {
    TCustomControl::ChangeScale(m, d);
    SetMarginTop(ScaleLength(FMarginTop, m, d));
    SetMarginBottom(ScaleLength(FMarginBottom, m, d));
    CalcXPos();
    SetFont(Font());
}

void TStrokeBar::Loaded() {
    TCustomControl::Loaded();
    SetFont(Font());
    FCommittedValue = FValue;
}

// ---- value and position
// Products are formed in 64 bits, so that no span times width overflows; the quotients are the
// 32-bit ones wherever those did not overflow. An empty range or width maps to the lower end
// rather than dividing by zero.

void TStrokeBar::CalcXPos() {
    const std::int64_t span = std::int64_t{FMax} - FMin;
    FXPos = span == 0 ? 0 : Saturate((std::int64_t{FValue} - FMin) * Width() / span);
}

void TStrokeBar::CalcValue() {
    const std::int64_t span = std::int64_t{FMax} - FMin;
    FValue = Width() == 0 ? FMin : Saturate(span * FXPos / Width() + FMin);
}

void TStrokeBar::SetXPos(int x) {
    FXPos = std::clamp(x, 0, Width());
}

int TStrokeBar::BandBottom() const {
    return Saturate(std::int64_t{Height()} - FMarginBottom);
}

// ---- painting

void TStrokeBar::Paint() {
    DrawStroke(FBarColor);
}

void TStrokeBar::DrawStroke(TColor color) {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(FBackGroundColor);
    canvas.FillRect({0, 0, Width(), Height()});
    canvas.TextOut(0, 0, FCaptionText);
    if (FShowLimit) {
        const int h = TextHeightOf(canvas);
        const std::string max = IntToStr(FMax);
        const int w = canvas.TextWidth(max);
        canvas.TextOut(0, Height() - h, IntToStr(FMin));
        canvas.TextOut(Width() - w, Height() - h, max);
    }
    DrawBar(color);
}

void TStrokeBar::DrawBar(TColor color) {
    TCanvas& canvas = *Canvas();
    const TColor fill = Enabled() ? color : clGray;
    const TColor rest = Enabled() ? FBackBarColor : clSilver;
    const int top = FMarginTop;
    const int bottom = BandBottom();
    canvas.Brush()->SetColor(fill);
    canvas.FillRect({0, top, FXPos, bottom});
    canvas.Brush()->SetColor(rest);
    canvas.FillRect({FXPos, top, Width(), bottom});
    if (FShowValue) {
        // The part of the text over the bar in the rest colour, the other part in the fill.
        const std::string text = IntToStr(FValue);
        const int w = canvas.TextWidth(text);
        const int h = TextHeightOf(canvas);
        const int x = (Width() - w) / 2;
        const int y =
            Saturate(top + (std::int64_t{Height()} - std::int64_t{top} - FMarginBottom - h) / 2);
        canvas.Brush()->SetColor(fill);
        canvas.Font()->SetColor(rest);
        canvas.TextRect({x, top, FXPos, bottom}, x, y, text);
        canvas.Brush()->SetColor(rest);
        canvas.Font()->SetColor(fill);
        canvas.TextRect({FXPos, top, Width(), bottom}, x, y, text);
        canvas.Font()->SetColor(Font()->Color());
    }
    DrawBevel(0, FBevelOuter);
    DrawBevel(1, FBevelInner);
}

// The left and top edges in the first colour, the right and the whole bottom edge (both bottom
// corners) in the second; the top right corner belongs to the second.
void TStrokeBar::DrawBevel(int inset, TStrokeBarBevel style) {
    if (style == sbNone)
        return;
    const int l = inset;
    const int t = SaturatingAdd(FMarginTop, inset);
    const int r = Width() - inset - 1;
    const int b = Saturate(std::int64_t{BandBottom()} - inset - 1);
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetColor(style == sbLowered ? clGray : clWhite);
    canvas.MoveTo(l, b);
    canvas.LineTo(l, t);
    canvas.LineTo(r, t);
    canvas.Pen()->SetColor(style == sbLowered ? clWhite : clGray);
    canvas.LineTo(r, b);
    canvas.LineTo(l - 1, b);
}

// ---- tracking

void TStrokeBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!FEntered && FMarginTop <= y && y < BandBottom()) {
        EnterMouse();
    } else if (FTracking) {
        SetXPos(x);
        CalcValue();
        DrawBar(FHighlightColor);
        OnChanging(this);
    }
}

void TStrokeBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (FTracking) {
        switch (button) {
        case mbLeft:
            SetXPos(x);
            CalcValue();
            FCommittedValue = FValue;
            break;
        case mbRight:
            // The range or the width may have changed since the commit: the value stays in the
            // range and the bar goes where it belongs now.
            FValue = std::clamp(FCommittedValue, FMin, FMax);
            CalcXPos();
            break;
        default:
            return;
        }
        DrawBar(FBarColor);
        FTracking = false;
        ReleaseCapture();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TStrokeBar::EnterMouse() {
    FTracking = true;
    FEntered = true;
    SetCapture(Handle());
}

void TStrokeBar::CMMouseLeave(TMessage&) {
    if (!FTracking)
        FEntered = false;
}
