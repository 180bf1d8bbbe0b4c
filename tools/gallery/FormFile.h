#pragma once
// The gallery's form descriptions on disk: read whole, written whole. A file that cannot be
// read or written raises EFOpenError naming it and the system's reason.

#include <string>

std::string ReadFormFile(const std::string& path);
void WriteFormFile(const std::string& path, const std::string& text);
