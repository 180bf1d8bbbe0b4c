#pragma once
// Names for the values of integer properties that have them (a cursor: crHandPoint for -21), so
// that the inspector offers and takes the names, as a designer does.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TIdentifiers = std::vector<std::pair<std::string, int>>;

// The names of the property's values; nullptr when it has none.
const TIdentifiers* IdentifiersOf(std::string_view propertyName);

// The value named name, or the number name spells; nullopt for neither.
std::optional<int> IdentToInt(const TIdentifiers& table, std::string_view name);
// The name of value, or its digits.
std::string IntToIdent(const TIdentifiers& table, int value);
