#pragma once
// A batch: a list of lines image,x,y in, a CSV of measurements out, one row per line, each
// failure in its own row without stopping the batch.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>

// Hears of each row before it is measured: its number from 1, and how many rows there are.
using TBatchProgress = std::function<void(std::size_t row, std::size_t rows)>;

// Reads the whole list first; blank lines are skipped, CR LF line ends accepted, and relative
// image paths taken from base. Writes the header image,x,y,width,height,pixels,error and the
// rows to csv. Returns whether every row was measured.
bool MeasureBatch(std::istream& list, const std::filesystem::path& base, std::ostream& csv,
                  const TBatchProgress& progress = {});
