#include "app/RegionSweep.h"

#include "framework/core/Exceptions.h"
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t RegionPixel = ColorToPixel(RegionColor);

bool Dark(std::uint32_t pixel, TColor threshold) {
    return PixelToColor(pixel) <= threshold;
}

// Columns are independent, so a block of them is measured row by row: the bitmaps are read
// and written along their rows, and each column keeps a mask that is cleared where its run
// ends. A block of one column is the plain column walk.
class TSweep {
public:
    TSweep(const TBitmap& source, TBitmap& display, int seedRow)
        : FSource(source.Pixels()), FDisplay(display), FSeedRow(seedRow),
          FRunBottom(std::min(SweepLimit, source.Height())),
          FActive(static_cast<std::size_t>(source.Width())) {
        if (display.Width() != source.Width() || display.Height() != source.Height())
            throw Exception("The display bitmap must have the size of the source bitmap");
        FDisplayRows.reserve(static_cast<std::size_t>(source.Height()));
        for (int y = 0; y < source.Height(); ++y)
            FDisplayRows.push_back(display.ScanLine(y));
    }

    bool RowContinues(int x) const {
        return FSource.Contains(x, FSeedRow) && Dark(FSource.Row(FSeedRow)[x], RowThreshold);
    }

    // Columns left..right-1, each of which passed the seed-row test.
    int MeasureColumns(int left, int right) {
        if (left >= right)
            return 0;
        const int up = Run(left, right, FSeedRow, -1, 0, UpwardThreshold);
        const int down = FSeedRow + 1 < FRunBottom
                             ? Run(left, right, FSeedRow + 1, 1, FRunBottom, RowThreshold)
                             : 0;
        if (right - left == 1 && up + down > 0)
            MarkPainted(left, FSeedRow - up + 1, FSeedRow + down + 1);
        return up + down;
    }

    // Tells the display's observers once that its pixels changed.
    void Finish() { FDisplay.Canvas()->Changed(); }

private:
    // Rows y, y + step, ... before end, in every column of the block until its run ends.
    int Run(int left, int right, int y, int step, int end, TColor threshold) {
        const int width = right - left;
        std::uint32_t* active = FActive.data();
        std::fill_n(active, width, ~0u);
        int count = 0;
        for (; y != end; y += step) {
            const std::uint32_t* source = FSource.Row(y) + left;
            std::uint32_t* display = FDisplayRows[static_cast<std::size_t>(y)] + left;
            std::uint32_t alive = 0;
            for (int i = 0; i < width; ++i) {
                const std::uint32_t mask = active[i] & (Dark(source[i], threshold) ? ~0u : 0u);
                active[i] = mask;
                display[i] = (display[i] & ~mask) | (RegionPixel & mask);
                count += static_cast<int>(mask & 1u);
                alive |= mask;
            }
            if (!alive)
                break;
        }
        return count;
    }

    // The rows were written past the canvas. Writing one pixel of the column's span again
    // through the canvas, under a clip of that span, makes the span the canvas's changed area,
    // so an image showing the display repaints just this column.
    void MarkPainted(int x, int top, int bottom) {
        TCanvas& canvas = *FDisplay.Canvas();
        canvas.SetClipRect(Rect(x, top, x + 1, bottom));
        canvas.SetPixel(x, top, RegionColor);
        canvas.ResetClipRect();
    }

    const platform::PixelBuffer& FSource;
    TBitmap& FDisplay;
    std::vector<std::uint32_t*> FDisplayRows;
    int FSeedRow;
    int FRunBottom;
    std::vector<std::uint32_t> FActive;
};

} // namespace

int SweepRegion(const TBitmap& source, TBitmap& display, TPoint seed,
                const TColumnDone& columnDone) {
    TSweep sweep(source, display, seed.y);
    int right = seed.x;
    while (right < SweepLimit && sweep.RowContinues(right))
        ++right;
    int left = seed.x - 1;
    while (left > 0 && sweep.RowContinues(left))
        --left;
    int count = 0;
    if (!columnDone) {
        count = sweep.MeasureColumns(seed.x, right) + sweep.MeasureColumns(left + 1, seed.x);
    } else {
        for (int x = seed.x; x < right; ++x) {
            count += sweep.MeasureColumns(x, x + 1);
            columnDone(x);
        }
        for (int x = seed.x - 1; x > left; --x) {
            count += sweep.MeasureColumns(x, x + 1);
            columnDone(x);
        }
    }
    sweep.Finish();
    return count;
}
