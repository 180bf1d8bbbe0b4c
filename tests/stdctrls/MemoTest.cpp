#include "framework/stdctrls/Memo.h"

#include "framework/core/SysUtils.h"
#include "framework/windows/Win32Api.h"
#include "tests/stdctrls/StdCtrlsTest.h"

namespace {

// The main window's log: 273 x 121, the panel colours, a vertical bar.
class MemoTest : public StdCtrlsTest {
protected:
    MemoTest() {
        form = NewForm(400, 300);
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(10, 10, 273, 121);
        memo->SetColor(0x4E4D37);
        memo->Font()->SetColor(clWhite);
        memo->Font()->SetStyle(fsBold);
        memo->SetScrollBars(ssVertical);
        RunUntilIdle();
    }

    void AddLines(int count) {
        for (int i = 0; i < count; ++i)
            memo->Lines()->Add(Format("* Start Point [%4d, %4d]", i, 2 * i));
        RunUntilIdle();
    }

    int LineHeight() const {
        TCanvas canvas;
        canvas.SetFont(memo->Font());
        return canvas.TextHeight("W");
    }
    int TextWidth(const std::string& text) const {
        TCanvas canvas;
        canvas.SetFont(memo->Font());
        return canvas.TextWidth(text);
    }
    // A client point on the text: line, and x pixels into it.
    TPoint At(int line, int x) const {
        return {2 + x, 1 + (line - memo->TopLine()) * LineHeight() + LineHeight() / 2};
    }

    // Whether the vertical bar shows a thumb at the bottom of its track (a flat face) rather
    // than the checked track.
    bool ThumbAtTheBottom() const {
        const int x = memo->ClientWidth() + 8;
        const int y = memo->ClientHeight() - 16 - 4;
        return PixelAt(memo, x, y) == ColorToRGB(clBtnFace) &&
               PixelAt(memo, x + 1, y) == ColorToRGB(clBtnFace);
    }

    TForm* form = nullptr;
    TMemo* memo = nullptr;
};

} // namespace

TEST_F(MemoTest, LinesAddedKeepTheNewestLineInView) {
    AddLines(30);
    EXPECT_EQ(memo->Lines()->Count(), 30);
    EXPECT_EQ(memo->Lines()->Strings(29), "* Start Point [  29,   58]");
    // The caret sits on the empty line after the last one, at the bottom of the view.
    EXPECT_EQ(memo->CaretPos(), (TTextPos{30, 0}));
    EXPECT_EQ(memo->TopLine() + memo->VisibleLines(), 31);
    EXPECT_GT(memo->TopLine(), 0);
}

TEST_F(MemoTest, TheVerticalBarGetsAThumbOnceTheLinesOverflow) {
    EXPECT_EQ(memo->ClientWidth(), 273 - 4 - 16);
    AddLines(2);
    EXPECT_FALSE(ThumbAtTheBottom());
    AddLines(20);
    EXPECT_TRUE(ThumbAtTheBottom());
}

TEST_F(MemoTest, TextShowsInTheFontColourOnTheMemoColour) {
    AddLines(1);
    EXPECT_EQ(PixelAt(memo, 0, 0), 0x4E4D37);
    EXPECT_GT(CountColor(memo, {0, 0, 200, LineHeight() + 1}, clWhite), 0);
    EXPECT_EQ(PixelAt(memo, -2, 10), ColorToRGB(clBtnShadow)); // the sunken edge
}

TEST_F(MemoTest, ArrowsAndTheWheelScrollByLines) {
    AddLines(30);
    memo->SetTopLine(0);
    RunUntilIdle();
    Click(memo, memo->ClientWidth() + 8, memo->ClientHeight() - 8);
    EXPECT_EQ(memo->TopLine(), 1);
    memo->SetFocus();
    Wheel(memo, 50, 50, -120);
    EXPECT_EQ(memo->TopLine(), 4);
}

