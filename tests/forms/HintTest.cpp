#include "framework/forms/HintController.h"
#include "framework/forms/HintWindow.h"
#include "framework/stdctrls/Panel.h"
#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include <functional>
#include <string>

namespace {

class HintTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm(300, 200);
        panel = Place(new TPanel(form), form, 0, 0, 300, 100);
        inner = Place(new TPanel(form), panel, 10, 10, 80, 40);
        other = Place(new TPanel(form), form, 0, 120, 300, 80);
        panel->SetShowHint(true);
        panel->SetHint("The panel|What the status line would say");
        RunUntilIdle();
    }
    const THintWindow* Shown() const { return Application->Hints().Shown(); }
    std::string ShownText() const { return Shown() ? Shown()->Caption() : std::string("(none)"); }

    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TPanel* inner = nullptr; // no hint of its own
    TPanel* other = nullptr; // no hint anywhere
};

} // namespace

TEST_F(HintTest, AHintShowsAfterThePointerRestsOnAControlThatHasOne) {
    struct Case {
        const char* Name;
        std::function<void()> Arrange;
        std::string Shown; // after the pause; "(none)" for no hint
    };
    const Case cases[] = {
        {"the short part of the control's own hint", [this] {}, "The panel"},
        {"the parent's hint for a child without one", [this] { MouseMove(inner, 5, 5); },
         "The panel"},
        {"the child's own hint first",
         [this] {
             inner->SetHint("Inner");
             MouseMove(inner, 5, 5);
         },
         "Inner"},
        {"nothing where no control has a hint", [this] { MouseMove(other, 5, 5); }, "(none)"},
        {"nothing when the control does not show hints", [this] { panel->SetShowHint(false); },
         "(none)"},
        {"nothing when the application shows none",
         [this] { Application->Hints().SetEnabled(false); }, "(none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        MouseMove(panel, 150, 80);
        c.Arrange();
        RunFor(Application->Hints().Pause() - 1);
        EXPECT_EQ(ShownText(), "(none)") << "before the pause";
        RunFor(1);
        EXPECT_EQ(ShownText(), c.Shown);
        Application->Hints().Cancel();
        Application->Hints().SetEnabled(true);
        MoveMouseAway();
        RunUntilIdle();
    }
}

TEST_F(HintTest, TheHintIsDrawnInTheTooltipColoursBelowThePointer) {
    MouseMove(panel, 150, 80);
    RunFor(Application->Hints().Pause());
    ASSERT_TRUE(Shown());
    const TPoint pointer = panel->ClientToScreen({150, 80});
    EXPECT_EQ(Shown()->BoundsRect().Left, pointer.x);
    EXPECT_EQ(Shown()->BoundsRect().Top, pointer.y + 20);
    EXPECT_EQ(PixelAt(Shown(), 0, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(PixelAt(Shown(), 1, 1), ColorToRGB(clInfoBk));
    EXPECT_GT(Shown()->Width(), 6);
}

TEST_F(HintTest, AShownHintGoesAwayOnInputElsewhereOrAfterItsTime) {
    struct Case {
        const char* Name;
        std::function<void()> Act;
    };
    const Case cases[] = {
        {"its time runs out",
         [this] {
             RunFor(Application->Hints().HidePause());
         }},
        {"a press",
         [this] {
             Click(panel, 150, 80);
         }},
        {"a key",
         [this] {
             PressKey('A');
         }},
        {"the wheel",
         [this] {
             Wheel(panel, 150, 80, -120);
         }},
        {"the pointer moves to another control",
         [this] {
             MouseMove(other, 5, 5);
         }},
        {"the control is destroyed",
         [this] {
             delete panel;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        MouseMove(panel, 150, 80);
        RunFor(Application->Hints().Pause());
        ASSERT_EQ(ShownText(), "The panel");
        c.Act();
        RunUntilIdle();
        EXPECT_EQ(ShownText(), "(none)");
        MoveMouseAway();
        RunUntilIdle();
    }
}
