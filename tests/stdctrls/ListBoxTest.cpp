#include "framework/stdctrls/ListBox.h"

#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

class ListBoxTest : public FrameworkTest {
protected:
    void SetUp() override {
        TForm* form = NewForm();
        list = new TListBox(form);
        list->SetParent(form);
        list->SetItems({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
        // Four whole lines show.
        list->SetBounds(10, 10, 100, 4 * list->ItemHeight() + 4);
        list->OnClick = TNotifyEvent::FromFunction([this](TObject*) { ++clicks; });
        list->OnDblClick = TNotifyEvent::FromFunction([this](TObject*) { ++doubleClicks; });
        RunUntilIdle();
    }

    TListBox* list = nullptr;
    int clicks = 0;
    int doubleClicks = 0;
};

} // namespace

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
    struct {
        unsigned short Key;
        int Index;
        int Top;
    } const steps[] = {
        {VK_DOWN, 0, 0},  // from none to the first
        {VK_UP, 0, 0},    // stays at the first
        {VK_NEXT, 4, 1},  // a page down, scrolled so that it shows
        {VK_END, 9, 6},   // the last line at the bottom
        {VK_DOWN, 9, 6},  // stays at the last
        {VK_PRIOR, 5, 5}, // a page up
        {VK_HOME, 0, 0},
    };
    list->SetFocus();
    int expectedClicks = 0;
    for (const auto& step : steps) {
        const int before = list->ItemIndex();
        PressKey(step.Key);
        expectedClicks += list->ItemIndex() != before;
        EXPECT_EQ(list->ItemIndex(), step.Index) << step.Key;
        EXPECT_EQ(list->TopIndex(), step.Top) << step.Key;
    }
    EXPECT_EQ(clicks, expectedClicks) << "OnClick for each change, and only then";
}

TEST_F(ListBoxTest, TheMouseSelectsScrollsAndDoubleClicks) {
    const int h = list->ItemHeight();
    Click(list, 20, 2 * h + 1);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(PixelAt(list, 60, 2 * h + 1), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(list, 60, h + 1), ColorToRGB(clWindow));
    Wheel(list, 20, 5, -120);
    EXPECT_EQ(list->TopIndex(), 3);
    Wheel(list, 20, 5, -360);
    EXPECT_EQ(list->TopIndex(), 6) << "no further than the last line at the bottom";
    DoubleClick(list, 20, 1);
    EXPECT_EQ(list->ItemIndex(), 6);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 2);
}
