// The main window as its user meets it: start-up, loading images, choosing the seed, leaving.

#include "tests/app/SaruviTest.h"

#include "app/about.h"
#include "app/main.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/stdctrls/SpeedButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using MainWindowTest = SaruviTest;

// Everything the user can read in the window, to show that something did not change.
std::vector<std::string> Fields() {
    return {Form1->pnFname->Caption(), Form1->pnWidth->Caption(), Form1->pnHeight->Caption(),
            Form1->pnSX->Caption(),    Form1->pnSY->Caption(),    Form1->pnArea->Caption()};
}

TEST_F(MainWindowTest, StartsWithTitlesIconBlankSourceAndStartDisabled) {
    EXPECT_EQ(Application->Title(), "Saruviです。");
    EXPECT_EQ(Application->MainForm(), Form1);
    const platform::HeadlessWindow& window = HostWindowOf(Form1);
    EXPECT_EQ(window.Title(), "これで肝機能がほんとにわかるの？");
    EXPECT_EQ(window.ClientBounds().Width(), 968);
    EXPECT_EQ(window.ClientBounds().Height(), 543);
    const TRect outer = window.OuterBounds();
    const TRect screen = Host().ScreenRect();
    EXPECT_NEAR(outer.Left + outer.Width() / 2, screen.Width() / 2, 1);
    EXPECT_NEAR(outer.Top + outer.Height() / 2, screen.Height() / 2, 1);
    EXPECT_EQ(window.Icon().Width, 32);
    EXPECT_EQ(window.Icon().Height, 32);
    ASSERT_NE(AboutDlg, nullptr);
    EXPECT_FALSE(AboutDlg->Visible());
    EXPECT_EQ(SourceBitmap->Width(), 512);
    EXPECT_EQ(SourceBitmap->Height(), 512);
    EXPECT_EQ(SourceBitmap->Canvas()->Pixels(511, 511), clWhite);
    EXPECT_FALSE(Form1->sbCalc->Enabled());
    EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", "", "", "", "0"}));
    EXPECT_TRUE(Log().empty());
}

TEST_F(MainWindowTest, ShowsItsAreasInTheirColours) {
    EXPECT_EQ(PixelAt(Form1->Panel1, 4, 4), 0x827B4B);
    EXPECT_EQ(PixelAt(Form1->pnROI, 4, 90), 0x827B4B);
    EXPECT_EQ(PixelAt(Form1->pnFname, 5, 10), 0x4E4D37);
    EXPECT_EQ(PixelAt(Form1->pnArea, 5, 10), 0x4E4D37);
    // No image yet: the scroll box shows its black background.
    EXPECT_EQ(PixelAt(Form1->ScrollBox1, 300, 300), clBlack);
}

TEST_F(MainWindowTest, LoadingShowsTheImageItsNameAndSizeAndDisablesStart) {
    ClickImage(5, 5);
    ASSERT_TRUE(Form1->sbCalc->Enabled());
    Load(WriteBmp("shapes.bmp", 300, 200, clWhite, {{Rect(0, 0, 10, 10), clBlue}}));
    EXPECT_EQ(Form1->pnFname->Caption(), "shapes.bmp");
    EXPECT_EQ(Form1->pnWidth->Caption(), "300");
    EXPECT_EQ(Form1->pnHeight->Caption(), "200");
    EXPECT_EQ(Form1->Image->Width(), 300);
    EXPECT_EQ(Form1->Image->Height(), 200);
    EXPECT_EQ(Shown(5, 5), clBlue);
    EXPECT_EQ(Shown(299, 199), clWhite);
    // The rest of the scroll area stays black.
    EXPECT_EQ(PixelAt(Form1->ScrollBox1, 400, 300), clBlack);
    EXPECT_FALSE(Form1->sbCalc->Enabled());
}

TEST_F(MainWindowTest, AStripLongerThanAnyScreenLoads) {
    Load(WriteBmp("strip.bmp", 64000, 1, clWhite, {{Rect(0, 0, 1, 1), clBlue}}));
    EXPECT_EQ(Form1->pnWidth->Caption(), "64000");
    EXPECT_EQ(Form1->pnHeight->Caption(), "1");
    EXPECT_EQ(Form1->Image->Width(), 64000);
    EXPECT_EQ(Shown(0, 0), clBlue);
    EXPECT_EQ(Shown(1, 0), clWhite);
}

