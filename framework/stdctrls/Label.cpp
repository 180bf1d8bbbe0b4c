#include "framework/stdctrls/Label.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/EngravedText.h"
#include "framework/windows/WinControl.h"

const TClassInfo& TCustomLabel::StaticClass() {
    static const TClassInfo info = DescribeClass<TCustomLabel>(
        "TCustomLabel", &TGraphicControl::StaticClass(), [](TClassBuilder<TCustomLabel>&) {});
    return info;
}

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TLabel>("TLabel", &TCustomLabel::StaticClass(), [](TClassBuilder<TLabel>& c) {
            c.Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify,
                   AlignmentNames);
            c.Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true);
            c.Component("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
            c.Enum("Layout", &TLabel::Layout, &TLabel::SetLayout, tlTop, TextLayoutNames);
            c.Bool("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true);
            c.Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false);
            c.Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false);
        });
    return info;
}

const TMessageMap& TCustomLabel::StaticMessageMap() {
    static const TMessageMap map(&TGraphicControl::StaticMessageMap(),
                                 {
                                     MessageHandler<CM_TEXTCHANGED, &TCustomLabel::CMTextChanged>(),
                                     MessageHandler<CM_FONTCHANGED, &TCustomLabel::CMFontChanged>(),
                                     MessageHandler<CM_DIALOGCHAR, &TCustomLabel::CMDialogChar>(),
                                 });
    return map;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csOpaque | csReplicatable;
    FWidth = 65;
    FHeight = 17;
}

void TCustomLabel::SetAutoSize(bool value) {
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (value == FLayout)
        return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value == FShowAccelChar)
        return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    SetOpaque(!value);
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
    if (value == FFocusControl)
        return;
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (IsDestruction(component, operation) && component == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

unsigned TCustomLabel::TextFlags() const {
    unsigned flags = DrawTextBiDiModeFlags(AlignmentFormat(FAlignment));
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DrawCaption(TCanvas& canvas, TRect& rect, unsigned flags) const {
    std::string text = Caption();
    // An empty caption still measures one line high.
    if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&")))
        text += ' ';
    canvas.SetFont(Font());
    if (Enabled() || (flags & DT_CALCRECT)) {
        DrawTextA(canvas.Handle(), text.c_str(), -1, &rect, flags);
        return;
    }
    DrawEngravedText(canvas, text, rect, flags);
}

void TCustomLabel::Paint() {
    TCanvas& canvas = *Canvas();
    if (!FTransparent) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.Brush()->SetStyle(bsClear);
    TRect rect = ClientRect();
    if (FLayout != tlTop) {
        TRect extent = rect;
        DrawCaption(canvas, extent, TextFlags() | DT_CALCRECT);
        const int spare = rect.Height() - extent.Height();
        OffsetRect(rect, 0, FLayout == tlBottom ? spare : spare / 2);
    }
    DrawCaption(canvas, rect, TextFlags());
}

void TCustomLabel::AdjustBounds() {
    if (!FAutoSize || IsLoading())
        return;
    TCanvas measure;
    TRect rect = ClientRect();
    DrawCaption(measure, rect, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (TextFlags() & DT_RIGHT)
        left += Width() - rect.Right;
    SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::CMTextChanged(TMessage& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message);
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& message) {
    DispatchInherited(TGraphicControl::StaticMessageMap(), message);
    AdjustBounds();
}

void TCustomLabel::CMDialogChar(TWMKey& message) {
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(message.CharCode, Caption()) &&
        FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        message.Result = 1;
        return;
    }
    DispatchInherited(TGraphicControl::StaticMessageMap(), message.Message);
}
