#include "framework/forms/MenuBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/forms/MainMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Win32Gdi.h"
#include "framework/windows/Messages.h"
#include "framework/windows/Win32Api.h"

namespace {

constexpr int TitlePadding = 7; // either side of a title's caption
constexpr int BarHeight = 22;

} // namespace

const TClassInfo& TMenuBar::StaticClass() {
    static const TClassInfo info = DescribeClass<TMenuBar>(
        "TMenuBar", &TCustomControl::StaticClass(), [](TClassBuilder<TMenuBar>& c) {
            c.Component("Menu", &TMenuBar::Menu, &TMenuBar::SetMenu);
        });
    return info;
}

const TMessageMap& TMenuBar::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<CM_DIALOGCHAR, &TMenuBar::CMDialogChar>()});
    return map;
}

TMenuBar::TMenuBar(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csOpaque;
    SetAlign(alTop);
    SetHeight(BarHeight);
}

void TMenuBar::SetMenu(TMainMenu* value) {
    if (value == FMenu)
        return;
    if (FMenu)
        FMenu->RemoveFreeNotification(this);
    FMenu = value;
    if (FMenu)
        FMenu->FreeNotification(this);
    Invalidate();
}

void TMenuBar::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FMenu)
        FMenu = nullptr;
}

int TMenuBar::TitleCount() const {
    return FMenu ? FMenu->Items()->Count() : 0;
}

TMenuItem* TMenuBar::Title(int index) const {
    return FMenu->Items()->Items(index);
}

int TMenuBar::TextWidth(const std::string& text) const {
    TCanvas measure;
    measure.SetFont(Font());
    TRect extent;
    DrawTextA(measure.Handle(), text.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
    return extent.Width();
}

TRect TMenuBar::TitleRect(int index) const {
    int left = 0;
    for (int i = 0; i < TitleCount(); ++i) {
        const TMenuItem* title = Title(i);
        const int width = title->Visible() ? TextWidth(title->Caption()) + 2 * TitlePadding : 0;
        if (i == index)
            return {left, 0, left + width, Height()};
        left += width;
    }
    return {};
}

int TMenuBar::TitleAt(int x) const {
    for (int i = 0; i < TitleCount(); ++i)
        if (const TRect r = TitleRect(i); x >= r.Left && x < r.Right && Title(i)->Enabled())
            return i;
    return -1;
}

void TMenuBar::DropTitle(int index) {
    if (index < 0 || index >= TitleCount())
        return;
    const TRect r = TitleRect(index);
    const TPoint below = ClientToScreen({r.Left, r.Bottom});
    FDropped = index;
    Repaint();
    FMenu->DropDown(Title(index), below.x, below.y);
    FDropped = -1;
    Invalidate();
}

void TMenuBar::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(clMenu);
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsClear);
    for (int i = 0; i < TitleCount(); ++i) {
        const TMenuItem* title = Title(i);
        if (!title->Visible())
            continue;
        TRect r = TitleRect(i);
        if (i == FDropped) {
            canvas.Brush()->SetColor(clHighlight);
            canvas.Brush()->SetStyle(bsSolid);
            canvas.FillRect(r);
            canvas.Brush()->SetStyle(bsClear);
        }
        canvas.Font()->SetColor(!title->Enabled() ? clGrayText
                                : i == FDropped   ? clHighlightText
                                                  : clMenuText);
        DrawTextA(canvas.Handle(), title->Caption().c_str(), -1, &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft)
        DropTitle(TitleAt(x));
}

void TMenuBar::CMDialogChar(TWMKey& message) {
    if (GetKeyState(VK_MENU) < 0)
        for (int i = 0; i < TitleCount(); ++i)
            if (Title(i)->Visible() && Title(i)->Enabled() &&
                IsAccel(message.CharCode, Title(i)->Caption())) {
                message.Result = 1;
                DropTitle(i);
                return;
            }
    DispatchInherited(TCustomControl::StaticMessageMap(), message.Message);
}
