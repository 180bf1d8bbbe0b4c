#include "framework/stdctrls/TextEditor.h"

#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

// A client that carries keyboard commands straight back to the editor, as a control's window
// does, and records them.
class TRecordingClient final : public TTextEditorClient {
public:
    void TextEdited() override { ++Edits; }
    void SelectionMoved() override {}
    void SendCommand(UINT message) override {
        Commands.push_back(message);
        TMessage m{message, 0, 0, 0};
        Editor->HandleMessage(m);
    }

    TTextEditor* Editor = nullptr;
    int Edits = 0;
    std::vector<UINT> Commands;
};

// The clipboard needs the host, so the fixture is the framework's.
class TextEditorTest : public FrameworkTest {
protected:
    TTextEditor& NewEditor(bool multiLine, const std::string& text = {}) {
        FEditor = std::make_unique<TTextEditor>(Client, multiLine);
        Client.Editor = FEditor.get();
        FEditor->SetText(text);
        FEditor->SelectOffsets(static_cast<int>(text.size()), static_cast<int>(text.size()));
        return *FEditor;
    }

    bool Send(UINT msg, WPARAM wparam, LPARAM lparam = 0) {
        TMessage m{msg, wparam, lparam, 0};
        return FEditor->HandleMessage(m);
    }
    void Char(char c) { Send(WM_CHAR, static_cast<unsigned char>(c)); }
    void Chars(const std::string& text) {
        for (const char c : text)
            Char(c);
    }
    bool Key(unsigned short vk) { return Send(WM_KEYDOWN, vk); }

    TRecordingClient Client;

private:
    std::unique_ptr<TTextEditor> FEditor;
};

TEST_F(TextEditorTest, SingleLineKeepsBreaksTheProgramAssignsButTypesNone) {
    TTextEditor& editor = NewEditor(false, "a\r\nb");
    EXPECT_EQ(editor.Document().LineCount(), 1);
    EXPECT_EQ(editor.Text(), "a\r\nb");
    Chars("\r\t");
    EXPECT_EQ(editor.Text(), "a\r\nb");
    EXPECT_EQ(Client.Edits, 0);
}

TEST_F(TextEditorTest, MultiLineTypesEnterAsABreakAndTabOnlyWhenWanted) {
    TTextEditor& editor = NewEditor(true, "ab");
    editor.SelectOffsets(1, 1);
    Chars("\r\t");
    EXPECT_EQ(editor.Text(), "a\r\nb");
    EXPECT_EQ(editor.Caret(), (TTextPos{1, 0}));
    editor.SetWantTabs(true);
    editor.SetWantReturns(false);
    Chars("\r\t");
    EXPECT_EQ(editor.Text(), "a\r\n\tb");
}

TEST_F(TextEditorTest, UpAndDownMoveAlongTheLineOnlyInASingleLineEditor) {
    TTextEditor& single = NewEditor(false, "abc");
    EXPECT_TRUE(Key(VK_UP));
    EXPECT_EQ(single.SelStart(), 2);
    EXPECT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(single.SelStart(), 3);

    TTextEditor& multi = NewEditor(true, "abc\r\ndef");
    EXPECT_FALSE(Key(VK_UP));
    EXPECT_FALSE(Key(VK_NEXT));
    EXPECT_EQ(multi.Caret(), (TTextPos{1, 3}));
}

TEST_F(TextEditorTest, ClipboardKeysGoThroughTheWindowAsCommands) {
    NewEditor(false, "abc");
    Host().SetClipboardText("x");
    Char('\x03');
    Char('\x16');
    Char('\x18');
    Char('\x1A');
    EXPECT_EQ(Client.Commands, (std::vector<UINT>{WM_COPY, WM_PASTE, WM_CUT, WM_UNDO}));
}

TEST_F(TextEditorTest, CuttingOrCopyingNothingLeavesTheClipboardAndTheText) {
    for (const bool multiLine : {false, true}) {
        TTextEditor& editor = NewEditor(multiLine, "keep");
        Host().SetClipboardText("before");
        Send(WM_CUT, 0);
        Send(WM_COPY, 0);
        EXPECT_EQ(Host().ClipboardText(), "before");
        EXPECT_EQ(editor.Text(), "keep");
        EXPECT_FALSE(editor.CanUndo());
        EXPECT_EQ(Client.Edits, 0);
    }
}

TEST_F(TextEditorTest, PasteKeepsWhatFitsTheLimitWithoutSplittingACharacterOrABreak) {
    TTextEditor& single = NewEditor(false, "ab");
    single.SetMaxLength(4);
    Host().SetClipboardText("x\xC3\xA9y\r\nnext");
    Send(WM_PASTE, 0);
    EXPECT_EQ(single.Text(), "abx"); // the two-byte character does not fit whole

    TTextEditor& multi = NewEditor(true, "ab");
    multi.SetMaxLength(4);
    Host().SetClipboardText("c\r\nd");
    Send(WM_PASTE, 0);
    EXPECT_EQ(multi.Text(), "abc");
}

TEST_F(TextEditorTest, UndoInAMultiLineEditorRestoresTheLinesAndTheSelection) {
    TTextEditor& editor = NewEditor(true, "one\r\ntwo");
    editor.SelectOffsets(2, 7);
    Chars("X");
    EXPECT_EQ(editor.Text(), "onXo");
    Send(WM_UNDO, 0);
    EXPECT_EQ(editor.Text(), "one\r\ntwo");
    EXPECT_EQ(editor.SelText(), "e\r\ntw");
    Send(WM_UNDO, 0);
    EXPECT_EQ(editor.Text(), "onXo");
}

TEST_F(TextEditorTest, ReadOnlyStopsTheUserButNotTheProgram) {
    TTextEditor& editor = NewEditor(true, "fixed");
    editor.SetReadOnly(true);
    editor.SelectAll();
    Chars("x\b");
    Send(WM_CLEAR, 0);
    Key(VK_DELETE);
    EXPECT_EQ(editor.Text(), "fixed");
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("set"));
    EXPECT_EQ(editor.Text(), "set");
}

TEST_F(TextEditorTest, LengthLimitCountsALineBreakAsTwoBytes) {
    TTextEditor& editor = NewEditor(true, "ab");
    editor.SetMaxLength(3);
    Char('\r');
    EXPECT_EQ(editor.Text(), "ab");
    Char('c');
    EXPECT_EQ(editor.Text(), "abc");
}

TEST_F(TextEditorTest, CtrlASelectsEverything) {
    TTextEditor& editor = NewEditor(false, "all");
    Char('\x01');
    EXPECT_EQ(editor.SelText(), "all");
}

TEST_F(TextEditorTest, ADoubleClickSelectsTheWordWithoutTheBlanksAfterIt) {
    TTextEditor& editor = NewEditor(false, "one two  three");
    editor.SelectWordAt({0, 5});
    EXPECT_EQ(editor.SelText(), "two");
}

} // namespace
