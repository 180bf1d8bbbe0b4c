#include "framework/windows/InputRouter.h"

#include "framework/windows/Control.h"
#include "framework/windows/DragDrop.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/WinControl.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

namespace {

using platform::HostEvent;
using Kind = platform::HostEvent::Kind;

// --- mouse

UINT KeysOf(unsigned mods) {
    UINT keys = 0;
    if (mods & platform::ModShift)
        keys |= MK_SHIFT;
    if (mods & platform::ModCtrl)
        keys |= MK_CONTROL;
    if (mods & platform::ModLeft)
        keys |= MK_LBUTTON;
    if (mods & platform::ModRight)
        keys |= MK_RBUTTON;
    if (mods & platform::ModMiddle)
        keys |= MK_MBUTTON;
    return keys;
}

UINT MouseMessage(const HostEvent& e) {
    const UINT base = e.Button == platform::MouseButton::Left    ? WM_LBUTTONDOWN
                      : e.Button == platform::MouseButton::Right ? WM_RBUTTONDOWN
                                                                 : WM_MBUTTONDOWN;
    switch (e.Type) {
    case Kind::MouseDown:
        return base;
    case Kind::MouseUp:
        return base + 1;
    case Kind::MouseDoubleClick:
        return base + 2;
    default:
        return WM_MOUSEMOVE;
    }
}

bool EnabledChain(HWND window) {
    for (; window; window = window->Parent())
        if (!window->Enabled())
            return false;
    return true;
}

platform::CursorShape ShapeOf(TCursor cursor) {
    using platform::CursorShape;
    switch (cursor) {
    case crCross:
        return CursorShape::Cross;
    case crIBeam:
        return CursorShape::IBeam;
    case crHourGlass:
    case crSQLWait:
    case crAppStart:
        return CursorShape::Wait;
    case crSizeWE:
    case crHSplit:
        return CursorShape::SizeWE;
    case crSizeNS:
    case crVSplit:
        return CursorShape::SizeNS;
    case crSizeAll:
    case crSizeNESW:
    case crSizeNWSE:
        return CursorShape::SizeAll;
    case crHandPoint:
        return CursorShape::HandPoint;
    case crDrag:
    case crMultiDrag:
        return CursorShape::Drag;
    case crNo:
    case crNoDrop:
        return CursorShape::No;
    default:
        return CursorShape::Arrow;
    }
}

void UpdateCursor(HWND top, TPoint screen) {
    TCursor cursor = DragCursorShown();
    if (cursor == crDefault)
        cursor = WindowManager().ScreenCursor();
    if (cursor == crDefault) {
        TControl* control = GetCaptureControl();
        if (!control)
            control = FindDragTarget(screen, false);
        for (; control && cursor == crDefault; control = control->Parent())
            cursor = control->Cursor();
    }
    if (platform::IHostWindow* host = top->HostWindow())
        host->SetCursor(ShapeOf(cursor));
}

void RouteMouse(HWND top, const HostEvent& e) {
    const TPoint origin = top->ScreenOrigin();
    const TPoint screen{origin.x + e.X, origin.y + e.Y};
    const UINT keys = KeysOf(e.Mods);
    // The wheel scrolls what the pointer is over, as today's desktops do, whatever has the
    // focus; the focused window takes it only when the pointer is over no window of this one.
    if (e.Type == Kind::MouseWheel) {
        HWND target = WindowManager().WindowFromPoint(screen);
        if (!target || target->TopLevel() != top)
            target = WindowManager().Focus();
        if (target && target->TopLevel() != top)
            target = nullptr;
        if (target && EnabledChain(target))
            target->Send(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(keys), e.WheelDelta),
                         MAKELPARAM(screen.x, screen.y));
        return;
    }
    HWND target = WindowManager().Capture();
    if (!target) {
        target = WindowManager().WindowFromPoint(screen);
        if (!target || target->TopLevel() != top || !EnabledChain(target))
            return; // a disabled window swallows the input
        if (e.Type != Kind::MouseMove && e.Type != Kind::MouseUp &&
            WindowManager().ActiveWindow() != top)
            WindowManager().SetActiveWindow(top);
    }
    const TPoint client = target->ScreenOrigin();
    target->Send(MouseMessage(e), keys, MAKELPARAM(screen.x - client.x, screen.y - client.y));
    if (e.Type == Kind::MouseMove && WindowManager().IsWindow(top))
        UpdateCursor(top, screen);
}

// --- keys

