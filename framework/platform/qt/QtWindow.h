#pragma once
// A framework window on the desktop: a native top-level widget that shows the pixels the
// framework presents and turns the user's input into host events.

#include "framework/platform/Host.h"

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <memory>

namespace platform {

class QtHost;
class QtWindow;

class QtSurfaceWidget final : public QWidget {
public:
    QtSurfaceWidget(QtHost& host, QtWindow& window, WindowKind kind);

    // Device pixels, as the framework counts them; Qt's own geometry is in logical ones.
    void SetClientBounds(const TRect& bounds);
    TRect ClientBounds() const;
    TRect FrameExtents() const;
    void Present(const PixelBuffer& surface, const TRect& dirty);
    // The window is on another screen: the framework hears of it when the scale differs.
    void ScreenChanged();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // Tab belongs to the framework's dialog handling, not to Qt's focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    HostEvent Event(HostEvent::Kind kind, int x = 0, int y = 0, unsigned mods = 0);
    void Send(HostEvent e);
    void SendMouse(HostEvent::Kind kind, QMouseEvent* e);
    TPoint ToDevice(QPointF logical) const;
    QRect ToDevice(const QRect& logical) const;
    QRectF ToLogical(const QRect& device) const;

    QtHost& FHost;
    QtWindow& FWindow;
    WindowKind FKind;
    QImage FImage;
    QRegion FStale; // the part of the image never presented since it was made
    bool FExposeSent = false;
    bool FDismissing = false; // a press outside this popup asked to close it
    QRect FKnownGeometry;     // as last set or reported, so that only the user's changes are sent
    qreal FRatio;             // device pixels per logical pixel, as the framework last heard
};

class QtWindow final : public IHostWindow {
public:
    QtWindow(QtHost& host, const WindowSpec& desc);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    void SetTitle(const std::string& utf8) override;
    void SetIcon(const PixelBuffer& icon) override;
    void SetClientBounds(const TRect& bounds) override;
    TRect ClientBounds() const override;
    TRect FrameExtents() const override;
    void Show() override;
    void Hide() override;
    void SetModal(bool modal) override;
    void SetMinClientSize(int width, int height) override;
    void Activate() override;
    void SetCursor(CursorShape shape) override;
    void SetInputMethodEnabled(bool enabled) override;
    void Present(const PixelBuffer& surface, const TRect& dirty) override;

    QWidget* Widget() const { return FWidget.get(); }
    // Lets go of the widget when the host, and Qt with it, goes away before the window.
    void Detach();

private:
    QtHost* FHost;
    WindowKind FKind;
    std::unique_ptr<QtSurfaceWidget> FWidget;
    TRect FFrame; // the last frame measured while shown
};

} // namespace platform
