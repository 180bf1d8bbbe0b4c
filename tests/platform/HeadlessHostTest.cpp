// The in-memory host that every framework test runs on: its clock, its scripted waiting, the
// input it injects and the pixels it lets tests read back.

#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/ClassicPalette.h"
#include "framework/platform/qt/ImageFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

namespace platform {
namespace {

using Kind = HostEvent::Kind;

class HeadlessHostTest : public ::testing::Test {
protected:
    std::unique_ptr<IHostWindow> Open(WindowKind kind, const std::string& title, TRect client,
                                      IHostWindow* owner = nullptr) {
        return host.CreateWindow({kind, title, client, owner});
    }

    std::vector<HostEvent> Drain() {
        std::vector<HostEvent> events;
        while (auto e = host.PollEvent())
            events.push_back(*e);
        return events;
    }

    std::vector<Kind> DrainKinds() {
        std::vector<Kind> kinds;
        for (const HostEvent& e : Drain())
            kinds.push_back(e.Type);
        return kinds;
    }

    HeadlessHost host;
};

// ------------------------------------------------------------------------- clock and waiting

TEST_F(HeadlessHostTest, ClockStartsAtZeroAndMovesOnlyWhenAdvanced) {
    EXPECT_EQ(host.Now(), 0);
    host.Advance(250);
    host.Advance(50);
    EXPECT_EQ(host.Now(), 300);
}

TEST_F(HeadlessHostTest, WaitReturnsAtOnceWhileEventsArePending) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(100, 100, 200, 100));
    Drain();
    bool stepRan = false;
    host.WhenIdle([&] { stepRan = true; });
    host.KeyDown(w.get(), 'A');

    host.WaitForEvent(1000);

    EXPECT_EQ(host.Now(), 0);
    EXPECT_FALSE(stepRan);
    EXPECT_TRUE(host.HasPendingEvents());
}

TEST_F(HeadlessHostTest, WaitWithNoInputRunsOneScriptedStepWithoutTimePassing) {
    std::vector<int> ran;
    host.WhenIdle([&] {
        ran.push_back(1);
        host.WhenIdle([&] { ran.push_back(3); });
    });
    host.WhenIdle([&] { ran.push_back(2); });

    host.WaitForEvent(-1);
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_EQ(host.IdleStepsLeft(), 2u);

    host.WaitForEvent(500);
    host.WaitForEvent(-1);
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(host.Now(), 0);
}

TEST_F(HeadlessHostTest, WaitWithNothingScriptedAdvancesTheClockByTheTimeout) {
    host.WaitForEvent(40);
    host.WaitForEvent(0);
    EXPECT_EQ(host.Now(), 40);
}

TEST_F(HeadlessHostTest, WaitingForeverWithNothingScriptedThrowsInsteadOfHanging) {
    EXPECT_THROW(host.WaitForEvent(-1), std::logic_error);
}

TEST_F(HeadlessHostTest, WakeEndsTheNextWaitOnly) {
    host.Wake();
    EXPECT_NO_THROW(host.WaitForEvent(-1));
    host.WaitForEvent(10);
    EXPECT_EQ(host.Now(), 10);
    EXPECT_FALSE(host.PollEvent().has_value());
}

// ------------------------------------------------------------------------------------ input

TEST_F(HeadlessHostTest, MouseEventsMoveTheCursorWhenTheFrameworkTakesThem) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(100, 50, 300, 200));
    Drain();
    host.SetCursorPos({5, 5});
    host.MouseMove(w.get(), 10, 20);
    EXPECT_EQ(host.CursorPos(), (TPoint{5, 5}));

    const auto e = host.PollEvent();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Type, Kind::MouseMove);
    EXPECT_EQ(e->Window, w.get());
    EXPECT_EQ(e->X, 10);
    EXPECT_EQ(e->Y, 20);
    EXPECT_EQ(host.CursorPos(), (TPoint{110, 70}));
}

TEST_F(HeadlessHostTest, MouseLeaveAndKeysLeaveTheCursorAlone) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(100, 50, 300, 200));
    Drain();
    host.SetCursorPos({7, 8});
    host.MouseLeave(w.get());
    host.KeyPress(w.get(), 13, 0, "\r");
    Drain();
    EXPECT_EQ(host.CursorPos(), (TPoint{7, 8}));
}

