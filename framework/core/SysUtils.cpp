#include "framework/core/SysUtils.h"

#include "framework/core/Exceptions.h"

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <utility>

std::string IntToStr(long long value) {
    return std::to_string(value);
}

namespace {

int DigitValue(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The length of a hexadecimal prefix ("$", "x", "0x", either case) at the start, or 0.
std::size_t HexPrefixLength(std::string_view text) {
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X'))
        return 1;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return 2;
    return 0;
}

// Up to eight significant digits, taken as a 32-bit pattern.
std::optional<int> ParseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, 16);
        if (digit < 0)
            return std::nullopt;
        if (significant > 0 || digit != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<int>(value);
}

std::optional<int> ParseDecimal(std::string_view digits, bool negative) {
    constexpr std::int64_t Limit = std::int64_t{INT_MAX} + 1;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, 10);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
        if (magnitude > Limit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (digits.empty() || !std::in_range<int>(value))
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<int> TryStrToInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (const std::size_t prefix = HexPrefixLength(text))
        return ParseHex(text.substr(prefix));
    return ParseDecimal(text, negative);
}

int StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

int StrToIntDef(std::string_view text, int fallback) {
    return TryStrToInt(text).value_or(fallback);
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int size = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text;
    if (size > 0) {
        text.resize(static_cast<std::size_t>(size));
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}

namespace {
std::size_t NameStart(std::string_view path) {
    std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}
} // namespace

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(NameStart(path)));
}

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, NameStart(path)));
}

std::string ExtractFileExt(std::string_view path) {
    std::string_view name = path.substr(NameStart(path));
    std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string Trim(std::string_view text) {
    auto blank = [](char c) {
        return static_cast<unsigned char>(c) <= ' ';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}
