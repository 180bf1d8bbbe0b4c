#include "controls/xGauge.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/streaming/Registration.h"

#include <memory>

namespace {

const std::vector<std::string> BorderNames{"gbNone", "gbSingle", "gbSunken", "gbDeepSunken",
                                           "gbRaised"};

// A one-pixel outline in the first colour, then the top row and left column over it in the
// second: the bottom-left and top-right corners take the second colour.
void Bevel(TCanvas& canvas, const TRect& r, TColor outline, TColor topLeft) {
    canvas.Pen()->SetColor(outline);
    canvas.Rectangle(r);
    canvas.Pen()->SetColor(topLeft);
    canvas.MoveTo(r.Left, r.Bottom);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
}

} // namespace

const TClassInfo& TxGauge::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TxGauge>("TxGauge", &TGraphicControl::StaticClass(), [](auto& c) {
            c.PublishInherited({"Align", "Font", "ParentFont", "ParentShowHint", "PopupMenu",
                                "ShowHint", "Visible"});
            c.Bool("ShowText", &TxGauge::ShowText, &TxGauge::SetShowText, true);
            c.Color("BarForeColor", &TxGauge::BarForeColor, &TxGauge::SetBarForeColor, clHighlight);
            c.Color("BarBackColor", &TxGauge::BarBackColor, &TxGauge::SetBarBackColor, clBtnFace);
            c.Color("TextForeColor", &TxGauge::TextForeColor, &TxGauge::SetTextForeColor,
                    clHighlight);
            c.Color("TextBackColor", &TxGauge::TextBackColor, &TxGauge::SetTextBackColor,
                    clBtnFace);
            c.Enum("Border", &TxGauge::Border, &TxGauge::SetBorderStyle, gbSunken, BorderNames);
            c.Int("Min", &TxGauge::Min, &TxGauge::SetMinValue, 0);
            c.Int("Max", &TxGauge::Max, &TxGauge::SetMaxValue, 100);
            c.Int("Position", &TxGauge::Position, &TxGauge::SetPosition, 0);
        });
    return info;
}

TxGauge::TxGauge(TComponent* owner) : TGraphicControl(owner) {
    SetHeight(20);
    SetWidth(150);
    SetControlStyle(ControlStyle() | csFramed | csOpaque);
}

void xGauge::Register() {
    RegisterComponents("Custom", {&TxGauge::StaticClass()});
}

// ---- properties

template <class V> void TxGauge::Change(V& field, V value) {
    if (field == value)
        return;
    field = value;
    Repaint();
}

void TxGauge::SetShowText(bool value) {
    Change(FShowText, value);
}
void TxGauge::SetBarForeColor(TColor value) {
    Change(FBarForeColor, value);
}
void TxGauge::SetBarBackColor(TColor value) {
    Change(FBarBackColor, value);
}
void TxGauge::SetTextForeColor(TColor value) {
    Change(FTextForeColor, value);
}
void TxGauge::SetTextBackColor(TColor value) {
    Change(FTextBackColor, value);
}
void TxGauge::SetBorderStyle(TGaugeBorders value) {
    Change(FBorder, value);
}

void TxGauge::SetMinValue(int value) {
    if (value == FMin)
        return;
    FMin = value <= FMax ? value : FMax;
    if (FPosition < FMin)
        FPosition = FMin;
    Repaint();
}

void TxGauge::SetMaxValue(int value) {
    if (value == FMax)
        return;
    FMax = value >= FMin ? value : FMin;
    if (FPosition > FMax)
        FPosition = FMax;
    Repaint();
}

void TxGauge::SetPosition(int value) {
    FPosition = value < FMin ? FMin : value > FMax ? FMax : value;
    Repaint();
}

// ---- painting

// The differences are taken in 64 bits, so that a range wider than 32 bits can hold still
// shows its share.
void TxGauge::CalculatePercentDone() {
    const auto range = static_cast<float>(std::int64_t{FMax} - FMin);
    const auto offset = static_cast<float>(std::int64_t{FPosition} - FMin);
    FPercentDone =
        range == 0.0f ? 100.0f : static_cast<float>(double{offset} / double{range} * 100.0);
}

void TxGauge::CalculatePixelWidth() {
    FPixelWidth = static_cast<int>(ClientWidth() * double{FPercentDone} / 100.0);
}

void TxGauge::Paint() {
    CalculatePercentDone();
    CalculatePixelWidth();
    const auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetWidth(ClientWidth());
    bitmap->SetHeight(ClientHeight());
    FBarRect = ClientRect();
    FBarRect.Right = FPixelWidth;
    FBackRect = ClientRect();
    FBackRect.Left = FPixelWidth;
    PaintBar(bitmap.get());
    PaintText(bitmap.get());
    PaintBorder(bitmap.get());
    Canvas()->Draw(0, 0, bitmap.get());
}

void TxGauge::PaintBar(TBitmap* bitmap) {
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetColor(FBarForeColor);
    canvas.FillRect(FBarRect);
    canvas.Brush()->SetColor(FBarBackColor);
    canvas.FillRect(FBackRect);
}

// The text is drawn twice at one place, clipped to each side of the bar edge in turn.
void TxGauge::PaintText(TBitmap* bitmap) {
    if (!FShowText)
        return;
    TCanvas& canvas = *bitmap->Canvas();
    canvas.SetFont(Font());
    const std::string text = IntToStr(static_cast<int>(FPercentDone)) + "%";
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(FTextBackColor);
    const int x = (ClientWidth() - canvas.TextWidth(text)) / 2;
    const int y = (ClientHeight() - canvas.TextHeight(text)) / 2;
    const int length = static_cast<int>(text.size());
    ExtTextOutA(canvas.Handle(), x, y, ETO_CLIPPED, &FBarRect, text.c_str(), length, nullptr);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(FTextForeColor);
    ExtTextOutA(canvas.Handle(), x, y, ETO_CLIPPED, &FBackRect, text.c_str(), length, nullptr);
}

void TxGauge::PaintBorder(TBitmap* bitmap) {
    if (FBorder == gbNone)
        return;
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetStyle(bsClear);
    const int w = ClientWidth();
    const int h = ClientHeight();
    switch (FBorder) {
    case gbSingle:
        canvas.Pen()->SetColor(clWindowFrame);
        canvas.Rectangle(0, 0, w, h);
        break;
    case gbSunken:
        Bevel(canvas, {0, 0, w, h}, clBtnHighlight, clBtnShadow);
        break;
    case gbDeepSunken:
        Bevel(canvas, {0, 0, w, h}, clBtnHighlight, clBtnShadow);
        canvas.Pen()->SetColor(clBtnFace);
        canvas.Rectangle(1, 1, w - 1, h - 1);
        canvas.Pen()->SetColor(cl3DDkShadow);
        canvas.MoveTo(1, h - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(w - 1, 1);
        break;
    case gbRaised:
        Bevel(canvas, {0, 0, w, h}, clBtnShadow, clBtnHighlight);
        break;
    case gbNone:
        break;
    }
}
