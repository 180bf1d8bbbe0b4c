#include "framework/stdctrls/Panel.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Saturate.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Frame3D.h"
#include "framework/windows/Scaling.h"

#include <algorithm>
#include <cstdint>
#include <limits>

const TClassInfo& TCustomPanel::StaticClass() {
    static const TClassInfo info = DescribeClass<TCustomPanel>(
        "TCustomPanel", &TCustomControl::StaticClass(), [](TClassBuilder<TCustomPanel>&) {});
    return info;
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TPanel>("TPanel", &TCustomPanel::StaticClass(), [](TClassBuilder<TPanel>& c) {
            c.Color("Color", &TPanel::Color, &TPanel::SetColor, clBtnFace).IsStored =
                [](const TObject& o) {
                    return !static_cast<const TPanel&>(o).ParentColor();
                };
            c.Bool("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor, false);
            c.Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, taCenter,
                   AlignmentNames);
            c.Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, bvNone,
                   BevelCutNames);
            c.Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, bvRaised,
                   BevelCutNames);
            c.Int("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1);
            c.Int("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth, 0);
            c.Enum("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle,
                   TBorderStyle::bsNone, BorderStyleNames);
        });
    return info;
}

const TMessageMap& TCustomPanel::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {
                                     MessageHandler<CM_TEXTCHANGED, &TCustomPanel::CMTextChanged>(),
                                 });
    return map;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks | csReplicatable;
    FWidth = 185;
    FHeight = 41;
    SetColor(clBtnFace);
}

void TCustomPanel::BevelsChanged() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    FBevelOuter = value;
    BevelsChanged();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    FBevelInner = value;
    BevelsChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
    FBevelWidth = std::max(value, 1);
    BevelsChanged();
}

void TCustomPanel::ChangeScale(int m, int d) {
    FBevelWidth = std::max(ScaleLength(FBevelWidth, m, d), 1);
    FBorderWidth = std::max(ScaleLength(FBorderWidth, m, d), 0);
    TCustomControl::ChangeScale(m, d);
}

void TCustomPanel::SetBorderWidth(int value) {
    FBorderWidth = std::max(value, 0);
    BevelsChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    FAlignment = value;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (FBorderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

// Widths go up to the integer limit: the inset is summed wide and the edges are held to it.
void TCustomPanel::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect);
    std::int64_t inset = FBorderWidth;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    rect = {Saturate(rect.Left + inset), Saturate(rect.Top + inset), Saturate(rect.Right - inset),
            Saturate(rect.Bottom - inset)};
}

namespace {

// A space bevel takes the raised colours, as a lowered one takes them reversed.
void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut, int width) {
    if (cut == bvNone)
        return;
    if (cut == bvLowered)
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, width);
    else
        Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, width);
}

} // namespace

void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    DrawBevel(canvas, rect, FBevelOuter, FBevelWidth);
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    DrawBevel(canvas, rect, FBevelInner, FBevelWidth);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(rect);

    canvas.Brush()->SetStyle(bsClear);
    canvas.SetFont(Font());
    const int fontHeight = canvas.TextHeight("W");
    rect.Top = (rect.Top + rect.Bottom - fontHeight) / 2;
    rect.Bottom = rect.Top + fontHeight;
    DrawTextA(canvas.Handle(), Caption().c_str(), -1, &rect,
              DrawTextBiDiModeFlags(AlignmentFormat(FAlignment)));
}

void TCustomPanel::CMTextChanged(TMessage& message) {
    DispatchInherited(TCustomControl::StaticMessageMap(), message);
    Invalidate();
}