TEST_F(HeadlessHostTest, MouseEventsCarryTheButtonsHeldAfterThem) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 100));
    Drain();
    host.MouseDown(w.get(), 1, 1, MouseButton::Left, ModShift);
    host.MouseMove(w.get(), 2, 2);
    host.MouseDown(w.get(), 2, 2, MouseButton::Right);
    host.MouseUp(w.get(), 2, 2, MouseButton::Left);
    host.MouseUp(w.get(), 2, 2, MouseButton::Right);
    host.MouseMove(w.get(), 3, 3);

    const auto events = Drain();
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].Mods, ModShift | ModLeft);
    EXPECT_EQ(events[1].Mods, ModLeft);
    EXPECT_EQ(events[2].Mods, ModLeft | ModRight);
    EXPECT_EQ(events[2].Button, MouseButton::Right);
    EXPECT_EQ(events[3].Mods, ModRight);
    EXPECT_EQ(events[4].Mods, 0u);
    EXPECT_EQ(events[5].Mods, 0u);
}

TEST_F(HeadlessHostTest, APressGrabsThePointerForItsWindowUntilEveryButtonIsUp) {
    auto a = Open(WindowKind::Sizeable, "a", Bounds(100, 50, 300, 200));
    auto b = Open(WindowKind::Sizeable, "b", Bounds(500, 60, 200, 200));
    Drain();
    struct Step {
        std::function<void()> post;
        IHostWindow* window;
        int x, y;
    };
    const std::vector<Step> steps{
        {[&] { host.MouseDown(a.get(), 10, 10); }, a.get(), 10, 10},
        {[&] { host.MouseMove(b.get(), 5, 5); }, a.get(), 405, 15},
        {[&] { host.MouseDown(b.get(), 6, 6, MouseButton::Right); }, a.get(), 406, 16},
        {[&] { host.MouseUp(b.get(), 7, 7); }, a.get(), 407, 17},
        {[&] { host.MouseWheel(b.get(), 8, 8, 120); }, a.get(), 408, 18},
        {[&] { host.MouseUp(b.get(), 9, 9, MouseButton::Right); }, a.get(), 409, 19},
        {[&] { host.MouseMove(b.get(), 1, 1); }, b.get(), 1, 1},
        {[&] { host.MouseDown(b.get(), 2, 2); }, b.get(), 2, 2},
        {[&] { host.MouseUp(a.get(), 410, 20); }, b.get(), 10, 10},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].post();
        const auto e = host.PollEvent();
        ASSERT_TRUE(e.has_value()) << "step " << i;
        EXPECT_EQ(e->Window, steps[i].window) << "step " << i;
        EXPECT_EQ(e->X, steps[i].x) << "step " << i;
        EXPECT_EQ(e->Y, steps[i].y) << "step " << i;
    }
}

TEST_F(HeadlessHostTest, HidingOrDestroyingTheGrabbingWindowEndsTheGrab) {
    const std::vector<std::pair<const char*, bool>> endings{{"hidden", false}, {"destroyed", true}};
    for (const auto& [how, destroy] : endings) {
        auto a = Open(WindowKind::Sizeable, "a", Bounds(0, 0, 100, 100));
        auto b = Open(WindowKind::Sizeable, "b", Bounds(200, 0, 100, 100));
        a->Show();
        host.MouseDown(a.get(), 1, 1);
        if (destroy)
            a.reset();
        else
            a->Hide();
        EXPECT_EQ(host.Grab(), nullptr) << how;
        host.MouseUp(b.get(), 3, 4);
        const auto events = Drain();
        ASSERT_FALSE(events.empty()) << how;
        EXPECT_EQ(events.back().Window, b.get()) << how;
        EXPECT_EQ(events.back().X, 3) << how;
        EXPECT_EQ(host.ButtonsHeld(), 0u) << how;
    }
}

