#pragma once
// One step of the soak: what a user or a program does to the windows, drawn from a seeded
// generator. Targets are indexes into the world's control list, resolved when the step runs,
// so that a shortened list still means something.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

enum class TSoakKind : std::uint8_t {
    MouseMove,
    MouseDown,
    MouseUp,
    Click,
    DoubleClick,
    Wheel,
    MoveAway,
    WindowClick, // a click anywhere on the topmost window, a popup menu included
    Key,         // down and up, with modifiers
    KeyDown,
    KeyUp,
    Type,
    Paste,
    Clock,
    Focus,
    Enable,
    Resize,
    Property,
    Load,    // answers the next file dialog and clicks "Load Bitmap Image"
    Measure, // clicks the image, then "Start !"
    About,
    CloseBox,
    Show, // shows the controls form again after its close box hid it
};

struct TSoakEvent {
    TSoakKind Kind = TSoakKind::MouseMove;
    int Target = 0;
    int X = 0; // per mille of the target's width, a little beyond both edges
    int Y = 0;
    int Button = 0; // 0 left, 1 right, 2 middle
    unsigned Mods = 0;
    std::int64_t Value = 0;
    std::string Text;
};

using TSoakEvents = std::vector<TSoakEvent>;

TSoakEvents GenerateSoakEvents(std::uint64_t seed, int count);
std::string DescribeSoakEvent(const TSoakEvent& event);
