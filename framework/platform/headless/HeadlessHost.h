#pragma once
// A host that keeps its windows in memory and its time virtual, so that tests run the real
// framework with no display: they inject input, advance the clock and read what each window
// shows.

#include "framework/platform/Host.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class HeadlessHost;

class HeadlessWindow : public IHostWindow {
public:
    // The classic frame every sizeable or dialog window gets; popups have none.
    static constexpr int FrameBorder = 4;
    static constexpr int CaptionHeight = 23;

    HeadlessWindow(HeadlessHost& host, const WindowSpec& desc);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    void SetTitle(const std::string& utf8) override;
    void SetIcon(const PixelBuffer& icon) override;
    void SetClientBounds(const TRect& bounds) override;
    TRect ClientBounds() const override { return FClientBounds; }
    TRect FrameExtents() const override;
    void SetMinClientSize(int width, int height) override { FMinClientSize = {width, height}; }
    void Show() override;
    void Hide() override;
    void SetModal(bool modal) override;
    void Activate() override;
    void SetCursor(CursorShape shape) override { FCursor = shape; }
    void SetInputMethodEnabled(bool enabled) override { FInputMethodEnabled = enabled; }
    void Present(const PixelBuffer& surface, const TRect& dirty) override;

    const std::string& Title() const { return FTitle; }
    const PixelBuffer& Icon() const { return FIcon; }
    WindowKind Kind() const { return FKind; }
    IHostWindow* Owner() const { return FOwner; }
    bool Visible() const { return FVisible; }
    bool Modal() const { return FModal; }
    // The framework's last request; the user's resizing stops there.
    TPoint MinClientSize() const { return FMinClientSize; }
    bool Active() const;
    CursorShape Cursor() const { return FCursor; }
    // The framework's last request; none before the first.
    std::optional<bool> InputMethodEnabled() const { return FInputMethodEnabled; }
    // Client bounds plus the frame, in screen coordinates.
    TRect OuterBounds() const;

    // What the user sees in the client area: white until the framework presents pixels.
    const PixelBuffer& Screen() const { return FScreen; }
    // clInvalid outside the client area.
    TColor PixelAt(int x, int y) const;
    int PresentCount() const { return FPresentCount; }

private:
    friend class HeadlessHost;

    HeadlessHost* FHost; // null once the host is gone
    WindowKind FKind;
    IHostWindow* FOwner;
    std::string FTitle;
    PixelBuffer FIcon;
    TRect FClientBounds;
    PixelBuffer FScreen;
    bool FVisible = false;
    bool FModal = false;
    TPoint FMinClientSize;
    CursorShape FCursor = CursorShape::Arrow;
    std::optional<bool> FInputMethodEnabled;
    int FPresentCount = 0;
};

class HeadlessHost : public IHost {
public:
    struct MessageBoxRecord {
        std::string Title;
        std::string Text;
        MessageBoxKind Kind;
    };

    // fonts measures and draws the text of the windows; a host without one refuses to.
    explicit HeadlessHost(std::unique_ptr<IFontEngine> fonts = nullptr);
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    std::unique_ptr<IHostWindow> CreateWindow(const WindowSpec& desc) override;
    TRect ScreenRect() const override { return FScreenRect; }
    int PixelsPerInch() const override { return FPixelsPerInch; }
    TPoint CursorPos() const override { return FCursorPos; }

    std::int64_t Now() const override { return FNow; }
    std::optional<HostEvent> PollEvent() override;
    // Returns at once when events are pending; otherwise runs the next WhenIdle step; otherwise
    // advances the clock by timeoutMs; with no limit and nothing scripted it throws
    // std::logic_error, so that a test can never hang.
    void WaitForEvent(std::int64_t timeoutMs) override;
    void Wake() override { FWoken = true; }

    std::string ClipboardText() const override { return FClipboard.value_or(std::string()); }
    bool ClipboardHasText() const override { return FClipboard.has_value(); }
    void SetClipboardText(const std::string& utf8) override { FClipboard = utf8; }

    // Records the request and gives the next queued answer; with none queued, cancels.
    std::optional<std::string> OpenFileDialog(const FileDialogSpec& desc) override;
    // Likewise, from the same queue of answers.
    std::optional<std::string> SaveFileDialog(const FileDialogSpec& desc) override;
    std::optional<FontDialogSpec> FontDialog(const FontDialogSpec& initial) override;
    // Records the box and returns at once, as if the user pressed OK.
    void MessageBox(const std::string& title, const std::string& text,
                    MessageBoxKind kind) override;
    void Beep(unsigned type) override { FBeeps.push_back(type); }

    TColor SystemColor(int index) const override;
    // Throws std::logic_error when the host was made without a font engine.
    IFontEngine& Fonts() override;

    // --- screen and pointer
    void SetScreenRect(const TRect& rect) { FScreenRect = rect; }
    void SetCursorPos(TPoint screenPoint) { FCursorPos = screenPoint; }
    // The scale forms load at; a form already shown hears of a new one only by a MoveToScreen.
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    // The user moving the window to a screen of pixelsPerInch, which becomes the host's.
    void MoveToScreen(IHostWindow* window, int pixelsPerInch);

    // --- virtual clock (starts at 0)
    void Advance(std::int64_t ms) { FNow += ms; }

