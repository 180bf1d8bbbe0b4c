#include "framework/core/Saturate.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

TEST(SaturateTest, HoldsWideValuesToTheRangeAndKeepsThoseInside) {
    struct TCase {
        std::int64_t Value;
        int Low, High, Expected;
    };
    const TCase cases[] = {
        {0, INT_MIN, INT_MAX, 0},
        {INT_MAX, INT_MIN, INT_MAX, INT_MAX},
        {std::int64_t{INT_MAX} + 1, INT_MIN, INT_MAX, INT_MAX},
        {std::int64_t{INT_MIN} - 1, INT_MIN, INT_MAX, INT_MIN},
        {INT64_MAX, INT_MIN, INT_MAX, INT_MAX},
        {INT64_MIN, INT_MIN, INT_MAX, INT_MIN},
        {-1, 0, INT_MAX, 0},
        {7, -5, 5, 5},
        {-7, -5, 5, -5},
        {5, -5, 5, 5},
        {-5, -5, 5, -5},
        {3, 3, 3, 3},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Saturate(c.Value, c.Low, c.High), c.Expected)
            << c.Value << " in [" << c.Low << ", " << c.High << "]";
    }
}

TEST(SaturateTest, AddsWithoutWrapping) {
    struct TCase {
        int A, B, Expected;
    };
    const TCase cases[] = {
        {2, 3, 5},
        {INT_MAX, 1, INT_MAX},
        {INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, -1, INT_MIN},
        {INT_MIN, INT_MIN, INT_MIN},
        {INT_MAX, INT_MIN, -1},
        {INT_MAX - 1, 1, INT_MAX},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(SaturatingAdd(c.A, c.B), c.Expected) << c.A << " + " << c.B;
    }
}

} // namespace
