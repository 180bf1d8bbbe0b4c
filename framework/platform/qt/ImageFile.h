#pragma once
// Reading and writing common image files (PNG, JPEG, ...) through the host's codecs, for tests
// and tools. The program itself reads BMP files only, with its own decoder.

#include "framework/platform/PixelBuffer.h"

#include <optional>
#include <string>

namespace platform {

bool WritePng(const std::string& path, const PixelBuffer& pixels);
// Empty when the file cannot be read or decoded.
std::optional<PixelBuffer> ReadImage(const std::string& path);

} // namespace platform
