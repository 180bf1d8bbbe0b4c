// Reading large form descriptions into the standard controls on the headless host: a wide form
// (thousands of controls side by side) and a deep one (chains of panels nested as deep as
// controls may), each about a megabyte. Besides the time, the counters give the bytes read per
// second and the heap's peak during one read, beyond what was allocated before it.

#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"
#include "tests/support/FormText.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <new>

namespace {

std::size_t HeapInUse = 0;
std::size_t HeapPeak = 0;

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    HeapInUse += malloc_usable_size(block);
    HeapPeak = std::max(HeapPeak, HeapInUse);
    return block;
}

void Release(void* block) noexcept {
    if (!block)
        return;
    HeapInUse -= malloc_usable_size(block);
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}

namespace {

class TReaderScene {
public:
    TReaderScene() {
        platform::InstallHeadlessHost(platform::CreateQtFontEngine());
        FApplication = std::make_unique<TApplication>(nullptr);
        FApplication->Initialize();
        RegisterStandardClasses();
    }
    ~TReaderScene() {
        FApplication.reset();
        platform::UninstallHost();
    }

private:
    std::unique_ptr<TApplication> FApplication;
};

void BM_ReadForm(benchmark::State& state, const std::string& text) {
    TReaderScene scene;
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse;
        HeapPeak = before;
        {
            TForm form(nullptr);
            ReadComponent(&form, text, "bench.json");
            state.PauseTiming();
        }
        peak = std::max(peak, HeapPeak - before);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["file_bytes"] = static_cast<double>(text.size());
    state.counters["peak_heap_bytes"] = static_cast<double>(peak);
    state.counters["peak_per_file_byte"] = static_cast<double>(peak) / text.size();
}

// About a megabyte each.
void BM_ReadWideForm(benchmark::State& state) {
    BM_ReadForm(state, WideFormText(5000));
}

void BM_ReadDeepForm(benchmark::State& state) {
    BM_ReadForm(state, DeepFormText(4, TControl::MaxNesting));
}

} // namespace

BENCHMARK(BM_ReadWideForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDeepForm)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
