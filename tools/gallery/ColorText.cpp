#include "tools/gallery/ColorText.h"

#include "framework/core/SysUtils.h"
#include "framework/streaming/PropertyJson.h"

#include <charconv>
#include <cstdint>

namespace {

// Exactly digits hex digits after a prefix of skip characters.
std::optional<std::uint32_t> Hex(std::string_view text, std::size_t skip, std::size_t digits) {
    if (text.size() != skip + digits)
        return std::nullopt;
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + skip, end, value, 16);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<TColor> ParseColorText(std::string_view text) {
    const std::string trimmed = Trim(text);
    for (const auto& [name, color] : NamedColors())
        if (LowerCase(name) == LowerCase(trimmed))
            return color;
    if (trimmed.starts_with('#')) {
        const auto rgb = Hex(trimmed, 1, 6);
        if (!rgb)
            return std::nullopt;
        return static_cast<TColor>(((*rgb & 0xFFu) << 16) | (*rgb & 0xFF00u) | (*rgb >> 16));
    }
    if (trimmed.starts_with('$')) {
        const auto bgr = Hex(trimmed, 1, 8);
        return bgr ? std::optional<TColor>(static_cast<TColor>(*bgr)) : std::nullopt;
    }
    return StringToColor(trimmed);
}
