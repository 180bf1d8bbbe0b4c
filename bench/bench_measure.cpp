// saruvi-measure's batch against decoding alone, in the same run, over the same files: 200
// generated 1280 x 1280 24-bit BMP files, each with a dark ellipse of its own size and one
// seed inside it.
//
//   DecodeOnly    every file loaded into a bitmap, as the batch loads it
//   MeasureList   the list measured as `saruvi-measure --csv --jobs N` does, CSV written to
//                 memory, for N = 1 and N = the machine's processors: the speed-up of --jobs
//
// All report images per second. The files are written once, to a temporary folder that is
// removed at the end.

#include "framework/graphics/Bitmap.h"
#include "tests/support/BmpFile.h"
#include "tools/measure/MeasureBatch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Side = 1280;

// 200, unless SARUVI_BENCH_IMAGES asks for fewer: the tests' one short run of every benchmark
// only checks that it still runs, and need not write a gigabyte of images for that.
int ImageCount() {
    static const int count = [] {
        const char* wanted = std::getenv("SARUVI_BENCH_IMAGES");
        return wanted ? std::clamp(std::atoi(wanted), 1, 200) : 200;
    }();
    return count;
}

// An ellipse of dark horizontal bars around the centre, its radii chosen by index.
std::vector<TFilledRect> Ellipse(int index) {
    const int rx = 100 + (index * 37) % 500;
    const int ry = 100 + (index * 53) % 500;
    std::vector<TFilledRect> bars;
    for (int dy = -ry; dy <= ry; ++dy) {
        const double t = 1.0 - static_cast<double>(dy) * dy / (static_cast<double>(ry) * ry);
        const int half = static_cast<int>(rx * std::sqrt(t));
        const int y = Side / 2 + dy;
        bars.push_back({Rect(Side / 2 - half, y, Side / 2 + half + 1, y + 1), clBlack});
    }
    return bars;
}

class TCorpus {
public:
    TCorpus()
        : FFolder(fs::temp_directory_path() /
                  ("saruvi-bench-measure-" + std::to_string(getpid()))) {
        fs::create_directories(FFolder);
        std::ostringstream list;
        for (int i = 0; i < ImageCount(); ++i) {
            const std::string name = "image" + std::to_string(i) + ".bmp";
            std::ofstream(FFolder / name, std::ios::binary)
                << BmpFile(Side, Side, clWhite, Ellipse(i));
            list << name << ',' << Side / 2 << ',' << Side / 2 << '\n';
            FFiles.push_back((FFolder / name).string());
        }
        FList = list.str();
    }
    ~TCorpus() { fs::remove_all(FFolder); }
    TCorpus(const TCorpus&) = delete;
    TCorpus& operator=(const TCorpus&) = delete;

    const fs::path& Folder() const { return FFolder; }
    const std::vector<std::string>& Files() const { return FFiles; }
    const std::string& List() const { return FList; }

private:
    fs::path FFolder;
    std::vector<std::string> FFiles;
    std::string FList;
};

const TCorpus& Corpus() {
    static const TCorpus corpus;
    return corpus;
}

void ReportImages(benchmark::State& state) {
    state.counters["images/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * ImageCount(), benchmark::Counter::kIsRate);
}

void DecodeOnly(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    for (auto _ : state)
        for (const std::string& file : corpus.Files()) {
            TBitmap bitmap;
            bitmap.LoadFromFile(file);
            benchmark::DoNotOptimize(bitmap.Pixels().Pixels.data());
        }
    ReportImages(state);
}

void MeasureList(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    const TBatchOptions options{corpus.Folder(), static_cast<unsigned>(state.range(0)), {}};
    for (auto _ : state) {
        std::ostringstream csv;
        if (MeasureBatch(corpus.List(), csv, options).Status != TBatchStatus::Measured)
            state.SkipWithError("a row failed");
        benchmark::DoNotOptimize(csv.str().data());
    }
    ReportImages(state);
}

} // namespace

// One pass over the batch takes seconds; a single iteration keeps the default run short.
BENCHMARK(DecodeOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(MeasureList)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(std::max(std::thread::hardware_concurrency(), 1u))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
