// Save form..., Open form... and a malformed description.

#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormWriter.h"
#include "tools/gallery/FormFile.h"
#include "tools/gallery/PaletteBar.h"

#include "tests/gallery/GalleryTest.h"

#include <algorithm>

namespace {

// The one-based line of the first occurrence of what in text.
int LineOf(const std::string& text, const std::string& what) {
    const auto at = text.find(what);
    return at == std::string::npos
               ? 0
               : 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
}

} // namespace

TEST_F(GalleryTest, ASavedFormOpensAgainAndWritesTheSameText) {
    // Selected, the bar's events are the log's; the saved form still names the form's method.
    gallery->Select(Find("StrokeBar1"));
    const std::string path = ScratchFile("saved.json");
    SaveAs(path);
    const std::string saved = ReadFormFile(path);
    EXPECT_NE(saved.find("\"OnChanging\": \"StrokeBarChanging\""), std::string::npos);
    gallery->Select(nullptr);
    EXPECT_EQ(saved, WriteComponent(&Designed())) << "saving changes nothing";

    const TDesignedForm* before = &Designed();
    OpenFrom(path);
    EXPECT_TRUE(Host().MessageBoxes().empty()) << Host().MessageBoxes()[0].Text;
    EXPECT_NE(&Designed(), before);
    EXPECT_EQ(WriteComponent(&Designed()), saved);
    EXPECT_EQ(gallery->Selected(), nullptr);

    // The reopened form binds the stroke bar to its gauge again.
    auto* bar = Find<TStrokeBar>("StrokeBar1");
    MouseMove(bar, 30, 28);
    MouseMove(bar, 120, 28);
    EXPECT_GT(Designed().LevelGauge->Position(), 0);
    EXPECT_EQ(Designed().LevelGauge->Position(), bar->Value());
}

TEST_F(GalleryTest, APlacedControlIsSavedAndOpensAgain) {
    Click(gallery->PaletteBar()->ButtonOf(TStrokeBar::StaticClass()), 5, 5);
    Click(&Designed(), 600, 500);
    const std::string path = ScratchFile("placed.json");
    SaveAs(path);
    OpenFrom(path);
    auto* placed = Find<TStrokeBar>("StrokeBar2");
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Left(), 600);
    EXPECT_TRUE(placed->IsDesigning()) << "opened while designing, the form is designing";
}

TEST_F(GalleryTest, AMalformedFormIsShownWithFileLineAndKeyAndChangesNothing) {
    const std::string good = WriteComponent(&Designed());
    std::string bad = good;
    const std::string value = "\"BevelInner\": \"sbRaised\"";
    ASSERT_NE(bad.find(value), std::string::npos);
    bad.replace(bad.find(value), value.size(), "\"BevelInner\": \"sbSideways\"");
    const std::string path = ScratchFile("malformed.json");
    WriteFormFile(path, bad);
    gallery->Select(Find("LevelGauge"));
    const TDesignedForm* before = &Designed();

    AnswerFileDialog(path);
    AnswerDialog(VK_RETURN);
    Click(gallery->OpenButton, 10, 10);
    ASSERT_EQ(dialogTexts.size(), 1u);
    const std::string& error = dialogTexts[0];
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("line " + std::to_string(LineOf(bad, "sbSideways"))), std::string::npos)
        << error;
    EXPECT_NE(error.find("StrokeBar1.BevelInner"), std::string::npos) << error;
    EXPECT_EQ(&Designed(), before);
    EXPECT_EQ(WriteComponent(&Designed()), good);
    EXPECT_EQ(gallery->Selected(), Find("LevelGauge"));
}

TEST_F(GalleryTest, AFileThatCannotBeReadIsShownAndChangesNothing) {
    const TDesignedForm* before = &Designed();
    const std::string path = ScratchFile("missing.json");
    AnswerFileDialog(path);
    AnswerDialog(VK_RETURN);
    Click(gallery->OpenButton, 10, 10);
    ASSERT_EQ(dialogTexts.size(), 1u);
    EXPECT_NE(dialogTexts[0].find(path), std::string::npos);
    EXPECT_EQ(&Designed(), before);
}
