#pragma once
// The Win32-style calls of the framework's window manager, as controls make them, and the
// framework's own look-ups between windows and controls.

#include "framework/graphics/Types.h"
#include "framework/windows/Messages.h"

#include <functional>

class TControl;
class TWinControl;

// --- messages
// Delivers a message to the window's procedure at once.
LRESULT SendMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
// Queues a message for the message loop; false for a window that does not exist.
bool PostMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// --- timers
// Starts (or, for the same window and id, restarts) a timer that fires every ms milliseconds:
// WM_TIMER to the window, or proc when given. With no window a fresh id is returned.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT ms, TIMERPROC proc);
bool KillTimer(HWND window, UINT_PTR id);
// Milliseconds on the host's clock.
DWORD GetTickCount();

// --- mouse
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();
// Screen coordinates, from the host.
bool GetCursorPos(TPoint* point);

// --- keyboard
// 256 bytes; the top bit (0x80) marks a key or mouse button that is down.
bool GetKeyboardState(BYTE* keys);
// Negative when the key is down.
short GetKeyState(int vk);
HWND GetFocus();
HWND SetFocus(HWND window);
bool MessageBeep(UINT type);

// --- windows
bool IsWindow(HWND window);
bool IsWindowEnabled(HWND window);
bool IsWindowVisible(HWND window);
// Returns whether the window was disabled before.
bool EnableWindow(HWND window, bool enable);
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_SHOWNA = 8;
bool ShowWindow(HWND window, int command);
HWND GetParent(HWND window);
HWND GetActiveWindow();
HWND SetActiveWindow(HWND window);
HWND WindowFromPoint(TPoint screen);
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_ID = -12;
std::uint32_t GetWindowLong(HWND window, int index);
// Returns the previous value. Changing the style repaints nothing by itself.
std::uint32_t SetWindowLong(HWND window, int index, std::uint32_t value);
bool GetClientRect(HWND window, TRect* rect);
// The window's outer rectangle in screen coordinates.
bool GetWindowRect(HWND window, TRect* rect);
bool ClientToScreen(HWND window, TPoint* point);
bool ScreenToClient(HWND window, TPoint* point);
bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
// rect in client coordinates; null for the whole client area.
bool InvalidateRect(HWND window, const TRect* rect, bool erase);
// Paints the window's pending update area (and its children's) now.
bool UpdateWindow(HWND window);
// The window's device context, pointed at its client area.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// A window that only receives messages (a timer's, for example); DeallocateHWnd destroys it.
HWND AllocateHWnd(std::function<void(TMessage&)> procedure);
void DeallocateHWnd(HWND window);

// --- the framework's look-ups
// The control whose window this is, or null.
TWinControl* FindControl(HWND window);
// The control that holds the mouse capture: a graphic control capturing through its parent,
// else the control of the capture window.
TControl* GetCaptureControl();
// Captures the mouse for control (through its parent's window for a graphic control);
// null releases it.
void SetCaptureControl(TControl* control);
// The control under a screen point: the deepest enabled window there, then its graphic child
// at the point (disabled ones only when allowDisabled).
TControl* FindDragTarget(TPoint screen, bool allowDisabled);
// The control of the deepest enabled window under a screen point.
TWinControl* FindVCLWindow(TPoint screen);
