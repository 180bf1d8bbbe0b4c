#include "tests/support/BmpFile.h"

#include <algorithm>
#include <cstdint>

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::vector<TColor> Painted(int width, int height, TColor background,
                            const std::vector<TFilledRect>& rects) {
    std::vector<TColor> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                               background);
    for (const TFilledRect& r : rects)
        for (int y = std::max(r.Rect.Top, 0); y < std::min(r.Rect.Bottom, height); ++y)
            for (int x = std::max(r.Rect.Left, 0); x < std::min(r.Rect.Right, width); ++x)
                pixels[static_cast<std::size_t>(y * width + x)] = r.Color;
    return pixels;
}

} // namespace

std::string BmpFile(int width, int height, TColor background,
                    const std::vector<TFilledRect>& rects) {
    const std::vector<TColor> pixels = Painted(width, height, background, rects);
    const auto stride = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t size = stride * static_cast<std::uint32_t>(height);
    std::string out = "BM";
    Put(out, 54 + size, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    for (const std::uint32_t field :
         {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
          1u | (24u << 16), 0u, size, 2835u, 2835u, 0u, 0u})
        Put(out, field, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const TColor c = pixels[static_cast<std::size_t>(y * width + x)];
            out += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)),
                    static_cast<char>(GetRValue(c))};
        }
        out.append(stride - static_cast<std::uint32_t>(width) * 3, '\0');
    }
    return out;
}
