#include "framework/streaming/PropertyJson.h"

#include "framework/core/Exceptions.h"
#include "framework/core/SysUtils.h"

#include <array>
#include <charconv>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, TColor>, 36> ColorNames{{
    {"clNone", clNone},
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clInvalid", clInvalid},
}};

std::int64_t ToInteger(const TJson& json) {
    if (json.is_number_unsigned() && json.get<std::uint64_t>() > INT64_MAX)
        throw EConvertError("number out of range");
    if (!json.is_number_integer())
        throw EConvertError("expected an integer");
    return json.get<std::int64_t>();
}

// Colours are 32-bit patterns: 0x80000005 may be written as its unsigned value.
TColor ToColor(const TJson& json) {
    if (json.is_string()) {
        if (auto color = StringToColor(json.get<std::string>()))
            return *color;
        throw EConvertError("'" + json.get<std::string>() + "' is not a colour");
    }
    std::int64_t value = ToInteger(json);
    if (value < INT32_MIN || value > UINT32_MAX)
        throw EConvertError("colour out of range");
    return static_cast<TColor>(static_cast<std::uint32_t>(value));
}

std::int64_t Ordinal(const TPropInfo& prop, const TJson& json) {
    if (!json.is_string())
        throw EConvertError("expected a name");
    const auto& names = *prop.EnumNames;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == json.get<std::string>())
            return static_cast<std::int64_t>(i);
    throw EConvertError("'" + json.get<std::string>() + "' is not a value of " + prop.Name);
}

std::int64_t SetBits(const TPropInfo& prop, const TJson& json) {
    if (!json.is_array())
        throw EConvertError("expected a list of names");
    std::uint64_t bits = 0;
    for (const auto& member : json) {
        std::int64_t ordinal = Ordinal(prop, member);
        if (ordinal >= 63)
            throw EConvertError("set member out of range");
        bits |= std::uint64_t{1} << ordinal;
    }
    return static_cast<std::int64_t>(bits);
}

std::string ToString(const TJson& json) {
    if (!json.is_string())
        throw EConvertError("expected a string");
    return json.get<std::string>();
}

std::vector<std::string> ToLines(const TJson& json) {
    if (!json.is_array())
        throw EConvertError("expected a list of strings");
    std::vector<std::string> lines;
    for (const auto& line : json)
        lines.push_back(ToString(line));
    return lines;
}

TJson SetToJson(const TPropInfo& prop, std::int64_t bits) {
    TJson names = TJson::array();
    const auto& all = *prop.EnumNames;
    for (std::size_t i = 0; i < all.size() && i < 63; ++i)
        if ((static_cast<std::uint64_t>(bits) >> i) & 1)
            names.push_back(all[i]);
    return names;
}

TJson EnumToJson(const TPropInfo& prop, std::int64_t ordinal) {
    const auto& names = *prop.EnumNames;
    if (ordinal >= 0 && static_cast<std::size_t>(ordinal) < names.size())
        return names[static_cast<std::size_t>(ordinal)];
    return ordinal;
}

} // namespace

std::span<const std::pair<const char*, TColor>> NamedColors() {
    return ColorNames;
}

std::optional<TColor> StringToColor(std::string_view text) {
    for (const auto& [name, color] : ColorNames)
        if (text == name)
            return color;
    if (text.size() < 3 || text.size() > 10 || LowerCase(text.substr(0, 2)) != "0x")
        return std::nullopt;
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data() + 2, end, value, 16);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return static_cast<TColor>(value);
}

std::string ColorToString(TColor color) {
    for (const auto& [name, value] : ColorNames)
        if (value == color)
            return name;
    return Format("0x%06X", static_cast<unsigned>(color));
}

TPropValue JsonToValue(const TPropInfo& prop, const TJson& json) {
    switch (prop.Kind) {
    case TPropKind::Integer:
        return ToInteger(json);
    case TPropKind::Boolean:
        if (!json.is_boolean())
            throw EConvertError("expected true or false");
        return json.get<bool>();
    case TPropKind::Color:
        return static_cast<std::int64_t>(ToColor(json));
    case TPropKind::Enum:
        return Ordinal(prop, json);
    case TPropKind::Set:
        return SetBits(prop, json);
    case TPropKind::Strings:
        return ToLines(json);
    case TPropKind::String:
    case TPropKind::Component:
    case TPropKind::Resource:
        return ToString(json);
    case TPropKind::Persistent:
    case TPropKind::Event:
        break;
    }
    throw EConvertError("not a plain value");
}

TJson ValueToJson(const TPropInfo& prop, const TPropValue& value) {
    switch (prop.Kind) {
    case TPropKind::Integer:
        return std::get<std::int64_t>(value);
    case TPropKind::Boolean:
        return std::get<bool>(value);
    case TPropKind::Color:
        return ColorToString(static_cast<TColor>(std::get<std::int64_t>(value)));
    case TPropKind::Enum:
        return EnumToJson(prop, std::get<std::int64_t>(value));
    case TPropKind::Set:
        return SetToJson(prop, std::get<std::int64_t>(value));
    case TPropKind::Strings:
        return std::get<std::vector<std::string>>(value);
    case TPropKind::String:
    case TPropKind::Component:
    case TPropKind::Resource:
        return std::get<std::string>(value);
    case TPropKind::Persistent:
    case TPropKind::Event:
        break;
    }
    return nullptr;
}
