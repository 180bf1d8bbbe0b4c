#pragma once
// Geometry sums and scales of published properties, which may each hold any int, are done in 64
// bits and brought back into range here rather than wrapping.

#include <algorithm>
#include <cstdint>
#include <limits>

// value held to [low, high], as an int.
constexpr int Saturate(std::int64_t value, int low = std::numeric_limits<int>::min(),
                       int high = std::numeric_limits<int>::max()) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

// a + b, held to the int range.
constexpr int SaturatingAdd(int a, int b) {
    return Saturate(std::int64_t{a} + b);
}
