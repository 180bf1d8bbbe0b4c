#pragma once
// The region measurement: a column sweep from a seed point over the dark pixels of a source
// bitmap, painting every pixel it counts on a display bitmap.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Types.h"

#include <functional>

// Exclusive bound of the rightward sweep and of the downward runs, whatever the image's size.
constexpr int SweepLimit = 1280;
// A pixel stops a run when its colour value, compared as a signed number, is greater than the
// threshold in force. The seed-row test and the downward runs use the row threshold.
constexpr TColor RowThreshold = 0x4040;
constexpr TColor UpwardThreshold = 0x404000;
constexpr TColor RegionColor = clRed;

// Called after each measured column, with that column.
using TColumnDone = std::function<void(int column)>;

// Follows the seed row rightwards from seed.x, then leftwards from seed.x - 1, while its pixels
// are dark; in each column so reached counts the dark run up from the seed row (stopping before
// row 0) and down from the row below it, and paints those pixels in display, which must have
// the size of source. Only source is read; a position outside it counts as bright. Returns the
// count. With columnDone, each column is painted before columnDone hears of it, in sweep order.
int SweepRegion(const TBitmap& source, TBitmap& display, TPoint seed,
                const TColumnDone& columnDone = {});
