#pragma once
// Writing a whole file so that a failure never leaves a partial one behind.

#include <cstdint>
#include <span>
#include <string>

// Writes bytes to path, through a symbolic link. A regular file (or a new one) is written into a
// temporary file beside it and renamed into place only when every byte is on disk, so path holds
// either its old content or all of the new; anything else there (a device, a FIFO) is written in
// place. Returns why writing failed; empty when it succeeded.
std::string WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
