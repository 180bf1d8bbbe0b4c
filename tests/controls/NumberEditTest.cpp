#include "controls/NumberEdit.h"

#include "framework/core/Exceptions.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <climits>
#include <string>
#include <vector>

namespace {

class NumberEditTest : public FrameworkTest {
protected:
    // A focused numeric edit with the range minValue to maxValue, showing text with the caret at
    // its end. It records the keys that reach OnKeyPress and counts its changes.
    TNumberEdit* NewEdit(int minValue, int maxValue, const std::string& text = "0") {
        TForm* form = NewForm();
        auto* edit = new TNumberEdit(form);
        edit->SetMinValue(minValue);
        edit->SetMaxValue(maxValue);
        edit->SetBounds(10, 10, 150, 21);
        edit->SetParent(form);
        edit->SetText(text);
        edit->OnKeyPress =
            TKeyPressEvent::FromFunction([this](TObject*, char& key) { KeysSeen += key; });
        edit->OnChange = TNotifyEvent::FromFunction([this](TObject*) { ++Changes; });
        edit->SetFocus();
        RunUntilIdle();
        edit->SetSelStart(static_cast<int>(text.size()));
        return edit;
    }

    static void Select(TNumberEdit* edit, int start, int length) {
        edit->SetSelStart(start);
        edit->SetSelLength(length);
    }

    void Paste(const std::string& clipboard) {
        Host().SetClipboardText(clipboard);
        PressKey('V', ssCtrl);
    }

    int Beeps() const { return static_cast<int>(Host().Beeps().size()); }

    std::string KeysSeen;
    int Changes = 0;
};

TEST_F(NumberEditTest, ANewEditShowsZeroWithNoRange) {
    TForm* form = NewForm();
    auto* edit = new TNumberEdit(form);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(edit->GetValue(), 0);
    EXPECT_EQ(edit->MinValue(), 0);
    EXPECT_EQ(edit->MaxValue(), 0);
}

TEST_F(NumberEditTest, WithoutARangeTypingStopsAtTheThirtyTwoBitLimits) {
    TNumberEdit* edit = NewEdit(0, 0, "");
    Type("-21474836480");
    EXPECT_EQ(edit->Text(), "-2147483648");
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(edit->GetValue(), INT_MIN);

    edit->SelectAll();
    Type("21474836479");
    EXPECT_EQ(edit->Text(), "2147483647");
    Type("+");
    EXPECT_EQ(edit->Text(), "2147483647");
    EXPECT_EQ(Beeps(), 3);
    EXPECT_EQ(Host().Beeps(), (std::vector<unsigned>{0, 0, 0}));
}

TEST_F(NumberEditTest, InARangeEachKeystrokeIsJudgedOnTheTextItWouldLeave) {
    TNumberEdit* edit = NewEdit(10, 99, "");
    Type("5");
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(Beeps(), 1);

    edit->SetText("10");
    Select(edit, 1, 1);
    Type("5");
    EXPECT_EQ(edit->Text(), "15");
    Type("7");
    EXPECT_EQ(edit->Text(), "15");
    EXPECT_EQ(Beeps(), 2);

    edit->SetSelStart(0);
    Type("0");
    EXPECT_EQ(edit->Text(), "015");
    EXPECT_EQ(edit->GetValue(), 15);
    EXPECT_EQ(KeysSeen, "50");
}

TEST_F(NumberEditTest, ALoneMinusIsJudgedAsMinValueAndReadsAsIt) {
    TNumberEdit* edit = NewEdit(-50, 50, "");
    Type("-");
    EXPECT_EQ(edit->Text(), "-");
    EXPECT_EQ(edit->GetValue(), -50);
    EXPECT_EQ(edit->Text(), "-");
    Type("7");
    EXPECT_EQ(edit->Text(), "-7");

    edit->SetText("12");
    edit->SelectAll();
    Type("-");
    EXPECT_EQ(edit->Text(), "-");

    edit->SetText("5");
    edit->SetSelStart(1);
    Type("-");
    EXPECT_EQ(edit->Text(), "5");
    EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumberEditTest, BackspacePassesUnscreenedAndValueRepairsAnEmptyText) {
    TNumberEdit* edit = NewEdit(10, 99, "15");
    PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "1");
    EXPECT_EQ(edit->GetValue(), 1);
    PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(Beeps(), 0);

    const int changesBefore = Changes;
    EXPECT_EQ(edit->GetValue(), 10);
    EXPECT_EQ(edit->Text(), "10");
    EXPECT_EQ(Changes, changesBefore + 1);
}

TEST_F(NumberEditTest, TextFromOtherRoutesIsNotScreenedAndValueFallsBackToMinValue) {
    TNumberEdit* edit = NewEdit(3, 9, "4");
    Host().SetClipboardText("abc");
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "4abc");
    EXPECT_EQ(Beeps(), 0);
    EXPECT_EQ(edit->GetValue(), 3);
    EXPECT_EQ(edit->Text(), "3");

    edit->SetText("99999999999");
    EXPECT_EQ(edit->GetValue(), 3);
}

