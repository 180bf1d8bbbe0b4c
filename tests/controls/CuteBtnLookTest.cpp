// The button's look transition table, one case per row: what the user does, and the value of
// BevelOuter afterwards (and, for keyboard actions, while OnClick runs).

#include "tests/controls/CuteBtnTest.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace {

class CuteBtnLookTest;

struct TLookRow {
    const char* Trigger;
    const char* Condition;
    std::function<void(CuteBtnLookTest&)> Act;
    TBevelCut After;
    std::optional<TBevelCut> InClick = std::nullopt;
};

void PrintTo(const TLookRow& row, std::ostream* out) {
    *out << row.Trigger << " (" << row.Condition << ")";
}

// Opens the fixture's helpers to the rows.
class CuteBtnLookTest : public CuteBtnTest, public ::testing::WithParamInterface<TLookRow> {
public:
    using CuteBtnTest::FocusElsewhere;
    using CuteBtnTest::KeyDown;
    using CuteBtnTest::KeyUp;
    using CuteBtnTest::MouseDown;
    using CuteBtnTest::MouseMove;
    using CuteBtnTest::MouseUp;
    using CuteBtnTest::MoveMouseAway;
    using CuteBtnTest::Other;
    using CuteBtnTest::PressKey;
    TCuteButton* Btn() const { return Button; }
};

const TLookRow Rows[] = {
    {"construction", "none", [](CuteBtnLookTest&) {}, bvNone},
    // The drag holds the capture through no control of its own, so the button hears the
    // pointer entering.
    {"MouseEnter", "the owner form's active control is being dragged",
     [](CuteBtnLookTest& l) {
         l.FocusElsewhere();
         l.Other->BeginDrag(true);
         l.MouseMove(l.Btn(), 5, 5, ssLeft);
     },
     bvNone},
    {"MouseEnter", "active control not being dragged",
     [](CuteBtnLookTest& l) {
         l.FocusElsewhere();
         l.MouseMove(l.Btn(), 5, 5);
     },
     bvRaised},
    {"MouseEnter", "ssLeft held", [](CuteBtnLookTest& l) { l.MouseMove(l.Btn(), 5, 5, ssLeft); },
     bvLowered},
    {"MouseEnter", "otherwise", [](CuteBtnLookTest& l) { l.MouseMove(l.Btn(), 5, 5); }, bvRaised},
    {"MouseLeave", "focused and TabFocusUp",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetFocus();
         l.MouseMove(l.Btn(), 5, 5);
         l.MoveMouseAway();
     },
     bvRaised},
    {"MouseLeave", "otherwise",
     [](CuteBtnLookTest& l) {
         l.MouseMove(l.Btn(), 5, 5);
         l.MoveMouseAway();
     },
     bvNone},
    {"DoEnter", "TabFocusUp", [](CuteBtnLookTest& l) { l.Btn()->SetFocus(); }, bvRaised},
    {"DoExit", "none, the pointer staying over the button",
     [](CuteBtnLookTest& l) {
         l.MouseMove(l.Btn(), 5, 5);
         l.Btn()->SetFocus();
         l.FocusElsewhere();
     },
     bvNone},
    {"MouseDown", "left button", [](CuteBtnLookTest& l) { l.MouseDown(l.Btn(), 5, 5); }, bvLowered},
    {"MouseUp", "left button, inside the client rectangle",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetTabFocusUp(false);
         l.MouseDown(l.Btn(), 5, 5);
         l.MouseUp(l.Btn(), 74, 24);
     },
     bvRaised},
    {"MouseUp", "left button, outside, TabFocusUp, the form's active control",
     [](CuteBtnLookTest& l) {
         l.MouseDown(l.Btn(), 5, 5);
         l.MouseUp(l.Btn(), 75, 5);
     },
     bvRaised},
    {"MouseUp", "left button, otherwise",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetTabFocusUp(false);
         l.MouseDown(l.Btn(), 5, 5);
         l.MouseUp(l.Btn(), 5, 25);
     },
     bvNone},
    {"KeyDown space", "enabled",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetFocus();
         l.KeyDown(VK_SPACE, {}, " ");
     },
     bvLowered},
    {"KeyDown Enter", "enabled",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetFocus();
         l.PressKey(VK_RETURN);
     },
     bvRaised, bvLowered},
    {"KeyDown other key", "space held",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetFocus();
         l.KeyDown(VK_SPACE, {}, " ");
         l.KeyDown('A', {}, "a");
     },
     bvRaised},
    {"KeyUp space", "space held",
     [](CuteBtnLookTest& l) {
         l.Btn()->SetFocus();
         l.KeyDown(VK_SPACE, {}, " ");
         l.KeyUp(VK_SPACE);
     },
     bvRaised, bvLowered},
    {"CM_DIALOGCHAR", "accelerator accepted", [](CuteBtnLookTest& l) { l.PressKey('G', ssAlt); },
     bvRaised, bvLowered},
};

TEST_P(CuteBtnLookTest, GivesTheLookOfItsRow) {
    const TLookRow& row = GetParam();
    SCOPED_TRACE(std::string(row.Trigger) + ", " + row.Condition);
    row.Act(*this);
    EXPECT_EQ(Look(), row.After);
    if (row.InClick) {
        EXPECT_EQ(Clicks, 1);
        EXPECT_EQ(LookInClick, *row.InClick);
    }
}

INSTANTIATE_TEST_SUITE_P(TransitionTable, CuteBtnLookTest, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<TLookRow>& row) {
                             return "Row" + std::to_string(row.index);
                         });

} // namespace