TEST_F(HeadlessHostTest, DoubleClickReplacesTheSecondPress) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 100));
    Drain();
    host.DoubleClick(w.get(), 4, 5);
    EXPECT_EQ(DrainKinds(), (std::vector<Kind>{Kind::MouseDown, Kind::MouseUp,
                                               Kind::MouseDoubleClick, Kind::MouseUp}));
}

TEST_F(HeadlessHostTest, WheelCarriesItsDelta) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 100));
    Drain();
    host.MouseWheel(w.get(), 10, 10, -240);
    const auto e = host.PollEvent();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Type, Kind::MouseWheel);
    EXPECT_EQ(e->WheelDelta, -240);
}

TEST_F(HeadlessHostTest, KeyPressIsADownWithTextThenAnUp) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 100));
    Drain();
    host.KeyPress(w.get(), 'Q', ModCtrl, "\x11");
    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Type, Kind::KeyDown);
    EXPECT_EQ(events[0].Key, 'Q');
    EXPECT_EQ(events[0].Mods, ModCtrl);
    EXPECT_EQ(events[0].Text, "\x11");
    EXPECT_EQ(events[1].Type, Kind::KeyUp);
    EXPECT_EQ(events[1].Text, "");
}

TEST_F(HeadlessHostTest, TypingSendsTheKeysAUsKeyboardWouldPress) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 100));
    Drain();
    host.Type(w.get(), "aZ7-\n\xC3\xA9");
    std::vector<HostEvent> downs;
    for (const HostEvent& e : Drain())
        if (e.Type == Kind::KeyDown)
            downs.push_back(e);
    ASSERT_EQ(downs.size(), 6u);
    EXPECT_EQ(downs[0].Key, 'A');
    EXPECT_EQ(downs[0].Mods, 0u);
    EXPECT_EQ(downs[0].Text, "a");
    EXPECT_EQ(downs[1].Key, 'Z');
    EXPECT_EQ(downs[1].Mods, ModShift);
    EXPECT_EQ(downs[2].Key, '7');
    EXPECT_EQ(downs[3].Key, 0xBD);
    EXPECT_EQ(downs[4].Key, 13);
    EXPECT_EQ(downs[4].Text, "\r");
    EXPECT_EQ(downs[5].Key, 0);
    EXPECT_EQ(downs[5].Text, "\xC3\xA9");
}

TEST_F(HeadlessHostTest, CloseBoxAsksTheFrameworkAndLeavesTheWindowShown) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 100));
    w->Show();
    Drain();
    host.CloseBox(w.get());
    EXPECT_EQ(DrainKinds(), std::vector<Kind>{Kind::Close});
    EXPECT_TRUE(host.WindowTitled("main")->Visible());
}

TEST_F(HeadlessHostTest, ModalWindowKeepsInputFromTheOthers) {
    auto main = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 300, 300));
    auto dialog = Open(WindowKind::Dialog, "dialog", Bounds(50, 50, 100, 100), main.get());
    auto menu = Open(WindowKind::Popup, "menu", Bounds(60, 60, 50, 50), dialog.get());
    main->Show();
    dialog->SetModal(true);
    dialog->Show();
    menu->Show();
    Drain();

    host.Click(main.get(), 10, 10);
    host.CloseBox(main.get());
    host.KeyPress(main.get(), 'A');
    EXPECT_FALSE(host.HasPendingEvents());

    host.Click(dialog.get(), 10, 10);
    host.Click(menu.get(), 1, 1);
    EXPECT_EQ(Drain().size(), 4u);

    dialog->Hide();
    Drain();
    host.Click(main.get(), 10, 10);
    EXPECT_EQ(Drain().size(), 2u);
}

TEST_F(HeadlessHostTest, LatestModalWindowBlocksAnEarlierOne) {
    auto first = Open(WindowKind::Dialog, "first", Bounds(0, 0, 100, 100));
    auto second = Open(WindowKind::Dialog, "second", Bounds(0, 0, 100, 100));
    first->SetModal(true);
    first->Show();
    second->SetModal(true);
    second->Show();
    Drain();

    host.KeyPress(first.get(), 'A');
    EXPECT_FALSE(host.HasPendingEvents());
    second->SetModal(false);
    host.KeyPress(first.get(), 'A');
    EXPECT_TRUE(host.HasPendingEvents());
}

