// The button's keyboard sequences, its drop-down menu (at once and after a hold on the virtual
// clock), the guard against continued clicks, the accelerator, and handlers that destroy it.

#include "tests/controls/CuteBtnTest.h"

#include "framework/core/Action.h"
#include "framework/stdctrls/Panel.h"
#include "framework/windows/Win32Api.h"

#include <functional>

namespace {

using Lines = std::vector<std::string>;

class CuteBtnInputTest : public CuteBtnTest {
protected:
    void SetUp() override {
        CuteBtnTest::SetUp();
        Button->SetFocus();
        RunUntilIdle();
    }
    TPoint BelowButton() const { return Button->ClientToScreen({0, Button->Height()}); }
};

// ---- keyboard

TEST_F(CuteBtnInputTest, SpaceClicksOnItsReleaseAndAnotherKeyCancelsIt) {
    KeyDown(VK_SPACE, {}, " ");
    KeyDown(VK_SPACE, {}, " "); // auto-repeat
    EXPECT_EQ(Clicks, 0);
    KeyUp(VK_SPACE);
    EXPECT_EQ(Clicks, 1);

    KeyDown(VK_SPACE, {}, " ");
    PressKey('A', {}, "a");
    EXPECT_EQ(Look(), bvRaised);
    KeyUp(VK_SPACE);
    EXPECT_EQ(Clicks, 1);
}

// Only a press and a release on the enabled button that kept the focus click. The events are
// the releases the button's handlers saw.
TEST_F(CuteBtnInputTest, OnlyAKeyPressTheUserMadeOnTheEnabledFocusedButtonClicks) {
    struct Case {
        const char* Name;
        std::function<void()> Press;
        int Clicks;
        Lines Events;
    };
    const Case cases[] = {
        {"space pressed and released",
         [this] {
             KeyDown(VK_SPACE, {}, " ");
             KeyUp(VK_SPACE);
         },
         1,
         {"keyup 32 []"}},
        {"space released while disabled",
         [this] {
             KeyDown(VK_SPACE, {}, " ");
             Button->SetEnabled(false);
             KeyUp(VK_SPACE);
             Button->SetEnabled(true);
         },
         0,
         {}},
        {"space released after disabled, enabled and focused again",
         [this] {
             KeyDown(VK_SPACE, {}, " ");
             Button->SetEnabled(false);
             Button->SetEnabled(true);
             Button->SetFocus();
             KeyUp(VK_SPACE);
         },
         0,
         {"keyup 32 []"}},
        {"space held while the focus went away and came back",
         [this] {
             KeyDown(VK_SPACE, {}, " ");
             FocusElsewhere();
             Button->SetFocus();
             KeyUp(VK_SPACE);
         },
         0,
         {"keyup 32 []"}},
        // Enter's drop-down ends with the release of a mouse press, as on a fresh button.
        {"Enter drops the menu after space dropped it",
         [this] {
             Button->SetDropDownMenu(Menu);
             WhenMenuOpensPressEscape();
             KeyDown(VK_SPACE, {}, " ");
             KeyUp(VK_SPACE);
             Events.clear();
             WhenMenuOpensPressEscape();
             PressKey(VK_RETURN);
         },
         0,
         {"keyup 13 []", "up L 0 0 []"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Button->SetDropDownMenu(nullptr);
        Button->SetFocus();
        RunUntilIdle();
        Clicks = 0;
        Events.clear();
        c.Press();
        EXPECT_EQ(Clicks, c.Clicks);
        EXPECT_EQ(Events, c.Events);
    }
}

TEST_F(CuteBtnInputTest, AKeyDownHandlerThatClearsTheKeySuppressesSpaceAndEnter) {
    Button->OnKeyDown =
        TKeyEvent::FromFunction([](TObject*, unsigned short& key, TShiftState) { key = 0; });
    PressKey(VK_SPACE, {}, " ");
    PressKey(VK_RETURN);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Look(), bvRaised);
}

TEST_F(CuteBtnInputTest, ADisabledButtonIgnoresKeysAndItsAccelerator) {
    Button->SetEnabled(false);
    Button->Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'g'), 0);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(CuteBtnInputTest, TheAcceleratorIsIgnoredWhileTheParentIsHidden) {
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    Button->SetParent(panel);
    panel->Hide();
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'G'), 0);
    panel->Show();
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'G'), 1);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(CuteBtnInputTest, MouseEnterAndLeaveReportTheShiftStateFromTheKeyState) {
    Lines seen;
    const auto record = [&seen](const char* what) {
        return TMouseMoveEvent::FromFunction([&seen, what](TObject*, TShiftState s, int x, int y) {
            seen.push_back(std::string(what) + " " + std::to_string(x) + " " + std::to_string(y) +
                           (s.Contains(ssShift) ? " shift" : ""));
        });
    };
    Button->OnMouseEnter = record("enter");
    Button->OnMouseLeave = record("leave");
    MouseMove(Button, 7, 8, ssShift);
    MouseMove(Form, 5, 5);
    EXPECT_EQ(seen, (Lines{"enter 7 8 shift", "leave -15 -15"}));
}

