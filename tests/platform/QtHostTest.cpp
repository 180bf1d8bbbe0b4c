// The desktop host's translations (keys, modifiers, file filters) and its windows, driven with
// synthetic Qt events on the off-screen platform.

#include "framework/platform/qt/QtHost.h"
#include "framework/platform/qt/QtDialogs.h"
#include "framework/platform/qt/QtInput.h"
#include "framework/platform/qt/QtWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPointingDevice>

namespace platform {
namespace {

TEST(QtInputTest, KeysMapToWin32VirtualKeys) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A), 'A');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Z), 'Z');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_0), '0');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Space), 32);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Return), 13);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Enter), 13);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Escape), 27);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Tab), 9);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Backtab), 9);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Backspace), 8);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Delete), 46);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Insert), 45);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Left), 37);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Down), 40);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Home), 36);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_End), 35);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageUp), 33);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageDown), 34);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Shift), 16);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Control), 17);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Alt), 18);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F1), 112);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F12), 123);
}

TEST(QtInputTest, SymbolsMapToTheKeyThatTypesThem) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Exclam), '1');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_ParenRight), '0');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus), 0xBD);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Underscore), 0xBD);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period), 0xBE);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Question), 0xBF);
}

TEST(QtInputTest, KeysWin32HasNoCodeForMapToZero) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_unknown), 0);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_LaunchMail), 0);
}

TEST(QtInputTest, ModifiersAndButtonsBecomeModBits) {
    EXPECT_EQ(ModsFromQt(Qt::NoModifier), 0u);
    EXPECT_EQ(ModsFromQt(Qt::ShiftModifier | Qt::AltModifier), ModShift | ModAlt);
    EXPECT_EQ(ModsFromQt(Qt::ControlModifier, Qt::LeftButton | Qt::MiddleButton),
              ModCtrl | ModLeft | ModMiddle);
    EXPECT_EQ(ModsFromQt(Qt::NoModifier, Qt::RightButton), ModRight);
    EXPECT_EQ(ButtonFromQt(Qt::RightButton), MouseButton::Right);
    EXPECT_EQ(ButtonFromQt(Qt::BackButton), std::nullopt);
}

TEST(QtDialogsTest, FrameworkFilterBecomesQtNameFilters) {
    EXPECT_EQ(QtNameFilters("Bitmap image (*.bmp)|*.bmp|All Files (*.*)|*.*"),
              (QStringList{"Bitmap image (*.bmp)", "All Files (*.*)"}));
}

TEST(QtDialogsTest, PatternsMissingFromTheDescriptionAreAppended) {
    EXPECT_EQ(QtNameFilters("Images|*.bmp;*.dib|Old (*.bmp)|*.bmp;*.rle"),
              (QStringList{"Images (*.bmp *.dib)", "Old (*.bmp) (*.bmp *.rle)"}));
}

TEST(QtDialogsTest, EmptyOrUnpairedFilterGivesNoNameFilters) {
    EXPECT_TRUE(QtNameFilters("").isEmpty());
    EXPECT_EQ(QtNameFilters("Text (*.txt)|*.txt|Dangling"), QStringList{"Text (*.txt)"});
}

class QtHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QCoreApplication::instance() &&
            !qobject_cast<QApplication*>(QCoreApplication::instance()))
            GTEST_SKIP() << "Qt already runs without widgets in this process";
        host = std::make_unique<QtHost>();
        window =
            host->CreateWindow({WindowKind::Sizeable, "main", Bounds(40, 30, 64, 48), nullptr});
        widget = static_cast<QtWindow*>(window.get())->Widget();
    }

    void TearDown() override {
        window.reset();
        host.reset();
    }

    // The events come from devices of the test's own, and keys skip the application's shortcut
    // check: either would make Qt's default devices on the fly, and those break the exit of a Qt
    // application that another test left running until then.
    void SendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button,
                   Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent e(type, at, target->mapToGlobal(at), button, buttons, modifiers, &mouse);
        QApplication::sendEvent(target, &e);
    }

    void SendKey(QEvent::Type type, int key, const QString& text, bool autoRepeat = false) {
        QKeyEvent e(type, key, Qt::NoModifier, 0, 0, 0, text, autoRepeat, 1, &keyboard);
        static_cast<QObject*>(widget)->event(&e);
    }

    std::vector<HostEvent> Drain() {
        std::vector<HostEvent> events;
        while (auto e = host->PollEvent())
            events.push_back(*e);
        return events;
    }

    std::optional<HostEvent> FirstOf(HostEvent::Kind kind) {
        for (const HostEvent& e : Drain())
            if (e.Type == kind)
                return e;
        return std::nullopt;
    }

    QPointingDevice mouse{"test mouse",
                          1,
                          QInputDevice::DeviceType::Mouse,
                          QPointingDevice::PointerType::Generic,
                          QInputDevice::Capability::Position,
                          1,
                          3};
    QInputDevice keyboard{"test keyboard", 2, QInputDevice::DeviceType::Keyboard};
    std::unique_ptr<QtHost> host;
    std::unique_ptr<IHostWindow> window;
    QWidget* widget = nullptr;
};

TEST_F(QtHostTest, MousePressBecomesAMouseDownInClientCoordinates) {
    SendMouse(widget, QEvent::MouseButtonPress, QPointF(5, 7), Qt::LeftButton, Qt::LeftButton,
              Qt::ShiftModifier);

    const auto e = FirstOf(HostEvent::Kind::MouseDown);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Window, window.get());
    EXPECT_EQ(e->X, 5);
    EXPECT_EQ(e->Y, 7);
    EXPECT_EQ(e->Button, MouseButton::Left);
    EXPECT_EQ(e->Mods, ModShift | ModLeft);
}

TEST_F(QtHostTest, TabReachesTheFrameworkInsteadOfMovingQtFocus) {
    SendKey(QEvent::KeyPress, Qt::Key_Tab, "\t");

    const auto e = FirstOf(HostEvent::Kind::KeyDown);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Key, 9);
    EXPECT_EQ(e->Text, "\t");
}

TEST_F(QtHostTest, AutoRepeatSendsOnlyKeyDowns) {
    SendKey(QEvent::KeyPress, Qt::Key_Right, QString(), true);
    SendKey(QEvent::KeyRelease, Qt::Key_Right, QString(), true);

    const auto events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Type, HostEvent::Kind::KeyDown);
    EXPECT_EQ(events[0].Key, 39);
}

TEST_F(QtHostTest, TheInputMethodFollowsTheRequestAndItsTextArrivesAsTyped) {
    window->SetInputMethodEnabled(true);
    EXPECT_TRUE(widget->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("\u304B"));
    static_cast<QObject*>(widget)->event(&composed);
    const auto e = FirstOf(HostEvent::Kind::KeyDown);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Key, 0);
    EXPECT_EQ(e->Text, "\u304B");

    window->SetInputMethodEnabled(false);
    EXPECT_FALSE(widget->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(QtHostTest, CloseIsReportedAndLeftToTheFramework) {
    window->Show();
    Drain();
    QCloseEvent close;
    QApplication::sendEvent(widget, &close);

    EXPECT_TRUE(FirstOf(HostEvent::Kind::Close).has_value());
    EXPECT_TRUE(widget->isVisible());
}

// The framework takes this event the way it takes a user resize on the headless host: the form
// is held to its constraints and its children are anchored and aligned anew.
TEST_F(QtHostTest, AResizeByTheWindowSystemIsReportedButNotTheFrameworksOwn) {
    window->Show();
    Drain();
    widget->resize(100, 80);
    const auto e = FirstOf(HostEvent::Kind::Resized);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->X, 100);
    EXPECT_EQ(e->Y, 80);

    window->SetClientBounds(Bounds(40, 30, 90, 70));
    EXPECT_FALSE(FirstOf(HostEvent::Kind::Resized).has_value());
}

