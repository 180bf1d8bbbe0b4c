#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/forms/Screen.h"
#include "framework/windows/Win32Api.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A focusable control that logs its keys, focus events and the dialog notifications it takes.
class TKeyProbe : public TPaintProbe {
    DECLARE_MESSAGE_MAP
public:
    TKeyProbe(TComponent* owner, Lines& log, std::string name)
        : TPaintProbe(owner), FShared(log), FName(std::move(name)) {
        SetTabStop(true);
    }
    bool TakesReturn = false; // like a default button
    bool TakesEscape = false; // like a cancel button
    bool WantsChars = false;  // like an edit box
    TWinControl* FocusSender = nullptr;
    unsigned short SwallowKey = 0;

    void KeyDown(unsigned short& key, TShiftState shift) override {
        FShared.push_back(FName + " keydown " + std::to_string(key));
        if (key == SwallowKey)
            key = 0;
        TPaintProbe::KeyDown(key, shift);
    }
    void KeyUp(unsigned short& key, TShiftState shift) override {
        FShared.push_back(FName + " keyup " + std::to_string(key));
        TPaintProbe::KeyUp(key, shift);
    }
    void KeyPress(char& key) override {
        FShared.push_back(FName + " char " + std::string(1, key));
        TPaintProbe::KeyPress(key);
    }
    void DoEnter() override {
        FShared.push_back(FName + " enter");
        TPaintProbe::DoEnter();
    }
    void DoExit() override {
        FShared.push_back(FName + " exit");
        TPaintProbe::DoExit();
    }

private:
    void CMDialogKey(TWMKey& message) {
        if ((message.CharCode == VK_RETURN && TakesReturn) ||
            (message.CharCode == VK_ESCAPE && TakesEscape)) {
            FShared.push_back(FName + " dialogkey " + std::to_string(message.CharCode));
            message.Result = 1;
            return;
        }
        DispatchInherited(TCustomControl::StaticMessageMap(), message.Message);
    }
    void CMDialogChar(TWMKey& message) {
        if (IsAccel(message.CharCode, Caption())) {
            FShared.push_back(FName + " accel " +
                              std::string(1, static_cast<char>(message.CharCode)));
            message.Result = 1;
            return;
        }
        DispatchInherited(TCustomControl::StaticMessageMap(), message.Message);
    }
    void CMFocusChanged(TCMFocusChanged& message) {
        FocusSender = message.Sender;
        DispatchInherited(TCustomControl::StaticMessageMap(), message.Message);
    }
    void WMGetDlgCode(TMessage& message) { message.Result = WantsChars ? DLGC_WANTCHARS : 0; }

    Lines& FShared;
    std::string FName;
};

const TMessageMap& TKeyProbe::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {
                                     MessageHandler<CM_DIALOGKEY, &TKeyProbe::CMDialogKey>(),
                                     MessageHandler<CM_DIALOGCHAR, &TKeyProbe::CMDialogChar>(),
                                     MessageHandler<CM_FOCUSCHANGED, &TKeyProbe::CMFocusChanged>(),
                                     MessageHandler<WM_GETDLGCODE, &TKeyProbe::WMGetDlgCode>(),
                                 });
    return map;
}

class KeyboardTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm();
        a = Place(new TKeyProbe(form, log, "a"), form, 0, 0, 10, 10);
        b = Place(new TKeyProbe(form, log, "b"), form, 20, 0, 10, 10);
        c = Place(new TKeyProbe(form, log, "c"), form, 40, 0, 10, 10);
        a->SetFocus();
        RunUntilIdle();
        log.clear();
    }
    Lines log;
    TForm* form = nullptr;
    TKeyProbe* a = nullptr;
    TKeyProbe* b = nullptr;
    TKeyProbe* c = nullptr;
};

TEST_F(KeyboardTest, TabMovesTheFocusForwardInTabOrderAndWrapsAround) {
    c->SetTabOrder(0); // c, a, b
    PressKey(VK_TAB);
    EXPECT_TRUE(b->Focused());
    PressKey(VK_TAB);
    EXPECT_TRUE(c->Focused());
    PressKey(VK_TAB);
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(form->ActiveControl(), a);
}

TEST_F(KeyboardTest, ShiftTabMovesBackAndSkipsControlsThatCannotFocus) {
    c->SetEnabled(false);
    KeyDown(VK_SHIFT, ssShift);
    PressKey(VK_TAB, ssShift);
    KeyUp(VK_SHIFT);
    EXPECT_TRUE(b->Focused());
    b->SetTabStop(false);
    PressKey(VK_TAB);
    EXPECT_TRUE(a->Focused());
}

