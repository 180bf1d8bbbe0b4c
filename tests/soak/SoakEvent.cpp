#include "tests/soak/SoakEvent.h"

#include <array>
#include <climits>
#include <sstream>

namespace {

// Weighted so that the pointer and the keyboard do most of the work.
struct TWeightedKind {
    TSoakKind Kind;
    int Weight;
};

constexpr std::array Kinds{
    TWeightedKind{TSoakKind::MouseMove, 14},  TWeightedKind{TSoakKind::MouseDown, 7},
    TWeightedKind{TSoakKind::MouseUp, 7},     TWeightedKind{TSoakKind::Click, 8},
    TWeightedKind{TSoakKind::DoubleClick, 3}, TWeightedKind{TSoakKind::Wheel, 3},
    TWeightedKind{TSoakKind::MoveAway, 3},    TWeightedKind{TSoakKind::WindowClick, 3},
    TWeightedKind{TSoakKind::Key, 8},         TWeightedKind{TSoakKind::KeyDown, 2},
    TWeightedKind{TSoakKind::KeyUp, 2},       TWeightedKind{TSoakKind::Type, 4},
    TWeightedKind{TSoakKind::Paste, 3},       TWeightedKind{TSoakKind::Clock, 4},
    TWeightedKind{TSoakKind::Focus, 3},       TWeightedKind{TSoakKind::Enable, 2},
    TWeightedKind{TSoakKind::Resize, 2},      TWeightedKind{TSoakKind::Property, 8},
    TWeightedKind{TSoakKind::Load, 2},        TWeightedKind{TSoakKind::Measure, 2},
    TWeightedKind{TSoakKind::About, 1},       TWeightedKind{TSoakKind::CloseBox, 1},
    TWeightedKind{TSoakKind::Show, 1},
};

constexpr std::array<const char*, 23> KindNames{
    "move",   "down",     "up",    "click",   "dblclick", "wheel",    "away",  "windowclick",
    "key",    "keydown",  "keyup", "type",    "paste",    "clock",    "focus", "enable",
    "resize", "property", "load",  "measure", "about",    "closebox", "show"};

// Keys that move, edit, confirm, cancel and focus, and some plain ones.
constexpr std::array<int, 22> Keys{0x08, 0x09, 0x0D, 0x1B, 0x20, 0x21, 0x22, 0x23,
                                   0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x30,
                                   0x35, 0x41, 0x43, 0x56, 0x58, 0x70};

const std::array<const char*, 16> Texts{
    "0", "-",      "-5", "12", "2147483647", "-2147483648", "99999999999", "a",
    "é", "日本語", "1€", "\t", " ",          "+7",          "007",         "🙂"};

constexpr std::array<std::int64_t, 12> Extremes{
    INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, -1, 0, 1, -100, 100, 65535, 32767, -32768};

TSoakKind PickKind(std::mt19937_64& random) {
    int total = 0;
    for (const auto& k : Kinds)
        total += k.Weight;
    int pick = static_cast<int>(random() % static_cast<unsigned>(total));
    for (const auto& k : Kinds) {
        if (pick < k.Weight)
            return k.Kind;
        pick -= k.Weight;
    }
    return TSoakKind::MouseMove;
}

std::string RandomText(std::mt19937_64& random) {
    std::string text;
    const int parts = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < parts; ++i)
        text += Texts[random() % Texts.size()];
    return text;
}

std::int64_t RandomValue(std::mt19937_64& random) {
    if (random() % 2 == 0)
        return Extremes[random() % Extremes.size()];
    return static_cast<std::int64_t>(random() % 401) - 100;
}

} // namespace

TSoakEvents GenerateSoakEvents(std::uint64_t seed, int count) {
    std::mt19937_64 random(seed);
    TSoakEvents events;
    events.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TSoakEvent e;
        e.Kind = PickKind(random);
        e.Target = static_cast<int>(random() % 1000);
        e.X = static_cast<int>(random() % 1200) - 100;
        e.Y = static_cast<int>(random() % 1200) - 100;
        e.Button = random() % 4 == 0 ? static_cast<int>(random() % 3) : 0;
        e.Mods = random() % 3 == 0 ? static_cast<unsigned>(random() % 8) : 0;
        e.Value =
            e.Kind == TSoakKind::Key || e.Kind == TSoakKind::KeyDown || e.Kind == TSoakKind::KeyUp
                ? Keys[random() % Keys.size()]
                : RandomValue(random);
        if (e.Kind == TSoakKind::Type || e.Kind == TSoakKind::Paste ||
            e.Kind == TSoakKind::Property)
            e.Text = RandomText(random);
        events.push_back(std::move(e));
    }
    return events;
}

std::string DescribeSoakEvent(const TSoakEvent& e) {
    std::ostringstream out;
    out << KindNames[static_cast<std::size_t>(e.Kind)] << " target=" << e.Target << " at=" << e.X
        << "," << e.Y << " button=" << e.Button << " mods=" << e.Mods << " value=" << e.Value;
    if (!e.Text.empty())
        out << " text=\"" << e.Text << "\"";
    return out.str();
}