// ---- mouse buttons

TEST_F(CuteBtnInputTest, AnotherButtonsClickDuringAPressLeavesTheLeftReleaseToTheButton) {
    MouseDown(Button, 5, 5);
    MouseDown(Button, 6, 6, mbRight, ssLeft);
    MouseUp(Button, 6, 6, mbRight, ssLeft);
    EXPECT_EQ(Look(), bvLowered);
    MouseUp(Form, 2, 2);
    EXPECT_EQ(Look(), bvRaised);
    EXPECT_EQ(GetCapture(), nullptr);
}

// ---- drop-down

TEST_F(CuteBtnInputTest, WithNoDelayAPressDropsTheMenuUnderTheButtonAndSwallowsItsClick) {
    Button->SetDropDownMenu(Menu);
    WhenMenuOpensPressEscape();
    // The release is already queued when the menu is about to open.
    Host().MouseDown(&HostWindowOf(Button), WindowPoint(Button, 5, 5).x,
                     WindowPoint(Button, 5, 5).y);
    Host().MouseUp(&HostWindowOf(Button), WindowPoint(Button, 5, 5).x, WindowPoint(Button, 5, 5).y);
    RunUntilIdle();
    EXPECT_EQ(Popups, 1);
    EXPECT_EQ(MenuAt, BelowButton());
    EXPECT_EQ(Clicks, 0);
    ASSERT_FALSE(Events.empty());
    EXPECT_EQ(Events.back(), "up L 0 0 []");
    EXPECT_EQ(Look(), bvRaised);
}

TEST_F(CuteBtnInputTest, ARightPressTakesTheFocusButNeitherSinksNorDrops) {
    Button->SetDropDownMenu(Menu);
    FocusElsewhere();
    MouseDown(Button, 5, 5, mbRight);
    EXPECT_TRUE(Button->Focused());
    EXPECT_EQ(Look(), bvRaised);
    MouseUp(Button, 5, 5, mbRight);
    EXPECT_EQ(Look(), bvRaised);
    EXPECT_EQ(Popups, 0);
}

// Focused, the button would keep its raised look with TabFocusUp.
TEST_F(CuteBtnInputTest, AfterAChoiceThePointerLeavingMakesTheButtonFlat) {
    Button->SetTabFocusUp(false);
    Button->SetDropDownMenu(Menu);
    Host().WhenIdle([this] { Host().Click(OpenMenu(), 20, 8); });
    MouseMove(Button, 5, 5);
    MouseDown(Button, 5, 5);
    RunUntilIdle();
    EXPECT_EQ(Popups, 1);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(Look(), bvNone);
}

