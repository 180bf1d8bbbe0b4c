#include "tools/measure/CsvLine.h"

namespace {

// Reads the quoted field that starts at line[pos], a quote; leaves pos after its closing quote.
std::optional<std::string> QuotedField(std::string_view line, std::size_t& pos) {
    std::string field;
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] != '"') {
            field += line[pos];
        } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
            field += '"';
            ++pos;
        } else {
            ++pos;
            return field;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        if (pos < line.size() && line[pos] == '"') {
            std::optional<std::string> field = QuotedField(line, pos);
            if (!field || (pos < line.size() && line[pos] != ','))
                return std::nullopt;
            fields.push_back(std::move(*field));
        } else {
            const std::size_t end = std::min(line.find(',', pos), line.size());
            fields.emplace_back(line.substr(pos, end - pos));
            pos = end;
        }
        if (pos == line.size())
            return fields;
        ++pos;
    }
}

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
