#pragma once
// The fixture of the drop-down button's tests: a 75 x 25 button at (20, 20) on a fresh form,
// a three-item menu for it to drop, and logs of the events a user's handlers would see.

#include "tests/support/FrameworkTest.h"

#include "controls/CuteBtn.h"
#include "framework/forms/Menus.h"

#include <string>
#include <vector>

class CuteBtnTest : public FrameworkTest {
protected:
    void SetUp() override;

    // The look: the panel's outer bevel.
    TBevelCut Look() const { return Button->BevelOuter(); }
    // The popup window of the open menu, or null.
    platform::HeadlessWindow* OpenMenu() const;
    // Scripts the menu loop, once it waits for input, to note where the menu stands and close
    // it with Escape (only the key-down, which the menu takes: the release would reach the
    // button).
    void WhenMenuOpensPressEscape();
    // The focus goes to a second control on the form.
    void FocusElsewhere();

    TForm* Form = nullptr;
    TCuteButton* Button = nullptr;
    TPopupMenu* Menu = nullptr;
    TWinControl* Other = nullptr;
    int Clicks = 0;
    int Popups = 0;
    // The menu's screen position when it last opened.
    TPoint MenuAt{-1, -1};
    // "down L 0 0 []" style records of OnMouseDown, OnMouseUp, OnKeyDown, OnKeyUp.
    std::vector<std::string> Events;
    // The look while the last OnClick ran.
    TBevelCut LookInClick = bvSpace;
};