TEST_F(CuteBtnInputTest, WithADelayAShortClickClicksAndShowsNoMenu) {
    Button->SetDropDownMenu(Menu);
    Button->SetDropDownDelay(500);
    MouseDown(Button, 5, 5);
    RunFor(499);
    MouseUp(Button, 5, 5);
    RunFor(1000);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Popups, 0);
}

TEST_F(CuteBtnInputTest, WithADelayHoldingTheLeftButtonDropsTheMenu) {
    Button->SetDropDownMenu(Menu);
    Button->SetDropDownDelay(500);
    MouseDown(Button, 5, 5);
    RunFor(499);
    EXPECT_EQ(Popups, 0);
    WhenMenuOpensPressEscape();
    RunFor(1);
    EXPECT_EQ(Popups, 1);
    EXPECT_EQ(MenuAt, BelowButton());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    MouseUp(Button, 5, 5);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(CuteBtnInputTest, WithADelayReleasingOutsideCancelsTheMenuAndTheClick) {
    Button->SetDropDownMenu(Menu);
    Button->SetDropDownDelay(500);
    MouseDown(Button, 5, 5);
    RunFor(200);
    MouseUp(Button, 100, 5);
    RunFor(1000);
    EXPECT_EQ(Popups, 0);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(CuteBtnInputTest, WithADelaySpaceTapsClickAndAHeldSpaceDropsTheMenu) {
    Button->SetDropDownMenu(Menu);
    Button->SetDropDownDelay(500);
    KeyDown(VK_SPACE, {}, " ");
    RunFor(100);
    KeyUp(VK_SPACE);
    RunFor(1000);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Popups, 0);

    Events.clear();
    KeyDown(VK_SPACE, {}, " ");
    WhenMenuOpensPressEscape();
    RunFor(500);
    EXPECT_EQ(Popups, 1);
    EXPECT_EQ(Events, (Lines{"keyup 32 []"}));
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Look(), bvRaised);
}

TEST_F(CuteBtnInputTest, AnotherKeyDownLeavesAPendingDropDownButAnyReleaseCancelsIt) {
    Button->SetDropDownMenu(Menu);
    Button->SetDropDownDelay(500);
    KeyDown(VK_SPACE, {}, " ");
    KeyDown(VK_SHIFT, ssShift);
    WhenMenuOpensPressEscape();
    RunFor(500);
    EXPECT_EQ(Popups, 1);

    KeyUp(VK_SHIFT);
    KeyUp(VK_SPACE);
    KeyDown(VK_SPACE, {}, " ");
    KeyUp(VK_SHIFT);
    RunFor(1000);
    EXPECT_EQ(Popups, 1);
}

TEST_F(CuteBtnInputTest, ANegativeDelayDropsAtOnceForMouseAndSpaceButEnterAndAltClick) {
    Button->SetDropDownMenu(Menu);
    Button->SetDropDownDelay(-1);
    WhenMenuOpensPressEscape();
    MouseDown(Button, 5, 5);
    MouseUp(Button, 5, 5);
    WhenMenuOpensPressEscape();
    KeyDown(VK_SPACE, {}, " ");
    KeyUp(VK_SPACE);
    EXPECT_EQ(Popups, 2);
    EXPECT_EQ(Clicks, 0);

    PressKey(VK_RETURN);
    PressKey('G', ssAlt);
    EXPECT_EQ(Popups, 2);
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CuteBtnInputTest, EnterAndTheAcceleratorDropAMenuWithNoDelay) {
    Button->SetDropDownMenu(Menu);
    WhenMenuOpensPressEscape();
    PressKey(VK_RETURN);
    WhenMenuOpensPressEscape();
    PressKey('G', ssAlt);
    EXPECT_EQ(Popups, 2);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Look(), bvRaised);
}

TEST_F(CuteBtnInputTest, ADestroyedMenuIsForgottenAndNeverShown) {
    Button->SetDropDownMenu(Menu);
    delete Menu;
    EXPECT_EQ(Button->DropDownMenu(), nullptr);
    Click(Button, 5, 5);
    EXPECT_EQ(Clicks, 1);
}

