#include "tests/app/SaruviTest.h"

#include "app/RegionSweep.h"
#include "app/Startup.h"
#include "app/main.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/SpeedButton.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

SaruviTest::SaruviTest() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    FDirectory = (std::filesystem::path(::testing::TempDir()) / "saruvi" /
                  (std::string(test->test_suite_name()) + "." + test->name()))
                     .string();
    std::filesystem::create_directories(FDirectory);
    // The source bitmap lives as long as the process; each test starts it blank, as a fresh
    // program would.
    SourceBitmap->SetSize(0, 0);
    StartSaruvi();
    Form1->Show();
    RunUntilIdle();
}

std::string SaruviTest::WriteBmp(const std::string& name, int width, int height, TColor background,
                                 const std::vector<TFilledRect>& rects) {
    return WriteFile(name, BmpFile(width, height, background, rects));
}

std::string SaruviTest::WriteFile(const std::string& name, const std::string& content) {
    const std::string path = (std::filesystem::path(FDirectory) / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

void SaruviTest::Load(const std::string& path) {
    Host().QueueFileDialogAnswer(path);
    Click(Form1->sbOpen, 10, 10);
}

void SaruviTest::CancelLoad() {
    Host().QueueFileDialogAnswer(std::nullopt);
    Click(Form1->sbOpen, 10, 10);
}

void SaruviTest::ClickImage(int x, int y, TMouseButton button) {
    Click(Form1->Image, x, y, button);
}

void SaruviTest::PressStart() {
    Click(Form1->sbCalc, 10, 10);
}

void SaruviTest::Measure(const std::string& path, TPoint seed) {
    Load(path);
    ClickImage(seed.x, seed.y);
    PressStart();
}

std::vector<std::string> SaruviTest::Log() const {
    return Form1->Memo->Lines()->Lines();
}

std::string SaruviTest::LastLogLine() const {
    const int count = Form1->Memo->Lines()->Count();
    return count > 0 ? Form1->Memo->Lines()->Strings(count - 1) : std::string();
}

TColor SaruviTest::Shown(int x, int y) const {
    return PixelAt(Form1->Image, x, y);
}

int SaruviTest::RedShown() const {
    const platform::PixelBuffer& screen = HostWindowOf(Form1->Image).Screen();
    const TPoint origin = WindowPoint(Form1->Image, 0, 0);
    int count = 0;
    for (int y = 0; y < Form1->Image->Height(); ++y)
        for (int x = 0; x < Form1->Image->Width(); ++x)
            if (screen.Contains(origin.x + x, origin.y + y))
                count += PixelToColor(screen.Row(origin.y + y)[origin.x + x]) == RegionColor;
    return count;
}