// ------------------------------------------------------------------------------ activation

TEST_F(HeadlessHostTest, ShowingAWindowActivatesItAndHidingItReturnsToItsOwner) {
    auto main = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 300, 300));
    auto dialog = Open(WindowKind::Dialog, "dialog", Bounds(50, 50, 100, 100), main.get());
    main->Show();
    EXPECT_EQ(DrainKinds(), std::vector<Kind>{Kind::Activate});

    dialog->Show();
    const auto shown = Drain();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Type, Kind::Deactivate);
    EXPECT_EQ(shown[0].Window, main.get());
    EXPECT_EQ(shown[1].Type, Kind::Activate);
    EXPECT_EQ(shown[1].Window, dialog.get());

    dialog->Hide();
    EXPECT_EQ(DrainKinds(), (std::vector<Kind>{Kind::Deactivate, Kind::Activate}));
    EXPECT_EQ(host.ActiveWindow(), host.WindowTitled("main"));
}

TEST_F(HeadlessHostTest, PopupsAndHiddenWindowsNeverTakeActivation) {
    auto main = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 300, 300));
    auto menu = Open(WindowKind::Popup, "menu", Bounds(10, 10, 50, 50), main.get());
    main->Show();
    Drain();
    menu->Show();
    menu->Activate();
    auto hidden = Open(WindowKind::Sizeable, "hidden", Bounds(0, 0, 10, 10));
    hidden->Activate();
    EXPECT_TRUE(DrainKinds().empty());
    EXPECT_TRUE(host.WindowTitled("main")->Active());
}

// --------------------------------------------------------------------------------- windows

TEST_F(HeadlessHostTest, WindowsAreListedInCreationOrderWhileTheyLive) {
    auto a = Open(WindowKind::Sizeable, "a", Bounds(0, 0, 10, 10));
    auto b = Open(WindowKind::Dialog, "b", Bounds(0, 0, 10, 10));
    auto c = Open(WindowKind::Popup, "c", Bounds(0, 0, 10, 10));
    b.reset();
    ASSERT_EQ(host.Windows().size(), 2u);
    EXPECT_EQ(host.Windows()[0], a.get());
    EXPECT_EQ(host.Windows()[1], c.get());
    EXPECT_EQ(host.WindowTitled("b"), nullptr);
    c->SetTitle("renamed");
    EXPECT_EQ(host.WindowTitled("renamed"), c.get());
}

TEST_F(HeadlessHostTest, DestroyingAWindowDropsItsQueuedEvents) {
    auto a = Open(WindowKind::Sizeable, "a", Bounds(0, 0, 10, 10));
    auto b = Open(WindowKind::Sizeable, "b", Bounds(0, 0, 10, 10));
    host.Click(a.get(), 1, 1);
    host.Click(b.get(), 1, 1);
    a.reset();
    for (const HostEvent& e : Drain())
        EXPECT_EQ(e.Window, b.get());
}

TEST_F(HeadlessHostTest, WindowRecordsWhatTheFrameworkSetsOnIt) {
    auto w = Open(WindowKind::Dialog, "About", Bounds(10, 20, 30, 40));
    auto* hw = host.WindowTitled("About");
    EXPECT_EQ(hw->Kind(), WindowKind::Dialog);
    EXPECT_FALSE(hw->Visible());
    EXPECT_EQ(hw->Cursor(), CursorShape::Arrow);
    w->SetCursor(CursorShape::Cross);
    w->SetModal(true);
    w->SetIcon(PixelBuffer(16, 16, 0xFF112233u));
    w->Show();
    EXPECT_EQ(hw->Cursor(), CursorShape::Cross);
    EXPECT_TRUE(hw->Modal());
    EXPECT_TRUE(hw->Visible());
    EXPECT_EQ(hw->Icon().Width, 16);
    EXPECT_EQ(w->ClientBounds(), Bounds(10, 20, 30, 40));
}