// Owned by another component, the menu is not forgotten through the form's owner notifications.
TEST_F(CuteBtnInputTest, EveryReferenceToAMenuIsClearedWhenItGoesWhicheverWasClearedBefore) {
    struct Case {
        const char* Name;
        std::function<void(TPopupMenu*)> Before;
    };
    const Case cases[] = {
        {"drop-down menu cleared first",
         [this](TPopupMenu* menu) {
             Button->SetDropDownMenu(menu);
             Button->SetPopupMenu(menu);
             Button->SetDropDownMenu(nullptr);
         }},
        {"popup menu cleared first",
         [this](TPopupMenu* menu) {
             Button->SetDropDownMenu(menu);
             Button->SetPopupMenu(menu);
             Button->SetPopupMenu(nullptr);
         }},
        {"another control cleared its popup menu",
         [this](TPopupMenu* menu) {
             Button->SetPopupMenu(menu);
             Other->SetPopupMenu(menu);
             Other->SetPopupMenu(nullptr);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* menus = new TComponent(nullptr);
        c.Before(new TPopupMenu(menus));
        delete menus;
        EXPECT_EQ(Button->DropDownMenu(), nullptr);
        EXPECT_EQ(Button->PopupMenu(), nullptr);
        EXPECT_EQ(Other->PopupMenu(), nullptr);
        const int clicks = Clicks;
        Click(Button, 5, 5);
        Click(Button, 5, 5, mbRight);
        EXPECT_EQ(Clicks, clicks + 1);
    }
}

TEST_F(CuteBtnInputTest, TheDelayTimerAcceptsOnlyItsOwnKindOfSender) {
    EXPECT_THROW(Button->FTimerTimer(Menu), EInvalidCast);
}

// ---- continued clicks

TEST_F(CuteBtnInputTest, IgnoringContinuedClicksSwallowsAQueuedClickButRunsItsAction) {
    auto* action = new TAction(Form);
    int executed = 0;
    action->OnExecute = TNotifyEvent::FromFunction([&](TObject*) { ++executed; });
    Button->SetAction(action);
    Button->SetEgnoreContClick(true);
    Button->OnClick = TNotifyEvent::FromFunction([this](TObject*) {
        ++Clicks;
        // The user clicks again while the handler is still busy.
        const TPoint p = WindowPoint(Button, 5, 5);
        Host().Click(&HostWindowOf(Button), p.x, p.y);
    });
    Click(Button, 5, 5);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(executed, 2);
    EXPECT_TRUE(Button->OnClick);
}

// ---- handlers that destroy the button

TEST_F(CuteBtnInputTest, AClickHandlerMayDestroyTheButton) {
    Button->SetCaption("");
    const auto destroy = TNotifyEvent::FromFunction([this](TObject*) {
        delete Button;
        Button = nullptr;
    });
    for (int way = 0; way < 4; ++way) {
        SCOPED_TRACE(way);
        Button = new TCuteButton(Form);
        Button->SetCaption("&Go");
        Button->SetEgnoreContClick(way == 3);
        Button->SetParent(Form);
        Button->OnClick = destroy;
        Button->SetFocus();
        RunUntilIdle();
        if (way == 0)
            Click(Button, 5, 5);
        else if (way == 1)
            PressKey(VK_SPACE, {}, " ");
        else
            PressKey(way == 2 ? VK_RETURN : 'G', way == 2 ? TShiftState() : ssAlt);
        EXPECT_EQ(Button, nullptr);
    }
}

TEST_F(CuteBtnInputTest, AHandlerMayDestroyTheButtonWhileItsMenuDrops) {
    Button->SetDropDownMenu(Menu);
    Menu->OnPopup = TNotifyEvent::FromFunction([this](TObject*) {
        delete Button;
        Button = nullptr;
    });
    WhenMenuOpensPressEscape();
    MouseDown(Button, 5, 5);
    EXPECT_EQ(Button, nullptr);
}

} // namespace