TEST_F(MemoTest, DraggingSelectsAcrossLines) {
    memo->Lines()->Add("abc");
    memo->Lines()->Add("def");
    RunUntilIdle();
    const TPoint from = At(0, 0);
    const TPoint to = At(1, TextWidth("de") + 1);
    MouseDown(memo, from.x, from.y);
    EXPECT_TRUE(memo->Focused());
    MouseMove(memo, to.x, to.y);
    MouseUp(memo, to.x, to.y);
    EXPECT_EQ(memo->SelText(), "abc\r\nde");
    EXPECT_EQ(memo->SelStart(), 0);
    EXPECT_EQ(memo->SelLength(), 7);
}

TEST_F(MemoTest, APressOnTheTextEndsWhenReleasedOverTheScrollBar) {
    memo->Lines()->Add("abc");
    RunUntilIdle();
    const TPoint from = At(0, 0);
    MouseDown(memo, from.x, from.y);
    MouseMove(memo, memo->ClientWidth() + 5, from.y);
    MouseUp(memo, memo->ClientWidth() + 5, from.y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(memo->SelText(), "abc");
    MouseMove(memo, from.x, from.y);
    EXPECT_EQ(memo->SelText(), "abc");
}

TEST_F(MemoTest, ShiftWithArrowsAndHomeEndSelectsFromTheKeyboard) {
    memo->Lines()->Add("first line");
    memo->Lines()->Add("second");
    memo->SetFocus();
    memo->SetSelStart(0);
    PressKey(VK_RIGHT, ssShift);
    PressKey(VK_RIGHT, ssShift);
    EXPECT_EQ(memo->SelText(), "fi");
    PressKey(VK_END, ssShift);
    EXPECT_EQ(memo->SelText(), "first line");
    PressKey(VK_DOWN, ssShift);
    EXPECT_EQ(memo->SelText(), "first line\r\nsecond");
    PressKey(VK_HOME);
    EXPECT_EQ(memo->SelLength(), 0);
    EXPECT_EQ(memo->CaretPos(), (TTextPos{1, 0}));
}

TEST_F(MemoTest, CtrlCAndCtrlInsertCopyTheSelectionToTheClipboard) {
    AddLines(3);
    memo->SetFocus();
    memo->SetSelStart(2);
    memo->SetSelLength(11);
    PressKey('C', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "Start Point");

    PressKey('A', ssCtrl);
    PressKey(VK_INSERT, ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), memo->MemoText());
    EXPECT_EQ(memo->SelLength(), static_cast<int>(memo->MemoText().size()));
}

TEST_F(MemoTest, TypingReplacesTheSelectionUnlessReadOnly) {
    memo->Lines()->Add("hello");
    memo->SetFocus();
    memo->SetSelStart(0);
    memo->SetSelLength(5);
    Type("bye");
    EXPECT_EQ(memo->Lines()->Strings(0), "bye");
    PressKey(VK_BACK);
    EXPECT_EQ(memo->Lines()->Strings(0), "by");
    PressKey(VK_RETURN);
    EXPECT_EQ(memo->MemoText(), "by\r\n\r\n");

    memo->SetReadOnly(true);
    Type("x");
    PressKey(VK_BACK);
    EXPECT_EQ(memo->MemoText(), "by\r\n\r\n");
}

TEST_F(MemoTest, ChangesRaiseOnChange) {
    int changes = 0;
    memo->OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    memo->Lines()->Add("one");
    EXPECT_EQ(changes, 1);
    memo->SetFocus();
    Type("ab");
    EXPECT_EQ(changes, 3);
    memo->Lines()->BeginUpdate();
    memo->Lines()->Add("two");
    memo->Lines()->Add("three");
    memo->Lines()->EndUpdate();
    EXPECT_EQ(changes, 4);
}

