#include "framework/platform/headless/HeadlessHost.h"

#include "framework/platform/ClassicPalette.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace platform {

namespace {

PixelBuffer BlankScreen(const TRect& client) {
    return PixelBuffer(std::max(client.Width(), 0), std::max(client.Height(), 0));
}

// Copies the part of src inside area (in src's coordinates) to the same place
// in dst.
void CopyArea(PixelBuffer& dst, const PixelBuffer& src, const TRect& area) {
    const TRect r = IntersectRect(IntersectRect(area, Rect(0, 0, src.Width, src.Height)),
                                  Rect(0, 0, dst.Width, dst.Height));
    for (int y = r.Top; y < r.Bottom; ++y)
        std::copy(src.Row(y) + r.Left, src.Row(y) + r.Right, dst.Row(y) + r.Left);
}

bool IsInput(HostEvent::Kind kind) {
    using K = HostEvent::Kind;
    switch (kind) {
    case K::MouseDown:
    case K::MouseUp:
    case K::MouseDoubleClick:
    case K::MouseMove:
    case K::MouseWheel:
    case K::MouseLeave:
    case K::KeyDown:
    case K::KeyUp:
    case K::Close:
        return true;
    default:
        return false;
    }
}

bool MovesPointer(HostEvent::Kind kind) {
    using K = HostEvent::Kind;
    return kind == K::MouseDown || kind == K::MouseUp || kind == K::MouseDoubleClick ||
           kind == K::MouseMove || kind == K::MouseWheel;
}

struct KeyStroke {
    int Vk = 0;
    unsigned Mods = 0;
    std::string Text;
};

// The key a US keyboard types a character with; characters it has no plain key
// for come with virtual key 0 and only their text.
KeyStroke StrokeFor(const std::string& character) {
    KeyStroke k{0, 0, character};
    if (character.size() != 1)
        return k;
    const char c = character[0];
    if (c >= 'a' && c <= 'z')
        k.Vk = c - 'a' + 'A';
    else if (c >= 'A' && c <= 'Z') {
        k.Vk = c;
        k.Mods = ModShift;
    } else if ((c >= '0' && c <= '9') || c == ' ')
        k.Vk = c;
    else if (c == '\n' || c == '\r') {
        k.Vk = 13;
        k.Text = "\r";
    } else if (c == '\t')
        k.Vk = 9;
    else if (c == '\b')
        k.Vk = 8;
    else if (c == '-')
        k.Vk = 0xBD;
    else if (c == '.')
        k.Vk = 0xBE;
    else if (c == ',')
        k.Vk = 0xBC;
    return k;
}

HostEvent EventFor(HostEvent::Kind kind, IHostWindow* window, unsigned mods = 0) {
    HostEvent e;
    e.Type = kind;
    e.Window = window;
    e.Mods = mods;
    return e;
}

std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

// ----------------------------------------------------------------------------------
// windows

HeadlessWindow::HeadlessWindow(HeadlessHost& host, const WindowSpec& desc)
    : FHost(&host), FKind(desc.Kind), FOwner(desc.Owner), FTitle(desc.Title),
      FClientBounds(desc.ClientBounds), FScreen(BlankScreen(desc.ClientBounds)) {}

HeadlessWindow::~HeadlessWindow() {
    if (FHost)
        FHost->Forget(this);
}

void HeadlessWindow::SetTitle(const std::string& utf8) {
    FTitle = utf8;
}

void HeadlessWindow::SetIcon(const PixelBuffer& icon) {
    FIcon = icon;
}

void HeadlessWindow::SetClientBounds(const TRect& bounds) {
    if (bounds.Width() != FClientBounds.Width() || bounds.Height() != FClientBounds.Height()) {
        PixelBuffer resized = BlankScreen(bounds);
        CopyArea(resized, FScreen, Rect(0, 0, FScreen.Width, FScreen.Height));
        FScreen = std::move(resized);
    }
    FClientBounds = bounds;
}

TRect HeadlessWindow::FrameExtents() const {
    if (!IsFramed(FKind))
        return {};
    return {FrameBorder, FrameBorder + CaptionHeight, FrameBorder, FrameBorder};
}

TRect HeadlessWindow::OuterBounds() const {
    const TRect f = FrameExtents();
    return {FClientBounds.Left - f.Left, FClientBounds.Top - f.Top, FClientBounds.Right + f.Right,
            FClientBounds.Bottom + f.Bottom};
}

void HeadlessWindow::Show() {
    FVisible = true;
    if (IsFramed(FKind))
        Activate();
}

void HeadlessWindow::Hide() {
    FVisible = false;
    if (FHost && FHost->FGrab == this)
        FHost->FGrab = nullptr;
    if (!FHost || FHost->FActive != this)
        return;
    HeadlessWindow* owner = FHost->Find(FOwner);
    FHost->SetActive(owner && owner->FVisible ? owner : nullptr);
}

void HeadlessWindow::SetModal(bool modal) {
    FModal = modal;
    if (FHost)
        FHost->PushModal(this, modal);
}

void HeadlessWindow::Activate() {
    if (FHost && FVisible && IsFramed(FKind))
        FHost->SetActive(this);
}

void HeadlessWindow::Present(const PixelBuffer& surface, const TRect& dirty) {
    ++FPresentCount;
    CopyArea(FScreen, surface, dirty);
}

bool HeadlessWindow::Active() const {
    return FHost && FHost->FActive == this;
}

TColor HeadlessWindow::PixelAt(int x, int y) const {
    return FScreen.Contains(x, y) ? PixelToColor(FScreen.Row(y)[x]) : clInvalid;
}

// -------------------------------------------------------------------------------------
// host

HeadlessHost::HeadlessHost(std::unique_ptr<IFontEngine> fonts) : FFonts(std::move(fonts)) {}

HeadlessHost::~HeadlessHost() {
    for (HeadlessWindow* w : FWindows)
        w->FHost = nullptr;
}

std::unique_ptr<IHostWindow> HeadlessHost::CreateWindow(const WindowSpec& desc) {
    auto window = std::make_unique<HeadlessWindow>(*this, desc);
    FWindows.push_back(window.get());
    return window;
}

std::optional<HostEvent> HeadlessHost::PollEvent() {
    if (FEvents.empty())
        return std::nullopt;
    HostEvent e = std::move(FEvents.front());
    FEvents.pop_front();
    if (HeadlessWindow* w = Find(e.Window); w && MovesPointer(e.Type))
        FCursorPos = {w->FClientBounds.Left + e.X, w->FClientBounds.Top + e.Y};
    return e;
}

void HeadlessHost::WaitForEvent(std::int64_t timeoutMs) {
    if (std::exchange(FWoken, false) || !FEvents.empty())
        return;
    if (!FIdleSteps.empty()) {
        // Taken off the queue first: the step may script further steps.
        auto step = std::move(FIdleSteps.front());
        FIdleSteps.pop_front();
        step();
        return;
    }
    if (timeoutMs < 0)
        throw std::logic_error("headless host: waiting for input that no test provides");
    FNow += timeoutMs;
}

std::optional<std::string> HeadlessHost::OpenFileDialog(const FileDialogSpec& desc) {
    FFileDialogs.push_back(desc);
    return NextFileDialogAnswer();
}

std::optional<std::string> HeadlessHost::SaveFileDialog(const FileDialogSpec& desc) {
    FSaveDialogs.push_back(desc);
    return NextFileDialogAnswer();
}

std::optional<FontDialogSpec> HeadlessHost::FontDialog(const FontDialogSpec& initial) {
    FFontDialogs.push_back(initial);
    if (FFontDialogAnswers.empty())
        return std::nullopt;
    std::optional<FontDialogSpec> answer = std::move(FFontDialogAnswers.front());
    FFontDialogAnswers.pop_front();
    return answer;
}

void HeadlessHost::QueueFontDialogAnswer(std::optional<FontDialogSpec> font) {
    FFontDialogAnswers.push_back(std::move(font));
}

std::optional<std::string> HeadlessHost::NextFileDialogAnswer() {
    if (FFileDialogAnswers.empty())
        return std::nullopt;
    auto answer = std::move(FFileDialogAnswers.front());
    FFileDialogAnswers.pop_front();
    return answer;
}

void HeadlessHost::QueueFileDialogAnswer(std::optional<std::string> path) {
    FFileDialogAnswers.push_back(std::move(path));
}

void HeadlessHost::MessageBox(const std::string& title, const std::string& text,
                              MessageBoxKind kind) {
    FMessageBoxes.push_back({title, text, kind});
}

TColor HeadlessHost::SystemColor(int index) const {
    return ClassicSystemColor(index);
}

IFontEngine& HeadlessHost::Fonts() {
    if (!FFonts)
        throw std::logic_error("the headless host was made without a font engine");
    return *FFonts;
}

HeadlessWindow* HeadlessHost::WindowTitled(const std::string& title) const {
    auto it = std::find_if(FWindows.begin(), FWindows.end(),
                           [&](const HeadlessWindow* w) { return w->FTitle == title; });
    return it == FWindows.end() ? nullptr : *it;
}

HeadlessWindow* HeadlessHost::Find(const IHostWindow* window) const {
    auto it = std::find(FWindows.begin(), FWindows.end(), window);
    return it == FWindows.end() ? nullptr : *it;
}

void HeadlessHost::Forget(HeadlessWindow* window) {
    std::erase(FWindows, window);
    std::erase(FModalStack, window);
    std::erase_if(FEvents, [&](const HostEvent& e) { return e.Window == window; });
    if (FActive == window)
        FActive = nullptr;
    if (FGrab == window)
        FGrab = nullptr;
}

void HeadlessHost::SetActive(HeadlessWindow* window) {
    if (FActive == window)
        return;
    if (FActive)
        FEvents.push_back(EventFor(HostEvent::Kind::Deactivate, FActive));
    FActive = window;
    if (FActive)
        FEvents.push_back(EventFor(HostEvent::Kind::Activate, FActive));
}

void HeadlessHost::PushModal(HeadlessWindow* window, bool modal) {
    std::erase(FModalStack, window);
    if (modal)
        FModalStack.push_back(window);
}

bool HeadlessHost::IsBlocked(const IHostWindow* window) const {
    auto top = std::find_if(FModalStack.rbegin(), FModalStack.rend(),
                            [](const HeadlessWindow* w) { return w->FVisible; });
    if (top == FModalStack.rend())
        return false;
    // A window the modal one owns (its popup menu, a dialog it opened) stays
    // usable.
    for (const HeadlessWindow* w = Find(window); w; w = Find(w->FOwner))
        if (w == *top)
            return false;
    return true;
}

// ------------------------------------------------------------------------------------
// input

void HeadlessHost::Post(HostEvent event) {
    if (IsInput(event.Type) && IsBlocked(event.Window))
        return;
    FEvents.push_back(std::move(event));
}

unsigned HeadlessHost::ButtonBit(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return ModLeft;
    case MouseButton::Right:
        return ModRight;
    case MouseButton::Middle:
        return ModMiddle;
    }
    return 0;
}

