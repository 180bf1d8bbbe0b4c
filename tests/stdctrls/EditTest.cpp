#include "framework/stdctrls/Edit.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

class EditTest : public FrameworkTest {
protected:
    TEdit* NewFocusedEdit(const std::string& text = {}) {
        TForm* form = NewForm();
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        edit->SetText(text);
        edit->OnChange = TNotifyEvent::FromFunction([this](TObject*) { ++Changes; });
        RunUntilIdle();
        edit->SetFocus();
        RunUntilIdle();
        edit->SetSelStart(static_cast<int>(text.size()));
        return edit;
    }

    int Changes = 0;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndReplacesTheSelection) {
    TEdit* edit = NewFocusedEdit("held");
    edit->SetSelStart(2);
    Type("x");
    EXPECT_EQ(edit->Text(), "hexld");
    EXPECT_EQ(edit->SelStart(), 3);

    edit->SetSelStart(1);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelText(), "exl");
    Type("a");
    EXPECT_EQ(edit->Text(), "had");
    EXPECT_TRUE(edit->Modified());
}

TEST_F(EditTest, KeyPressSeesTheCharacterFirstAndCanSwallowIt) {
    TEdit* edit = NewFocusedEdit();
    std::vector<std::string> textSeen;
    edit->OnKeyPress = TKeyPressEvent::FromFunction([&](TObject*, char& key) {
        textSeen.push_back(edit->Text());
        if (key == 'x')
            key = 0;
        else if (key == 'b')
            key = 'B';
    });

    Type("axb");
    EXPECT_EQ(edit->Text(), "aB");
    EXPECT_EQ(textSeen, (std::vector<std::string>{"", "a", "a"}));
}

TEST_F(EditTest, MaxLengthRefusesTypingButNotTheProgram) {
    TEdit* edit = NewFocusedEdit();
    edit->SetMaxLength(3);
    Type("abcde");
    EXPECT_EQ(edit->Text(), "abc");

    edit->SelectAll();
    Type("z");
    EXPECT_EQ(edit->Text(), "z");

    edit->SetText("longer than three");
    EXPECT_EQ(edit->Text(), "longer than three");
}

TEST_F(EditTest, CtrlVPastesTheFirstLineCutToTheLimit) {
    TEdit* edit = NewFocusedEdit("ab");
    Host().SetClipboardText("12345\r\nsecond");
    PressKey('V', ssCtrl);
    EXPECT_EQ(edit->Text(), "ab12345");

    edit->SetMaxLength(9);
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    PressKey('V', ssCtrl);
    EXPECT_EQ(edit->Text(), "123b12345");
}

TEST_F(EditTest, CopyAndCutPutTheSelectionOnTheClipboard) {
    TEdit* edit = NewFocusedEdit("hello world");
    edit->SetSelStart(6);
    edit->SetSelLength(5);
    PressKey('C', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "world");
    EXPECT_EQ(edit->Text(), "hello world");

    edit->SetSelStart(0);
    edit->SetSelLength(6);
    PressKey('X', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "hello ");
    EXPECT_EQ(edit->Text(), "world");
}

TEST_F(EditTest, PasswordEditRefusesToCopy) {
    TEdit* edit = NewFocusedEdit("secret");
    edit->SetPasswordChar('*');
    edit->SelectAll();
    PressKey('C', ssCtrl);
    EXPECT_FALSE(Host().ClipboardHasText());
}

TEST_F(EditTest, UndoSwapsWithTheTextBeforeTheLastEdit) {
    TEdit* edit = NewFocusedEdit("abc");
    Type("d");
    PressKey('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), "abc");
    PressKey('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), "abcd");

    edit->SetText("fresh");
    EXPECT_FALSE(edit->CanUndo());
    PressKey('Z', ssCtrl);
    EXPECT_EQ(edit->Text(), "fresh");
}

TEST_F(EditTest, ShiftArrowsSelectAndBackspaceDeletesTheSelection) {
    TEdit* edit = NewFocusedEdit("hello");
    PressKey(VK_LEFT, ssShift);
    PressKey(VK_LEFT, ssShift);
    EXPECT_EQ(edit->SelText(), "lo");
    PressKey(VK_BACK, {}, "\b");
    EXPECT_EQ(edit->Text(), "hel");
    PressKey(VK_BACK, {}, "\b");
    EXPECT_EQ(edit->Text(), "he");

    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(edit->Text(), "e");
    PressKey(VK_END, ssShift);
    EXPECT_EQ(edit->SelText(), "e");
    PressKey(VK_RIGHT);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 1);
}

TEST_F(EditTest, CaretNeverSplitsACharacter) {
    TEdit* edit = NewFocusedEdit("aé");
    PressKey(VK_LEFT, ssShift);
    EXPECT_EQ(edit->SelText(), "é");
    edit->SetSelStart(2);
    EXPECT_EQ(edit->SelStart(), 1);
}

TEST_F(EditTest, TypedCharactersArriveWholeOrNotAtAll) {
    TEdit* edit = NewFocusedEdit("a");
    Host().KeyPress(&HostWindowOf(edit), 0, 0, "é");
    RunUntilIdle();
    EXPECT_EQ(edit->Text(), "aé");

    edit->SetMaxLength(4);
    edit->SetSelStart(3);
    Host().KeyPress(&HostWindowOf(edit), 0, 0, "日");
    RunUntilIdle();
    EXPECT_EQ(edit->Text(), "aé");
}

TEST_F(EditTest, DraggingTheMouseSelects) {
    TEdit* edit = NewFocusedEdit("drag me");
    MouseDown(edit, 1, 8);
    MouseMove(edit, 140, 8);
    MouseUp(edit, 140, 8);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelText(), "drag me");
}

