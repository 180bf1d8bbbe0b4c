#pragma once
// Resources embedded into the executable at build time, found by file name.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

using TResourceData = std::span<const std::uint8_t>;

void RegisterResource(std::string_view name, TResourceData data);
std::optional<TResourceData> FindResource(std::string_view name);
