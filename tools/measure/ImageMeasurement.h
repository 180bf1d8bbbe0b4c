#pragma once
// One image measured as the main window measures it: loaded by the same bitmap class, counted
// by the same sweep from the seed, painted on a copy of the image.

#include "framework/core/Types.h"

#include <optional>
#include <string>
#include <string_view>

class TBitmap;

struct TImageMeasurement {
    // Zero when the image could not be loaded.
    int Width = 0;
    int Height = 0;
    int Pixels = 0;
    // Why the image could not be measured; empty when it was.
    std::string Error;
};

// With display, leaves there the image with the region painted red, as the window shows it.
TImageMeasurement MeasureImage(const std::string& path, TPoint seed, TBitmap* display = nullptr);

// A seed coordinate as a list or a command line writes it: a decimal integer, blanks around it
// allowed.
std::optional<int> ParseCoordinate(std::string_view text);