TEST_F(NumberEditTest, SetValueClampsOnlyWhenThereIsARange) {
    TNumberEdit* edit = NewEdit(0, 100);
    edit->SetValue(500);
    EXPECT_EQ(edit->Text(), "100");
    edit->SetValue(-3);
    EXPECT_EQ(edit->Text(), "0");

    edit->SetMinValue(5);
    edit->SetMaxValue(5);
    edit->SetValue(500);
    EXPECT_EQ(edit->Text(), "500");
    edit->SetValue(INT_MIN);
    EXPECT_EQ(edit->Text(), "-2147483648");
}

TEST_F(NumberEditTest, MinValueAboveMaxValueRefusesEveryDigitMinusAndPaste) {
    TNumberEdit* edit = NewEdit(10, 5, "");
    Type("0123456789-");
    Paste("7");
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(Beeps(), 12);
    EXPECT_EQ(KeysSeen, "");
    EXPECT_FALSE(edit->IsValidValue("7"));

    edit->SetValue(7);
    EXPECT_EQ(edit->Text(), "10");
    edit->SetValue(20);
    EXPECT_EQ(edit->Text(), "5");
}

TEST_F(NumberEditTest, PastingRefusesAnyXButTakesADollarHexThatFits) {
    TNumberEdit* edit = NewEdit(0, 0, "");
    for (const char* refused : {"0x10", "X1", "1x"}) {
        Paste(refused);
        EXPECT_EQ(edit->Text(), "") << refused;
    }
    EXPECT_EQ(Beeps(), 3);

    Paste("$10");
    EXPECT_EQ(edit->Text(), "$10");
    EXPECT_EQ(edit->GetValue(), 16);

    edit->SetText("");
    edit->SetMinValue(0);
    edit->SetMaxValue(15);
    Paste("$10");
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(NumberEditTest, APasteIsJudgedAfterReplacingTheSelectionAndAgainstMaxLength) {
    TNumberEdit* edit = NewEdit(0, 0, "12");
    edit->SetMaxLength(3);
    Paste("345");
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(Beeps(), 1);

    Select(edit, 1, 1);
    Paste("34");
    EXPECT_EQ(edit->Text(), "134");

    // Typing is left to the edit's own limit: no beep, nothing added.
    Type("5");
    EXPECT_EQ(edit->Text(), "134");
    EXPECT_EQ(Beeps(), 1);
}

TEST_F(NumberEditTest, PastingALoneMinusOrNoTextIsRefused) {
    TNumberEdit* edit = NewEdit(-5, 5, "");
    PressKey('V', ssCtrl);
    Paste("-");
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(Beeps(), 2);
    Paste("-5");
    EXPECT_EQ(edit->Text(), "-5");
}

TEST_F(NumberEditTest, RefusedKeysBeepAndNeverReachOnKeyPress) {
    TNumberEdit* edit = NewEdit(0, 0, "7");
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    Type("a Z.");
    EXPECT_EQ(edit->Text(), "7");
    EXPECT_EQ(Beeps(), 6);
    EXPECT_EQ(KeysSeen, "");

    Type("8");
    EXPECT_EQ(KeysSeen, "8");
}

TEST_F(NumberEditTest, EveryByteOfATypedNonAsciiCharacterIsRefused) {
    TNumberEdit* edit = NewEdit(0, 0, "4");
    PressKey(0, {}, "日");
    EXPECT_EQ(edit->Text(), "4");
    EXPECT_EQ(Beeps(), 3);
    EXPECT_EQ(KeysSeen, "");
}

TEST_F(NumberEditTest, SelectAllCopyCutAndUndoPassAndTheEditCarriesThemOut) {
    TNumberEdit* edit = NewEdit(0, 0, "123");
    Select(edit, 1, 2);
    PressKey('C', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "23");
    PressKey('X', ssCtrl);
    EXPECT_EQ(edit->Text(), "1");
    PressKey('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), "123");
    PressKey('A', ssCtrl);
    PressKey('C', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "123");
    EXPECT_EQ(Beeps(), 0);
    EXPECT_EQ(KeysSeen, std::string("\x03\x18\x1a\x01\x03"));
}

TEST_F(NumberEditTest, OnKeyPressMayStillChangeAnAcceptedKey) {
    TNumberEdit* edit = NewEdit(0, 0, "");
    edit->OnKeyPress = TKeyPressEvent::FromFunction([](TObject*, char& key) {
        if (key == '1')
            key = '9';
    });
    Type("12");
    EXPECT_EQ(edit->Text(), "92");
}

TEST(NumberEditUnitTest, InsertStringReplacesAtAOneBasedPosition) {
    EXPECT_EQ(TNumberEdit::InsertString("10", "5", 2, 1), "15");
    EXPECT_EQ(TNumberEdit::InsertString("15", "0", 1, 0), "015");
    EXPECT_EQ(TNumberEdit::InsertString("15", "7", 3, 0), "157");
    EXPECT_EQ(TNumberEdit::InsertString("", "-", 1, 0), "-");
    EXPECT_EQ(TNumberEdit::InsertString("12", "-", 1, 2), "-");
}

} // namespace
