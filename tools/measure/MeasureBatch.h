#pragma once
// A batch: a list of records image,x,y in, a CSV of measurements out, one row per record, each
// failure in its own row without stopping the batch.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string_view>

// Hears of each row before it is written: its number from 1, and how many rows there are.
using TBatchProgress = std::function<void(std::size_t row, std::size_t rows)>;

struct TBatchOptions {
    // Relative image paths are taken from here.
    std::filesystem::path Base;
    // How many rows are measured at once, each by a thread of its own.
    unsigned Jobs = 1;
    TBatchProgress Progress;
};

enum class TBatchStatus { Measured, RowsFailed, WriteFailed };

struct TBatchResult {
    TBatchStatus Status = TBatchStatus::Measured;
    // The errno of the write that failed.
    int WriteError = 0;
};

// Reads the records of list (see ReadCsvRecords), then writes the header
// image,x,y,width,height,pixels,error and one row per record to csv, in the list's order. The
// batch stops at the first write that fails.
TBatchResult MeasureBatch(std::string_view list, std::ostream& csv, const TBatchOptions& options);