TEST_F(QtHostTest, ClickOutsideAPopupAsksToCloseItAndSwallowsTheRelease) {
    auto popup =
        host->CreateWindow({WindowKind::Popup, "menu", Bounds(10, 10, 30, 30), window.get()});
    QWidget* menu = static_cast<QtWindow*>(popup.get())->Widget();
    const QPointF outside(50, 50);
    SendMouse(menu, QEvent::MouseButtonPress, outside, Qt::LeftButton, Qt::LeftButton);
    SendMouse(menu, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);

    const auto events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Type, HostEvent::Kind::Close);
    EXPECT_EQ(events[0].Window, popup.get());
}

TEST_F(QtHostTest, OldWindowHearsOfDeactivationBeforeTheNewOneOfActivation) {
    auto other = host->CreateWindow({WindowKind::Dialog, "other", Bounds(0, 0, 10, 10), nullptr});
    HostEvent activate;
    activate.Type = HostEvent::Kind::Activate;
    activate.Window = other.get();
    HostEvent deactivate;
    deactivate.Type = HostEvent::Kind::Deactivate;
    deactivate.Window = window.get();
    host->Enqueue(activate);
    host->Enqueue(deactivate);

    const auto events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Type, HostEvent::Kind::Deactivate);
    EXPECT_EQ(events[0].Window, window.get());
    EXPECT_EQ(events[1].Type, HostEvent::Kind::Activate);
}

TEST_F(QtHostTest, PresentedPixelsAreWhatTheWidgetPaints) {
    PixelBuffer surface(64, 48, ColorToPixel(clWhite));
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 30; ++x)
            surface.Row(y)[x] = ColorToPixel(clRed);
    window->Present(surface, Rect(0, 0, 64, 48));

    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(29, 19), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(30, 19), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(10, 20), QColor(Qt::white));
}

TEST_F(QtHostTest, PaintingWithoutPixelsAsksForAnExposeOnce) {
    widget->grab();
    widget->grab();
    int exposes = 0;
    for (const HostEvent& e : Drain())
        exposes += e.Type == HostEvent::Kind::Expose;
    EXPECT_EQ(exposes, 1);

    window->Present(PixelBuffer(64, 48), Rect(0, 0, 64, 48));
    widget->grab();
    EXPECT_FALSE(FirstOf(HostEvent::Kind::Expose).has_value());
}

TEST_F(QtHostTest, DestroyedWindowLeavesNoEventsBehind) {
    SendKey(QEvent::KeyPress, Qt::Key_A, "a");
    window.reset();
    for (const HostEvent& e : Drain())
        EXPECT_EQ(e.Window, nullptr);
}

TEST_F(QtHostTest, WakeEndsAWaitWithoutLimit) {
    Drain();
    host->Wake();
    host->WaitForEvent(-1);
    SUCCEED();
}

TEST_F(QtHostTest, SystemColoursComeFromTheDesktopPalette) {
    const QPalette palette = QApplication::palette();
    const auto rgb = [](const QColor& c) {
        return RGB(c.red(), c.green(), c.blue());
    };
    EXPECT_EQ(host->SystemColor(COLOR_WINDOW), rgb(palette.color(QPalette::Base)));
    EXPECT_EQ(host->SystemColor(COLOR_BTNFACE), rgb(palette.color(QPalette::Button)));
    EXPECT_EQ(host->SystemColor(COLOR_BTNTEXT), rgb(palette.color(QPalette::ButtonText)));
    EXPECT_EQ(host->SystemColor(COLOR_INFOBK), rgb(palette.color(QPalette::ToolTipBase)));
    EXPECT_EQ(host->SystemColor(COLOR_COUNT), clBlack);
}

} // namespace
} // namespace platform
