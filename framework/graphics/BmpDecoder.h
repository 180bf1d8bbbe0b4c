#pragma once
// Windows and OS/2 BMP files to 32-bit pixels. Stands alone (no host, no Qt) so that the fuzzer
// and the tools can build it by itself.

#include "framework/platform/PixelBuffer.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The pixel budget of a decoded image, and so of any bitmap. At four bytes a pixel, 64 Mpixel
// (256 MiB) is far beyond any picture the program measures yet still allocatable on a desktop.
inline constexpr std::int64_t MaxBitmapPixels = std::int64_t{1} << 26;

// Whether a width x height image keeps to the budget. There is no limit a side: a strip of
// one pixel may be as long as the whole budget, and no side, row byte count or coordinate of
// such an image comes near the range of int.
constexpr bool WithinPixelBudget(std::int64_t width, std::int64_t height) {
    return width >= 0 && height >= 0 && width <= MaxBitmapPixels && height <= MaxBitmapPixels &&
           width * height <= MaxBitmapPixels;
}

struct TBmpInfo {
    int Width = 0, Height = 0, BitsPerPixel = 0;
    std::string Compression; // "BI_RGB", "BI_RLE8", "BI_RLE4", "BI_BITFIELDS", ...
    std::string HeaderKind;  // "OS/2 1.x (12)", "INFO (40)", "V5 (124)", "OS/2 2.x (64)", ...
    bool TopDown = false;
    // The pixel format carries an alpha channel. DecodeBmp clears it again for a file whose alpha
    // samples are all zero, since such files mean "no alpha", not "invisible".
    bool HasAlpha = false;
};

struct TDecodedBmp {
    TBmpInfo Info;
    platform::PixelBuffer Pixels; // 0xAARRGGBB, top row first; alpha 0xFF unless HasAlpha
};

// Both throw EInvalidGraphic (msg::InvalidBitmap, with a Detail() saying why) for anything that
// is not a BMP this decoder reads: truncated, oversized, inconsistent or unsupported data.
TDecodedBmp DecodeBmp(std::span<const std::uint8_t> file);
TBmpInfo ProbeBmp(std::span<const std::uint8_t> file); // headers only, same checks

// Enough of a file's start for its file header and info header, also behind a bitmap array's
// header.
inline constexpr std::size_t BmpStartBytes = 14 + 14 + 124;
// Throws as DecodeBmp does for what the first BmpStartBytes of a file of fileSize bytes already
// show (all of a shorter file): a file that is no BMP is refused before it is read whole.
void CheckBmpStart(std::span<const std::uint8_t> start, std::uint64_t fileSize);
