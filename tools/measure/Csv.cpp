#include "tools/measure/Csv.h"

#include <algorithm>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The end of the line that holds pos, before its CR LF or LF.
std::size_t LineEnd(std::string_view text, std::size_t pos) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    return end > pos && text[end - 1] == '\r' ? end - 1 : end;
}

// The position after the line end at end, or the end of the text.
std::size_t NextLine(std::string_view text, std::size_t end) {
    const std::size_t newline = text.find('\n', end);
    return newline == std::string_view::npos ? text.size() : newline + 1;
}

bool Blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

class TCsvParser {
public:
    explicit TCsvParser(std::string_view text)
        : FText(text), FPos(text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0) {}

    bool AtEnd() const { return FPos >= FText.size(); }

    TCsvRecord Next() {
        const std::size_t start = FPos;
        TCsvRecord record;
        while (true) {
            const bool quoted = FPos < FText.size() && FText[FPos] == '"';
            std::string field = quoted ? Quoted() : Unquoted();
            if (quoted && FError.empty() && !AtFieldEnd())
                FError = "text after the closing quote of field " +
                         std::to_string(record.Fields.size() + 1);
            if (!FError.empty())
                return Failed(start);
            record.Fields.push_back(std::move(field));
            if (FPos < FText.size() && FText[FPos] == ',') {
                ++FPos;
                continue;
            }
            record.Text = FText.substr(start, LineEnd(FText, FPos) - start);
            FPos = NextLine(FText, FPos);
            return record;
        }
    }

private:
    // On an error FPos is left where reading goes wrong: at the opening quote that is never
    // closed, or at the text after a closing quote.
    std::string Quoted() {
        const std::size_t start = FPos;
        std::string field;
        for (++FPos;; FPos += 2) {
            const std::size_t quote = FText.find('"', FPos);
            if (quote == std::string_view::npos) {
                FError = "a quote is not closed where the field ends";
                FPos = start;
                return field;
            }
            field.append(FText.substr(FPos, quote - FPos));
            FPos = quote;
            if (quote + 1 == FText.size() || FText[quote + 1] != '"') {
                ++FPos;
                return field;
            }
            field += '"';
        }
    }

    std::string Unquoted() {
        const std::size_t end = std::min(FText.find_first_of(",\n", FPos), LineEnd(FText, FPos));
        std::string field(FText.substr(FPos, end - FPos));
        FPos = end;
        return field;
    }

    bool AtFieldEnd() const {
        return FPos == FText.size() || FText[FPos] == ',' || FPos == LineEnd(FText, FPos);
    }

    // The record from start to the end of the line where reading went wrong is given up;
    // reading goes on with the next line.
    TCsvRecord Failed(std::size_t start) {
        const std::size_t end = LineEnd(FText, FPos);
        TCsvRecord record{{}, std::string(FText.substr(start, end - start)), std::move(FError)};
        FError.clear();
        FPos = NextLine(FText, end);
        return record;
    }

    std::string_view FText;
    std::size_t FPos;
    std::string FError;
};

} // namespace

std::vector<TCsvRecord> ReadCsvRecords(std::string_view text) {
    std::vector<TCsvRecord> records;
    TCsvParser parser(text);
    while (!parser.AtEnd()) {
        TCsvRecord record = parser.Next();
        if (record.Error.empty() && record.Fields.size() == 1 && Blank(record.Text))
            continue;
        records.push_back(std::move(record));
    }
    return records;
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
