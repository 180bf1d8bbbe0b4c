#include "framework/platform/qt/QtWindow.h"

#include "framework/platform/qt/QtHost.h"
#include "framework/platform/qt/QtInput.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>
#include <QWindow>
#include <cstring>
#include <utility>

namespace platform {

namespace {

Qt::WindowFlags FlagsFor(WindowKind kind) {
    switch (kind) {
    case WindowKind::Sizeable:
        return Qt::Window;
    case WindowKind::Dialog:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint;
    case WindowKind::Popup:
        return Qt::Popup | Qt::FramelessWindowHint;
    case WindowKind::Tooltip:
        return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput;
    }
    return Qt::Window;
}

Qt::CursorShape QtCursor(CursorShape shape) {
    switch (shape) {
    case CursorShape::Arrow:
        return Qt::ArrowCursor;
    case CursorShape::Cross:
        return Qt::CrossCursor;
    case CursorShape::IBeam:
        return Qt::IBeamCursor;
    case CursorShape::Wait:
        return Qt::WaitCursor;
    case CursorShape::SizeWE:
        return Qt::SizeHorCursor;
    case CursorShape::SizeNS:
        return Qt::SizeVerCursor;
    case CursorShape::SizeAll:
        return Qt::SizeAllCursor;
    case CursorShape::HandPoint:
        return Qt::PointingHandCursor;
    case CursorShape::No:
        return Qt::ForbiddenCursor;
    case CursorShape::Drag:
        return Qt::DragMoveCursor;
    }
    return Qt::ArrowCursor;
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

int Device(int logical, qreal ratio) {
    return qRound(logical * ratio);
}

int Logical(int device, qreal ratio) {
    return qRound(device / ratio);
}

} // namespace

// --------------------------------------------------------------------------------- widget

QtSurfaceWidget::QtSurfaceWidget(QtHost& host, QtWindow& window, WindowKind kind)
    : QWidget(nullptr, FlagsFor(kind)), FHost(host), FWindow(window), FKind(kind),
      FRatio(devicePixelRatioF()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setFocusPolicy(kind == WindowKind::Tooltip ? Qt::NoFocus : Qt::StrongFocus);
    setAttribute(Qt::WA_ShowWithoutActivating, kind == WindowKind::Tooltip);
}

void QtSurfaceWidget::SetClientBounds(const TRect& bounds) {
    const QRect logical(Logical(bounds.Left, FRatio), Logical(bounds.Top, FRatio),
                        Logical(bounds.Width(), FRatio), Logical(bounds.Height(), FRatio));
    FKnownGeometry = logical;
    if (FKind == WindowKind::Dialog)
        setFixedSize(logical.size());
    setGeometry(logical);
}

TRect QtSurfaceWidget::ClientBounds() const {
    const QRect g = geometry();
    return Bounds(Device(g.x(), FRatio), Device(g.y(), FRatio), Device(g.width(), FRatio),
                  Device(g.height(), FRatio));
}

TRect QtSurfaceWidget::FrameExtents() const {
    const QRect g = geometry();
    const QRect f = frameGeometry();
    return {Device(g.left() - f.left(), FRatio), Device(g.top() - f.top(), FRatio),
            Device(f.right() - g.right(), FRatio), Device(f.bottom() - g.bottom(), FRatio)};
}

void QtSurfaceWidget::ScreenChanged() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == FRatio)
        return;
    FRatio = ratio;
    Send(Event(HostEvent::Kind::ScaleChanged, qRound(96 * ratio)));
}

void QtSurfaceWidget::Present(const PixelBuffer& surface, const TRect& dirty) {
    if (FImage.width() != surface.Width || FImage.height() != surface.Height) {
        FImage = QImage(surface.Width, surface.Height, QImage::Format_RGB32);
        FImage.fill(Qt::white);
        FStale = QRegion(FImage.rect());
        FExposeSent = false;
    }
    const QRect r = ToQRect(dirty).intersected(FImage.rect());
    if (r.isEmpty())
        return;
    // PixelBuffer words and RGB32 scan lines share one layout.
    const auto bytes = static_cast<std::size_t>(r.width()) * sizeof(std::uint32_t);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(FImage.scanLine(y) + r.left() * 4, surface.Row(y) + r.left(), bytes);
    FStale -= r;
    // The framework presents when it has painted, and it paints at once when a program asks
    // it to (Refresh, in a handler that keeps Qt's loop from running): show the pixels now.
    repaint(ToLogical(r).toAlignedRect());
}

bool QtSurfaceWidget::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Send(Event(HostEvent::Kind::Activate));
    else if (e->type() == QEvent::WindowDeactivate)
        Send(Event(HostEvent::Kind::Deactivate));
    return QWidget::event(e);
}