TEST_F(HeadlessHostTest, FramedWindowsHaveTheClassicFrameAndPopupsNone) {
    auto sizeable = Open(WindowKind::Sizeable, "s", Bounds(100, 100, 200, 150));
    auto dialog = Open(WindowKind::Dialog, "d", Bounds(100, 100, 200, 150));
    auto popup = Open(WindowKind::Popup, "p", Bounds(100, 100, 200, 150));
    EXPECT_EQ(sizeable->FrameExtents(), Rect(4, 27, 4, 4));
    EXPECT_EQ(dialog->FrameExtents(), Rect(4, 27, 4, 4));
    EXPECT_EQ(popup->FrameExtents(), Rect(0, 0, 0, 0));
    EXPECT_EQ(host.WindowTitled("s")->OuterBounds(), Rect(96, 73, 304, 254));
    EXPECT_EQ(host.WindowTitled("p")->OuterBounds(), Bounds(100, 100, 200, 150));
}

TEST_F(HeadlessHostTest, UserMovesAndResizesReachTheFramework) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 100, 80));
    host.UserMove(w.get(), 30, 40);
    host.UserResize(w.get(), 120, 90);
    EXPECT_EQ(w->ClientBounds(), Bounds(30, 40, 120, 90));
    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Type, Kind::Moved);
    EXPECT_EQ(events[0].X, 30);
    EXPECT_EQ(events[0].Y, 40);
    EXPECT_EQ(events[1].Type, Kind::Resized);
    EXPECT_EQ(events[1].X, 120);
    EXPECT_EQ(events[1].Y, 90);
}

TEST_F(HeadlessHostTest, WindowThatOutlivesItsHostIsStillSafeToUseAndDestroy) {
    auto other = std::make_unique<HeadlessHost>();
    auto w = other->CreateWindow({WindowKind::Sizeable, "w", Bounds(0, 0, 10, 10), nullptr});
    other.reset();
    w->Show();
    w->SetModal(true);
    w->Hide();
    w.reset();
}

// ---------------------------------------------------------------------------------- pixels

TEST_F(HeadlessHostTest, PresentShowsOnlyTheDirtyPart) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 8, 6));
    auto* hw = host.WindowTitled("main");
    EXPECT_EQ(hw->PixelAt(0, 0), clWhite);

    PixelBuffer surface(8, 6, ColorToPixel(clRed));
    w->Present(surface, Rect(2, 1, 5, 3));

    EXPECT_EQ(hw->PixelAt(2, 1), clRed);
    EXPECT_EQ(hw->PixelAt(4, 2), clRed);
    EXPECT_EQ(hw->PixelAt(5, 2), clWhite);
    EXPECT_EQ(hw->PixelAt(2, 3), clWhite);
    EXPECT_EQ(hw->PixelAt(1, 1), clWhite);
    EXPECT_EQ(hw->PresentCount(), 1);
}

TEST_F(HeadlessHostTest, PresentClipsToTheSurfaceAndTheClientArea) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 4, 4));
    auto* hw = host.WindowTitled("main");
    w->Present(PixelBuffer(6, 2, ColorToPixel(clBlue)), Rect(-5, -5, 50, 50));
    EXPECT_EQ(hw->PixelAt(3, 1), clBlue);
    EXPECT_EQ(hw->PixelAt(0, 2), clWhite);
    EXPECT_EQ(hw->PixelAt(4, 0), clInvalid);
    EXPECT_EQ(hw->PixelAt(0, -1), clInvalid);
}

TEST_F(HeadlessHostTest, ResizingKeepsThePixelsThatStillFit) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 4, 4));
    auto* hw = host.WindowTitled("main");
    w->Present(PixelBuffer(4, 4, ColorToPixel(clGreen)), Rect(0, 0, 4, 4));
    w->SetClientBounds(Bounds(0, 0, 6, 2));
    EXPECT_EQ(hw->Screen().Width, 6);
    EXPECT_EQ(hw->Screen().Height, 2);
    EXPECT_EQ(hw->PixelAt(3, 1), clGreen);
    EXPECT_EQ(hw->PixelAt(4, 1), clWhite);
}

