#include "framework/stdctrls/ListBox.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Win32Gdi.h"
#include "framework/platform/FontEngine.h"
#include "framework/windows/Messages.h"

#include <algorithm>

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TListBox>("TListBox", &TCustomControl::StaticClass(), [](auto& c) {
            c.Event("OnClick", &TListBox::OnClick);
            c.Event("OnDblClick", &TListBox::OnDblClick);
        });
    return info;
}

const TMessageMap& TListBox::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<WM_GETDLGCODE, &TListBox::WMGetDlgCode>()});
    return map;
}

TListBox::TListBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csOpaque | csCaptureMouse | csClickEvents | csDoubleClicks;
    SetTabStop(true);
    FColor = clWindow;
    FParentColor = false;
}

void TListBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    AddBorderStyle(params);
}

void TListBox::SetItems(std::vector<std::string> items) {
    FItems = std::move(items);
    FItemIndex = -1;
    FTopIndex = 0;
    Invalidate();
}

void TListBox::SetItemIndex(int value) {
    if (value < 0 || value >= static_cast<int>(FItems.size()))
        value = -1;
    if (value == FItemIndex)
        return;
    FItemIndex = value;
    if (value >= 0 && value < FTopIndex)
        SetTopIndex(value);
    else if (value >= FTopIndex + VisibleCount())
        SetTopIndex(value - VisibleCount() + 1);
    Invalidate();
}

void TListBox::SetTopIndex(int value) {
    value = std::clamp(value, 0, std::max(0, static_cast<int>(FItems.size()) - VisibleCount()));
    if (value == FTopIndex)
        return;
    FTopIndex = value;
    Invalidate();
}

int TListBox::ItemHeight() const {
    return CurrentFontEngine().Metrics(Font()->Resolved()).Height() + 2;
}

int TListBox::VisibleCount() const {
    return std::max(1, ClientHeight() / ItemHeight());
}

int TListBox::ItemAtPos(TPoint point) const {
    const int index = FTopIndex + point.y / ItemHeight();
    return point.y >= 0 && index < static_cast<int>(FItems.size()) ? index : -1;
}

void TListBox::SelectByUser(int index) {
    const int before = FItemIndex;
    SetItemIndex(std::clamp(index, 0, static_cast<int>(FItems.size()) - 1));
    if (FItemIndex != before)
        OnClick(this);
}

void TListBox::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    const int height = ItemHeight();
    for (int i = FTopIndex, y = 0; i < static_cast<int>(FItems.size()) && y < ClientHeight();
         ++i, y += height) {
        TRect row{0, y, ClientWidth(), y + height};
        const bool selected = i == FItemIndex;
        canvas.Brush()->SetColor(selected ? clHighlight : Color());
        canvas.FillRect(row);
        canvas.Font()->SetColor(selected ? clHighlightText : clWindowText);
        canvas.Brush()->SetStyle(bsClear);
        row.Left += 2;
        DrawTextA(canvas.Handle(), FItems[static_cast<std::size_t>(i)].c_str(), -1, &row,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        canvas.Brush()->SetStyle(bsSolid);
    }
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus())
        SetFocus();
    if (button == mbLeft)
        if (const int index = ItemAtPos({x, y}); index >= 0)
            SelectByUser(index);
    TCustomControl::MouseDown(button, shift, x, y);
}

void TListBox::DblClick() {
    TCustomControl::DblClick();
    if (FItemIndex >= 0)
        OnDblClick(this);
}

void TListBox::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const int page = VisibleCount();
    const int last = static_cast<int>(FItems.size()) - 1;
    switch (key) {
    case VK_UP:
        SelectByUser(FItemIndex - 1);
        break;
    case VK_DOWN:
        SelectByUser(FItemIndex + 1);
        break;
    case VK_PRIOR:
        SelectByUser(FItemIndex - page);
        break;
    case VK_NEXT:
        SelectByUser(FItemIndex + page);
        break;
    case VK_HOME:
        SelectByUser(0);
        break;
    case VK_END:
        SelectByUser(last);
        break;
    default:
        return;
    }
    key = 0;
}

bool TListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetTopIndex(FTopIndex - wheelDelta / 120 * 3);
    return true;
}

// The arrows move the selection instead of the focus; Enter and Escape stay the form's.
void TListBox::WMGetDlgCode(TMessage& message) {
    message.Result = DLGC_WANTARROWS;
}
