#include "framework/stdctrls/CheckBox.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/EngravedText.h"
#include "framework/graphics/Frame3D.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"

#include <array>

namespace {

constexpr int BoxSize = 13;
constexpr int CaptionGap = 4;

// The mark: seven columns three pixels tall, the first row of each given, inside the box from
// (3, 3).
constexpr std::array<int, 7> MarkTops{2, 3, 4, 3, 2, 1, 0};

struct TCheckBoxFace {
    bool Checked = false;
    bool Pressed = false;
    bool Enabled = true;
    bool Focused = false;
};

void PaintBox(TCanvas& canvas, TRect box, const TCheckBoxFace& face) {
    DrawEdge3D(canvas, box, TEdge::Sunken);
    canvas.Brush()->SetColor(face.Pressed || !face.Enabled ? clBtnFace : clWindow);
    canvas.FillRect(box);
    if (!face.Checked)
        return;
    canvas.Brush()->SetColor(face.Enabled ? clWindowText : clGrayText);
    for (int column = 0; column < static_cast<int>(MarkTops.size()); ++column) {
        const int x = box.Left + 1 + column;
        const int y = box.Top + 1 + MarkTops[static_cast<std::size_t>(column)];
        canvas.FillRect({x, y, x + 1, y + 3});
    }
}

} // namespace

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TCheckBox>("TCheckBox", &TButtonControl::StaticClass(), [](auto& c) {
            c.Enum("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment, taRightJustify,
                   AlignmentNames);
            c.Bool("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked, false);
            c.Bool("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop, true);
        });
    return info;
}

const TMessageMap& TCheckBox::StaticMessageMap() {
    static const TMessageMap map(&TButtonControl::StaticMessageMap(),
                                 {
                                     MessageHandler<CN_COMMAND, &TCheckBox::CNCommand>(),
                                     MessageHandler<CM_DIALOGCHAR, &TCheckBox::CMDialogChar>(),
                                 });
    return map;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    FControlStyle = csSetCaption | csDoubleClicks;
    FWidth = 97;
    FHeight = 17;
    SetTabStop(true);
}

void TCheckBox::SetChecked(bool value) {
    if (value == FChecked)
        return;
    FChecked = value;
    Invalidate();
    if (!IsLoading())
        Click();
}

void TCheckBox::SetAlignment(TAlignment value) {
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

bool TCheckBox::CaptionLeft() const {
    return (FAlignment == taLeftJustify) != UseRightToLeftAlignment();
}

TRect TCheckBox::BoxRect() const {
    const int left = CaptionLeft() ? Width() - BoxSize : 0;
    return Bounds(left, (Height() - BoxSize) / 2, BoxSize, BoxSize);
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_CHECKBOX;
    if (CaptionLeft())
        params.Style |= BS_LEFTTEXT;
}

void TCheckBox::PaintWindow(HDC) {
    const HWND window = Handle();
    TCanvas& canvas = window->DC();
    const TCheckBoxFace face{FChecked, Pressed(), IsWindowEnabled(window) != 0, Focused()};
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    const TRect box = BoxRect();
    PaintBox(canvas, box, face);

    TRect text = ClientRect();
    if (CaptionLeft())
        text.Right = box.Left - CaptionGap;
    else
        text.Left = box.Right + CaptionGap;
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsClear);
    const unsigned format = DrawTextBiDiModeFlags(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (face.Enabled)
        DrawTextA(canvas.Handle(), Caption().c_str(), -1, &text, format);
    else
        DrawEngravedText(canvas, Caption(), text, format);
    if (!face.Focused)
        return;
    // The focus frames the caption's extent (the box's, without a caption), one pixel out.
    TRect extent = text;
    DrawTextA(canvas.Handle(), Caption().c_str(), -1, &extent, format | DT_CALCRECT);
    if (format & DT_RIGHT)
        OffsetRect(extent, text.Right - extent.Right, 0);
    extent = Caption().empty() ? box
                               : Bounds(extent.Left, (Height() - extent.Height()) / 2,
                                        extent.Width(), extent.Height());
    InflateRect(extent, 1, 1);
    const TRect focus = IntersectRect(extent, ClientRect());
    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetColor(clWhite);
    DrawFocusRect(canvas.Handle(), &focus);
}

void TCheckBox::CNCommand(TWMCommand& message) {
    if (message.NotifyCode == BN_CLICKED)
        Toggle();
}

void TCheckBox::CMDialogChar(TWMKey& message) {
    if (IsAccel(message.CharCode, Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        message.Result = 1;
        return;
    }
    DispatchInherited(TButtonControl::StaticMessageMap(), message.Message);
}