// The characters a key types: the host's text, or what Win32's key translation makes of a
// control key with none.
std::string CharactersOf(const HostEvent& e) {
    if (!e.Text.empty())
        return e.Text;
    const bool ctrl = (e.Mods & platform::ModCtrl) != 0;
    const bool alt = (e.Mods & platform::ModAlt) != 0;
    const int vk = e.Key;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl && !alt)
            return std::string(1, static_cast<char>(vk - 'A' + 1));
        if (alt)
            return std::string(1, static_cast<char>((e.Mods & platform::ModShift) ? vk : vk + 32));
        return {};
    }
    if (ctrl || alt)
        return {};
    switch (vk) {
    case VK_RETURN:
        return "\r";
    case VK_ESCAPE:
        return "\x1b";
    case VK_BACK:
        return "\b";
    case VK_TAB:
        return "\t";
    default:
        return {};
    }
}

void RouteKey(HWND top, const HostEvent& e) {
    if (!top->Enabled() || (e.Type == Kind::KeyDown && DragKeyDown(e.Key)))
        return;
    HWND target = WindowManager().Focus();
    if (!target || target->TopLevel() != top)
        target = top;
    const bool alt = (e.Mods & platform::ModAlt) != 0;
    const auto vk = static_cast<WPARAM>(e.Key);
    const LPARAM keyData = 1 | (alt ? KF_ALTDOWN_BIT : 0);
    if (e.Type == Kind::KeyUp) {
        WindowManager().DispatchKey(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, keyData);
        return;
    }
    const UINT down = (alt || e.Key == VK_F10) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    if (WindowManager().DispatchKey(target, down, vk, keyData))
        return; // a dialog key: no characters follow
    // Key translation queues the characters for the window the key went to.
    for (char c : CharactersOf(e))
        WindowManager().Post(target, alt ? WM_SYSCHAR : WM_CHAR, static_cast<unsigned char>(c),
                             keyData);
}

} // namespace

void SyncKeyState(const HostEvent& e) {
    auto& wm = WindowManager();
    const bool keyEvent = e.Type == Kind::KeyDown || e.Type == Kind::KeyUp;
    if (keyEvent)
        wm.SetKeyDown(e.Key, e.Type == Kind::KeyDown);
    const struct {
        int Vk;
        unsigned Mod;
    } mods[] = {{VK_SHIFT, platform::ModShift},   {VK_CONTROL, platform::ModCtrl},
                {VK_MENU, platform::ModAlt},      {VK_LBUTTON, platform::ModLeft},
                {VK_RBUTTON, platform::ModRight}, {VK_MBUTTON, platform::ModMiddle}};
    const bool carriesMods = keyEvent || (e.Type >= Kind::MouseDown && e.Type <= Kind::MouseWheel);
    if (!carriesMods)
        return;
    for (const auto& m : mods)
        if (!(keyEvent && m.Vk == e.Key))
            wm.SetKeyDown(m.Vk, (e.Mods & m.Mod) != 0);
}

void RouteHostEvent(const HostEvent& e) {
    SyncKeyState(e);
    HWND top = WindowManager().FromHost(e.Window);
    if (!top)
        return;
    switch (e.Type) {
    case Kind::MouseDown:
    case Kind::MouseUp:
    case Kind::MouseDoubleClick:
    case Kind::MouseMove:
    case Kind::MouseWheel:
        RouteMouse(top, e);
        break;
    case Kind::KeyDown:
    case Kind::KeyUp:
        RouteKey(top, e);
        break;
    case Kind::Close:
        if (top->Enabled())
            top->Send(WM_CLOSE, 0, 0);
        break;
    case Kind::Expose:
        if (TSurface* surface = top->Surface()) {
            surface->AddDirty(Rect(0, 0, surface->Pixels().Width, surface->Pixels().Height));
            surface->Flush();
        }
        break;
    case Kind::Activate:
        if (top->Enabled())
            WindowManager().SetActiveWindow(top);
        break;
    case Kind::Moved:
        top->HostMoved({e.X, e.Y});
        break;
    case Kind::Resized:
        top->HostResized(e.X, e.Y);
        break;
    case Kind::ScaleChanged:
        top->Send(WM_DPICHANGED, MAKEWPARAM(e.X, e.X), 0);
        break;
    case Kind::MouseLeave:
    case Kind::Deactivate:
    case Kind::Wake:
        break;
    }
}

void RefreshCursor() {
    TPoint screen;
    if (!GetCursorPos(&screen))
        return;
    if (HWND window = WindowManager().WindowFromPoint(screen))
        UpdateCursor(window->TopLevel(), screen);
}
