#pragma once
// The state every window shares: the live windows, focus, mouse capture, the posted-message
// queue, timers, the key-state table and the control under the mouse. The message loop of the
// application object drives it; Win32Api.h is its public face.

#include "framework/windows/Messages.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

class TControl;

class TWindowManager {
public:
    // --- windows
    // Returns the window's id (GWL_ID): unique among the windows of the program.
    int Register(HWND window);
    void Unregister(HWND window);
    bool IsWindow(HWND window) const { return window && FWindows.count(window) != 0; }
    // Top-level windows in z-order: the most recently activated last.
    const std::vector<HWND>& TopLevels() const { return FTopLevels; }
    void AddTopLevel(HWND window);
    void RemoveTopLevel(HWND window);
    // The top-level window the host window belongs to, or null.
    HWND FromHost(const void* hostWindow) const;
    // The deepest showing window under a screen point, disabled ones included; null outside.
    HWND WindowFromPoint(TPoint screen) const;

    // --- focus, activation, capture
    HWND Focus() const { return FFocus; }
    // Moves the focus, sending WM_KILLFOCUS and WM_SETFOCUS; returns the window that had it.
    HWND SetFocus(HWND window);
    HWND ActiveWindow() const { return FActive; }
    // Makes a top-level window the active one and the front of the z-order.
    void SetActiveWindow(HWND window);
    HWND Capture() const { return FCapture; }
    // Sends WM_CAPTURECHANGED to the window losing the capture. Every call, also one for the
    // window that holds it, makes the capture its caller's own (see PressCapture).
    HWND SetCapture(HWND window);
    // Whether the capture is the one a press took for a control, which the release of that
    // button gives up; a capture asked for during the press stays until its holder lets go.
    bool PressCapture() const { return FPressCapture; }
    void SetPressCapture(bool value) { FPressCapture = value; }
    // The graphic control that holds the capture through its parent's window.
    TControl* CaptureControl() const { return FCaptureControl; }
    void SetCaptureControl(TControl* control) { FCaptureControl = control; }
    // The control the idle-time hover check last told of the mouse entering, until it tells it
    // of leaving.
    TControl* MouseControl() const { return FMouseControl; }
    void SetMouseControl(TControl* control) { FMouseControl = control; }
    // Forgets every reference to a control that is being destroyed.
    void ControlDestroyed(const TControl* control);

    // --- posted messages
    void Post(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    // A key or character message: first offered as CN_* (the dialog keys), then, unless that
    // took it, delivered. True when the CN_* message took it.
    bool DispatchKey(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    bool HasPosted() const { return !FPosted.empty(); }
    // Delivers the oldest posted message; false when there was none.
    bool DispatchPosted();

    // --- timers (time from the host's clock)
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT ms, TIMERPROC proc);
    bool KillTimer(HWND window, UINT_PTR id);
    void KillTimers(HWND window);
    // Fires the timer that has been due longest; false when none is due.
    bool DispatchDueTimer();
    // Milliseconds until the next timer is due (0 when one is due), or -1 with no timers.
    std::int64_t TimeToNextTimer() const;

    // --- painting
    bool PaintPending() const;
    // Paints every pending update area of every top-level window, then flushes.
    void PaintAll();
    // Presents what was drawn on every surface since the last flush.
    void FlushAll();

    // --- cursor
    // A cursor for every window (the screen's), or crDefault to let each control's show.
    int ScreenCursor() const { return FScreenCursor; }
    void SetScreenCursor(int cursor) { FScreenCursor = cursor; }

    // --- keys
    std::array<BYTE, 256>& KeyState() { return FKeys; }
    void SetKeyDown(int vk, bool down);
    bool IsKeyDown(int vk) const {
        return (FKeys[static_cast<std::size_t>(vk & 0xFF)] & 0x80) != 0;
    }

    // What happens with an exception that escapes a window procedure or a timer callback;
    // the application object installs its error box here. Called inside the catch block.
    std::function<void()> OnException;
    void HandleException();

    // Forgets everything (queue, timers, keys, focus, capture); windows must be gone.
    void Reset();

private:
    struct Timer {
        HWND Window;
        UINT_PTR Id;
        UINT Interval;
        std::int64_t Due;
        TIMERPROC Proc;
        std::uint64_t Serial; // breaks ties between timers due at the same time
    };
    struct Posted {
        HWND Window;
        UINT Msg;
        WPARAM WParam;
        LPARAM LParam;
    };

    std::unordered_set<HWND> FWindows;
    std::vector<HWND> FTopLevels;
    HWND FFocus = nullptr;
    HWND FActive = nullptr;
    HWND FCapture = nullptr;
    bool FPressCapture = false;
    TControl* FCaptureControl = nullptr;
    TControl* FMouseControl = nullptr;
    std::deque<Posted> FPosted;
    std::vector<Timer> FTimers;
    std::uint64_t FTimerSerial = 0;
    UINT_PTR FNextTimerId = 1;
    int FNextWindowId = 1;
    std::array<BYTE, 256> FKeys{};
    int FScreenCursor = 0;
};

TWindowManager& WindowManager();
