#include "tests/support/FrameworkTest.h"

#include "framework/platform/qt/QtFontEngine.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <stdexcept>

namespace {

platform::MouseButton HostButton(TMouseButton button) {
    switch (button) {
    case mbRight:
        return platform::MouseButton::Right;
    case mbMiddle:
        return platform::MouseButton::Middle;
    default:
        return platform::MouseButton::Left;
    }
}

} // namespace

unsigned HostMods(TShiftState shift) {
    unsigned mods = 0;
    if (shift.Contains(ssShift))
        mods |= platform::ModShift;
    if (shift.Contains(ssCtrl))
        mods |= platform::ModCtrl;
    if (shift.Contains(ssAlt))
        mods |= platform::ModAlt;
    if (shift.Contains(ssLeft))
        mods |= platform::ModLeft;
    if (shift.Contains(ssRight))
        mods |= platform::ModRight;
    if (shift.Contains(ssMiddle))
        mods |= platform::ModMiddle;
    return mods;
}

FrameworkTest::FrameworkTest()
    : FHost(&platform::InstallHeadlessHost(platform::CreateQtFontEngine())) {
    FApplication = new TApplication(nullptr);
    FApplication->Initialize();
    RegisterStandardClasses();
}

FrameworkTest::~FrameworkTest() {
    delete FApplication;
    platform::UninstallHost();
}

TForm* FrameworkTest::NewForm(int clientWidth, int clientHeight) {
    auto* form = new TForm(FApplication);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    const TPoint origin = form->ClientOrigin();
    form->SetBounds(form->Left() + 100 - origin.x, form->Top() + 100 - origin.y, form->Width(),
                    form->Height());
    form->Show();
    RunUntilIdle();
    return form;
}

// --- the screen

platform::HeadlessWindow& FrameworkTest::HostWindowOf(const TControl* control) const {
    const TControl* top = control;
    while (top->Parent())
        top = top->Parent();
    auto* window = const_cast<TWinControl*>(dynamic_cast<const TWinControl*>(top));
    if (!window)
        throw std::logic_error("the control is on no window");
    auto* host = dynamic_cast<platform::HeadlessWindow*>(window->Handle()->HostWindow());
    if (!host)
        throw std::logic_error("the control's window has no headless host window");
    return *host;
}

TPoint FrameworkTest::WindowPoint(const TControl* control, int x, int y) const {
    const TPoint screen = control->ClientToScreen({x, y});
    const TRect client = HostWindowOf(control).ClientBounds();
    return {screen.x - client.Left, screen.y - client.Top};
}

TColor FrameworkTest::PixelAt(const TControl* control, int x, int y) const {
    const TPoint p = WindowPoint(control, x, y);
    return HostWindowOf(control).PixelAt(p.x, p.y);
}

// --- the mouse

void FrameworkTest::Mouse(platform::HostEvent::Kind kind, const TControl* control, int x, int y,
                          TMouseButton button, TShiftState shift) {
    using Kind = platform::HostEvent::Kind;
    platform::HeadlessWindow& window = HostWindowOf(control);
    const TPoint p = WindowPoint(control, x, y);
    const unsigned mods = HostMods(shift);
    switch (kind) {
    case Kind::MouseDown:
        FHost->MouseDown(&window, p.x, p.y, HostButton(button), mods);
        break;
    case Kind::MouseUp:
        FHost->MouseUp(&window, p.x, p.y, HostButton(button), mods);
        break;
    default:
        FHost->MouseMove(&window, p.x, p.y, mods);
        break;
    }
    RunUntilIdle();
}

void FrameworkTest::MouseMove(const TControl* control, int x, int y, TShiftState shift) {
    Mouse(platform::HostEvent::Kind::MouseMove, control, x, y, mbLeft, shift);
}

void FrameworkTest::MouseDown(const TControl* control, int x, int y, TMouseButton button,
                              TShiftState shift) {
    Mouse(platform::HostEvent::Kind::MouseDown, control, x, y, button, shift);
}

void FrameworkTest::MouseUp(const TControl* control, int x, int y, TMouseButton button,
                            TShiftState shift) {
    Mouse(platform::HostEvent::Kind::MouseUp, control, x, y, button, shift);
}

void FrameworkTest::Click(const TControl* control, int x, int y, TMouseButton button,
                          TShiftState shift) {
    MouseDown(control, x, y, button, shift);
    MouseUp(control, x, y, button, shift);
}

void FrameworkTest::DoubleClick(const TControl* control, int x, int y, TMouseButton button) {
    platform::HeadlessWindow& window = HostWindowOf(control);
    const TPoint p = WindowPoint(control, x, y);
    FHost->DoubleClick(&window, p.x, p.y, HostButton(button));
    RunUntilIdle();
}

void FrameworkTest::Wheel(const TControl* control, int x, int y, int delta, TShiftState shift) {
    platform::HeadlessWindow& window = HostWindowOf(control);
    const TPoint p = WindowPoint(control, x, y);
    FHost->MouseWheel(&window, p.x, p.y, delta, HostMods(shift));
    RunUntilIdle();
}

void FrameworkTest::MoveMouseAway() {
    FHost->SetCursorPos({-10000, -10000});
    RunUntilIdle();
}

// --- the keyboard

platform::HeadlessWindow* FrameworkTest::ActiveHostWindow() const {
    if (HWND active = WindowManager().ActiveWindow())
        if (auto* host = dynamic_cast<platform::HeadlessWindow*>(active->HostWindow()))
            return host;
    return FHost->ActiveWindow();
}

void FrameworkTest::KeyDown(unsigned short vk, TShiftState shift, const std::string& text) {
    FHost->KeyDown(ActiveHostWindow(), vk, HostMods(shift), text);
    RunUntilIdle();
}

void FrameworkTest::KeyUp(unsigned short vk, TShiftState shift) {
    FHost->KeyUp(ActiveHostWindow(), vk, HostMods(shift));
    RunUntilIdle();
}

void FrameworkTest::PressKey(unsigned short vk, TShiftState shift, const std::string& text) {
    FHost->KeyPress(ActiveHostWindow(), vk, HostMods(shift), text);
    RunUntilIdle();
}

void FrameworkTest::Type(const std::string& text) {
    FHost->Type(ActiveHostWindow(), text);
    RunUntilIdle();
}

// --- the loop and the clock

void FrameworkTest::RunUntilIdle() {
    TWindowManager& wm = WindowManager();
    for (int round = 0; round < 1000; ++round) {
        FApplication->ProcessMessages();
        FApplication->Idle();
        if (!FHost->HasPendingEvents() && !wm.HasPosted() && !wm.PaintPending() &&
            wm.TimeToNextTimer() != 0)
            return;
    }
    ADD_FAILURE() << "the message loop never runs empty";
}

void FrameworkTest::RunFor(std::int64_t ms) {
    RunUntilIdle();
    const std::int64_t end = FHost->Now() + ms;
    for (;;) {
        const std::int64_t next = WindowManager().TimeToNextTimer();
        if (next < 0 || FHost->Now() + next > end)
            break;
        FHost->Advance(next);
        RunUntilIdle();
    }
    FHost->Advance(end - FHost->Now());
    RunUntilIdle();
}
