#pragma once
// Colours as a person types them into the inspector.

#include "framework/graphics/Types.h"

#include <optional>
#include <string_view>

// A cl* name in any case, #RRGGBB as on the web, $00BBGGRR as a stored form of another designer
// writes it, or 0xBBGGRR; nullopt for anything else.
std::optional<TColor> ParseColorText(std::string_view text);
