#pragma once
// The fixture for tests that run the framework: each test gets a fresh headless host and a fresh
// application object, and helpers that act like a user on a control (points are the control's
// client coordinates), run the message loop, move the virtual clock and read the screen.
//
//   class StrokeBarTest : public FrameworkTest {};
//   TEST_F(StrokeBarTest, ...) {
//       TForm* form = NewForm();
//       auto* bar = new TStrokeBar(form);
//       bar->SetParent(form);
//       RunUntilIdle();
//       MouseMove(bar, 10, 20);
//       EXPECT_EQ(PixelAt(bar, 0, 16), clNavy);
//   }

#include "framework/core/Events.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Types.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/windows/Control.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

class FrameworkTest : public ::testing::Test {
protected:
    FrameworkTest();
    ~FrameworkTest() override;

    platform::HeadlessHost& Host() const { return *FHost; }

    // A form owned by the application, shown and active, its client area clientWidth x
    // clientHeight at screen (100, 100), painted.
    TForm* NewForm(int clientWidth = 320, int clientHeight = 240);

    // --- the mouse, at a client point of control (a graphic control's included); each call
    // injects the host events and then runs the loop until idle.
    void MouseMove(const TControl* control, int x, int y, TShiftState shift = {});
    void MouseDown(const TControl* control, int x, int y, TMouseButton button = mbLeft,
                   TShiftState shift = {});
    void MouseUp(const TControl* control, int x, int y, TMouseButton button = mbLeft,
                 TShiftState shift = {});
    // Press and release.
    void Click(const TControl* control, int x, int y, TMouseButton button = mbLeft,
               TShiftState shift = {});
    // Press, release, the second press as a double click, release.
    void DoubleClick(const TControl* control, int x, int y, TMouseButton button = mbLeft);
    void Wheel(const TControl* control, int x, int y, int delta, TShiftState shift = {});
    // The pointer leaves the windows of the program (to the desktop, far away).
    void MoveMouseAway();

    // --- the keyboard, to the active window. text is what the key types (UTF-8).
    void KeyDown(unsigned short vk, TShiftState shift = {}, const std::string& text = {});
    void KeyUp(unsigned short vk, TShiftState shift = {});
    // Down and up.
    void PressKey(unsigned short vk, TShiftState shift = {}, const std::string& text = {});
    // One key press per character.
    void Type(const std::string& text);

    // --- the loop and the clock
    // Handles everything pending and runs the idle hover check until nothing is left; never
    // waits and never moves the clock.
    void RunUntilIdle();
    // Moves the virtual clock forward by ms, stopping at every timer that falls due on the way
    // to handle it (and everything it causes), as a running program would.
    void RunFor(std::int64_t ms);

    // --- the screen
    // The colour the host window shows at a client point of control.
    TColor PixelAt(const TControl* control, int x, int y) const;
    // The host window of the form the control sits on.
    platform::HeadlessWindow& HostWindowOf(const TControl* control) const;
    // The host window point of a client point of control.
    TPoint WindowPoint(const TControl* control, int x, int y) const;

private:
    platform::HeadlessWindow* ActiveHostWindow() const;
    void Mouse(platform::HostEvent::Kind kind, const TControl* control, int x, int y,
               TMouseButton button, TShiftState shift);

    platform::HeadlessHost* FHost = nullptr;
    TApplication* FApplication = nullptr;
};

// Host modifier bits (platform::Mod*) of a shift state.
unsigned HostMods(TShiftState shift);
