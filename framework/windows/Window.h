#pragma once
// The framework's windows (an HWND is a TWindow*): bounds, parent and z-order, style bits, the
// pending update area, and the control whose window procedure receives the window's messages.
// A top-level window owns the host window and the pixel surface its whole tree paints into.

#include "framework/graphics/Types.h"
#include "framework/platform/Host.h"
#include "framework/windows/Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TControlCanvas;
class TWinControl;
struct TCreateParams;

// The pixels of one top-level window and the canvases drawing into them; Flush presents what
// they drew to the host.
class TSurface {
public:
    explicit TSurface(std::unique_ptr<platform::IHostWindow> host);
    ~TSurface();
    TSurface(const TSurface&) = delete;
    TSurface& operator=(const TSurface&) = delete;

    platform::IHostWindow& Host() const { return *FHost; }
    platform::PixelBuffer& Pixels() { return FPixels; }
    void Resize(int width, int height);
    // Canvases that draw into the surface; Flush collects what they drew.
    void Attach(TControlCanvas* canvas);
    void Detach(TControlCanvas* canvas);
    void Attach(TCanvas* canvas);
    void Detach(TCanvas* canvas);
    void AddDirty(const TRect& rect) { FDirty = UnionRect(FDirty, rect); }
    // Presents the union of everything drawn since the last flush.
    void Flush();

private:
    std::unique_ptr<platform::IHostWindow> FHost;
    platform::PixelBuffer FPixels;
    std::vector<TCanvas*> FCanvases;
    std::vector<TControlCanvas*> FControlCanvases;
    TRect FDirty;
};

class TWindow {
public:
    using TProcedure = std::function<void(TMessage&)>;

    // A child when params.Style has WS_CHILD (params.WndParent its parent), else top-level
    // (WndParent its owner). control may be null for a window that only receives messages.
    TWindow(TWinControl* control, const TCreateParams& params, TProcedure procedure);
    ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    TWinControl* Control() const { return FControl; }
    // Delivers a message to the window procedure; an exception escaping it goes to the
    // window manager's exception handler.
    LRESULT Send(UINT msg, WPARAM wparam, LPARAM lparam);

    bool IsChild() const { return FParent != nullptr; }
    TWindow* Parent() const { return FParent; }
    TWindow* Owner() const { return FOwner; }
    TWindow* TopLevel();
    const std::vector<TWindow*>& Children() const { return FChildren; } // bottom first
    // Moves the window to position index among its siblings (clamped).
    void SetZOrder(std::size_t index);

    const std::string& ClassName() const { return FClassName; }
    std::uint32_t Style() const { return FStyle; }
    void SetStyle(std::uint32_t style);
    std::uint32_t ExStyle() const { return FExStyle; }
    void SetExStyle(std::uint32_t style) { FExStyle = style; }
    int Id() const { return FId; }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& text);

    // A child's bounds in its parent's client coordinates; a top-level's outer bounds on screen.
    TRect Bounds() const { return FBounds; }
    void SetBounds(const TRect& bounds);
    // (0, 0, width, height) of the client area, inside the border.
    TRect ClientRect() const;
    // Where client (0, 0) lies: on the surface, and on the screen.
    TPoint SurfaceOrigin() const;
    TPoint ScreenOrigin() const;
    // The client area's visible part on the surface: cut by every parent's client area.
    TRect VisibleClientRect() const;
    // The whole window (border included) on the surface, cut by the parents.
    TRect VisibleWindowRect() const;
    // Thickness of the border drawn by the window itself (WS_BORDER, WS_EX_CLIENTEDGE).
    int BorderWidth() const;
    // Where a child's client area starts inside its bounds: past the border, and past a
    // vertical scroll bar kept on the left (WS_EX_LEFTSCROLLBAR).
    TPoint ClientOffset() const;

    bool Visible() const { return (FStyle & WS_VISIBLE) != 0; }
    // Visible, and so are all its parents.
    bool Showing() const;
    void SetVisible(bool visible);
    bool Enabled() const { return (FStyle & WS_DISABLED) == 0; }
    void SetEnabled(bool enabled);

    // --- painting
    // Adds rect (client coordinates; null: the whole client area) to the update area.
    void Invalidate(const TRect* rect, bool erase);
    void Validate() {
        FUpdate = {};
        FErase = false;
    }
    TRect UpdateRect() const { return FUpdate; }
    bool NeedsPaint() const { return !FUpdate.IsEmpty(); }
    // Paints the pending update area of this window and then of its children.
    void PaintTree();
    bool TreeNeedsPaint() const;
    // The canvas behind the window's HDC, pointed at its client area.
    TCanvas& DC();

    // --- a top-level window's host side
    TSurface* Surface() { return TopLevel()->FSurface.get(); }
    platform::IHostWindow* HostWindow() { return Surface() ? &Surface()->Host() : nullptr; }
    // The host moved the top-level window (outer bounds unchanged in size).
    void HostMoved(TPoint clientScreenOrigin);
    // The host resized the top-level window's client area.
    void HostResized(int clientWidth, int clientHeight);

private:
    void CreateHostWindow();
    void PaintSelf();
    void PaintBorder();
    void InvalidateChildrenIn(const TRect& clientRect);
    TRect FrameExtents() const;

    TWinControl* FControl;
    TProcedure FProcedure;
    TWindow* FParent = nullptr;
    TWindow* FOwner = nullptr;
    std::vector<TWindow*> FChildren;
    std::string FClassName;
    std::string FText;
    std::uint32_t FStyle = 0;
    std::uint32_t FExStyle = 0;
    int FId = 0;
    TRect FBounds;
    TRect FUpdate;
    bool FErase = false;
    std::unique_ptr<TSurface> FSurface; // top-level only
    std::unique_ptr<TCanvas> FDC;
};
