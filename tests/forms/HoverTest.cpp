#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/forms/Menus.h"
#include "framework/windows/Win32Api.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Logs the hover notifications it gets; like a hover-tracking button it can announce its own
// entry on its first move inside.
template <class Base> class THoverProbe : public Base {
public:
    THoverProbe(TComponent* owner, Lines& log, std::string name)
        : Base(owner), FShared(log), FName(std::move(name)) {}
    bool EntersOnFirstMove = false;
    bool Inside = false;

    void WndProc(TMessage& message) override {
        if (message.Msg == CM_MOUSEENTER && message.LParam == 0) {
            FShared.push_back(FName + " enter");
            Inside = true;
        } else if (message.Msg == CM_MOUSELEAVE && message.LParam == 0) {
            FShared.push_back(FName + " leave");
            Inside = false;
        } else if (message.Msg == WM_MOUSEMOVE && EntersOnFirstMove && !Inside) {
            this->Perform(CM_MOUSEENTER);
        }
        Base::WndProc(message);
    }

private:
    Lines& FShared;
    std::string FName;
};

class HoverTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm(300, 200);
        a = Place(new THoverProbe<TPaintProbe>(form, log, "a"), form, 10, 10, 50, 50);
        b = Place(new THoverProbe<TGraphicProbe>(form, log, "b"), form, 100, 10, 50, 50);
        RunUntilIdle();
        log.clear();
    }
    Lines log;
    TForm* form = nullptr;
    THoverProbe<TPaintProbe>* a = nullptr;
    THoverProbe<TGraphicProbe>* b = nullptr;
};

TEST_F(HoverTest, MovingFromOneControlToAnotherLeavesTheFirstAndEntersTheSecond) {
    MouseMove(a, 5, 5);
    MouseMove(a, 6, 6);
    MouseMove(b, 5, 5);
    EXPECT_EQ(log, (Lines{"a enter", "a leave", "b enter"}));
}

TEST_F(HoverTest, LeavingTheProgramsWindowsLeavesTheControl) {
    MouseMove(b, 5, 5);
    MoveMouseAway();
    EXPECT_EQ(log, (Lines{"b enter", "b leave"}));
}

TEST_F(HoverTest, AControlThatAnnouncesItsOwnEntryIsEnteredTwice) {
    a->EntersOnFirstMove = true;
    MouseMove(a, 5, 5);
    EXPECT_EQ(log, (Lines{"a enter", "a enter"}));
}

TEST_F(HoverTest, ADisabledControlIsStillFoundUnderThePointer) {
    b->SetEnabled(false);
    MouseMove(b, 5, 5);
    EXPECT_EQ(log, (Lines{"b enter"}));
}

TEST_F(HoverTest, WhileTheMouseIsCapturedOnlyTheCapturingControlHears) {
    MouseDown(a, 5, 5);
    MouseMove(b, 5, 5, ssLeft);
    MouseMove(a, 5, 5, ssLeft);
    MouseUp(a, 5, 5);
    MouseMove(b, 5, 5);
    EXPECT_EQ(log, (Lines{"a enter", "a leave", "a enter", "a leave", "b enter"}));
}

TEST_F(HoverTest, AControlEnteredBeforeAMenuOpensHearsOfLeavingOnceTheMenuHasClosed) {
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("Item");
    menu->Items()->Add(item);
    MouseMove(a, 5, 5);
    const auto popup = [this]() -> platform::HeadlessWindow* {
        for (platform::HeadlessWindow* w : Host().Windows())
            if (w->Kind() == platform::WindowKind::Popup && w->Visible())
                return w;
        return nullptr;
    };
    Host().WhenIdle([&] { Host().MouseMove(popup(), 20, 8); });
    Host().WhenIdle([&] { Host().Click(popup(), 20, 8); });
    const TPoint below = a->ClientToScreen({0, a->Height()});
    menu->Popup(below.x, below.y);
    RunUntilIdle();
    EXPECT_EQ(log, (Lines{"a enter", "a leave"}));
}

TEST_F(HoverTest, AControlInDesignModeCountsAsNone) {
    b->SetDesigning(true);
    MouseMove(b, 5, 5);
    MouseMove(a, 5, 5);
    EXPECT_EQ(log, (Lines{"a enter"}));
}

TEST_F(HoverTest, ADestroyedControlIsForgotten) {
    MouseMove(a, 5, 5);
    delete a;
    MouseMove(b, 5, 5);
    EXPECT_EQ(log, (Lines{"a enter", "b enter"}));
}

TEST_F(HoverTest, TheLoopChecksWhenItRunsEmptyAndAgainAfterATimerMessage) {
    MouseMove(a, 5, 5);
    SetTimer(a->Handle(), 1, 100, nullptr);
    Host().SetCursorPos(a->ClientToScreen({500, 5})); // gone without a message
    Application->HandleMessage(); // nothing pending: the check, then the wait for the timer
    EXPECT_EQ(log, (Lines{"a enter", "a leave"}));
    Host().SetCursorPos(a->ClientToScreen({5, 5}));
    Application->HandleMessage(); // the timer message
    Application->HandleMessage(); // empty again: the check
    EXPECT_EQ(log, (Lines{"a enter", "a leave", "a enter"}));
}

} // namespace
