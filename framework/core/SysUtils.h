#pragma once
// String and number helpers of the framework's run-time library. Case mapping is ASCII only.

#include <optional>
#include <string>
#include <string_view>

std::string IntToStr(long long value);
// Accepts leading blanks, at most one sign, then either a decimal number that fits 32 bits or a
// hexadecimal one introduced by "$", "x" or "0x" (either case) with at most eight significant
// digits, read as a 32-bit pattern whatever its sign; nothing may follow. Anything else raises
// EConvertError "'text' is not a valid integer value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int fallback);
// Empty where StrToInt would raise.
std::optional<int> TryStrToInt(std::string_view text);

// printf-style formatting into a string of exactly the needed size.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Paths may use '/' or '\' as separators.
std::string ExtractFileName(std::string_view path); // after the last separator
std::string ExtractFilePath(std::string_view path); // up to and including the last separator
std::string ExtractFileExt(std::string_view path);  // from the name's last '.', or empty

std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
std::string Trim(std::string_view text); // leading and trailing characters up to ' '
