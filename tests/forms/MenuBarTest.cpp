#include "framework/forms/MenuBar.h"
#include "framework/forms/MainMenu.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

class MenuBarTest : public FrameworkTest {
protected:
    void SetUp() override {
        Form = NewForm(400, 200);
        Menu = new TMainMenu(Form);
        Bar = new TMenuBar(Form);
        Bar->SetMenu(Menu);
        Bar->SetParent(Form);
        TMenuItem* file = AddItem(Menu->Items(), "&File");
        AddItem(file, "&Save", "Ctrl+S");
        TMenuItem* edit = AddItem(Menu->Items(), "&Edit");
        AddItem(edit, "&Undo", "Ctrl+Z");
        AddItem(edit, "&Redo", "Shift+Ctrl+Z")->SetEnabled(false);
        RunUntilIdle();
    }

    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption,
                       const std::string& shortCut = {}) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        item->SetShortCut(shortCut);
        item->OnClick = TNotifyEvent::FromFunction(
            [this, item](TObject*) { Clicked.push_back(item->Caption()); });
        parent->Add(item);
        return item;
    }

    platform::HeadlessWindow* Popup() const {
        for (platform::HeadlessWindow* w : Host().Windows())
            if (w->Kind() == platform::WindowKind::Popup && w->Visible())
                return w;
        return nullptr;
    }

    TForm* Form = nullptr;
    TMainMenu* Menu = nullptr;
    TMenuBar* Bar = nullptr;
    std::vector<std::string> Clicked;
};

} // namespace

TEST(MenuItemTest, KnowsItsShortCut) {
    struct {
        const char* ShortCut;
        unsigned short Key;
        unsigned Shift;
        bool Matches;
    } const cases[] = {
        {"Ctrl+S", 'S', ssCtrl, true},
        {"Ctrl+S", 'S', ssCtrl | ssShift, false},
        {"Ctrl+S", 'S', 0, false},
        {"Ctrl+S", 'N', ssCtrl, false},
        {"Shift+Ctrl+Z", 'Z', ssShift | ssCtrl, true},
        {"Alt+1", '1', ssAlt | ssLeft, true},
        {"F5", VK_F1 + 4, 0, true},
        {"F12", VK_F1 + 11, 0, true},
        {"F13", VK_F1 + 12, 0, false},
        {"Del", VK_DELETE, 0, true},
        {"Ins", VK_INSERT, 0, true},
        {"Ctrl+", 'S', ssCtrl, false},
        {"Hyper+S", 'S', 0, false},
        {"", 0, 0, false},
    };
    for (const auto& c : cases) {
        TMenuItem item(nullptr);
        item.SetShortCut(c.ShortCut);
        EXPECT_EQ(item.IsShortCut(c.Key, c.Shift), c.Matches) << c.ShortCut << " " << c.Key;
    }
}

TEST_F(MenuBarTest, ShortCutsAndAltWithATitlesLetterReachTheItems) {
    struct {
        const char* What;
        std::vector<unsigned short> Keys; // after the first, each pressed inside the menu
        unsigned Shift;
        std::vector<std::string> Clicked;
    } const cases[] = {
        {"a short cut", {'Z'}, ssCtrl, {"&Undo"}},
        {"a disabled item's short cut", {'Z'}, ssCtrl | ssShift, {}},
        {"Alt and the title's letter, then Enter",
         {'E', VK_DOWN, VK_RETURN},
         ssAlt,
         {"&Edit", "&Undo"}},
    };
    for (const auto& c : cases) {
        Clicked.clear();
        for (std::size_t i = 1; i < c.Keys.size(); ++i)
            Host().WhenIdle([this, key = c.Keys[i]] { Host().KeyPress(&HostWindowOf(Form), key); });
        if (c.Shift & ssAlt)
            Host().KeyPress(&HostWindowOf(Form), c.Keys[0], platform::ModAlt,
                            std::string(1, static_cast<char>(c.Keys[0] - 'A' + 'a')));
        else
            EXPECT_EQ(Menu->IsShortCut(c.Keys[0], c.Shift), !c.Clicked.empty()) << c.What;
        RunUntilIdle();
        EXPECT_EQ(Clicked, c.Clicked) << c.What;
    }
}

TEST_F(MenuBarTest, AClickDropsTheTitlesItemsBelowIt) {
    const TRect edit = Bar->TitleRect(1);
    EXPECT_EQ(Bar->TitleAt(edit.Left), 1);
    EXPECT_EQ(Bar->TitleAt(Bar->TitleRect(0).Left), 0);
    EXPECT_EQ(Bar->TitleAt(Bar->Width() - 1), -1);
    TPoint shownAt{-1, -1};
    TColor titleWhileOpen = clNone;
    Host().WhenIdle([&] {
        ASSERT_NE(Popup(), nullptr);
        shownAt = {Popup()->ClientBounds().Left, Popup()->ClientBounds().Top};
        titleWhileOpen = PixelAt(Bar, edit.Left + 1, 1);
        Host().KeyPress(&HostWindowOf(Form), VK_DOWN);
        Host().KeyPress(&HostWindowOf(Form), VK_RETURN);
    });
    Click(Bar, edit.Left + 3, 5);
    RunUntilIdle();
    EXPECT_EQ(shownAt, Bar->ClientToScreen({edit.Left, Bar->Height()}));
    EXPECT_EQ(titleWhileOpen, ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(Bar, edit.Left + 1, 1), ColorToRGB(clMenu));
    EXPECT_EQ(Clicked, (std::vector<std::string>{"&Edit", "&Undo"}));
}
