#include "framework/windows/WindowManager.h"

#include "framework/platform/Host.h"
#include "framework/windows/Control.h"
#include "framework/windows/Window.h"

#include <algorithm>

namespace {

// Win32 never fires a timer more often than this.
constexpr UINT MinimumTimerInterval = 10;

std::int64_t Now() {
    return platform::HasHost() ? platform::Host().Now() : 0;
}

} // namespace

TWindowManager& WindowManager() {
    static TWindowManager manager;
    return manager;
}

// --- windows

int TWindowManager::Register(HWND window) {
    FWindows.insert(window);
    return FNextWindowId++;
}

void TWindowManager::Unregister(HWND window) {
    FWindows.erase(window);
    RemoveTopLevel(window);
    KillTimers(window);
    std::erase_if(FPosted, [window](const Posted& p) { return p.Window == window; });
    if (FFocus == window)
        FFocus = nullptr;
    if (FCapture == window) {
        FCapture = nullptr;
        FCaptureControl = nullptr;
    }
    if (FActive == window)
        FActive = nullptr;
}

void TWindowManager::AddTopLevel(HWND window) {
    if (std::find(FTopLevels.begin(), FTopLevels.end(), window) == FTopLevels.end())
        FTopLevels.push_back(window);
}

void TWindowManager::RemoveTopLevel(HWND window) {
    std::erase(FTopLevels, window);
}

HWND TWindowManager::FromHost(const void* hostWindow) const {
    for (HWND w : FWindows)
        if (!w->IsChild() && w->HostWindow() == hostWindow)
            return w;
    return nullptr;
}

namespace {

HWND DeepestAt(HWND window, TPoint screen) {
    for (auto it = window->Children().rbegin(); it != window->Children().rend(); ++it) {
        HWND child = *it;
        if (!child->Visible())
            continue;
        const TPoint origin = child->ScreenOrigin();
        const TPoint offset = child->ClientOffset();
        const TRect outer = Bounds(origin.x - offset.x, origin.y - offset.y,
                                   child->Bounds().Width(), child->Bounds().Height());
        if (PtInRect(outer, screen))
            return DeepestAt(child, screen);
    }
    return window;
}

} // namespace

HWND TWindowManager::WindowFromPoint(TPoint screen) const {
    for (auto it = FTopLevels.rbegin(); it != FTopLevels.rend(); ++it) {
        HWND top = *it;
        if (!top->Visible())
            continue;
        const TPoint origin = top->ScreenOrigin();
        const TRect client = top->ClientRect();
        if (PtInRect(Bounds(origin.x, origin.y, client.Width(), client.Height()), screen))
            return DeepestAt(top, screen);
    }
    return nullptr;
}

// --- focus, activation, capture

