#include "framework/windows/Window.h"

#include "framework/graphics/Canvas.h"
#include "framework/windows/ControlCanvas.h"
#include "framework/windows/WinControl.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>

// --- TSurface

TSurface::TSurface(std::unique_ptr<platform::IHostWindow> host) : FHost(std::move(host)) {}

TSurface::~TSurface() {
    for (TControlCanvas* canvas : FControlCanvases)
        canvas->SurfaceGone();
}

void TSurface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FPixels.Width && height == FPixels.Height)
        return;
    platform::PixelBuffer resized(width, height);
    const int w = std::min(width, FPixels.Width);
    for (int y = 0; y < std::min(height, FPixels.Height); ++y)
        std::copy_n(FPixels.Row(y), w, resized.Row(y));
    FPixels = std::move(resized);
    FDirty = Rect(0, 0, width, height);
}

void TSurface::Attach(TControlCanvas* canvas) {
    if (std::find(FControlCanvases.begin(), FControlCanvases.end(), canvas) ==
        FControlCanvases.end())
        FControlCanvases.push_back(canvas);
}

void TSurface::Detach(TControlCanvas* canvas) {
    AddDirty(canvas->TakeDirty());
    std::erase(FControlCanvases, canvas);
}

void TSurface::Attach(TCanvas* canvas) {
    FCanvases.push_back(canvas);
}

void TSurface::Detach(TCanvas* canvas) {
    AddDirty(canvas->TakeDirty());
    std::erase(FCanvases, canvas);
}

void TSurface::Flush() {
    for (TCanvas* canvas : FCanvases)
        AddDirty(canvas->TakeDirty());
    for (TControlCanvas* canvas : FControlCanvases)
        AddDirty(canvas->TakeDirty());
    const TRect dirty = IntersectRect(FDirty, Rect(0, 0, FPixels.Width, FPixels.Height));
    FDirty = {};
    if (!dirty.IsEmpty())
        FHost->Present(FPixels, dirty);
}

// --- TWindow: life

namespace {

platform::WindowKind KindOf(std::uint32_t style, std::uint32_t exStyle) {
    if ((style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION)
        return exStyle & WS_EX_NOACTIVATE ? platform::WindowKind::Tooltip
                                          : platform::WindowKind::Popup;
    if (style & WS_THICKFRAME)
        return platform::WindowKind::Sizeable;
    return platform::WindowKind::Dialog;
}

TRect Deflate(const TRect& r, const TRect& frame) {
    return {r.Left + frame.Left, r.Top + frame.Top,
            std::max(r.Left + frame.Left, r.Right - frame.Right),
            std::max(r.Top + frame.Top, r.Bottom - frame.Bottom)};
}

} // namespace

TWindow::TWindow(TWinControl* control, const TCreateParams& params, TProcedure procedure)
    : FControl(control), FProcedure(std::move(procedure)), FClassName(params.WinClassName),
      FText(params.Caption), FStyle(params.Style), FExStyle(params.ExStyle),
      FBounds(::Bounds(params.X, params.Y, std::max(params.Width, 0), std::max(params.Height, 0))),
      FDC(std::make_unique<TCanvas>()) {
    FId = WindowManager().Register(this);
    const bool visible = Visible();
    if ((FStyle & WS_CHILD) && params.WndParent) {
        FParent = params.WndParent;
        FParent->FChildren.push_back(this);
    } else {
        // A top-level window is shown through SetVisible, which shows the host window too.
        FStyle &= ~(WS_CHILD | WS_VISIBLE);
        FOwner = params.WndParent;
        if (FControl) {
            CreateHostWindow();
            WindowManager().AddTopLevel(this);
        }
    }
    if (Surface())
        Surface()->Attach(FDC.get());
    if (FParent && visible)
        Invalidate(nullptr, true);
    else if (visible)
        SetVisible(true);
}

TWindow::~TWindow() {
    Send(WM_DESTROY, 0, 0);
    while (!FChildren.empty()) {
        TWindow* child = FChildren.back();
        if (child->FControl)
            child->FControl->DestroyHandle();
        else
            delete child;
    }
    if (TSurface* surface = Surface())
        surface->Detach(FDC.get());
    if (FParent) {
        if (Visible()) {
            const TRect area = FBounds;
            FParent->Invalidate(&area, true);
        }
        std::erase(FParent->FChildren, this);
    }
    WindowManager().Unregister(this);
    if (FSurface && Visible())
        FSurface->Host().Hide();
}

void TWindow::CreateHostWindow() {
    platform::WindowSpec desc;
    desc.Kind = KindOf(FStyle, FExStyle);
    desc.Title = FText;
    desc.ClientBounds = FBounds;
    if (FOwner)
        desc.Owner = FOwner->HostWindow();
    FSurface = std::make_unique<TSurface>(platform::Host().CreateWindow(desc));
    // The host knows its frame only once the window exists; the outer bounds stay as asked.
    const TRect client = Deflate(FBounds, FSurface->Host().FrameExtents());
    FSurface->Host().SetClientBounds(client);
    FSurface->Resize(client.Width(), client.Height());
}

LRESULT TWindow::Send(UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage message{msg, wparam, lparam, 0};
    // The procedure may destroy the window: keep a copy alive for the call.
    const TProcedure procedure = FProcedure;
    try {
        procedure(message);
    } catch (...) {
        WindowManager().HandleException();
    }
    return message.Result;
}

TWindow* TWindow::TopLevel() {
    TWindow* w = this;
    while (w->FParent)
        w = w->FParent;
    return w;
}

void TWindow::SetZOrder(std::size_t index) {
    if (!FParent)
        return;
    auto& siblings = FParent->FChildren;
    std::erase(siblings, this);
    index = std::min(index, siblings.size());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), this);
    if (Visible())
        Invalidate(nullptr, true);
}