HostEvent HeadlessHost::MouseEvent(HostEvent::Kind kind, IHostWindow* window, int x, int y,
                                   unsigned mods) const {
    HostEvent e = EventFor(kind, window, mods | FButtonsHeld);
    e.X = x;
    e.Y = y;
    const HeadlessWindow* from = Find(window);
    if (FGrab && from && FGrab != from) {
        e.Window = FGrab;
        e.X += from->FClientBounds.Left - FGrab->FClientBounds.Left;
        e.Y += from->FClientBounds.Top - FGrab->FClientBounds.Top;
    }
    return e;
}

void HeadlessHost::PostMouse(HostEvent::Kind kind, IHostWindow* window, int x, int y,
                             MouseButton button, unsigned mods) {
    const bool press =
        kind == HostEvent::Kind::MouseDown || kind == HostEvent::Kind::MouseDoubleClick;
    if (press && !FGrab)
        FGrab = Find(window);
    if (press)
        FButtonsHeld |= ButtonBit(button);
    else if (kind == HostEvent::Kind::MouseUp)
        FButtonsHeld &= ~ButtonBit(button);
    HostEvent e = MouseEvent(kind, window, x, y, mods);
    e.Button = button;
    if (FButtonsHeld == 0)
        FGrab = nullptr;
    Post(std::move(e));
}

