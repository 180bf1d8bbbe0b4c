#include "framework/windows/Win32Api.h"

#include "framework/graphics/Canvas.h"
#include "framework/platform/Host.h"
#include "framework/windows/WinControl.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <cstring>

namespace {

bool Alive(HWND window) {
    return WindowManager().IsWindow(window);
}

} // namespace

// --- messages

LRESULT SendMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    return Alive(window) ? window->Send(msg, wparam, lparam) : 0;
}

bool PostMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!Alive(window))
        return false;
    WindowManager().Post(window, msg, wparam, lparam);
    return true;
}

// --- timers

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT ms, TIMERPROC proc) {
    return WindowManager().SetTimer(window, id, ms, proc);
}

bool KillTimer(HWND window, UINT_PTR id) {
    return WindowManager().KillTimer(window, id);
}

DWORD GetTickCount() {
    return platform::HasHost() ? static_cast<DWORD>(platform::Host().Now()) : 0;
}

// --- mouse

HWND SetCapture(HWND window) {
    WindowManager().SetCaptureControl(nullptr);
    return WindowManager().SetCapture(Alive(window) ? window : nullptr);
}

bool ReleaseCapture() {
    WindowManager().SetCaptureControl(nullptr);
    WindowManager().SetCapture(nullptr);
    return true;
}

HWND GetCapture() {
    return WindowManager().Capture();
}

bool GetCursorPos(TPoint* point) {
    if (!point || !platform::HasHost())
        return false;
    *point = platform::Host().CursorPos();
    return true;
}

// --- keyboard

bool GetKeyboardState(BYTE* keys) {
    if (!keys)
        return false;
    const auto& state = WindowManager().KeyState();
    std::memcpy(keys, state.data(), state.size());
    return true;
}

short GetKeyState(int vk) {
    const BYTE key = WindowManager().KeyState()[static_cast<std::size_t>(vk & 0xFF)];
    return static_cast<short>(((key & 0x80) ? 0x8000 : 0) | (key & 0x01));
}

HWND GetFocus() {
    return WindowManager().Focus();
}

HWND SetFocus(HWND window) {
    return WindowManager().SetFocus(Alive(window) ? window : nullptr);
}

bool MessageBeep(UINT type) {
    if (!platform::HasHost())
        return false;
    platform::Host().Beep(type);
    return true;
}

// --- windows

bool IsWindow(HWND window) {
    return Alive(window);
}
bool IsWindowEnabled(HWND window) {
    return Alive(window) && window->Enabled();
}
bool IsWindowVisible(HWND window) {
    return Alive(window) && window->Showing();
}

bool EnableWindow(HWND window, bool enable) {
    if (!Alive(window))
        return false;
    const bool wasDisabled = !window->Enabled();
    window->SetEnabled(enable);
    return wasDisabled;
}

bool ShowWindow(HWND window, int command) {
    if (!Alive(window))
        return false;
    const bool wasVisible = window->Visible();
    window->SetVisible(command != SW_HIDE);
    return wasVisible;
}

HWND GetParent(HWND window) {
    return Alive(window) ? window->Parent() : nullptr;
}
HWND GetActiveWindow() {
    return WindowManager().ActiveWindow();
}

HWND SetActiveWindow(HWND window) {
    HWND old = WindowManager().ActiveWindow();
    if (Alive(window))
        WindowManager().SetActiveWindow(window->TopLevel());
    return old;
}

HWND WindowFromPoint(TPoint screen) {
    return WindowManager().WindowFromPoint(screen);
}

std::uint32_t GetWindowLong(HWND window, int index) {
    if (!Alive(window))
        return 0;
    switch (index) {
    case GWL_STYLE:
        return window->Style();
    case GWL_EXSTYLE:
        return window->ExStyle();
    case GWL_ID:
        return static_cast<std::uint32_t>(window->Id());
    default:
        return 0;
    }
}

std::uint32_t SetWindowLong(HWND window, int index, std::uint32_t value) {
    const std::uint32_t old = GetWindowLong(window, index);
    if (!Alive(window))
        return 0;
    if (index == GWL_STYLE)
        window->SetStyle(value);
    else if (index == GWL_EXSTYLE)
        window->SetExStyle(value);
    return old;
}

bool GetClientRect(HWND window, TRect* rect) {
    if (!Alive(window) || !rect)
        return false;
    *rect = window->ClientRect();
    return true;
}

bool GetWindowRect(HWND window, TRect* rect) {
    if (!Alive(window) || !rect)
        return false;
    if (!window->IsChild()) {
        *rect = window->Bounds();
        return true;
    }
    const TPoint origin = window->ScreenOrigin();
    const TPoint offset = window->ClientOffset();
    *rect = Bounds(origin.x - offset.x, origin.y - offset.y, window->Bounds().Width(),
                   window->Bounds().Height());
    return true;
}

bool ClientToScreen(HWND window, TPoint* point) {
    if (!Alive(window) || !point)
        return false;
    const TPoint origin = window->ScreenOrigin();
    *point = {point->x + origin.x, point->y + origin.y};
    return true;
}

bool ScreenToClient(HWND window, TPoint* point) {
    if (!Alive(window) || !point)
        return false;
    const TPoint origin = window->ScreenOrigin();
    *point = {point->x - origin.x, point->y - origin.y};
    return true;
}

bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint) {
    if (!Alive(window))
        return false;
    window->SetBounds(Bounds(x, y, width, height));
    if (repaint)
        UpdateWindow(window);
    return true;
}

bool InvalidateRect(HWND window, const TRect* rect, bool erase) {
    if (!Alive(window))
        return false;
    window->Invalidate(rect, erase);
    return true;
}

bool UpdateWindow(HWND window) {
    if (!Alive(window))
        return false;
    window->PaintTree();
    WindowManager().FlushAll();
    return true;
}

HDC GetDC(HWND window) {
    return Alive(window) ? window->DC().Handle() : nullptr;
}

int ReleaseDC(HWND, HDC) {
    WindowManager().FlushAll();
    return 1;
}

HWND AllocateHWnd(std::function<void(TMessage&)> procedure) {
    TCreateParams params;
    params.WinClassName = "TPUtilWindow";
    return new TWindow(nullptr, params, std::move(procedure));
}

void DeallocateHWnd(HWND window) {
    if (Alive(window) && !window->Control())
        delete window;
}

// --- the framework's look-ups

TWinControl* FindControl(HWND window) {
    return Alive(window) ? window->Control() : nullptr;
}

TControl* GetCaptureControl() {
    TControl* control = FindControl(WindowManager().Capture());
    TControl* graphic = WindowManager().CaptureControl();
    if (control && graphic && graphic->Parent() == control)
        return graphic;
    return control;
}

void SetCaptureControl(TControl* control) {
    ReleaseCapture();
    if (!control)
        return;
    auto* window = dynamic_cast<TWinControl*>(control);
    if (!window) {
        window = control->Parent();
        if (!window)
            return;
    }
    WindowManager().SetCapture(window->Handle());
    if (window != control)
        WindowManager().SetCaptureControl(control);
}

TWinControl* FindVCLWindow(TPoint screen) {
    for (HWND window = WindowFromPoint(screen); window; window = window->Parent())
        if (window->Enabled() && window->Control())
            return window->Control();
    return nullptr;
}

TControl* FindDragTarget(TPoint screen, bool allowDisabled) {
    TWinControl* window = FindVCLWindow(screen);
    if (!window)
        return nullptr;
    if (TControl* child = window->ControlAtPos(window->ScreenToClient(screen), allowDisabled))
        return child;
    return window;
}