void TWindow::SetStyle(std::uint32_t style) {
    // Visibility, enabling and parenthood change only through their own calls.
    const std::uint32_t kept = WS_VISIBLE | WS_DISABLED | WS_CHILD;
    FStyle = (style & ~kept) | (FStyle & kept);
    SetVisible((style & WS_VISIBLE) != 0);
    SetEnabled((style & WS_DISABLED) == 0);
}

void TWindow::SetText(const std::string& text) {
    FText = text;
    if (!FParent && FSurface)
        FSurface->Host().SetTitle(text);
}

// --- geometry

TRect TWindow::FrameExtents() const {
    return FSurface ? FSurface->Host().FrameExtents() : TRect{};
}

int TWindow::BorderWidth() const {
    if (!FParent)
        return 0;
    return ((FStyle & WS_BORDER) ? 1 : 0) + ((FExStyle & WS_EX_CLIENTEDGE) ? 2 : 0);
}

TPoint TWindow::ClientOffset() const {
    const int b = BorderWidth();
    const bool barLeft = (FStyle & WS_VSCROLL) && (FExStyle & WS_EX_LEFTSCROLLBAR);
    return {b + (barLeft ? ScrollBarSize : 0), b};
}

void TWindow::SetBounds(const TRect& bounds) {
    if (bounds == FBounds)
        return;
    if (FParent && Visible()) {
        const TRect old = FBounds;
        FParent->Invalidate(&old, true);
    }
    FBounds = bounds;
    if (FSurface) {
        const TRect client = Deflate(FBounds, FrameExtents());
        FSurface->Host().SetClientBounds(client);
        FSurface->Resize(client.Width(), client.Height());
    }
    Invalidate(nullptr, true);
}

TRect TWindow::ClientRect() const {
    if (!FParent) {
        const TRect client = Deflate(FBounds, FrameExtents());
        return Rect(0, 0, client.Width(), client.Height());
    }
    // WS_VSCROLL and WS_HSCROLL keep a strip beside the client area for the control to draw
    // its scroll bars in (framework/stdctrls/ScrollBar.h).
    const int b = BorderWidth();
    const int barBeside = (FStyle & WS_VSCROLL) ? ScrollBarSize : 0;
    const int barBelow = (FStyle & WS_HSCROLL) ? ScrollBarSize : 0;
    return Rect(0, 0, std::max(0, FBounds.Width() - 2 * b - barBeside),
                std::max(0, FBounds.Height() - 2 * b - barBelow));
}

TPoint TWindow::SurfaceOrigin() const {
    if (!FParent)
        return {0, 0};
    const TPoint p = FParent->SurfaceOrigin();
    const TPoint offset = ClientOffset();
    return {p.x + FBounds.Left + offset.x, p.y + FBounds.Top + offset.y};
}

TPoint TWindow::ScreenOrigin() const {
    if (!FParent) {
        if (FSurface)
            return FSurface->Host().ClientBounds().TopLeft();
        return FBounds.TopLeft();
    }
    const TPoint p = FParent->ScreenOrigin();
    const TPoint offset = ClientOffset();
    return {p.x + FBounds.Left + offset.x, p.y + FBounds.Top + offset.y};
}

TRect TWindow::VisibleClientRect() const {
    if (!Showing())
        return {};
    const TPoint origin = SurfaceOrigin();
    const TRect client = ClientRect();
    TRect r = ::Bounds(origin.x, origin.y, client.Width(), client.Height());
    if (FParent)
        r = IntersectRect(r, FParent->VisibleClientRect());
    return r;
}

TRect TWindow::VisibleWindowRect() const {
    if (!FParent)
        return VisibleClientRect();
    if (!Showing())
        return {};
    const TPoint p = FParent->SurfaceOrigin();
    TRect r = FBounds;
    OffsetRect(r, p.x, p.y);
    return IntersectRect(r, FParent->VisibleClientRect());
}

bool TWindow::Showing() const {
    return Visible() && (!FParent || FParent->Showing());
}

void TWindow::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    if (visible)
        FStyle |= WS_VISIBLE;
    else
        FStyle &= ~WS_VISIBLE;
    if (FParent) {
        const TRect area = FBounds;
        FParent->Invalidate(&area, true);
    } else if (FSurface) {
        if (visible) {
            FSurface->Host().Show();
            // A desktop host may only now know the frame it draws around the window.
            const TRect client = Deflate(FBounds, FrameExtents());
            if (client != FSurface->Host().ClientBounds())
                FSurface->Host().SetClientBounds(client);
            FSurface->Resize(client.Width(), client.Height());
        } else {
            FSurface->Host().Hide();
        }
    }
    if (visible)
        Invalidate(nullptr, true);
    Send(WM_SHOWWINDOW, visible ? 1 : 0, 0);
}

