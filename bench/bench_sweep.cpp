// The region measurement's worst case: a 1280 x 1280 all-dark image, seed in the middle.
//
//   BareSweep            counting and painting on the display bitmap, nothing shown
//   Measurement/headless "Start !" on the main window of the headless host, the image refreshed
//                        after every column
//   Measurement/qt       the same on the desktop host; runs only where there is a display
//                        (DISPLAY set, e.g. under Xvfb)

#include "app/RegionSweep.h"
#include "app/Startup.h"
#include "app/main.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/SpeedButton.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr TPoint SeedPoint{SweepLimit / 2, SweepLimit / 2};

void MakeDark(TBitmap& bitmap) {
    bitmap.SetSize(SweepLimit, SweepLimit);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::fill_n(bitmap.ScanLine(y), bitmap.Width(), ColorToPixel(clBlack));
}

void BareSweep(benchmark::State& state) {
    TBitmap source;
    MakeDark(source);
    TBitmap display;
    display.Assign(&source);
    int count = 0;
    for (auto _ : state) {
        count = SweepRegion(source, display, SeedPoint);
        benchmark::DoNotOptimize(count);
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = count;
}

// The main window with the dark image loaded as "Load Bitmap Image" loads it, then seed click
// and "Start !" for every iteration. Runs on the host already installed, else the desktop's.
void Measurement(benchmark::State& state) {
    TApplication application;
    StartSaruvi();
    Form1->Show();
    application.ProcessMessages();
    MakeDark(*SourceBitmap);
    Form1->Image->SetBounds(0, 0, SourceBitmap->Width(), SourceBitmap->Height());
    Form1->Image->Picture()->Assign(SourceBitmap);
    application.ProcessMessages();
    for (auto _ : state) {
        Form1->ImageMouseDown(Form1->Image, mbLeft, {}, SeedPoint.x, SeedPoint.y);
        Form1->sbCalcClick(Form1->sbCalc);
        state.PauseTiming();
        application.ProcessMessages();
        state.ResumeTiming();
    }
}

void HeadlessMeasurement(benchmark::State& state) {
    platform::InstallHeadlessHost(platform::CreateQtFontEngine());
    Measurement(state);
    platform::UninstallHost();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("BareSweep", BareSweep)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Measurement/headless", HeadlessMeasurement)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    if (std::getenv("DISPLAY"))
        benchmark::RegisterBenchmark("Measurement/qt", Measurement)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
