// The region measurement's worst case: a 1280 x 1280 all-dark image, seed in the middle.
// BM_BareSweep counts and paints with no screen work.

#include "app/RegionSweep.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr TPoint kSeed{SweepLimit / 2, SweepLimit / 2};

void FillBlack(TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        std::fill_n(bitmap.ScanLine(y), bitmap.Width(), ColorToPixel(clBlack));
}

void BM_BareSweep(benchmark::State& state) {
    TBitmap source;
    source.SetSize(SweepLimit, SweepLimit);
    FillBlack(source);
    TBitmap display;
    display.Assign(&source);
    int count = 0;
    for (auto _ : state) {
        count = SweepRegion(source, display, kSeed);
        benchmark::DoNotOptimize(count);
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = count;
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BareSweep)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
