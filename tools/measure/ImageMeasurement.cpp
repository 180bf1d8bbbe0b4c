#include "tools/measure/ImageMeasurement.h"

#include "app/RegionSweep.h"
#include "framework/core/Exceptions.h"

#include <charconv>

namespace {

// The window shows msg::InvalidBitmap, which is not English.
std::string Reason(const EInvalidGraphic& e) {
    return e.Detail().empty() ? "not a valid bitmap" : "not a valid bitmap: " + e.Detail();
}

} // namespace

TImageMeasurement TImageMeasurer::Measure(const std::string& path, TPoint seed) {
    TImageMeasurement result;
    try {
        FSource.LoadFromFile(path);
    } catch (const EInvalidGraphic& e) {
        result.Error = Reason(e);
        return result;
    } catch (const Exception& e) {
        result.Error = e.Message();
        return result;
    }
    result.Width = FSource.Width();
    result.Height = FSource.Height();
    if (seed.x < 0 || seed.y < 0 || seed.x >= result.Width || seed.y >= result.Height) {
        result.Error = "seed (" + std::to_string(seed.x) + ", " + std::to_string(seed.y) +
                       ") is outside the " + std::to_string(result.Width) + " x " +
                       std::to_string(result.Height) + " image";
        return result;
    }
    FDisplay.Assign(&FSource);
    result.Pixels = SweepRegion(FSource, FDisplay, seed);
    return result;
}

TCoordinate ParseCoordinate(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {std::nullopt, NotAnInteger};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (parsed.ptr != end || parsed.ec == std::errc::invalid_argument)
        return {std::nullopt, NotAnInteger};
    if (parsed.ec == std::errc::result_out_of_range)
        return {std::nullopt, OutOfRange};
    return {value, {}};
}
