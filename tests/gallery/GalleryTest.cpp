#include "tests/gallery/GalleryTest.h"

#include "controls/CuteBtn.h"
#include "framework/forms/Screen.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/SpeedButton.h"
#include "tests/support/MessageDialogs.h"

#include <algorithm>
#include <filesystem>

GalleryTest::GalleryTest() {
    gallery = TGalleryWindow::Start();
    RunUntilIdle();
}

void GalleryTest::ToggleDesign() {
    Click(gallery->DesignButton, 10, 10);
}

void GalleryTest::ChooseFromChooser(int item) {
    // The menu drops at the press; its loop takes the keys from the gallery's window.
    for (int i = 0; i <= item; ++i)
        Host().WhenIdle([this] { Host().KeyPress(&HostWindowOf(gallery), VK_DOWN); });
    Host().WhenIdle([this] { Host().KeyPress(&HostWindowOf(gallery), VK_RETURN); });
    Click(gallery->ChooserButton, 10, 10);
}

void GalleryTest::AnswerFileDialog(const std::string& path) {
    Host().WhenIdle([this, path] {
        platform::HeadlessWindow& dialog = HostWindowOf(Screen->ActiveForm());
        Host().Type(&dialog, path);
        Host().KeyPress(&dialog, VK_RETURN);
    });
}

void GalleryTest::SaveAs(const std::string& path) {
    AnswerFileDialog(path);
    Click(gallery->SaveButton, 10, 10);
}

void GalleryTest::OpenFrom(const std::string& path) {
    AnswerFileDialog(path);
    Click(gallery->OpenButton, 10, 10);
}

void GalleryTest::AnswerDialog(unsigned short key) {
    Host().WhenIdle([this, key] {
        TCustomForm& dialog = *Screen->ActiveForm();
        dialogTexts.push_back(MessageDlgText(dialog));
        const bool letter = key >= 'A' && key <= 'Z';
        Host().KeyPress(&HostWindowOf(&dialog), key, 0,
                        letter ? std::string(1, static_cast<char>(key - 'A' + 'a')) : "");
    });
}

std::string GalleryTest::ScratchFile(const std::string& name) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "gallery" / test->name();
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    std::filesystem::remove(file);
    return file.string();
}

std::vector<std::string> GalleryTest::LogLines() const {
    return gallery->EventMemo->Lines()->Lines();
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