// The framework's pixels are the screen's: each is copied to one device pixel, never scaled.
void QtSurfaceWidget::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    QRegion asked;
    for (const QRect& r : e->region())
        asked += ToDevice(r);
    for (const QRect& r : asked.intersected(FImage.rect()))
        painter.drawImage(ToLogical(r), FImage, QRectF(r));
    const QRegion lacking = asked - (QRegion(FImage.rect()) - FStale);
    if (lacking.isEmpty())
        return;
    for (const QRect& r : lacking)
        painter.fillRect(ToLogical(r), palette().window());
    if (!std::exchange(FExposeSent, true))
        Send(Event(HostEvent::Kind::Expose));
}

void QtSurfaceWidget::mousePressEvent(QMouseEvent* e) {
    // A click outside a popup is how the user dismisses a menu.
    if (FKind == WindowKind::Popup && !rect().contains(e->position().toPoint())) {
        FDismissing = true;
        Send(Event(HostEvent::Kind::Close));
        return;
    }
    SendMouse(HostEvent::Kind::MouseDown, e);
}

void QtSurfaceWidget::mouseReleaseEvent(QMouseEvent* e) {
    // The release of the click that dismissed a popup belongs to no press the framework saw.
    if (std::exchange(FDismissing, false))
        return;
    SendMouse(HostEvent::Kind::MouseUp, e);
}

void QtSurfaceWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    SendMouse(HostEvent::Kind::MouseDoubleClick, e);
}

void QtSurfaceWidget::mouseMoveEvent(QMouseEvent* e) {
    SendMouse(HostEvent::Kind::MouseMove, e);
}

void QtSurfaceWidget::wheelEvent(QWheelEvent* e) {
    const TPoint p = ToDevice(e->position());
    HostEvent w =
        Event(HostEvent::Kind::MouseWheel, p.x, p.y, ModsFromQt(e->modifiers(), e->buttons()));
    w.WheelDelta = e->angleDelta().y();
    Send(std::move(w));
}

void QtSurfaceWidget::leaveEvent(QEvent*) {
    Send(Event(HostEvent::Kind::MouseLeave));
}

void QtSurfaceWidget::keyPressEvent(QKeyEvent* e) {
    HostEvent k = Event(HostEvent::Kind::KeyDown, 0, 0, ModsFromQt(e->modifiers()));
    k.Key = VirtualKeyFromQt(e->key());
    k.Text = e->text().toStdString();
    if (k.Key != 0 || !k.Text.empty())
        Send(std::move(k));
}

// The framework draws no preedit text; it takes the composed text as typed characters.
void QtSurfaceWidget::inputMethodEvent(QInputMethodEvent* e) {
    HostEvent k = Event(HostEvent::Kind::KeyDown);
    k.Text = e->commitString().toStdString();
    if (!k.Text.empty())
        Send(std::move(k));
    e->accept();
}

void QtSurfaceWidget::keyReleaseEvent(QKeyEvent* e) {
    // Win32 repeats only the key-down of a held key.
    if (e->isAutoRepeat())
        return;
    HostEvent k = Event(HostEvent::Kind::KeyUp, 0, 0, ModsFromQt(e->modifiers()));
    k.Key = VirtualKeyFromQt(e->key());
    if (k.Key != 0)
        Send(std::move(k));
}

void QtSurfaceWidget::closeEvent(QCloseEvent* e) {
    e->ignore();
    Send(Event(HostEvent::Kind::Close));
}

void QtSurfaceWidget::moveEvent(QMoveEvent*) {
    const QPoint p = geometry().topLeft();
    if (p == FKnownGeometry.topLeft())
        return;
    FKnownGeometry.moveTopLeft(p);
    Send(Event(HostEvent::Kind::Moved, Device(p.x(), FRatio), Device(p.y(), FRatio)));
}

void QtSurfaceWidget::resizeEvent(QResizeEvent*) {
    const QSize s = size();
    if (s == FKnownGeometry.size())
        return;
    FKnownGeometry.setSize(s);
    FExposeSent = false;
    Send(Event(HostEvent::Kind::Resized, Device(s.width(), FRatio), Device(s.height(), FRatio)));
}

HostEvent QtSurfaceWidget::Event(HostEvent::Kind kind, int x, int y, unsigned mods) {
    HostEvent e;
    e.Type = kind;
    e.Window = &FWindow;
    e.X = x;
    e.Y = y;
    e.Mods = mods;
    return e;
}

void QtSurfaceWidget::Send(HostEvent e) {
    FHost.Enqueue(std::move(e));
}