TEST_F(MemoTest, ClipboardPasteAndCut) {
    memo->Lines()->Add("abc");
    memo->SetFocus();
    memo->SetSelStart(1);
    memo->SetSelLength(1);
    PressKey('X', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "b");
    EXPECT_EQ(memo->Lines()->Strings(0), "ac");
    PressKey(VK_END);
    PressKey('V', ssCtrl);
    EXPECT_EQ(memo->Lines()->Strings(0), "acb");
}

TEST_F(MemoTest, DisabledMemoGreysItsTextAndTheArrowsOfItsBar) {
    AddLines(30);
    memo->SetTopLine(0);
    RunUntilIdle();
    const TPoint arrow{memo->ClientWidth() + 8, memo->ClientHeight() - 8};
    EXPECT_EQ(PixelAt(memo, arrow.x, arrow.y), ColorToRGB(clBtnText));
    memo->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(CountColor(memo, {0, 0, 200, LineHeight() + 1}, clWhite), 0);
    EXPECT_GT(CountColor(memo, {0, 0, 200, LineHeight() + 1}, clGrayText), 0);
    EXPECT_EQ(PixelAt(memo, arrow.x, arrow.y), ColorToRGB(clBtnShadow));
}

TEST_F(MemoTest, DoubleClickSelectsAWord) {
    memo->Lines()->Add("* Total Pixels = 100");
    RunUntilIdle();
    const TPoint p = At(0, TextWidth("* Total Pi"));
    DoubleClick(memo, p.x, p.y);
    EXPECT_EQ(memo->SelText(), "Pixels");
}

TEST_F(MemoTest, ALongLineScrollsSidewaysToKeepTheCaretInView) {
    memo->SetScrollBars(ssBoth);
    memo->Lines()->Add(std::string(200, 'x'));
    memo->SetFocus();
    memo->SetSelStart(0);
    EXPECT_EQ(memo->LeftOffset(), 0);
    PressKey(VK_END);
    EXPECT_GT(memo->LeftOffset(), 0);
    EXPECT_EQ(memo->ClientHeight(), 121 - 4 - 16);
    Click(memo, 8, memo->ClientHeight() + 8); // the horizontal bar's left arrow
    EXPECT_LT(memo->LeftOffset(), TextWidth(std::string(200, 'x')));
    PressKey(VK_HOME);
    EXPECT_EQ(memo->LeftOffset(), 0);
}

TEST_F(MemoTest, CtrlZUndoesTheLastEditAndAProgramChangeEndsUndo) {
    memo->Lines()->Add("abc");
    memo->SetFocus();
    memo->SetSelStart(3);
    Type("d");
    EXPECT_TRUE(memo->Modified());
    PressKey('Z', ssCtrl);
    EXPECT_EQ(memo->Lines()->Strings(0), "abc");
    EXPECT_EQ(memo->SelStart(), 3);

    memo->Lines()->Add("more");
    EXPECT_FALSE(memo->CanUndo());
}

TEST_F(MemoTest, PasteKeepsWhatFitsMaxLength) {
    memo->SetMaxLength(5);
    memo->SetFocus();
    Host().SetClipboardText("123456");
    PressKey('V', ssCtrl);
    EXPECT_EQ(memo->MemoText(), "12345");
}

TEST_F(MemoTest, CutWithoutASelectionLeavesTheClipboardAlone) {
    memo->Lines()->Add("abc");
    memo->SetFocus();
    Host().SetClipboardText("before");
    PressKey('X', ssCtrl);
    EXPECT_EQ(Host().ClipboardText(), "before");
    EXPECT_EQ(memo->Lines()->Strings(0), "abc");
}

TEST_F(MemoTest, TheProgramReplacesTheSelectionOfAReadOnlyMemo) {
    memo->Lines()->Add("abc");
    memo->SetReadOnly(true);
    memo->SetSelStart(0);
    memo->SetSelLength(1);
    memo->SetSelText("A");
    EXPECT_EQ(memo->Lines()->Strings(0), "Abc");
}