TEST_F(MainWindowTest, ASecondLoadReplacesTheRedDisplayAndResizes) {
    Measure(WriteBmp("first.bmp", 100, 100, clBlack), {50, 50});
    ASSERT_GT(RedShown(), 0);
    Load(WriteBmp("second.bmp", 60, 40, clBlack));
    EXPECT_EQ(RedShown(), 0);
    EXPECT_EQ(Form1->Image->Width(), 60);
    EXPECT_EQ(Form1->Image->Height(), 40);
    EXPECT_EQ(Shown(30, 20), clBlack);
    EXPECT_FALSE(Form1->sbCalc->Enabled());
}

TEST_F(MainWindowTest, CancellingTheFileDialogChangesNothing) {
    Load(WriteBmp("kept.bmp", 80, 60, clBlack));
    ClickImage(10, 10);
    const auto fields = Fields();
    CancelLoad();
    EXPECT_EQ(Host().FileDialogs().size(), 2u);
    EXPECT_EQ(Fields(), fields);
    EXPECT_TRUE(Form1->sbCalc->Enabled());
    EXPECT_EQ(SourceBitmap->Width(), 80);
}

TEST_F(MainWindowTest, TheFileDialogOffersBitmapsFirst) {
    CancelLoad();
    ASSERT_EQ(Host().FileDialogs().size(), 1u);
    const platform::FileDialogSpec& desc = Host().FileDialogs()[0];
    EXPECT_EQ(desc.Filter, "Bitmap image (*.bmp)|*.bmp|All Files (*.*)|*.*");
    EXPECT_EQ(desc.DefaultExt, "fdf");
    EXPECT_EQ(desc.FilterIndex, 0);
}

TEST_F(MainWindowTest, AnInvalidFileShowsTheErrorBoxAndChangesNothing) {
    Measure(WriteBmp("good.bmp", 50, 40, clBlack), {10, 10});
    ClickImage(20, 20);
    const auto fields = Fields();
    const auto log = Log();
    const auto source = SourceBitmap->Pixels().Pixels;
    const int red = RedShown();
    Load(WriteFile("bad.bmp", "BM this is no bitmap"));
    ASSERT_EQ(Host().MessageBoxes().size(), 1u);
    EXPECT_EQ(Host().MessageBoxes()[0].Text, "ビットマップイメージが不正です");
    EXPECT_EQ(Host().MessageBoxes()[0].Title, "Saruviです。");
    EXPECT_EQ(Fields(), fields);
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(SourceBitmap->Pixels().Pixels, source);
    EXPECT_EQ(RedShown(), red);
    EXPECT_EQ(Form1->Image->Width(), 50);
    EXPECT_TRUE(Form1->sbCalc->Enabled());
}

TEST_F(MainWindowTest, AClickWithAnyButtonSetsTheSeed) {
    const std::pair<TMouseButton, TPoint> clicks[] = {
        {mbLeft, {7, 12}}, {mbRight, {300, 4}}, {mbMiddle, {0, 511}}};
    for (const auto& [button, at] : clicks) {
        Load(WriteBmp("seed.bmp", 640, 512, clWhite));
        ClickImage(at.x, at.y, button);
        EXPECT_EQ(Form1->Seed(), at);
        EXPECT_EQ(Form1->pnSX->Caption(), std::to_string(at.x));
        EXPECT_EQ(Form1->pnSY->Caption(), std::to_string(at.y));
        EXPECT_TRUE(Form1->sbCalc->Enabled());
    }
    EXPECT_EQ(Log(),
              (std::vector<std::string>{"* Start Point [   7,   12]", "* Start Point [ 300,    4]",
                                        "* Start Point [   0,  511]"}));
}

TEST_F(MainWindowTest, AClickBeforeAnyLoadSetsTheSeedAndEnablesStart) {
    ClickImage(7, 12);
    EXPECT_EQ(LastLogLine(), "* Start Point [   7,   12]");
    EXPECT_TRUE(Form1->sbCalc->Enabled());
}

TEST_F(MainWindowTest, AClickOnAScrolledImageGivesImageCoordinates) {
    Load(WriteBmp("large.bmp", 1000, 900, clWhite));
    Form1->ScrollBox1->HorzScrollBar()->SetPosition(250);
    Form1->ScrollBox1->VertScrollBar()->SetPosition(300);
    RunUntilIdle();
    ASSERT_EQ(Form1->Image->Left(), -250);
    ASSERT_EQ(Form1->Image->Top(), -300);
    // A point of the scroll box's client area; the image lies under it.
    Click(Form1->ScrollBox1, 40, 50);
    EXPECT_EQ(Form1->Seed(), (TPoint{290, 350}));
    EXPECT_EQ(LastLogLine(), "* Start Point [ 290,  350]");
}

TEST_F(MainWindowTest, ExitEndsTheProgram) {
    Click(Form1->sbExit, 10, 10);
    EXPECT_TRUE(Application->Terminated());
}

} // namespace
