#pragma once
// The stored form of plain property values (everything but nested objects and events) in a form
// description, shared by the reader and the writer.

#include "framework/core/ClassInfo.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

using TJson = nlohmann::ordered_json;

// Raises EConvertError saying what was expected when json does not fit the property.
TPropValue JsonToValue(const TPropInfo& prop, const TJson& json);
TJson ValueToJson(const TPropInfo& prop, const TPropValue& value);

// The colours that have a cl* name, the standard ones first, then the system ones.
std::span<const std::pair<const char*, TColor>> NamedColors();
// A colour by its cl* name, or as a hex string "0x827B4B".
std::optional<TColor> StringToColor(std::string_view text);
// The cl* name when the colour has one, otherwise hex with at least six digits.
std::string ColorToString(TColor color);
