#pragma once
// One image measured as the main window measures it: loaded by the same bitmap class, counted
// by the same sweep from the seed, painted on a copy of the image.

#include "framework/core/Types.h"
#include "framework/graphics/Bitmap.h"

#include <optional>
#include <string>
#include <string_view>

struct TImageMeasurement {
    // Zero when the image could not be loaded.
    int Width = 0;
    int Height = 0;
    int Pixels = 0;
    // Why the image could not be measured; empty when it was.
    std::string Error;
};

// Measures images one after another; its messages are in English, whatever the language of
// the window's. Its bitmaps are kept from one image to the next: a batch
// of images of one size then reuses their pixel memory instead of faulting in fresh pages for
// every image, which would cost more than the measurement.
class TImageMeasurer {
public:
    TImageMeasurement Measure(const std::string& path, TPoint seed);
    // The image last measured, with its region painted red as the window shows it.
    const TBitmap& Display() const { return FDisplay; }

private:
    TBitmap FSource;
    TBitmap FDisplay;
};

inline constexpr std::string_view NotAnInteger = "is not an integer";
inline constexpr std::string_view OutOfRange = "is out of range";

struct TCoordinate {
    std::optional<int> Value;
    // Why there is no value: NotAnInteger or OutOfRange.
    std::string_view Error;
};

// A seed coordinate as a list or a command line writes it: a decimal integer, blanks around it
// allowed.
TCoordinate ParseCoordinate(std::string_view text);