TEST_F(EditTest, TheReleaseEndsTheCaptureAfterTheFocusLeftDuringThePress) {
    TEdit* edit = NewFocusedEdit("drag me");
    auto* other = new TEdit(edit->Owner());
    other->SetParent(edit->Parent());
    other->SetBounds(10, 40, 150, 21);
    MouseDown(edit, 1, 8);
    PressKey(VK_TAB);
    ASSERT_TRUE(other->Focused());
    MouseUp(edit, 140, 8);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(EditTest, AssigningTextFiresOnChangeAndResetsTheCaret) {
    TEdit* edit = NewFocusedEdit("abc");
    Changes = 0;
    edit->SetText("new text");
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_FALSE(edit->Modified());
    edit->SetText("new text");
    EXPECT_EQ(Changes, 1);
    Type("x");
    EXPECT_EQ(Changes, 2);
}

TEST_F(EditTest, TextAnOnChangeHandlerAssignsIsWhatTheUserGoesOnEditing) {
    TEdit* edit = NewFocusedEdit();
    edit->OnChange = TNotifyEvent::FromFunction([edit](TObject*) {
        if (edit->Text() == "x")
            edit->SetText("y");
    });
    Type("x");
    EXPECT_EQ(edit->Text(), "y");
    PressKey(VK_END);
    Type("z");
    EXPECT_EQ(edit->Text(), "yz");
}

TEST_F(EditTest, ReadOnlyEditRefusesEditing) {
    TEdit* edit = NewFocusedEdit("fixed");
    edit->SetReadOnly(true);
    Type("x");
    PressKey(VK_BACK, {}, "\b");
    Host().SetClipboardText("pasted");
    PressKey('V', ssCtrl);
    EXPECT_EQ(edit->Text(), "fixed");
    EXPECT_EQ(Changes, 0);
}

TEST_F(EditTest, CharCaseConvertsTypedLetters) {
    TEdit* edit = NewFocusedEdit();
    edit->SetCharCase(ecUpperCase);
    Type("aB1");
    EXPECT_EQ(edit->Text(), "AB1");
}

TEST_F(EditTest, FocusFromTheKeyboardSelectsAll) {
    TForm* form = NewForm();
    auto* first = new TEdit(form);
    first->SetParent(form);
    auto* second = new TEdit(form);
    second->SetParent(form);
    second->SetTop(40);
    second->SetText("all of it");
    RunUntilIdle();
    first->SetFocus();
    RunUntilIdle();
    PressKey(VK_TAB, {}, "\t");
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(second->SelText(), "all of it");
}

// A derived edit that swallows every WM_PASTE, as one that screens pastes would.
class TPasteScreeningEdit : public TEdit {
public:
    using TEdit::TEdit;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_PASTE) {
            ++Pastes;
            return;
        }
        TEdit::WndProc(message);
    }
    int Pastes = 0;
};

TEST_F(EditTest, EveryPasteReachesADerivedEditAsWmPaste) {
    TForm* form = NewForm();
    auto* edit = new TPasteScreeningEdit(form);
    edit->SetParent(form);
    RunUntilIdle();
    edit->SetFocus();
    RunUntilIdle();
    Host().SetClipboardText("pasted");
    PressKey('V', ssCtrl);
    PressKey(VK_INSERT, ssShift);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Pastes, 3);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(EditTest, ReadOnlyStopsClearSelectionButNotTheProgramsSelText) {
    TEdit* edit = NewFocusedEdit("fixed");
    edit->SetReadOnly(true);
    edit->SelectAll();
    edit->ClearSelection();
    EXPECT_EQ(edit->Text(), "fixed");
    edit->SetSelText("set");
    EXPECT_EQ(edit->Text(), "set");
}

TEST_F(EditTest, SunkenEdgeAndWindowBackground) {
    TEdit* edit = NewFocusedEdit();
    EXPECT_EQ(edit->Handle()->ClassName(), "EDIT");
    EXPECT_NE(GetWindowLong(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(edit->ClientWidth(), edit->Width() - 4);
    EXPECT_EQ(PixelAt(edit, edit->ClientWidth() - 2, 2), ColorToRGB(clWindow));
}

} // namespace
