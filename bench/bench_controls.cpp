// The custom controls' painting on the headless host: a stroke bar following the pointer while
// tracking (what a drag costs per move), the bar's full repaint while tracking, and the gauge's
// full repaint at one position (composed off screen and copied).

#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/windows/Window.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A form with a tracking stroke bar at client (10, 10) and a gauge at (10, 80), both 200 wide.
class TScene {
public:
    TScene() : FHost(platform::InstallHeadlessHost(platform::CreateQtFontEngine())) {
        FApplication = std::make_unique<TApplication>(nullptr);
        FApplication->Initialize();
        FForm = new TForm(FApplication.get());
        FForm->SetClientWidth(240);
        FForm->SetClientHeight(120);
        Bar = new TStrokeBar(FForm);
        Bar->SetParent(FForm);
        Bar->SetBounds(10, 10, 200, 48);
        Bar->SetBevelOuter(sbLowered);
        Gauge = new TxGauge(FForm);
        Gauge->SetParent(FForm);
        Gauge->SetBounds(10, 80, 200, 20);
        Gauge->SetPosition(50);
        FForm->Show();
        FApplication->ProcessMessages();
        MoveTo(100); // into the band: tracking starts
    }
    ~TScene() {
        FApplication.reset();
        platform::UninstallHost();
    }

    // The pointer to column x of the bar, in its band, and the move handled.
    void MoveTo(int x) {
        FHost.MouseMove(FForm->Handle()->HostWindow(), 10 + x, 10 + 24);
        FApplication->ProcessMessages();
    }

    TStrokeBar* Bar = nullptr;
    TxGauge* Gauge = nullptr;

private:
    platform::HeadlessHost& FHost;
    std::unique_ptr<TApplication> FApplication;
    TForm* FForm = nullptr;
};

void BM_StrokeBarTrackingMove(benchmark::State& state) {
    TScene scene;
    int x = 0;
    for (auto _ : state) {
        scene.MoveTo(x);
        x = (x + 7) % 200;
    }
    if (!scene.Bar->MouseCapture())
        state.SkipWithError("the bar was not tracking");
}

void BM_StrokeBarRepaintWhileTracking(benchmark::State& state) {
    TScene scene;
    scene.MoveTo(120);
    for (auto _ : state)
        scene.Bar->Repaint();
}

void BM_GaugeRepaint(benchmark::State& state) {
    TScene scene;
    for (auto _ : state)
        scene.Gauge->Repaint();
}

} // namespace

BENCHMARK(BM_StrokeBarTrackingMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StrokeBarRepaintWhileTracking)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GaugeRepaint)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
