#include "tools/measure/ImageMeasurement.h"

#include "app/RegionSweep.h"
#include "framework/core/Exceptions.h"

#include <charconv>

namespace {

std::string Reason(const EInvalidGraphic& e) {
    return e.Detail().empty() ? e.Message() : e.Message() + ": " + e.Detail();
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

std::optional<int> ParseCoordinate(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end)
        return std::nullopt;
    return value;
}
