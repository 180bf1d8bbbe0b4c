#pragma once
// 24-bit BMP files made in memory, for tests and benchmarks that feed the decoder real files.

#include "framework/core/Types.h"

#include <string>
#include <vector>

struct TFilledRect {
    TRect Rect;
    TColor Color;
};

// A bottom-up 24-bit BMP of the given size in background, with the rectangles painted over it
// in order.
std::string BmpFile(int width, int height, TColor background,
                    const std::vector<TFilledRect>& rects = {});