void HeadlessHost::MouseDown(IHostWindow* window, int x, int y, MouseButton button, unsigned mods) {
    PostMouse(HostEvent::Kind::MouseDown, window, x, y, button, mods);
}

void HeadlessHost::MouseUp(IHostWindow* window, int x, int y, MouseButton button, unsigned mods) {
    PostMouse(HostEvent::Kind::MouseUp, window, x, y, button, mods);
}

void HeadlessHost::MouseMove(IHostWindow* window, int x, int y, unsigned mods) {
    PostMouse(HostEvent::Kind::MouseMove, window, x, y, MouseButton::Left, mods);
}

void HeadlessHost::Click(IHostWindow* window, int x, int y, MouseButton button, unsigned mods) {
    MouseDown(window, x, y, button, mods);
    MouseUp(window, x, y, button, mods);
}

void HeadlessHost::DoubleClick(IHostWindow* window, int x, int y, MouseButton button,
                               unsigned mods) {
    Click(window, x, y, button, mods);
    PostMouse(HostEvent::Kind::MouseDoubleClick, window, x, y, button, mods);
    MouseUp(window, x, y, button, mods);
}

void HeadlessHost::MouseWheel(IHostWindow* window, int x, int y, int delta, unsigned mods) {
    HostEvent e = MouseEvent(HostEvent::Kind::MouseWheel, window, x, y, mods);
    e.WheelDelta = delta;
    Post(std::move(e));
}

