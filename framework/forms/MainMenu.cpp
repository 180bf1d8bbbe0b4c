#include "framework/forms/MainMenu.h"

#include "framework/core/ClassBuilder.h"

namespace {

TMenuItem* FindShortCut(TMenuItem* parent, unsigned short key, TShiftState shift) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible() || !item->Enabled())
            continue;
        if (item->IsShortCut(key, shift))
            return item;
        if (TMenuItem* found = FindShortCut(item, key, shift))
            return found;
    }
    return nullptr;
}

} // namespace

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TMainMenu>("TMainMenu", &TPopupMenu::StaticClass(), [](auto&) {});
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TPopupMenu(owner) {
    SetAutoPopup(false);
}

void TMainMenu::DropDown(TMenuItem* title, int x, int y) {
    title->Click();
    PopupItems(title, x, y, paLeft);
}

bool TMainMenu::IsShortCut(unsigned short key, TShiftState shift) {
    TMenuItem* item = FindShortCut(Items(), key, shift);
    if (item)
        item->Click();
    return item != nullptr;
}
