#include "tools/measure/MeasureBatch.h"

#include "tools/measure/Csv.h"
#include "tools/measure/ImageMeasurement.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

TImageMeasurement Measure(TImageMeasurer& measurer, const TCsvRecord& record,
                          const std::filesystem::path& base) {
    if (!record.Error.empty())
        return {.Error = record.Error};
    if (record.Fields.size() != 3)
        return {.Error = "expected three fields: image,x,y"};
    const TCoordinate x = ParseCoordinate(record.Fields[1]);
    const TCoordinate y = ParseCoordinate(record.Fields[2]);
    if (!x.Value)
        return {.Error = "the seed's x " + std::string(x.Error)};
    if (!y.Value)
        return {.Error = "the seed's y " + std::string(y.Error)};
    if (record.Fields[0].empty())
        return {.Error = "no image named"};
    return measurer.Measure((base / record.Fields[0]).string(), {*x.Value, *y.Value});
}

void WriteRow(std::ostream& csv, const TCsvRecord& record, const TImageMeasurement& m) {
    if (record.Fields.size() == 3)
        csv << CsvField(record.Fields[0]) << ',' << CsvField(record.Fields[1]) << ','
            << CsvField(record.Fields[2]) << ',';
    else
        csv << CsvField(record.Text) << ",,,";
    const bool loaded = m.Width > 0;
    csv << (loaded ? std::to_string(m.Width) : "") << ','
        << (loaded ? std::to_string(m.Height) : "") << ','
        << (m.Error.empty() ? std::to_string(m.Pixels) : "") << ',' << CsvField(m.Error) << '\n';
}

// The measurements of a batch's rows, made by workers in any order and taken by the writer in
// the list's order. A worker takes the next row not yet taken, so the rows finish roughly in
// order and the writer waits little.
class TRowQueue {
public:
    explicit TRowQueue(std::size_t rows) : FResults(rows) {}

    // The next row to measure; none when every row is taken or the batch stopped.
    std::optional<std::size_t> Take() {
        const std::lock_guard lock(FMutex);
        if (FStopped || FNext == FResults.size())
            return std::nullopt;
        return FNext++;
    }

    void Finish(std::size_t row, TImageMeasurement m) {
        {
            const std::lock_guard lock(FMutex);
            FResults[row] = std::move(m);
        }
        FFinished.notify_all();
    }

    TImageMeasurement Wait(std::size_t row) {
        std::unique_lock lock(FMutex);
        FFinished.wait(lock, [&] { return FResults[row].has_value(); });
        TImageMeasurement m = std::move(*FResults[row]);
        FResults[row].reset();
        return m;
    }

    void Stop() {
        const std::lock_guard lock(FMutex);
        FStopped = true;
    }

private:
    std::mutex FMutex;
    std::condition_variable FFinished;
    std::vector<std::optional<TImageMeasurement>> FResults;
    std::size_t FNext = 0;
    bool FStopped = false;
};

void MeasureRows(TRowQueue& queue, const std::vector<TCsvRecord>& records,
                 const std::filesystem::path& base) {
    TImageMeasurer measurer;
    while (const std::optional<std::size_t> row = queue.Take())
        queue.Finish(*row, Measure(measurer, records[*row], base));
}

} // namespace

TBatchResult MeasureBatch(std::string_view list, std::ostream& csv, const TBatchOptions& options) {
    const std::vector<TCsvRecord> records = ReadCsvRecords(list);
    TBatchResult result;
    csv << "image,x,y,width,height,pixels,error\n";
    TRowQueue queue(records.size());
    std::vector<std::jthread> workers;
    const std::size_t jobs = std::min<std::size_t>(std::max(options.Jobs, 1u), records.size());
    for (std::size_t i = 0; i < jobs; ++i)
        workers.emplace_back(MeasureRows, std::ref(queue), std::cref(records),
                             std::cref(options.Base));
    for (std::size_t row = 0; row < records.size() && csv; ++row) {
        if (options.Progress)
            options.Progress(row + 1, records.size());
        const TImageMeasurement m = queue.Wait(row);
        WriteRow(csv, records[row], m);
        if (!m.Error.empty())
            result.Status = TBatchStatus::RowsFailed;
    }
    // The stream failed at the write that set errno; nothing has been written since.
    if (!csv.flush()) {
        result = {TBatchStatus::WriteFailed, errno};
        queue.Stop();
    }
    return result;
}
