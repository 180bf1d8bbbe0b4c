#include "tools/measure/MeasureBatch.h"

#include "tools/measure/CsvLine.h"
#include "tools/measure/ImageMeasurement.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct TRow {
    std::string Image;
    std::string X;
    std::string Y;
    // A line that names no image and seed.
    std::string Error;
};

bool Blank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::vector<TRow> ReadRows(std::istream& list) {
    std::vector<TRow> rows;
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (Blank(line))
            continue;
        const auto fields = SplitCsvLine(line);
        if (!fields)
            rows.push_back({line, "", "", "a quote is not closed where the field ends"});
        else if (fields->size() != 3)
            rows.push_back({line, "", "", "expected three fields: image,x,y"});
        else
            rows.push_back({(*fields)[0], (*fields)[1], (*fields)[2], ""});
    }
    return rows;
}

TImageMeasurement Measure(TImageMeasurer& measurer, const TRow& row,
                          const std::filesystem::path& base) {
    if (!row.Error.empty())
        return {.Error = row.Error};
    const std::optional<int> x = ParseCoordinate(row.X);
    const std::optional<int> y = ParseCoordinate(row.Y);
    if (!x || !y)
        return {.Error = "the seed's x and y must be integers"};
    if (row.Image.empty())
        return {.Error = "no image named"};
    return measurer.Measure((base / row.Image).string(), {*x, *y});
}

void WriteRow(std::ostream& csv, const TRow& row, const TImageMeasurement& m) {
    const bool loaded = m.Width > 0;
    csv << CsvField(row.Image) << ',' << CsvField(row.X) << ',' << CsvField(row.Y) << ','
        << (loaded ? std::to_string(m.Width) : "") << ','
        << (loaded ? std::to_string(m.Height) : "") << ','
        << (m.Error.empty() ? std::to_string(m.Pixels) : "") << ',' << CsvField(m.Error) << '\n';
}

} // namespace

bool MeasureBatch(std::istream& list, const std::filesystem::path& base, std::ostream& csv,
                  const TBatchProgress& progress) {
    const std::vector<TRow> rows = ReadRows(list);
    csv << "image,x,y,width,height,pixels,error\n";
    TImageMeasurer measurer;
    bool allMeasured = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (progress)
            progress(i + 1, rows.size());
        const TImageMeasurement m = Measure(measurer, rows[i], base);
        WriteRow(csv, rows[i], m);
        allMeasured = allMeasured && m.Error.empty();
    }
    return allMeasured;
}