void QtSurfaceWidget::SendMouse(HostEvent::Kind kind, QMouseEvent* e) {
    const auto button = ButtonFromQt(e->button());
    if (kind != HostEvent::Kind::MouseMove && !button)
        return;
    const TPoint p = ToDevice(e->position());
    HostEvent m = Event(kind, p.x, p.y, ModsFromQt(e->modifiers(), e->buttons()));
    m.Button = button.value_or(MouseButton::Left);
    Send(std::move(m));
}

// Qt's logical coordinates of a pointer are the device's divided by the ratio.
TPoint QtSurfaceWidget::ToDevice(QPointF logical) const {
    return {qRound(logical.x() * FRatio), qRound(logical.y() * FRatio)};
}

QRect QtSurfaceWidget::ToDevice(const QRect& logical) const {
    const QRectF device(QPointF(logical.topLeft()) * FRatio, QSizeF(logical.size()) * FRatio);
    return device.toAlignedRect();
}

QRectF QtSurfaceWidget::ToLogical(const QRect& device) const {
    return {QPointF(device.topLeft()) / FRatio, QSizeF(device.size()) / FRatio};
}

// --------------------------------------------------------------------------------- window

QtWindow::QtWindow(QtHost& host, const WindowSpec& desc)
    : FHost(&host), FKind(desc.Kind),
      FWidget(std::make_unique<QtSurfaceWidget>(host, *this, desc.Kind)) {
    FWidget->setWindowTitle(QString::fromStdString(desc.Title));
    FWidget->SetClientBounds(desc.ClientBounds);
    FWidget->winId();
    QObject::connect(FWidget->windowHandle(), &QWindow::screenChanged, FWidget.get(),
                     [widget = FWidget.get()] { widget->ScreenChanged(); });
    if (const auto* owner = dynamic_cast<const QtWindow*>(desc.Owner); owner && owner->Widget()) {
        owner->Widget()->winId();
        FWidget->windowHandle()->setTransientParent(owner->Widget()->windowHandle());
    }
}

QtWindow::~QtWindow() {
    if (FHost)
        FHost->Forget(this);
}

void QtWindow::Detach() {
    FWidget.reset();
    FHost = nullptr;
}

void QtWindow::SetTitle(const std::string& utf8) {
    if (FWidget)
        FWidget->setWindowTitle(QString::fromStdString(utf8));
}

void QtWindow::SetIcon(const PixelBuffer& icon) {
    if (!FWidget || icon.Pixels.empty())
        return;
    const QImage image(reinterpret_cast<const uchar*>(icon.Pixels.data()), icon.Width, icon.Height,
                       QImage::Format_ARGB32);
    FWidget->setWindowIcon(QIcon(QPixmap::fromImage(image.copy())));
}

void QtWindow::SetClientBounds(const TRect& bounds) {
    if (FWidget)
        FWidget->SetClientBounds(bounds);
}

TRect QtWindow::ClientBounds() const {
    return FWidget ? FWidget->ClientBounds() : TRect{};
}

TRect QtWindow::FrameExtents() const {
    if (!FWidget || !FWidget->isVisible())
        return FFrame;
    return FWidget->FrameExtents();
}

void QtWindow::Show() {
    if (!FWidget)
        return;
    FWidget->show();
    if (IsFramed(FKind))
        Activate();
}

void QtWindow::Hide() {
    if (!FWidget)
        return;
    FFrame = FrameExtents();
    FWidget->hide();
}

void QtWindow::SetMinClientSize(int width, int height) {
    if (FWidget)
        FWidget->setMinimumSize(width, height);
}

void QtWindow::SetModal(bool modal) {
    if (!FWidget)
        return;
    // Qt applies a change of modality only when the window is shown again.
    const bool shown = FWidget->isVisible();
    if (shown)
        FWidget->hide();
    FWidget->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    if (shown)
        FWidget->show();
}

void QtWindow::Activate() {
    if (!FWidget)
        return;
    FWidget->raise();
    FWidget->activateWindow();
}

void QtWindow::SetCursor(CursorShape shape) {
    if (FWidget)
        FWidget->setCursor(QCursor(QtCursor(shape)));
}

void QtWindow::SetInputMethodEnabled(bool enabled) {
    if (!FWidget || FWidget->testAttribute(Qt::WA_InputMethodEnabled) == enabled)
        return;
    FWidget->setAttribute(Qt::WA_InputMethodEnabled, enabled);
    if (FWidget->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

void QtWindow::Present(const PixelBuffer& surface, const TRect& dirty) {
    if (FWidget)
        FWidget->Present(surface, dirty);
}

} // namespace platform
