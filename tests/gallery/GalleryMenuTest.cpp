// The gallery's menu bar: the recent files in the File menu, Save by its short cut, the designed
// form's window brought back after it was closed.

#include "framework/forms/MenuBar.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/Memo.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/FormFile.h"

#include "tests/gallery/GalleryTest.h"

namespace {

class GalleryMenuTest : public GalleryTest {
protected:
    TMenuBar& Bar() const { return *dynamic_cast<TMenuBar*>(gallery->FindComponent("MenuBar")); }

    // Drops the title's items and presses keys in the menu.
    void UseMenu(int title, const std::vector<unsigned short>& keys) {
        for (unsigned short key : keys)
            Host().WhenIdle([this, key] { Host().KeyPress(&HostWindowOf(gallery), key); });
        const TRect r = Bar().TitleRect(title);
        Click(&Bar(), r.Left + 2, 5);
        RunUntilIdle();
    }
};

} // namespace

TEST_F(GalleryMenuTest, TheFileMenuListsTheRecentFilesNewestFirstAndOpensOne) {
    const std::string first = ScratchFile("first.json");
    const std::string second = ScratchFile("second.json");
    SaveAs(first);
    SaveAs(second);
    std::vector<std::string> captions;
    Host().WhenIdle([&] {
        for (int i = 0; i < gallery->FileMenu->Count(); ++i)
            if (gallery->FileMenu->Items(i)->Visible())
                captions.push_back(gallery->FileMenu->Items(i)->Caption());
    });
    UseMenu(0, {'2'});
    EXPECT_EQ(captions, (std::vector<std::string>{"&New", "&Open...", "&Save", "Save &As...", "-",
                                                  "&1 " + second, "&2 " + first, "-", "E&xit"}));
    EXPECT_EQ(gallery->Document().FileName(), first);
}

TEST_F(GalleryMenuTest, CtrlSSavesToTheFormsFile) {
    const std::string path = ScratchFile("keyed.json");
    SaveAs(path);
    gallery->Document().MarkModified();
    WriteFormFile(path, "{}");
    Click(gallery->EventMemo, 5, 5);
    PressKey('S', ssCtrl);
    EXPECT_NE(ReadFormFile(path), "{}");
    EXPECT_FALSE(gallery->Document().Modified());
}

TEST_F(GalleryMenuTest, AClosedFormComesBackFromTheWindowMenu) {
    Host().CloseBox(&HostWindowOf(&Designed()));
    RunUntilIdle();
    EXPECT_FALSE(Designed().Visible());
    EXPECT_FALSE(Application->Terminated());
    UseMenu(2, {VK_DOWN, VK_RETURN});
    EXPECT_TRUE(Designed().Visible());
}
