#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/forms/Screen.h"
#include "framework/graphics/Bitmap.h"
#include "framework/windows/Win32Api.h"

#include <stdexcept>

namespace {

class ApplicationTest : public FrameworkTest {
protected:
    void SetUp() override {
        Application->SetTitle("Saruviです。");
        form = NewForm();
        probe = Place(new TPaintProbe(form), form, 0, 0, 20, 20);
        RunUntilIdle();
    }
    const std::vector<platform::HeadlessHost::MessageBoxRecord>& Boxes() const {
        return Host().MessageBoxes();
    }
    TForm* form = nullptr;
    TPaintProbe* probe = nullptr;
};

TEST_F(ApplicationTest, AnExceptionFromAHandlerIsShownTitledWithTheApplicationTitle) {
    probe->OnClick =
        TNotifyEvent::FromFunction([](TObject*) { throw EInvalidGraphic(msg::InvalidBitmap); });
    Click(probe, 5, 5);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Title, "Saruviです。");
    EXPECT_EQ(Boxes()[0].Text, msg::InvalidBitmap);
    EXPECT_EQ(Boxes()[0].Kind, platform::MessageBoxKind::Error);
}

TEST_F(ApplicationTest, TheLoopGoesOnAfterAnException) {
    int clicks = 0;
    probe->OnClick = TNotifyEvent::FromFunction([&](TObject*) {
        if (++clicks == 1)
            throw Exception("first");
    });
    Click(probe, 5, 5);
    Click(probe, 5, 5);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(probe->Log.back(), "up L 5,5"); // the rest of the release still ran
}

TEST_F(ApplicationTest, AnExceptionOfAnUnknownKindShowsAnEmptyMessage) {
    probe->OnClick = TNotifyEvent::FromFunction([](TObject*) { throw std::runtime_error("x"); });
    Click(probe, 5, 5);
    probe->OnClick = TNotifyEvent::FromFunction([](TObject*) { throw 42; });
    Click(probe, 5, 5);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].Text, "");
    EXPECT_EQ(Boxes()[1].Text, "");
}

TEST_F(ApplicationTest, OnExceptionReplacesTheErrorBox) {
    std::string seen;
    Application->OnException =
        TExceptionEvent::FromFunction([&](TObject*, const Exception& e) { seen = e.Message(); });
    probe->OnClick = TNotifyEvent::FromFunction([](TObject*) { throw Exception("handled"); });
    Click(probe, 5, 5);
    EXPECT_EQ(seen, "handled");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ApplicationTest, AnExceptionInATimerCallbackIsShownToo) {
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        throw Exception("from a timer");
    });
    RunFor(10);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "from a timer");
}

TEST_F(ApplicationTest, PostedMessagesArriveInOrderAfterTheCurrentOne) {
    std::vector<UINT> seen;
    HWND window = AllocateHWnd([&](TMessage& m) { seen.push_back(m.Msg); });
    PostMessage(window, WM_USER + 1, 0, 0);
    PostMessage(window, WM_USER + 2, 0, 0);
    SendMessage(window, WM_USER + 3, 0, 0);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 3}));
    RunUntilIdle();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 3, WM_USER + 1, WM_USER + 2}));
    DeallocateHWnd(window);
    EXPECT_FALSE(PostMessage(window, WM_USER, 0, 0));
}

TEST_F(ApplicationTest, TheIconShowsOnEveryFormsWindow) {
    TBitmap icon;
    icon.SetSize(4, 4);
    icon.Canvas()->SetPixel(1, 1, clRed);
    Application->SetIcon(&icon);
    EXPECT_EQ(HostWindowOf(form).Icon().Width, 4);
    TForm* other = NewForm();
    EXPECT_EQ(HostWindowOf(other).Icon().Width, 4);
}

TEST_F(ApplicationTest, TheScreenKnowsTheFormsAndTheActiveOne) {
    TForm* second = NewForm();
    EXPECT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->ActiveForm(), second);
    EXPECT_EQ(Screen->Width(), 1280);
    delete second;
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_NE(Screen->ActiveForm(), second);
}

TEST_F(ApplicationTest, TheScreenCursorOverridesEveryControls) {
    probe->SetCursor(crCross);
    Screen->SetCursor(crHourGlass);
    MouseMove(probe, 5, 5);
    EXPECT_EQ(HostWindowOf(probe).Cursor(), platform::CursorShape::Wait);
    Screen->SetCursor(crDefault);
    MouseMove(probe, 6, 6);
    EXPECT_EQ(HostWindowOf(probe).Cursor(), platform::CursorShape::Cross);
}

} // namespace
