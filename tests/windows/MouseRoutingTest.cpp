#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/windows/Win32Api.h"

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class MouseRoutingTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm(300, 200);
        probe = Place(new TPaintProbe(form), form, 10, 10, 100, 50);
        RunUntilIdle();
    }
    TForm* form = nullptr;
    TPaintProbe* probe = nullptr;
};

TEST_F(MouseRoutingTest, PressAndReleaseInsideClickThenMouseUp) {
    Click(probe, 20, 30);
    EXPECT_EQ(probe->Log, (Log{"down L 20,30", "click", "up L 20,30"}));
}

TEST_F(MouseRoutingTest, TheCaptureFollowsThePointerOutsideAndAReleaseThereIsNoClick) {
    MouseDown(probe, 20, 30);
    EXPECT_EQ(GetCaptureControl(), probe);
    MouseMove(probe, 150, 80, ssLeft);
    MouseUp(probe, 150, 80);
    EXPECT_EQ(probe->Log, (Log{"down L 20,30", "move 150,80", "up L 150,80"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseRoutingTest, AReleaseGivesUpOnlyTheCaptureItsPressTook) {
    struct Case {
        const char* asks;
        bool beforePress;
        void (*ask)(TPaintProbe&);
        bool kept;
    };
    const std::vector<Case> cases{
        {"nothing", false, [](TPaintProbe&) {}, false},
        {"SetCapture during the press", false, [](TPaintProbe& p) { SetCapture(p.Handle()); },
         true},
        {"MouseCapture during the press", false, [](TPaintProbe& p) { p.SetMouseCapture(true); },
         true},
        {"SetCapture before the press", true, [](TPaintProbe& p) { SetCapture(p.Handle()); }, true},
    };
    for (const Case& c : cases) {
        if (c.beforePress)
            c.ask(*probe);
        MouseDown(probe, 20, 30);
        if (!c.beforePress)
            c.ask(*probe);
        MouseMove(probe, 150, 80);
        MouseUp(probe, 150, 80);
        EXPECT_EQ(GetCapture() == probe->Handle(), c.kept) << c.asks;
        ReleaseCapture();
    }
}

TEST_F(MouseRoutingTest, MovingBackInsideBeforeTheReleaseStillClicks) {
    MouseDown(probe, 20, 30);
    MouseMove(probe, 150, 80, ssLeft);
    MouseMove(probe, 99, 49, ssLeft);
    MouseUp(probe, 99, 49);
    EXPECT_EQ(probe->Log.back(), "up L 99,49");
    EXPECT_EQ(probe->Log[probe->Log.size() - 2], "click");
}

TEST_F(MouseRoutingTest, TheLeftButtonStateHoldsOnlyWhileTheButtonIsDown) {
    MouseDown(probe, 5, 5);
    EXPECT_EQ(probe->ControlState(), csLButtonDown | csClicked);
    MouseUp(probe, 5, 5);
    EXPECT_EQ(probe->ControlState(), 0u);
}

TEST_F(MouseRoutingTest, TheSecondPressOfADoubleClickIsADoubleClickForControlsThatWantOne) {
    DoubleClick(probe, 5, 5);
    EXPECT_EQ(probe->Log, (Log{"down L 5,5", "click", "up L 5,5", "dblclick", "down L 5,5 double",
                               "up L 5,5"}));
}

TEST_F(MouseRoutingTest, WithoutDoubleClicksTheSecondPressIsAnotherClick) {
    probe->SetControlStyle(probe->ControlStyle() & ~csDoubleClicks);
    DoubleClick(probe, 5, 5);
    EXPECT_EQ(probe->Log,
              (Log{"down L 5,5", "click", "up L 5,5", "down L 5,5", "click", "up L 5,5"}));
}

TEST_F(MouseRoutingTest, RightAndMiddleButtonsMakeNoClick) {
    Click(probe, 1, 2, mbRight);
    Click(probe, 3, 4, mbMiddle);
    EXPECT_EQ(probe->Log, (Log{"down R 1,2", "up R 1,2", "down M 3,4", "up M 3,4"}));
}

TEST_F(MouseRoutingTest, ShiftStateCarriesKeysAndButtons) {
    MouseDown(probe, 5, 5, mbLeft, ssShift);
    EXPECT_TRUE(probe->LastShift.Contains(ssShift));
    EXPECT_TRUE(probe->LastShift.Contains(ssLeft));
    EXPECT_FALSE(probe->LastShift.Contains(ssCtrl));
}

TEST_F(MouseRoutingTest, ADisabledWindowSwallowsTheInput) {
    probe->SetEnabled(false);
    RunUntilIdle();
    Click(probe, 5, 5);
    EXPECT_TRUE(probe->Log.empty());
}

TEST_F(MouseRoutingTest, AGraphicControlGetsItsInputThroughItsParentInItsOwnCoordinates) {
    auto* graphic = Place(new TGraphicProbe(form), probe, 40, 10, 20, 20);
    RunUntilIdle();
    Click(graphic, 3, 4);
    EXPECT_EQ(graphic->Log, (Log{"down L 3,4", "click", "up L 3,4"}));
    EXPECT_TRUE(probe->Log.empty());
    Click(probe, 5, 5);
    EXPECT_EQ(probe->Log.size(), 3u);
}

TEST_F(MouseRoutingTest, AGraphicControlHoldingTheCaptureGetsMovesOutsideIt) {
    auto* graphic = Place(new TGraphicProbe(form), probe, 40, 10, 20, 20);
    RunUntilIdle();
    MouseDown(graphic, 3, 4);
    EXPECT_EQ(GetCaptureControl(), graphic);
    EXPECT_EQ(GetCapture(), probe->Handle());
    MouseMove(graphic, -30, 5, ssLeft);
    MouseUp(graphic, -30, 5);
    EXPECT_EQ(graphic->Log, (Log{"down L 3,4", "move -30,5", "up L -30,5"}));
    EXPECT_TRUE(probe->Log.empty());
}

TEST_F(MouseRoutingTest, ADisabledGraphicControlLeavesTheInputToItsParent) {
    auto* graphic = Place(new TGraphicProbe(form), probe, 40, 10, 20, 20);
    graphic->SetEnabled(false);
    RunUntilIdle();
    Click(graphic, 3, 4);
    EXPECT_TRUE(graphic->Log.empty());
    EXPECT_EQ(probe->Log.front(), "down L 43,14");
}

TEST_F(MouseRoutingTest, TheWheelGoesToTheControlUnderThePointerThenUpItsParents) {
    auto* inner = Place(new TPaintProbe(form), probe, 0, 0, 10, 10);
    auto* other = Place(new TPaintProbe(form), form, 150, 100, 40, 40);
    RunUntilIdle();
    std::vector<std::string> wheel;
    const auto record = [&wheel](const std::string& name) {
        return TMouseWheelEvent::FromFunction(
            [&wheel, name](TObject*, TShiftState, int delta, TPoint, bool& handled) {
                wheel.push_back(name + " " + std::to_string(delta));
                handled = true;
            });
    };
    probe->OnMouseWheel = record("probe");
    other->OnMouseWheel = record("other");
    const struct {
        TPaintProbe* focused;
        const TControl* over;
        std::string expected;
    } cases[] = {
        {inner, probe, "probe -120"},
        {inner, other, "other -120"}, // not to the focused control
        {other, inner, "probe -120"}, // inner takes none and passes it up
    };
    for (const auto& c : cases) {
        wheel.clear();
        c.focused->SetFocus();
        Wheel(c.over, 5, 5, -120);
        EXPECT_EQ(wheel, (std::vector<std::string>{c.expected})) << c.expected;
    }
}

class TRecordingMenu : public TPopupMenuBase {
public:
    using TPopupMenuBase::TPopupMenuBase;
    std::vector<TPoint> Shown;
    void Popup(int x, int y) override { Shown.push_back({x, y}); }
};

TEST_F(MouseRoutingTest, ARightClickShowsThePopupMenuAtTheScreenPoint) {
    auto* menu = new TRecordingMenu(form);
    probe->SetPopupMenu(menu);
    Click(probe, 7, 8, mbRight);
    ASSERT_EQ(menu->Shown.size(), 1u);
    EXPECT_EQ(menu->Shown[0], probe->ClientToScreen({7, 8}));
    EXPECT_EQ(menu->PopupComponent(), probe);
}

TEST_F(MouseRoutingTest, AChildWithoutAMenuShowsItsParents) {
    auto* menu = new TRecordingMenu(form);
    form->SetPopupMenu(menu);
    Click(probe, 7, 8, mbRight);
    EXPECT_EQ(menu->Shown.size(), 1u);
}

TEST_F(MouseRoutingTest, ADestroyedMenuIsForgotten) {
    auto* menu = new TRecordingMenu(form);
    probe->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(probe->PopupMenu(), nullptr);
    Click(probe, 7, 8, mbRight);
    EXPECT_EQ(probe->Log.size(), 2u);
}

TEST_F(MouseRoutingTest, TheKeyStateTableFollowsButtonsAndModifiers) {
    BYTE keys[256] = {};
    MouseDown(probe, 5, 5, mbLeft, ssCtrl);
    GetKeyboardState(keys);
    EXPECT_NE(keys[VK_LBUTTON] & 0x80, 0);
    EXPECT_NE(keys[VK_CONTROL] & 0x80, 0);
    EXPECT_EQ(keys[VK_SHIFT] & 0x80, 0);
    MouseUp(probe, 5, 5);
    GetKeyboardState(keys);
    EXPECT_EQ(keys[VK_LBUTTON] & 0x80, 0);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}

TEST_F(MouseRoutingTest, TheCursorOfTheControlUnderThePointerShows) {
    probe->SetCursor(crCross);
    MouseMove(probe, 5, 5);
    EXPECT_EQ(HostWindowOf(probe).Cursor(), platform::CursorShape::Cross);
    MouseMove(form, 250, 150);
    EXPECT_EQ(HostWindowOf(probe).Cursor(), platform::CursorShape::Arrow);
}

} // namespace
