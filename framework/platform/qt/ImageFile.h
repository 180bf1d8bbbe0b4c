#pragma once
// Reading and writing common image files (PNG, JPEG, ...) through the host's codecs, for tests
// and tools. The program itself reads BMP files only, with its own decoder.

#include "framework/platform/PixelBuffer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

bool WritePng(const std::string& path, const PixelBuffer& pixels);
// The bytes of a PNG file, for a caller that writes the file itself; empty when the pixels
// cannot be encoded.
std::optional<std::vector<std::uint8_t>> EncodePng(const PixelBuffer& pixels);
// Empty when the file cannot be read or decoded.
std::optional<PixelBuffer> ReadImage(const std::string& path);

} // namespace platform
