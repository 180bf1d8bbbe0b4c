#include "framework/forms/Menus.h"
#include "framework/stdctrls/Button.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

class MenuTest : public FrameworkTest {
protected:
    void SetUp() override {
        Form = NewForm();
        Menu = new TPopupMenu(Form);
        Open = AddItem(Menu->Items(), "&Open");
        AddItem(Menu->Items(), "-");
        Close = AddItem(Menu->Items(), "&Close");
    }

    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        item->OnClick = TNotifyEvent::FromFunction([this, item](TObject*) {
            Clicked.push_back(item->Caption());
            PopupsShownAtClick = VisiblePopups();
        });
        parent->Add(item);
        return item;
    }

    int VisiblePopups() const {
        int count = 0;
        for (const platform::HeadlessWindow* w : Host().Windows())
            count += w->Kind() == platform::WindowKind::Popup && w->Visible();
        return count;
    }
    // The popup window of the menu level that opened last.
    platform::HeadlessWindow* TopPopup() const {
        platform::HeadlessWindow* top = nullptr;
        for (platform::HeadlessWindow* w : Host().Windows())
            if (w->Kind() == platform::WindowKind::Popup && w->Visible())
                top = w;
        return top;
    }
    // Keys go to the form's window, where the menu loop picks them up.
    void WhenIdlePress(unsigned short vk) {
        Host().WhenIdle([this, vk] { Host().KeyPress(&HostWindowOf(Form), vk); });
    }

    TForm* Form = nullptr;
    TPopupMenu* Menu = nullptr;
    TMenuItem* Open = nullptr;
    TMenuItem* Close = nullptr;
    std::vector<std::string> Clicked;
    int PopupsShownAtClick = -1;
};

TEST_F(MenuTest, ClickOnAnItemClosesTheMenuThenRunsItsClick) {
    Host().WhenIdle([this] {
        ASSERT_NE(TopPopup(), nullptr);
        Host().Click(TopPopup(), 20, 8);
    });
    Menu->Popup(300, 200);
    EXPECT_EQ(VisiblePopups(), 0);
    EXPECT_TRUE(Clicked.empty());

    RunUntilIdle();
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Open"});
    EXPECT_EQ(PopupsShownAtClick, 0);
}

TEST_F(MenuTest, ItemUnderThePointerIsHighlighted) {
    TColor before = clNone;
    TColor under = clNone;
    Host().WhenIdle([&] {
        before = TopPopup()->PixelAt(10, 8);
        Host().MouseMove(TopPopup(), 10, 8);
    });
    Host().WhenIdle([&] {
        under = TopPopup()->PixelAt(10, 8);
        Host().KeyPress(&HostWindowOf(Form), VK_ESCAPE);
    });
    Menu->Popup(300, 200);
    EXPECT_EQ(before, ColorToRGB(clMenu));
    EXPECT_EQ(under, ColorToRGB(clHighlight));
}

TEST_F(MenuTest, EscapeOrAClickOutsideClosesWithoutAClick) {
    WhenIdlePress(VK_ESCAPE);
    Menu->Popup(300, 200);
    Host().WhenIdle([this] { Host().Click(&HostWindowOf(Form), 5, 5); });
    Menu->Popup(300, 200);
    RunUntilIdle();
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(Host().IdleStepsLeft(), 0u);
}

TEST_F(MenuTest, ArrowKeysSkipSeparatorsAndEnterChooses) {
    WhenIdlePress(VK_DOWN);
    WhenIdlePress(VK_DOWN);
    WhenIdlePress(VK_RETURN);
    Menu->Popup(300, 200);
    RunUntilIdle();
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Close"});
}

TEST_F(MenuTest, AcceleratorLetterChoosesItsItem) {
    WhenIdlePress('C');
    Menu->Popup(300, 200);
    RunUntilIdle();
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Close"});
}

