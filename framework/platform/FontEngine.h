#pragma once
// Measuring and rasterising text: the one service the graphics layer takes from the platform.
// Each host hands out its engine (IHost::Fonts); which engine that is stays the host's business.

#include "framework/core/Types.h"
#include "framework/platform/PixelBuffer.h"

#include <memory>
#include <string>
#include <string_view>

namespace platform {

struct FontSpec {
    std::string Family;   // already substituted: a face the system has, or a generic name
    int PixelHeight = 12; // character height in pixels (the em, without internal leading)
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0; // cell height minus character height
    int Height() const { return Ascent + Descent; }
};

class IFontEngine {
public:
    virtual ~IFontEngine() = default;
    virtual FontMetrics Metrics(const FontSpec& font) = 0;
    // Advance width of a UTF-8 string, in pixels.
    virtual int TextWidth(const FontSpec& font, std::string_view utf8) = 0;
    // Draws anti-aliased text whose cell's top-left corner is (x, y); only pixels inside clip
    // change. colour is 0x00RRGGBB.
    virtual void DrawText(PixelBuffer& target, const TRect& clip, int x, int y,
                          const FontSpec& font, std::string_view utf8, std::uint32_t rgb) = 0;
};

} // namespace platform