void HeadlessHost::MouseLeave(IHostWindow* window) {
    Post(EventFor(HostEvent::Kind::MouseLeave, window));
}

void HeadlessHost::KeyDown(IHostWindow* window, int vk, unsigned mods, const std::string& text) {
    HostEvent e = EventFor(HostEvent::Kind::KeyDown, window, mods);
    e.Key = vk;
    e.Text = text;
    Post(std::move(e));
}

void HeadlessHost::KeyUp(IHostWindow* window, int vk, unsigned mods) {
    HostEvent e = EventFor(HostEvent::Kind::KeyUp, window, mods);
    e.Key = vk;
    Post(std::move(e));
}

void HeadlessHost::KeyPress(IHostWindow* window, int vk, unsigned mods, const std::string& text) {
    KeyDown(window, vk, mods, text);
    KeyUp(window, vk, mods);
}

void HeadlessHost::Type(IHostWindow* window, const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8Length(static_cast<unsigned char>(text[i]));
        const KeyStroke k = StrokeFor(text.substr(i, n));
        KeyPress(window, k.Vk, k.Mods, k.Text);
        i += n;
    }
}

void HeadlessHost::CloseBox(IHostWindow* window) {
    Post(EventFor(HostEvent::Kind::Close, window));
}

void HeadlessHost::UserMove(IHostWindow* window, int left, int top) {
    HeadlessWindow* w = Find(window);
    if (!w || IsBlocked(w))
        return;
    const TRect b = w->FClientBounds;
    w->SetClientBounds(Bounds(left, top, b.Width(), b.Height()));
    HostEvent e = EventFor(HostEvent::Kind::Moved, w);
    e.X = left;
    e.Y = top;
    Post(std::move(e));
}

void HeadlessHost::MoveToScreen(IHostWindow* window, int pixelsPerInch) {
    FPixelsPerInch = pixelsPerInch;
    HostEvent e = EventFor(HostEvent::Kind::ScaleChanged, window);
    e.X = pixelsPerInch;
    Post(std::move(e));
}

void HeadlessHost::UserResize(IHostWindow* window, int width, int height) {
    HeadlessWindow* w = Find(window);
    if (!w || IsBlocked(w))
        return;
    width = std::max(width, w->FMinClientSize.x);
    height = std::max(height, w->FMinClientSize.y);
    w->SetClientBounds(Bounds(w->FClientBounds.Left, w->FClientBounds.Top, width, height));
    HostEvent e = EventFor(HostEvent::Kind::Resized, w);
    e.X = width;
    e.Y = height;
    Post(std::move(e));
}

HeadlessHost& InstallHeadlessHost(std::unique_ptr<IFontEngine> fonts) {
    auto host = std::make_unique<HeadlessHost>(std::move(fonts));
    HeadlessHost& installed = *host;
    InstallHost(std::move(host));
    return installed;
}

} // namespace platform