TEST_F(KeyboardTest, FocusChangesRunExitThenEnterAndTellEveryControl) {
    b->SetFocus();
    EXPECT_EQ(log, (Lines{"a exit", "b enter"}));
    EXPECT_EQ(a->FocusSender, b);
    EXPECT_EQ(c->FocusSender, b);
    EXPECT_EQ(Screen->ActiveControl(), b);
}

TEST_F(KeyboardTest, ATabKeyTakenByTheDialogHandlingTypesNothing) {
    PressKey(VK_TAB);
    EXPECT_EQ(log, (Lines{"a exit", "b enter", "b keyup 9"}));
}

TEST_F(KeyboardTest, KeysGoToTheFocusedControlAndTypeCharacters) {
    PressKey('X', {}, "x");
    EXPECT_EQ(log, (Lines{"a keydown 88", "a char x", "a keyup 88"}));
}

TEST_F(KeyboardTest, EnterGoesToTheControlThatTakesIt) {
    c->TakesReturn = true;
    PressKey(VK_RETURN);
    EXPECT_EQ(log, (Lines{"c dialogkey 13", "a keyup 13"}));
}

TEST_F(KeyboardTest, EnterThatNobodyTakesReachesTheFocusedControl) {
    PressKey(VK_RETURN);
    EXPECT_EQ(log, (Lines{"a keydown 13", "a char \r", "a keyup 13"}));
}

TEST_F(KeyboardTest, EscapeGoesToTheControlThatTakesIt) {
    b->TakesEscape = true;
    PressKey(VK_ESCAPE);
    EXPECT_EQ(log.front(), "b dialogkey 27");
}

TEST_F(KeyboardTest, AltAndALetterIsOfferedAsAnAccelerator) {
    c->SetCaption("&Go");
    PressKey('G', ssAlt);
    EXPECT_NE(std::find(log.begin(), log.end(), "c accel g"), log.end());
    EXPECT_TRUE(a->Focused());
}

TEST_F(KeyboardTest, APlainCharacterIsAnAcceleratorUnlessTheFocusedControlWantsCharacters) {
    c->SetCaption("&Go");
    PressKey('G', {}, "g");
    EXPECT_EQ(log, (Lines{"a keydown 71", "c accel g", "a keyup 71"}));
    log.clear();
    a->WantsChars = true;
    PressKey('G', {}, "g");
    EXPECT_EQ(log, (Lines{"a keydown 71", "a char g", "a keyup 71"}));
}

TEST_F(KeyboardTest, ControlLettersTypeControlCharacters) {
    a->WantsChars = true;
    PressKey('V', ssCtrl);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], std::string("a char \x16"));
}

TEST_F(KeyboardTest, ClearingTheKeyInKeyDownKeepsItFromTheDefaultHandling) {
    c->TakesReturn = true;
    a->SwallowKey = 'Q';
    PressKey('Q', {}, "q");
    EXPECT_EQ(log, (Lines{"a keydown 81", "a char q", "a keyup 81"}));
}

TEST_F(KeyboardTest, AFormWithKeyPreviewSeesTheKeysFirst) {
    std::vector<unsigned short> previewed;
    form->SetKeyPreview(true);
    form->OnKeyDown = TKeyEvent::FromFunction([&](TObject*, unsigned short& key, TShiftState) {
        previewed.push_back(key);
        if (key == 'Z')
            key = 0;
    });
    PressKey('Y');
    PressKey('Z');
    EXPECT_EQ(previewed, (std::vector<unsigned short>{'Y', 'Z'}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "a keydown 89"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "a keydown 90"), 0);
}

TEST_F(KeyboardTest, DisablingTheFocusedControlMovesTheFocusAway) {
    a->SetEnabled(false);
    EXPECT_FALSE(a->Focused());
    EXPECT_EQ(form->ActiveControl(), nullptr);
    PressKey(VK_TAB);
    EXPECT_TRUE(b->Focused());
}

TEST_F(KeyboardTest, AHeldKeyShowsInTheKeyState) {
    KeyDown(VK_SPACE);
    EXPECT_LT(GetKeyState(VK_SPACE), 0);
    KeyUp(VK_SPACE);
    EXPECT_GE(GetKeyState(VK_SPACE), 0);
}

TEST(IsAccelTest, TheCharacterAfterASingleAmpersandIsTheAccelerator) {
    EXPECT_TRUE(IsAccel('G', "&Go"));
    EXPECT_TRUE(IsAccel('g', "&Go"));
    EXPECT_TRUE(IsAccel('X', "E&xit"));
    EXPECT_FALSE(IsAccel('G', "Go"));
    EXPECT_FALSE(IsAccel('&', "A && B"));
    EXPECT_TRUE(IsAccel('B', "A && &B"));
    EXPECT_FALSE(IsAccel('A', "trailing &"));
}

} // namespace
