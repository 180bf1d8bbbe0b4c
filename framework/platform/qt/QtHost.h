#pragma once
// The desktop host: real windows, input, clipboard and dialogs through Qt 6 Widgets.

#include "framework/platform/Host.h"

#include <deque>
#include <memory>
#include <vector>

class QApplication;

namespace platform {

class QtWindow;

class QtHost final : public IHost {
public:
    // Starts a QApplication when none runs; throws std::runtime_error when Qt already runs
    // without widgets.
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    std::unique_ptr<IHostWindow> CreateWindow(const WindowSpec& desc) override;
    TRect ScreenRect() const override;
    int PixelsPerInch() const override { return FPixelsPerInch; }
    TPoint CursorPos() const override;

    std::int64_t Now() const override;
    std::optional<HostEvent> PollEvent() override;
    void WaitForEvent(std::int64_t timeoutMs) override;
    void Wake() override;

    std::string ClipboardText() const override;
    bool ClipboardHasText() const override;
    void SetClipboardText(const std::string& utf8) override;

    std::optional<std::string> OpenFileDialog(const FileDialogSpec& desc) override;
    std::optional<std::string> SaveFileDialog(const FileDialogSpec& desc) override;
    std::optional<FontDialogSpec> FontDialog(const FontDialogSpec& initial) override;
    void MessageBox(const std::string& title, const std::string& text,
                    MessageBoxKind kind) override;
    void Beep(unsigned type) override;

    TColor SystemColor(int index) const override;
    IFontEngine& Fonts() override;

    // Called by the windows.
    void Enqueue(HostEvent event);
    void Forget(QtWindow* window);

private:
    std::unique_ptr<QApplication> FApp; // set only when this host started Qt
    std::deque<HostEvent> FEvents;
    std::vector<QtWindow*> FWindows;
    bool FWoken = false;
    int FPixelsPerInch; // the primary screen's, then that of the screen a window last moved to
    std::unique_ptr<IFontEngine> FFonts;
};

} // namespace platform