    // --- input; mouse events move the cursor to their point when the framework takes them.
    // Input aimed at a window that a visible modal window blocks is dropped, as a desktop does.
    // As a desktop's implicit pointer grab does, a press grabs the pointer for the window it is
    // aimed at until every button is up: meanwhile the mouse calls below go to that window,
    // at the same screen point, whichever window they name. Hiding or destroying the window
    // ends the grab.
    void Post(HostEvent event);
    // The window holding the grab, or null.
    HeadlessWindow* Grab() const { return FGrab; }
    // The Mod* bits of the mouse buttons held down.
    unsigned ButtonsHeld() const { return FButtonsHeld; }
    bool HasPendingEvents() const { return !FEvents.empty(); }
    // The mouse convenience calls add the buttons held down after the event to mods.
    void MouseDown(IHostWindow* window, int x, int y, MouseButton button = MouseButton::Left,
                   unsigned mods = 0);
    void MouseUp(IHostWindow* window, int x, int y, MouseButton button = MouseButton::Left,
                 unsigned mods = 0);
    void MouseMove(IHostWindow* window, int x, int y, unsigned mods = 0);
    void Click(IHostWindow* window, int x, int y, MouseButton button = MouseButton::Left,
               unsigned mods = 0);
    // Press, release, second press (as MouseDoubleClick), release.
    void DoubleClick(IHostWindow* window, int x, int y, MouseButton button = MouseButton::Left,
                     unsigned mods = 0);
    void MouseWheel(IHostWindow* window, int x, int y, int delta, unsigned mods = 0);
    void MouseLeave(IHostWindow* window);
    void KeyDown(IHostWindow* window, int vk, unsigned mods = 0, const std::string& text = {});
    void KeyUp(IHostWindow* window, int vk, unsigned mods = 0);
    void KeyPress(IHostWindow* window, int vk, unsigned mods = 0, const std::string& text = {});
    // One KeyPress per ASCII character, with its virtual key and Shift where a keyboard needs it.
    void Type(IHostWindow* window, const std::string& text);
    void CloseBox(IHostWindow* window);
    // The user dragging the window's caption or its frame: the window changes at once (no smaller
    // than its minimum size) and the framework hears of it by a Moved or Resized event.
    void UserMove(IHostWindow* window, int left, int top);
    void UserResize(IHostWindow* window, int width, int height);

    // --- scripted steps, run one per WaitForEvent that finds no input (e.g. inside a modal loop)
    void WhenIdle(std::function<void()> step) { FIdleSteps.push_back(std::move(step)); }
    std::size_t IdleStepsLeft() const { return FIdleSteps.size(); }

    // --- windows
    // Live windows in creation order.
    const std::vector<HeadlessWindow*>& Windows() const { return FWindows; }
    // The first live window with that title, or null.
    HeadlessWindow* WindowTitled(const std::string& title) const;
    HeadlessWindow* ActiveWindow() const { return FActive; }

    // --- dialogs and sounds
    void QueueFileDialogAnswer(std::optional<std::string> path);
    // What the next font dialog answers; with none queued it is cancelled. The fonts the
    // dialogs started from are kept in order.
    void QueueFontDialogAnswer(std::optional<FontDialogSpec> font);
    const std::vector<FontDialogSpec>& FontDialogs() const { return FFontDialogs; }
    // Open and save dialogs share one queue of answers; each kind records its own requests.
    const std::vector<FileDialogSpec>& FileDialogs() const { return FFileDialogs; }
    const std::vector<FileDialogSpec>& SaveDialogs() const { return FSaveDialogs; }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return FMessageBoxes; }
    const std::vector<unsigned>& Beeps() const { return FBeeps; }

private:
    friend class HeadlessWindow;

    HeadlessWindow* Find(const IHostWindow* window) const;
    void Forget(HeadlessWindow* window);
    void SetActive(HeadlessWindow* window);
    void PushModal(HeadlessWindow* window, bool modal);
    bool IsBlocked(const IHostWindow* window) const;
    void PostMouse(HostEvent::Kind kind, IHostWindow* window, int x, int y, MouseButton button,
                   unsigned mods);
    // A mouse event for window at (x, y), turned to the grabbing window while there is one.
    HostEvent MouseEvent(HostEvent::Kind kind, IHostWindow* window, int x, int y,
                         unsigned mods) const;
    static unsigned ButtonBit(MouseButton button);
    std::optional<std::string> NextFileDialogAnswer();

    TRect FScreenRect{0, 0, 1280, 1024};
    int FPixelsPerInch = 96;
    TPoint FCursorPos{};
    std::int64_t FNow = 0;
    bool FWoken = false;
    unsigned FButtonsHeld = 0;
    HeadlessWindow* FGrab = nullptr; // the window a press grabbed the pointer for
    std::deque<HostEvent> FEvents;
    std::deque<std::function<void()>> FIdleSteps;
    std::vector<HeadlessWindow*> FWindows;
    std::vector<HeadlessWindow*> FModalStack; // most recently made modal last
    HeadlessWindow* FActive = nullptr;
    std::optional<std::string> FClipboard;
    std::deque<std::optional<std::string>> FFileDialogAnswers;
    std::vector<FileDialogSpec> FFileDialogs;
    std::vector<FileDialogSpec> FSaveDialogs;
    std::deque<std::optional<FontDialogSpec>> FFontDialogAnswers;
    std::vector<FontDialogSpec> FFontDialogs;
    std::vector<MessageBoxRecord> FMessageBoxes;
    std::vector<unsigned> FBeeps;
    std::unique_ptr<IFontEngine> FFonts;
};

// Creates a headless host with that font engine, installs it as the framework's host and
// returns it.
HeadlessHost& InstallHeadlessHost(std::unique_ptr<IFontEngine> fonts = nullptr);

} // namespace platform
