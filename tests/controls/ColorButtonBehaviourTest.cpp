#include "tests/controls/ColorButtonTest.h"

#include "framework/stdctrls/Edit.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/streaming/PropertyJson.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class ColorButtonBehaviourTest : public ColorButtonTest {
protected:
    TColorButton* NewLoggingButton(const std::string& caption = "Go") {
        TColorButton* b = NewButton(caption);
        b->OnMouseEnter = TNotifyEvent::FromFunction([this, b](TObject* sender) {
            EXPECT_EQ(sender, b);
            log.push_back("enter");
        });
        b->OnMouseLeave = TNotifyEvent::FromFunction([this](TObject*) { log.push_back("leave"); });
        b->OnClick = TNotifyEvent::FromFunction([this](TObject*) { log.push_back("click"); });
        return b;
    }
    int Presents(const TControl* control) const { return HostWindowOf(control).PresentCount(); }

    Lines log;
};

// The pointer may go straight to another application's window, which sends this program no
// mouse message: the loop then only wakes for a timer, and the hover timer is that timer.
TEST_F(ColorButtonBehaviourTest, HoverTimerBringsTheLeaveAfterThePointerLeftTheProgram) {
    TColorButton* b = NewLoggingButton();
    MouseMove(b, 5, 5);
    EXPECT_EQ(log, (Lines{"enter"})); // the idle check's second enter finds the flag set
    EXPECT_EQ(WindowManager().TimeToNextTimer(), 100);
    Host().Advance(60);
    MouseMove(b, 6, 6);
    EXPECT_EQ(WindowManager().TimeToNextTimer(), 100);

    Host().SetCursorPos({-10000, -10000});
    RunFor(100);
    EXPECT_EQ(log, (Lines{"enter", "leave"}));
    EXPECT_EQ(WindowManager().TimeToNextTimer(), -1); // it fired once and ended itself
}

TEST_F(ColorButtonBehaviourTest, EventsFireInEveryStyle) {
    TColorButton* b = NewLoggingButton();
    b->SetMBStyle(bsNone);
    MouseMove(b, 5, 5);
    MoveMouseAway();
    EXPECT_EQ(log, (Lines{"enter", "leave"}));
}

TEST_F(ColorButtonBehaviourTest, DestroyingTheHoveredButtonEndsItsTimer) {
    TColorButton* b = NewLoggingButton();
    b->CaptionLines()->Add("kept until the window is gone");
    b->SetFocus();
    MouseMove(b, 5, 5);
    ASSERT_EQ(WindowManager().TimeToNextTimer(), 100);
    delete b;
    EXPECT_EQ(WindowManager().TimeToNextTimer(), -1);
    RunFor(200);
}

TEST_F(ColorButtonBehaviourTest, DoubleClickClicksTwice) {
    TColorButton* b = NewLoggingButton();
    DoubleClick(b, 30, 12);
    EXPECT_EQ(std::count(log.begin(), log.end(), "click"), 2);
}

TEST_F(ColorButtonBehaviourTest, KeepsTheDefaultAndAcceleratorRolesOfAButton) {
    form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 100, 80, 21);
    TColorButton* b = NewLoggingButton("&Go");
    b->SetDefault(true);
    edit->SetFocus();
    RunUntilIdle();
    PressKey(VK_RETURN, {}, "\r");
    PressKey('G', ssAlt);
    EXPECT_EQ(log, (Lines{"click", "click"}));
}

TEST_F(ColorButtonBehaviourTest, WindowStaysOwnerDrawnAndMeasuresItsSize) {
    form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    TColorButton* b = NewButton();
    b->SetDefault(true);
    b->RecreateWnd();
    edit->SetFocus();
    b->SetFocus();
    RunUntilIdle();
    EXPECT_EQ(GetWindowLong(b->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_BUTTON;
    measure.CtlID = GetWindowLong(b->Handle(), GWL_ID);
    SendMessage(form->Handle(), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 75u);
    EXPECT_EQ(measure.itemHeight, 25u);
}

TEST_F(ColorButtonBehaviourTest, EqualValuesRepaintNothing) {
    TColorButton* b = NewButton("");
    b->CaptionLines()->Add("one");
    RunUntilIdle();
    const int before = Presents(b);

    TStringList same;
    same.Add("one");
    b->SetCaptionLines(&same);
    b->SetCapAlignH(haCenter);
    b->SetCapAlignV(vaCenter);
    b->SetMBStyle(bsStd);
    b->SetCapFixed(true);
    b->SetFocusline(true);
    b->SetCapOffsetH(0);
    b->SetCapOffsetV(0);
    b->SetFrameColor(Frame);
    b->SetEdgeHighlight(Highlight);
    b->SetEdgeShadow(Shadow);
    b->SetColor(Face);
    b->SetButtonStyle(false);
    b->CaptionLines()->Add("two"); // in place: shows at the next repaint only
    RunUntilIdle();
    EXPECT_EQ(Presents(b), before);

    b->SetCapOffsetV(1);
    RunUntilIdle();
    EXPECT_GT(Presents(b), before);
}

TEST_F(ColorButtonBehaviourTest, CaptionLinesAreCopiedNotKept) {
    TColorButton* b = NewButton("");
    TStringList lines;
    lines.SetLines({"a", "b"});
    b->SetCaptionLines(&lines);
    lines.Add("c");
    EXPECT_EQ(b->CaptionLines()->Text(), "a\r\nb\r\n");
    b->SetCaptionLines(nullptr);
    EXPECT_EQ(b->CaptionLines()->Count(), 0);
}

// The file records every button's CaptionLines, empty ones too, since the property declares no
// default, and leaves out the alignments and styles that keep theirs.
TEST_F(ColorButtonBehaviourTest, AFormRecordsEmptyCaptionLinesAndLeavesOutKeptDefaults) {
    RegisterClass(TColorButton::StaticClass());
    auto* root = new TForm(Application);
    ReadComponent(root, R"({"class": "TForm", "name": "Buttons", "components": [
        {"class": "TColorButton", "name": "Plain", "properties": {"Caption": "Hover me"}},
        {"class": "TColorButton", "name": "Lines",
         "properties": {"CaptionLines": ["Three", "lines,", "left"], "CapAlignH": "haLeft"}}]})",
                  "buttons.json");
    const TJson written = TJson::parse(WriteComponent(root));
    const TJson& plain = written["components"][0]["properties"];
    EXPECT_EQ(plain["CaptionLines"], TJson::array());
    EXPECT_FALSE(plain.contains("CapAlignH") || plain.contains("ButtonStyle"));
    const TJson& lines = written["components"][1]["properties"];
    EXPECT_EQ(lines["CaptionLines"], TJson({"Three", "lines,", "left"}));
    EXPECT_EQ(lines["CapAlignH"], "haLeft");
}

} // namespace
