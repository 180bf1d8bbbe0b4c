#include "framework/windows/Scaling.h"

#include <climits>
#include <cstdint>

namespace {

std::int64_t Scale64(std::int64_t value, int m, int d) {
    if (d == 0)
        return value;
    const bool negative = ((value < 0) != (m < 0)) != (d < 0);
    const std::int64_t magnitude = (value < 0 ? -value : value) * (m < 0 ? -std::int64_t{m} : m);
    const std::int64_t divisor = d < 0 ? -std::int64_t{d} : d;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return negative ? -quotient : quotient;
}

int Hold(std::int64_t value) {
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

} // namespace

int ScaleLength(int value, int m, int d) {
    return Hold(Scale64(value, m, d));
}

std::pair<int, int> ScaleSpan(int start, int size, int m, int d) {
    const std::int64_t first = Scale64(start, m, d);
    const std::int64_t last = Scale64(std::int64_t{start} + size, m, d);
    return {Hold(first), Hold(last - first)};
}