void TWindow::SetEnabled(bool enabled) {
    if (enabled == Enabled())
        return;
    if (enabled)
        FStyle &= ~WS_DISABLED;
    else
        FStyle |= WS_DISABLED;
    Send(WM_ENABLE, enabled ? 1 : 0, 0);
}

void TWindow::HostMoved(TPoint clientScreenOrigin) {
    const TRect frame = FrameExtents();
    FBounds = ::Bounds(clientScreenOrigin.x - frame.Left, clientScreenOrigin.y - frame.Top,
                       FBounds.Width(), FBounds.Height());
    Send(WM_MOVE, 0, MAKELPARAM(clientScreenOrigin.x, clientScreenOrigin.y));
}

void TWindow::HostResized(int clientWidth, int clientHeight) {
    const TRect frame = FrameExtents();
    FBounds.Right = FBounds.Left + clientWidth + frame.Left + frame.Right;
    FBounds.Bottom = FBounds.Top + clientHeight + frame.Top + frame.Bottom;
    if (FSurface)
        FSurface->Resize(clientWidth, clientHeight);
    Invalidate(nullptr, true);
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight));
}

// --- painting

void TWindow::Invalidate(const TRect* rect, bool erase) {
    const TRect client = ClientRect();
    const TRect r = rect ? IntersectRect(*rect, client) : client;
    if (r.IsEmpty())
        return;
    FUpdate = UnionRect(FUpdate, r);
    FErase = FErase || erase;
}

bool TWindow::TreeNeedsPaint() const {
    if (!Visible())
        return false;
    if (NeedsPaint())
        return true;
    return std::any_of(FChildren.begin(), FChildren.end(),
                       [](const TWindow* c) { return c->TreeNeedsPaint(); });
}

void TWindow::PaintTree() {
    if (!Showing())
        return;
    if (NeedsPaint())
        PaintSelf();
    const std::vector<TWindow*> children = FChildren;
    for (TWindow* child : children)
        if (WindowManager().IsWindow(child))
            child->PaintTree();
}

void TWindow::InvalidateChildrenIn(const TRect& clientRect) {
    for (TWindow* child : FChildren) {
        if (!child->Visible())
            continue;
        TRect overlap = IntersectRect(clientRect, child->FBounds);
        if (overlap.IsEmpty())
            continue;
        const TPoint offset = child->ClientOffset();
        OffsetRect(overlap, -child->FBounds.Left - offset.x, -child->FBounds.Top - offset.y);
        if (IntersectRect(overlap, child->ClientRect()).IsEmpty())
            child->Invalidate(nullptr, true); // only the border was hit: it repaints with the rest
        else
            child->Invalidate(&overlap, true);
    }
}

void TWindow::PaintSelf() {
    const TRect update = FUpdate;
    const bool erase = FErase;
    Validate();
    InvalidateChildrenIn(update);
    PaintBorder();
    TSurface* surface = Surface();
    if (!surface)
        return;
    const TPoint origin = SurfaceOrigin();
    TRect clip = update;
    OffsetRect(clip, origin.x, origin.y);
    clip = IntersectRect(clip, VisibleClientRect());
    if (clip.IsEmpty())
        return;
    FDC->SetTarget(&surface->Pixels(), origin, clip);
    const auto dc = reinterpret_cast<WPARAM>(FDC->Handle());
    if (erase)
        Send(WM_ERASEBKGND, dc, 0);
    if (WindowManager().IsWindow(this))
        Send(WM_PAINT, dc, 0);
}

void TWindow::PaintBorder() {
    TSurface* surface = Surface();
    const int b = BorderWidth();
    if (!surface || b == 0)
        return;
    const TRect visible = VisibleWindowRect();
    if (visible.IsEmpty())
        return;
    const TPoint p = FParent->SurfaceOrigin();
    TCanvas& c = *FDC;
    c.SetTarget(&surface->Pixels(), {p.x + FBounds.Left, p.y + FBounds.Top}, visible);
    TRect r = Rect(0, 0, FBounds.Width(), FBounds.Height());
    auto ring = [&c, &r](TColor topLeft, TColor bottomRight) {
        c.Brush()->SetColor(topLeft);
        c.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
        c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
        c.Brush()->SetColor(bottomRight);
        c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        InflateRect(r, -1, -1);
    };
    if (FExStyle & WS_EX_CLIENTEDGE) {
        ring(clBtnShadow, clBtnHighlight);
        ring(cl3DDkShadow, cl3DLight);
    }
    if (FStyle & WS_BORDER)
        ring(clWindowFrame, clWindowFrame);
}

TCanvas& TWindow::DC() {
    if (TSurface* surface = Surface())
        FDC->SetTarget(&surface->Pixels(), SurfaceOrigin(), VisibleClientRect());
    return *FDC;
}
