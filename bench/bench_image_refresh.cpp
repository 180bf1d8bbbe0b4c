// An image refreshed after every column painted on its bitmap, as the measurement does: the
// refresh that shows what changed, against repainting the whole visible image each time.

#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/platform/headless/HeadlessHost.h"
#include "framework/platform/qt/QtFontEngine.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/ScrollBox.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int ImageSide = 1280;

// The main window's scroll box showing a 1280 x 1280 black picture.
class TScene {
public:
    TScene() {
        platform::InstallHeadlessHost(platform::CreateQtFontEngine());
        FApplication = std::make_unique<TApplication>(nullptr);
        FApplication->Initialize();
        FForm = new TForm(FApplication.get());
        FForm->SetClientWidth(700);
        FForm->SetClientHeight(560);
        auto* box = new TScrollBox(FForm);
        box->SetParent(FForm);
        box->SetBounds(12, 12, 644, 516);
        Image = new TImage(FForm);
        Image->SetParent(box);
        TBitmap black;
        black.SetSize(ImageSide, ImageSide);
        black.Canvas()->Brush()->SetColor(clBlack);
        black.Canvas()->FillRect({0, 0, ImageSide, ImageSide});
        Image->SetBounds(0, 0, ImageSide, ImageSide);
        Image->Picture()->Assign(&black);
        FForm->Show();
        FApplication->ProcessMessages();
    }
    ~TScene() {
        FApplication.reset();
        platform::UninstallHost();
    }

    // Paints column x red the way the measurement does: rows written directly, the ends of the
    // column marked through the canvas.
    void PaintColumn(int x) {
        TBitmap* bitmap = Image->Picture()->Bitmap();
        const std::uint32_t pixel = ColorToPixel(FRed ? clRed : clBlack);
        for (int y = 1; y < ImageSide; ++y)
            bitmap->ScanLine(y)[x] = pixel;
        bitmap->Canvas()->SetPixel(x, 1, FRed ? clRed : clBlack);
        bitmap->Canvas()->SetPixel(x, ImageSide - 1, FRed ? clRed : clBlack);
        if (x == ImageSide - 1)
            FRed = !FRed;
    }

    TImage* Image = nullptr;

private:
    std::unique_ptr<TApplication> FApplication;
    TForm* FForm = nullptr;
    bool FRed = true;
};

void BM_RefreshChangedColumn(benchmark::State& state) {
    TScene scene;
    int x = 0;
    for (auto _ : state) {
        scene.PaintColumn(x);
        scene.Image->Refresh();
        x = (x + 1) % ImageSide;
    }
}

void BM_RepaintWholeImage(benchmark::State& state) {
    TScene scene;
    int x = 0;
    for (auto _ : state) {
        scene.PaintColumn(x);
        scene.Image->Invalidate();
        scene.Image->Parent()->Update();
        x = (x + 1) % ImageSide;
    }
}

} // namespace

BENCHMARK(BM_RefreshChangedColumn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintWholeImage)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