TEST_F(HeadlessHostTest, WhatTheWindowShowsSavesAsPng) {
    auto w = Open(WindowKind::Sizeable, "main", Bounds(0, 0, 3, 2));
    PixelBuffer surface(3, 2, ColorToPixel(clNavy));
    w->Present(surface, Rect(0, 0, 1, 1));
    const auto path = std::filesystem::path(::testing::TempDir()) / "headless-save.png";

    ASSERT_TRUE(WritePng(path.string(), host.WindowTitled("main")->Screen()));
    const auto read = ReadImage(path.string());
    std::filesystem::remove(path);

    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->Width, 3);
    EXPECT_EQ(PixelToColor(read->Row(0)[0]), clNavy);
    EXPECT_EQ(PixelToColor(read->Row(1)[2]), clWhite);
}

// ---------------------------------------------------------------------- services and dialogs

TEST_F(HeadlessHostTest, FileDialogsTakeQueuedAnswersAndCancelWithoutOne) {
    host.QueueFileDialogAnswer("/tmp/a.bmp");
    host.QueueFileDialogAnswer(std::nullopt);
    FileDialogSpec desc;
    desc.Title = "Open image";
    desc.Filter = "Bitmap (*.bmp)|*.bmp";
    desc.FilterIndex = 1;

    EXPECT_EQ(host.OpenFileDialog(desc), std::optional<std::string>("/tmp/a.bmp"));
    EXPECT_EQ(host.OpenFileDialog(desc), std::nullopt);
    EXPECT_EQ(host.OpenFileDialog(desc), std::nullopt);

    ASSERT_EQ(host.FileDialogs().size(), 3u);
    EXPECT_EQ(host.FileDialogs()[2].Title, "Open image");
    EXPECT_EQ(host.FileDialogs()[2].Filter, "Bitmap (*.bmp)|*.bmp");

    // Save dialogs answer from the same queue and are recorded apart.
    host.QueueFileDialogAnswer("/tmp/b.json");
    desc.Title = "Save form";
    EXPECT_EQ(host.SaveFileDialog(desc), std::optional<std::string>("/tmp/b.json"));
    EXPECT_EQ(host.SaveFileDialog(desc), std::nullopt);
    ASSERT_EQ(host.SaveDialogs().size(), 2u);
    EXPECT_EQ(host.SaveDialogs()[0].Title, "Save form");
    EXPECT_EQ(host.FileDialogs().size(), 3u);
}

TEST_F(HeadlessHostTest, MessageBoxesAndBeepsAreRecorded) {
    host.MessageBox("Saruvi", "Bitmap image is not valid", MessageBoxKind::Error);
    host.Beep(0x30);
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].Title, "Saruvi");
    EXPECT_EQ(host.MessageBoxes()[0].Text, "Bitmap image is not valid");
    EXPECT_EQ(host.MessageBoxes()[0].Kind, MessageBoxKind::Error);
    EXPECT_EQ(host.Beeps(), std::vector<unsigned>{0x30});
}

TEST_F(HeadlessHostTest, ClipboardHoldsTextOnceSet) {
    EXPECT_FALSE(host.ClipboardHasText());
    host.SetClipboardText("");
    EXPECT_TRUE(host.ClipboardHasText());
    host.SetClipboardText("12.5");
    EXPECT_EQ(host.ClipboardText(), "12.5");
}

TEST_F(HeadlessHostTest, ScreenAndColoursAreTheClassicDesktop) {
    EXPECT_EQ(host.ScreenRect(), Rect(0, 0, 1280, 1024));
    EXPECT_EQ(host.SystemColor(COLOR_BTNFACE), ClassicSystemColor(COLOR_BTNFACE));
    EXPECT_EQ(host.SystemColor(COLOR_WINDOW), ClassicSystemColor(COLOR_WINDOW));
}

TEST(HostInstallationTest, InstalledHostIsTheOneTheFrameworkGetsUntilUninstalled) {
    auto previous = UninstallHost();
    EXPECT_FALSE(HasHost());
    EXPECT_THROW(Host(), std::logic_error);

    HeadlessHost& installed = InstallHeadlessHost();
    EXPECT_TRUE(HasHost());
    EXPECT_EQ(&Host(), &installed);

    auto taken = UninstallHost();
    EXPECT_EQ(taken.get(), &installed);
    EXPECT_FALSE(HasHost());
    InstallHost(std::move(previous));
}

} // namespace
} // namespace platform