TEST_F(MenuTest, DisabledItemCannotBeChosen) {
    Open->SetEnabled(false);
    Host().WhenIdle([this] { Host().Click(TopPopup(), 20, 8); });
    WhenIdlePress(VK_ESCAPE);
    Menu->Popup(300, 200);
    RunUntilIdle();
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(MenuTest, AlignmentPlacesTheMenuAgainstThePoint) {
    TRect bounds;
    const auto measure = [&] {
        bounds = TopPopup()->ClientBounds();
        Host().KeyPress(&HostWindowOf(Form), VK_ESCAPE);
    };
    Host().WhenIdle(measure);
    Menu->Popup(300, 200);
    EXPECT_EQ(bounds.Left, 300);
    EXPECT_EQ(bounds.Top, 200);

    Menu->SetAlignment(paRight);
    Host().WhenIdle(measure);
    Menu->Popup(300, 200);
    EXPECT_EQ(bounds.Right, 300);

    Menu->SetAlignment(paCenter);
    Host().WhenIdle(measure);
    Menu->Popup(300, 200);
    EXPECT_EQ((bounds.Left + bounds.Right) / 2, 300);
}

TEST_F(MenuTest, StaysOnTheScreen) {
    TRect bounds;
    Host().WhenIdle([&] {
        bounds = TopPopup()->ClientBounds();
        Host().KeyPress(&HostWindowOf(Form), VK_ESCAPE);
    });
    const TRect screen = Host().ScreenRect();
    Menu->Popup(screen.Right - 2, screen.Bottom - 2);
    EXPECT_LE(bounds.Right, screen.Right);
    EXPECT_LE(bounds.Bottom, screen.Bottom);
}

TEST_F(MenuTest, OnPopupRunsBeforeTheMenuShows) {
    int shownAtPopup = -1;
    Menu->OnPopup = TNotifyEvent::FromFunction([&](TObject*) { shownAtPopup = VisiblePopups(); });
    WhenIdlePress(VK_ESCAPE);
    Menu->Popup(300, 200);
    EXPECT_EQ(shownAtPopup, 0);
}

TEST_F(MenuTest, SubMenuOpensBesideItsItem) {
    TMenuItem* more = AddItem(Menu->Items(), "&More");
    AddItem(more, "&Deep");
    WhenIdlePress('M');
    Host().WhenIdle([this] {
        EXPECT_EQ(VisiblePopups(), 2);
        Host().Click(TopPopup(), 20, 8);
    });
    Menu->Popup(300, 200);
    RunUntilIdle();
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Deep"});
}

TEST_F(MenuTest, RightClickOnAControlShowsItsMenu) {
    auto* button = new TButton(Form);
    button->SetParent(Form);
    button->SetPopupMenu(Menu);
    RunUntilIdle();
    WhenIdlePress('O');
    Click(button, 10, 10, mbRight);
    RunUntilIdle();
    EXPECT_EQ(Menu->PopupComponent(), button);
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Open"});
}

TEST_F(MenuTest, RightClickShowsNoMenuWithoutAutoPopup) {
    auto* button = new TButton(Form);
    button->SetParent(Form);
    button->SetPopupMenu(Menu);
    Menu->SetAutoPopup(false);
    RunUntilIdle();
    Click(button, 10, 10, mbRight);
    EXPECT_EQ(Menu->PopupComponent(), nullptr);
    EXPECT_EQ(VisiblePopups(), 0);
}

TEST_F(MenuTest, KeyStateFollowsTheInputTheMenuTakes) {
    // The left button goes down outside the menu and comes up on an item; Shift is pressed
    // and released while the menu is open.
    Host().MouseDown(&HostWindowOf(Form), 5, 5);
    RunUntilIdle();
    ASSERT_LT(GetKeyState(VK_LBUTTON), 0);
    bool shiftSeenDown = false;
    Host().WhenIdle([this] { Host().KeyDown(&HostWindowOf(Form), VK_SHIFT, platform::ModShift); });
    Host().WhenIdle([&] {
        shiftSeenDown = GetKeyState(VK_SHIFT) < 0;
        Host().KeyUp(&HostWindowOf(Form), VK_SHIFT);
    });
    Host().WhenIdle([this] { Host().MouseUp(TopPopup(), 20, 8); });
    Menu->Popup(300, 200);
    EXPECT_TRUE(shiftSeenDown);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

TEST_F(MenuTest, ItemsLeaveTheirParentWhenDestroyed) {
    EXPECT_EQ(Menu->Items()->Count(), 3);
    delete Open;
    EXPECT_EQ(Menu->Items()->Count(), 2);
    EXPECT_EQ(Menu->Items()->IndexOf(Close), 1);
    EXPECT_EQ(Close->GetParentComponent(), Menu);
}

} // namespace
