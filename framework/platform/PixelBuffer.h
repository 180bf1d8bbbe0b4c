#pragma once
// A block of 0xAARRGGBB pixels, row by row from the top; the unit that bitmaps, window surfaces
// and the hosts exchange.

#include <cstdint>
#include <vector>

namespace platform {

struct PixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // Width * Height words

    PixelBuffer() = default;
    PixelBuffer(int w, int h, std::uint32_t fill = 0xFFFFFFFFu)
        : Width(w), Height(h),
          Pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint32_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
    const std::uint32_t* Row(int y) const {
        return Pixels.data() + static_cast<std::size_t>(y) * Width;
    }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};

} // namespace platform
