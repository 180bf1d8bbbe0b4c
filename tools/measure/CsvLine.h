#pragma once
// The CSV of saruvi-measure, one line at a time: fields as RFC 4180 writes them, where a quoted
// field may hold commas and doubled quotes but no line break.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fields of a line given without its line end. Empty when a quote is left open or text
// follows a closing quote.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);

// The field as CSV writes it: quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view field);
