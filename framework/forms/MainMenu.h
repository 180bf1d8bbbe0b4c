#pragma once
// TMainMenu: the menu of a form's menu bar (TMenuBar). Its top items are the bar's titles and
// their sub items what each title drops; an item's short cut chooses it from the keyboard.

#include "framework/forms/Menus.h"

class TMainMenu : public TPopupMenu {
    FRAMEWORK_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner);

    // Runs the title's OnClick, where a program brings the items up to date, then shows its
    // sub items with their top left at a screen point until the menu closes.
    void DropDown(TMenuItem* title, int x, int y);
    // Clicks the enabled, visible item whose short cut the key is; false when there is none.
    bool IsShortCut(unsigned short key, TShiftState shift);
};
