#pragma once
// The CSV of saruvi-measure: fields as RFC 4180 writes them, where a quoted field may hold
// commas, doubled quotes and line breaks.

#include <string>
#include <string_view>
#include <vector>

struct TCsvRecord {
    std::vector<std::string> Fields;
    // The record as the text has it, without its line end; for an error, what was skipped.
    std::string Text;
    // Why the record could not be split into fields; empty when it was.
    std::string Error;
};

// The records of a whole text. A UTF-8 byte-order mark at its start and lines of blanks only
// are skipped; LF and CR LF end a record outside quotes. A quote left open to the end of the
// text makes its line an error, and reading goes on with the next line.
std::vector<TCsvRecord> ReadCsvRecords(std::string_view text);

// The field as CSV writes it: quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view field);
