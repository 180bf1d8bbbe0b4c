#include "framework/stdctrls/Dialogs.h"

#include "tests/support/FrameworkTest.h"

namespace {

class OpenDialogTest : public FrameworkTest {
protected:
    OpenDialogTest() {
        dialog.SetFilter("Bitmap image (*.bmp)|*.bmp|All Files (*.*)|*.*");
        dialog.SetDefaultExt("fdf");
        dialog.SetFilterIndex(0);
        dialog.SetTitle("Open");
        dialog.SetInitialDir("/images");
    }

    TOpenDialog dialog{nullptr};
};

} // namespace

TEST_F(OpenDialogTest, HandsItsSettingsToTheDesktopDialog) {
    Host().QueueFileDialogAnswer(std::nullopt);
    dialog.Execute();
    ASSERT_EQ(Host().FileDialogs().size(), 1u);
    const platform::FileDialogSpec& desc = Host().FileDialogs()[0];
    EXPECT_EQ(desc.Filter, "Bitmap image (*.bmp)|*.bmp|All Files (*.*)|*.*");
    EXPECT_EQ(desc.DefaultExt, "fdf");
    EXPECT_EQ(desc.FilterIndex, 0);
    EXPECT_EQ(desc.Title, "Open");
    EXPECT_EQ(desc.InitialDir, "/images");
}

TEST_F(OpenDialogTest, AChosenFileBecomesTheFileName) {
    Host().QueueFileDialogAnswer("/images/liver.bmp");
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/images/liver.bmp");
    // Shown again, the dialog starts from the last choice.
    Host().QueueFileDialogAnswer(std::nullopt);
    dialog.Execute();
    EXPECT_EQ(Host().FileDialogs().back().FileName, "/images/liver.bmp");
}

TEST_F(OpenDialogTest, CancelReturnsFalseAndKeepsTheFileName) {
    dialog.SetFileName("old.bmp");
    int shown = 0;
    dialog.OnShow = TNotifyEvent::FromFunction([&](TObject*) { ++shown; });
    dialog.OnClose = TNotifyEvent::FromFunction([&](TObject*) { ++shown; });
    Host().QueueFileDialogAnswer(std::nullopt);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "old.bmp");
    EXPECT_EQ(shown, 2);
}

TEST_F(OpenDialogTest, TheSaveDialogAsksTheHostForAFileToWriteWithItsOverwritePrompt) {
    TSaveDialog save{nullptr};
    save.SetTitle("Save form");
    save.SetOptions(save.Options() | ofOverwritePrompt);
    Host().QueueFileDialogAnswer("/forms/new.json");
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), "/forms/new.json");
    ASSERT_EQ(Host().SaveDialogs().size(), 1u);
    EXPECT_TRUE(Host().FileDialogs().empty());
    EXPECT_EQ(Host().SaveDialogs()[0].Title, "Save form");
    EXPECT_TRUE(Host().SaveDialogs()[0].OverwritePrompt);

    // Without the option no prompt is asked for; a cancel keeps the name.
    save.SetOptions(save.Options() & ~ofOverwritePrompt);
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), "/forms/new.json");
    EXPECT_FALSE(Host().SaveDialogs().back().OverwritePrompt);
}
