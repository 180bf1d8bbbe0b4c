// The About box: opened by the question-mark button, modal, closed by OK, Enter or its close box.

#include "tests/app/SaruviTest.h"

#include "app/about.h"
#include "app/main.h"
#include "framework/graphics/Font.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class AboutDialogTest : public SaruviTest {
protected:
    platform::HeadlessWindow& Dialog() const { return HostWindowOf(AboutDlg); }

    // Clicks the question-mark button and runs steps, one each time the dialog's modal loop
    // waits for input; returns once the dialog has closed.
    void OpenAbout(std::vector<std::function<void()>> steps) {
        for (auto& step : steps)
            Host().WhenIdle(std::move(step));
        Click(Form1->SpeedButton1, 12, 12);
        EXPECT_EQ(Host().IdleStepsLeft(), 0u);
    }

    void ClickOk() {
        const TPoint p = WindowPoint(AboutDlg->OKBtn, 30, 12);
        Host().Click(&Dialog(), p.x, p.y);
    }
    void PressOnDialog(unsigned short vk) { Host().KeyPress(&Dialog(), vk); }
};

TEST_F(AboutDialogTest, IsAFixedCentredDialogNamingTheProgramAndVersion) {
    TRect bounds;
    OpenAbout({[&] {
        EXPECT_TRUE(AboutDlg->Visible());
        EXPECT_TRUE(Dialog().Modal());
        EXPECT_EQ(Dialog().Kind(), platform::WindowKind::Dialog);
        EXPECT_EQ(Dialog().Title(), "Saruviです。について");
        bounds = Dialog().ClientBounds();
        ClickOk();
    }});
    EXPECT_EQ(bounds.Width(), 257);
    EXPECT_EQ(bounds.Height(), 214);
    const TRect screen = Host().ScreenRect();
    EXPECT_NEAR(bounds.Left + bounds.Width() / 2, screen.Width() / 2, 8);
    EXPECT_NEAR(bounds.Top + bounds.Height() / 2, screen.Height() / 2, 16);
    EXPECT_EQ(AboutDlg->Label1->Caption(), "Saruviです。");
    EXPECT_EQ(AboutDlg->Label2->Caption(), "Version 1.1");
    EXPECT_EQ(AboutDlg->Label1->Font()->Name(), "ＭＳ Ｐ明朝");
    EXPECT_EQ(AboutDlg->Image1->Picture()->Width(), 100);
    EXPECT_EQ(AboutDlg->Image1->Picture()->Height(), 125);
    EXPECT_TRUE(AboutDlg->OKBtn->Default());
    EXPECT_EQ(AboutDlg->OKBtn->ModalResult(), mrOk);
}

TEST_F(AboutDialogTest, OkClosesItWithResultOk) {
    OpenAbout({[&] {
        ClickOk();
    }});
    EXPECT_FALSE(AboutDlg->Visible());
    EXPECT_EQ(AboutDlg->ModalResult(), mrOk);
}

TEST_F(AboutDialogTest, EnterPressesOkButEscapeDoesNothing) {
    bool stillOpen = false;
    OpenAbout({[&] { PressOnDialog(VK_ESCAPE); },
               [&] {
                   stillOpen = AboutDlg->Visible();
                   PressOnDialog(VK_RETURN);
               }});
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(AboutDlg->Visible());
    EXPECT_EQ(AboutDlg->ModalResult(), mrOk);
}

TEST_F(AboutDialogTest, TheCloseBoxClosesItAndTheMainWindowIsUnchanged) {
    Measure(WriteBmp("region.bmp", 40, 40, clBlack), {20, 20});
    const auto log = Log();
    const std::string area = Form1->pnArea->Caption();
    OpenAbout({[&] {
        Host().CloseBox(&Dialog());
    }});
    EXPECT_FALSE(AboutDlg->Visible());
    EXPECT_EQ(AboutDlg->ModalResult(), mrCancel);
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(Form1->pnArea->Caption(), area);
    EXPECT_EQ(RedShown(), 39 * 39);
}

TEST_F(AboutDialogTest, TheMainWindowTakesNoInputWhileItIsShown) {
    OpenAbout({[&] {
                   const TPoint open = WindowPoint(Form1->sbOpen, 10, 10);
                   Host().Click(&HostWindowOf(Form1), open.x, open.y);
                   const TPoint image = WindowPoint(Form1->Image, 10, 10);
                   Host().Click(&HostWindowOf(Form1), image.x, image.y);
               },
               [&] {
                   ClickOk();
               }});
    EXPECT_TRUE(Host().FileDialogs().empty());
    EXPECT_TRUE(Log().empty());
}

TEST_F(AboutDialogTest, ShowingItAgainShowsTheSameInstance) {
    const TAboutDlg* first = nullptr;
    OpenAbout({[&] {
        first = AboutDlg;
        ClickOk();
    }});
    const TAboutDlg* second = nullptr;
    OpenAbout({[&] {
        second = AboutDlg;
        EXPECT_TRUE(AboutDlg->Visible());
        ClickOk();
    }});
    EXPECT_EQ(first, second);
    EXPECT_EQ(AboutDlg->Owner(), Application);
}

} // namespace
