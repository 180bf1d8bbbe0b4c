#include "framework/platform/qt/QtHost.h"

#include "framework/platform/qt/DesktopHost.h"
#include "framework/platform/qt/QtDialogs.h"
#include "framework/platform/qt/QtFontDialog.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/platform/qt/QtWindow.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMimeData>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

namespace {

// QApplication keeps a reference to these for its whole life.
int gArgc = 1;
char gArgv0[] = "saruvi";
char* gArgv[] = {gArgv0, nullptr};

struct PaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The desktop palette's counterpart of each Win32 system colour, indexed by COLOR_*.
constexpr PaletteEntry SystemColors[COLOR_COUNT] = {
    {QPalette::Active, QPalette::Button},          // scroll bar
    {QPalette::Active, QPalette::Dark},            // desktop
    {QPalette::Active, QPalette::Highlight},       // active caption
    {QPalette::Inactive, QPalette::Mid},           // inactive caption
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // window
    {QPalette::Active, QPalette::WindowText},      // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Button},          // active border
    {QPalette::Active, QPalette::Button},          // inactive border
    {QPalette::Active, QPalette::Dark},            // application workspace
    {QPalette::Active, QPalette::Highlight},       // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlight text
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Inactive, QPalette::Midlight},      // inactive caption text
    {QPalette::Active, QPalette::Light},           // button highlight
    {QPalette::Active, QPalette::Shadow},          // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // tooltip background
};

// Without a display Qt aborts and leaves a core file; a person who started the program from a
// terminal reads instead why it cannot run and how it can, with Qt's own reason when it gave one.
[[noreturn]] void ExitForNoDisplay(const QString& reason = {}) {
    const std::string why = reason.isEmpty() ? std::string() : " (" + reason.toStdString() + ")";
    std::fprintf(stderr,
                 "%s: no display to open windows on%s; run it in a desktop session or under "
                 "xvfb-run\n",
                 program_invocation_short_name, why.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Only the platforms that connect to a display server need one (offscreen and the like do not).
bool NeedsDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view name = platform ? platform : "";
    return name.empty() || name.starts_with("xcb") || name.starts_with("wayland");
}

struct QueuedMessage {
    QtMsgType Type;
    const char* Category; // Qt's categories are named by string literals
    QString Text;
};

// Qt's messages while it connects: replayed when it succeeds, dropped for the one line when it
// fails.
std::vector<QueuedMessage>* gStartMessages = nullptr;

void QueueStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Qt's fatal message advises reinstalling; the first thing it said is why it failed.
    if (type == QtFatalMsg)
        ExitForNoDisplay(gStartMessages && !gStartMessages->empty()
                             ? gStartMessages->front().Text.section('\n', 0, 0)
                             : QString());
    if (gStartMessages)
        gStartMessages->push_back({type, context.category, text});
}

std::unique_ptr<QApplication> StartQApplication() {
    if (NeedsDisplay() && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY"))
        ExitForNoDisplay();
    std::vector<QueuedMessage> messages;
    gStartMessages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(QueueStartMessage);
    auto app = std::make_unique<QApplication>(gArgc, gArgv);
    qInstallMessageHandler(previous);
    gStartMessages = nullptr;
    for (const QueuedMessage& m : messages)
        qt_message_output(m.Type, QMessageLogContext(nullptr, 0, nullptr, m.Category), m.Text);
    return app;
}

std::unique_ptr<QApplication> StartQt() {
    if (QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            throw std::runtime_error("the desktop host needs Qt started with widgets");
        return nullptr;
    }
    return StartQApplication();
}

qreal PrimaryRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QtHost::QtHost() : FApp(StartQt()), FPixelsPerInch(qRound(96 * PrimaryRatio())) {
    QApplication::setQuitOnLastWindowClosed(false);
}

QtHost::~QtHost() {
    FFonts.reset();
    for (QtWindow* w : FWindows)
        w->Detach();
}

std::unique_ptr<IHostWindow> QtHost::CreateWindow(const WindowSpec& desc) {
    auto window = std::make_unique<QtWindow>(*this, desc);
    FWindows.push_back(window.get());
    return window;
}

void QtHost::Enqueue(HostEvent event) {
    if (event.Type == HostEvent::Kind::ScaleChanged)
        FPixelsPerInch = event.X;
    // Qt activates the new window before it deactivates the old one; the framework hears it in
    // the desktop's usual order, the old window first.
    if (event.Type == HostEvent::Kind::Deactivate && !FEvents.empty() &&
        FEvents.back().Type == HostEvent::Kind::Activate && FEvents.back().Window != event.Window) {
        FEvents.insert(FEvents.end() - 1, std::move(event));
        return;
    }
    FEvents.push_back(std::move(event));
}

void QtHost::Forget(QtWindow* window) {
    std::erase(FWindows, window);
    std::erase_if(FEvents, [window](const HostEvent& e) { return e.Window == window; });
}

TRect QtHost::ScreenRect() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect g = screen->geometry();
    const qreal r = screen->devicePixelRatio();
    return Bounds(qRound(g.x() * r), qRound(g.y() * r), qRound(g.width() * r),
                  qRound(g.height() * r));
}

TPoint QtHost::CursorPos() const {
    const QPoint p = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(p);
    const qreal r = screen ? screen->devicePixelRatio() : PrimaryRatio();
    return {qRound(p.x() * r), qRound(p.y() * r)};
}

std::int64_t QtHost::Now() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::optional<HostEvent> QtHost::PollEvent() {
    if (FEvents.empty())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (FEvents.empty())
        return std::nullopt;
    HostEvent e = std::move(FEvents.front());
    FEvents.pop_front();
    return e;
}

void QtHost::WaitForEvent(std::int64_t timeoutMs) {
    bool expired = false;
    QTimer timer;
    if (timeoutMs >= 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&expired] { expired = true; });
        // Qt's timers count in int milliseconds; a longer wait wakes early, which is harmless.
        timer.start(static_cast<int>(std::min<std::int64_t>(timeoutMs, INT_MAX)));
    }
    while (FEvents.empty() && !FWoken && !expired)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    FWoken = false;
}

void QtHost::Wake() {
    FWoken = true;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

std::string QtHost::ClipboardText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

bool QtHost::ClipboardHasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void QtHost::SetClipboardText(const std::string& utf8) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(utf8));
}

std::optional<std::string> QtHost::OpenFileDialog(const FileDialogSpec& desc) {
    return RunFileDialog(desc, FileDialogMode::Open);
}

std::optional<std::string> QtHost::SaveFileDialog(const FileDialogSpec& desc) {
    return RunFileDialog(desc, FileDialogMode::Save);
}

std::optional<FontDialogSpec> QtHost::FontDialog(const FontDialogSpec& initial) {
    return RunFontDialog(initial);
}

void QtHost::MessageBox(const std::string& title, const std::string& text, MessageBoxKind kind) {
    RunMessageBox(title, text, kind);
}

void QtHost::Beep(unsigned) {
    QApplication::beep();
}

TColor QtHost::SystemColor(int index) const {
    if (index < 0 || index >= COLOR_COUNT)
        return clBlack;
    const PaletteEntry& entry = SystemColors[index];
    const QColor c = QApplication::palette().color(entry.Group, entry.Role);
    return RGB(c.red(), c.green(), c.blue());
}

IFontEngine& QtHost::Fonts() {
    if (!FFonts)
        FFonts = CreateQtFontEngine();
    return *FFonts;
}

std::unique_ptr<IHost> CreateDesktopHost() {
    return std::make_unique<QtHost>();
}

} // namespace platform
