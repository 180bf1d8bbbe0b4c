#pragma once
// The host interface: everything the framework needs from the desktop (or from memory, in tests).
// Only the framework calls it; applications and controls never see it.

#include "framework/core/Types.h"
#include "framework/platform/FontEngine.h"
#include "framework/platform/PixelBuffer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class IHostWindow;

// A popup takes the pointer while it is shown (a menu); a tooltip never takes input or focus.
enum class WindowKind { Sizeable, Dialog, Popup, Tooltip };
// Framed windows have a title bar and are activated when shown; popups and tooltips are neither.
inline bool IsFramed(WindowKind kind) {
    return kind == WindowKind::Sizeable || kind == WindowKind::Dialog;
}
enum class CursorShape { Arrow, Cross, IBeam, Wait, SizeWE, SizeNS, SizeAll, HandPoint, No, Drag };
enum class MouseButton { Left, Right, Middle };

// Modifier and button bits carried by every input event.
enum : unsigned {
    ModShift = 1,
    ModCtrl = 2,
    ModAlt = 4,
    ModLeft = 8,
    ModRight = 16,
    ModMiddle = 32,
};

struct HostEvent {
    enum class Kind {
        MouseDown,
        MouseUp,
        MouseDoubleClick, // the second press of a double click (instead of MouseDown)
        MouseMove,
        MouseWheel,
        MouseLeave, // the pointer left the window
        KeyDown,    // Key is a Win32 virtual-key code; Text the characters it types, if any
        KeyUp,
        Close,    // the user asked to close (close box, Alt+F4)
        Expose,   // the host lost the window's pixels: present the whole surface again
        Activate, // the window became the active one
        Deactivate,
        Moved,   // X, Y: the new screen position of the client area
        Resized, // X, Y: the new client width and height, after the user resized the window
        // X: the pixels per inch of the screen the window moved to, whose scale differs
        ScaleChanged,
        Wake, // nothing but a wake-up
    };
    Kind Type = Kind::Wake;
    IHostWindow* Window = nullptr;
    int X = 0; // client coordinates of the window
    int Y = 0;
    MouseButton Button = MouseButton::Left;
    unsigned Mods = 0;
    int Key = 0;
    int WheelDelta = 0; // multiples of 120 per notch, positive away from the user
    std::string Text;   // UTF-8
};

struct WindowSpec {
    WindowKind Kind = WindowKind::Sizeable;
    std::string Title;
    TRect ClientBounds;           // screen coordinates of the client area
    IHostWindow* Owner = nullptr; // dialogs and popups stay above their owner
};

class IHostWindow {
public:
    virtual ~IHostWindow() = default;
    virtual void SetTitle(const std::string& utf8) = 0;
    virtual void SetIcon(const PixelBuffer& icon) = 0;
    // Screen coordinates of the client area; the host adds its own frame around it.
    virtual void SetClientBounds(const TRect& bounds) = 0;
    virtual TRect ClientBounds() const = 0;
    // Thickness of the host's frame around the client area (left, top, right, bottom).
    virtual TRect FrameExtents() const = 0;
    // The smallest client area the user may resize the window to; 0 leaves a side free.
    virtual void SetMinClientSize(int width, int height) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // While modal, the host keeps input away from every other window of the program.
    virtual void SetModal(bool modal) = 0;
    virtual void Activate() = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    // Whether the desktop's input method may compose text for the control that has the focus.
    virtual void SetInputMethodEnabled(bool enabled) = 0;
    // The framework keeps the window's pixels; the host copies the dirty part to the screen.
    virtual void Present(const PixelBuffer& surface, const TRect& dirty) = 0;
};

struct FileDialogSpec {
    std::string Title;
    std::string InitialDir;
    std::string FileName;
    // Alternating description and pattern list, as in "Bitmap image (*.bmp)|*.bmp|All (*.*)|*.*".
    std::string Filter;
    int FilterIndex = 1; // one-based, as the framework's dialog counts; 0 means the first
    std::string DefaultExt;
    // A save dialog asks before it lets the user choose a file that exists.
    bool OverwritePrompt = false;
};

enum class MessageBoxKind { Error, Warning, Information, Question };

// A font as the font dialog starts from and returns it.
struct FontDialogSpec {
    std::string Name;
    int Size = 8; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = 0; // 0x00BBGGRR
};

class IHost {
public:
    virtual ~IHost() = default;

    virtual std::unique_ptr<IHostWindow> CreateWindow(const WindowSpec& desc) = 0;
    // In device pixels, as every coordinate the host exchanges with the framework.
    virtual TRect ScreenRect() const = 0;
    // 96 on a screen at 100 %; the framework draws in device pixels and scales its forms by it.
    virtual int PixelsPerInch() const = 0;
    virtual TPoint CursorPos() const = 0;

    // Milliseconds on the host's clock: real on a desktop, virtual in the headless host.
    virtual std::int64_t Now() const = 0;
    // Takes the next pending input event, if any, without blocking.
    virtual std::optional<HostEvent> PollEvent() = 0;
    // Blocks until an event is pending or timeoutMs has passed (-1: no limit).
    virtual void WaitForEvent(std::int64_t timeoutMs) = 0;
    // Makes a WaitForEvent that is blocked (or the next one) return at once.
    virtual void Wake() = 0;

    virtual std::string ClipboardText() const = 0;
    virtual bool ClipboardHasText() const = 0;
    virtual void SetClipboardText(const std::string& utf8) = 0;

    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFileDialog(const FileDialogSpec& desc) = 0;
    // The same for a file to write, which need not exist.
    virtual std::optional<std::string> SaveFileDialog(const FileDialogSpec& desc) = 0;
    // The font the user chose, starting from initial, or nothing when the user cancels.
    virtual std::optional<FontDialogSpec> FontDialog(const FontDialogSpec& initial) = 0;
    virtual void MessageBox(const std::string& title, const std::string& text,
                            MessageBoxKind kind) = 0;
    virtual void Beep(unsigned type) = 0;

    // 0x00BBGGRR of a Win32 system colour index (COLOR_*).
    virtual TColor SystemColor(int index) const = 0;
    virtual IFontEngine& Fonts() = 0;
};

// The host the framework runs on. Installed once at start (the Qt host by the program's entry,
// the headless host by the test harness); tests may install a fresh one per test.
IHost& Host();
bool HasHost();
void InstallHost(std::unique_ptr<IHost> host);
std::unique_ptr<IHost> UninstallHost();

// Installs a host for the life of a scope (a program's main function) and uninstalls it at the
// end, while the program still runs.
class HostScope {
public:
    explicit HostScope(std::unique_ptr<IHost> host) { InstallHost(std::move(host)); }
    ~HostScope() { UninstallHost(); }
    HostScope(const HostScope&) = delete;
    HostScope& operator=(const HostScope&) = delete;
};

} // namespace platform