HWND TWindowManager::SetFocus(HWND window) {
    HWND old = FFocus;
    if (window == old || (window && !IsWindow(window)))
        return old;
    FFocus = window;
    if (old)
        old->Send(WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window && FFocus == window)
        window->Send(WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

void TWindowManager::SetActiveWindow(HWND window) {
    if (window == FActive)
        return;
    HWND old = FActive;
    FActive = window;
    if (old && IsWindow(old))
        old->Send(WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(window));
    if (window) {
        if (std::find(FTopLevels.begin(), FTopLevels.end(), window) != FTopLevels.end()) {
            std::erase(FTopLevels, window);
            FTopLevels.push_back(window);
        }
        window->Send(WM_ACTIVATE, 1, reinterpret_cast<LPARAM>(old));
    }
}

HWND TWindowManager::SetCapture(HWND window) {
    FPressCapture = false;
    HWND old = FCapture;
    if (window == old)
        return old;
    FCapture = window;
    if (old && IsWindow(old))
        old->Send(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return old;
}

void TWindowManager::ControlDestroyed(const TControl* control) {
    if (FCaptureControl == control) {
        FCaptureControl = nullptr;
        FCapture = nullptr;
    }
    if (FMouseControl == control)
        FMouseControl = nullptr;
}

// --- posted messages

void TWindowManager::Post(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    FPosted.push_back({window, msg, wparam, lparam});
    if (platform::HasHost())
        platform::Host().Wake();
}

bool TWindowManager::DispatchPosted() {
    if (FPosted.empty())
        return false;
    const Posted p = FPosted.front();
    FPosted.pop_front();
    if (!IsWindow(p.Window))
        return true;
    if (p.Msg >= WM_KEYDOWN && p.Msg <= WM_SYSCHAR)
        DispatchKey(p.Window, p.Msg, p.WParam, p.LParam);
    else
        p.Window->Send(p.Msg, p.WParam, p.LParam);
    return true;
}

bool TWindowManager::DispatchKey(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (window->Send(CN_BASE + msg, wparam, lparam) != 0)
        return true;
    if (IsWindow(window))
        window->Send(msg, wparam, lparam);
    return false;
}

// --- timers

UINT_PTR TWindowManager::SetTimer(HWND window, UINT_PTR id, UINT ms, TIMERPROC proc) {
    if (window && !IsWindow(window))
        return 0;
    const UINT interval = std::max(ms, MinimumTimerInterval);
    auto same = std::find_if(FTimers.begin(), FTimers.end(), [&](const Timer& t) {
        return t.Window == window && t.Id == id && (window || id != 0);
    });
    if (same == FTimers.end()) {
        if (!window)
            id = FNextTimerId++;
        FTimers.push_back({window, id, interval, 0, proc, 0});
        same = FTimers.end() - 1;
    }
    same->Interval = interval;
    same->Due = Now() + interval;
    same->Proc = proc;
    same->Serial = FTimerSerial++;
    return window ? (id ? id : 1) : same->Id;
}

bool TWindowManager::KillTimer(HWND window, UINT_PTR id) {
    return std::erase_if(FTimers,
                         [&](const Timer& t) { return t.Window == window && t.Id == id; }) != 0;
}

void TWindowManager::KillTimers(HWND window) {
    std::erase_if(FTimers, [window](const Timer& t) { return t.Window == window; });
}

bool TWindowManager::DispatchDueTimer() {
    const std::int64_t now = Now();
    auto due = FTimers.end();
    for (auto it = FTimers.begin(); it != FTimers.end(); ++it)
        if (it->Due <= now && (due == FTimers.end() || it->Due < due->Due ||
                               (it->Due == due->Due && it->Serial < due->Serial)))
            due = it;
    if (due == FTimers.end())
        return false;
    const Timer fired = *due;
    due->Due = now + fired.Interval;
    due->Serial = FTimerSerial++;
    const auto time = static_cast<DWORD>(now);
    if (fired.Proc) {
        try {
            fired.Proc(fired.Window, WM_TIMER, fired.Id, time);
        } catch (...) {
            HandleException();
        }
    } else if (IsWindow(fired.Window)) {
        fired.Window->Send(WM_TIMER, fired.Id, 0);
    }
    return true;
}

std::int64_t TWindowManager::TimeToNextTimer() const {
    if (FTimers.empty())
        return -1;
    std::int64_t next = FTimers.front().Due;
    for (const auto& t : FTimers)
        next = std::min(next, t.Due);
    return std::max<std::int64_t>(0, next - Now());
}

// --- painting

bool TWindowManager::PaintPending() const {
    return std::any_of(FTopLevels.begin(), FTopLevels.end(),
                       [](HWND w) { return w->Visible() && w->TreeNeedsPaint(); });
}

void TWindowManager::PaintAll() {
    // Painting may create or destroy windows; work on a copy and check each is still alive.
    const std::vector<HWND> tops = FTopLevels;
    for (HWND w : tops)
        if (IsWindow(w) && w->Visible())
            w->PaintTree();
    FlushAll();
}

void TWindowManager::FlushAll() {
    for (HWND w : FWindows)
        if (!w->IsChild() && w->Surface())
            w->Surface()->Flush();
}

// --- keys

void TWindowManager::SetKeyDown(int vk, bool down) {
    auto& key = FKeys[static_cast<std::size_t>(vk & 0xFF)];
    if (down) {
        if ((key & 0x80) == 0)
            key ^= 0x01; // the toggle bit flips on every press
        key |= 0x80;
    } else {
        key &= static_cast<BYTE>(~0x80);
    }
}

// --- exceptions and reset

void TWindowManager::HandleException() {
    if (OnException)
        OnException();
}

void TWindowManager::Reset() {
    FTopLevels.clear();
    FFocus = nullptr;
    FActive = nullptr;
    FCapture = nullptr;
    FPressCapture = false;
    FCaptureControl = nullptr;
    FMouseControl = nullptr;
    FPosted.clear();
    FTimers.clear();
    FNextTimerId = 1;
    FKeys.fill(0);
    FScreenCursor = 0;
}
