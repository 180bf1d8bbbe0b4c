// The lengths the controls hold in pixels, and their pictures, follow a form scaled to the screen.

#include "controls/StrokeBar.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/TrackBar.h"
#include "framework/streaming/FormReader.h"
#include "tests/support/FrameworkTest.h"

namespace {

// A full stroke bar without texts, its band between the margins; a panel with a wide raised
// bevel; a track bar without ticks, its thumb from row 4; a glyph and a picture from the
// program's resources.
constexpr const char* Description = R"({
  "class": "TForm", "name": "Scaled",
  "properties": {"ClientWidth": 300, "ClientHeight": 200},
  "components": [
    {"class": "TStrokeBar", "name": "Bar",
     "properties": {"Left": 8, "Top": 8, "Width": 120, "Height": 48, "Value": 100,
                    "ShowLimit": false, "ShowValue": false}},
    {"class": "TPanel", "name": "Bevelled",
     "properties": {"Left": 140, "Top": 8, "Width": 100, "Height": 40, "BevelWidth": 2,
                    "Caption": ""}},
    {"class": "TTrackBar", "name": "Track",
     "properties": {"Left": 140, "Top": 100, "Width": 150, "Height": 45, "TickStyle": "tsNone"}},
    {"class": "TSpeedButton", "name": "Exit",
     "properties": {"Left": 8, "Top": 64, "Width": 25, "Height": 25, "Glyph": "glyph_exit.bmp"}},
    {"class": "TImage", "name": "Picture",
     "properties": {"Left": 40, "Top": 64, "Width": 100, "Height": 125,
                    "Picture": "about_picture.bmp"}}
  ]
})";

struct TScaledLengths {
    int PixelsPerInch;
    int BandTop; // the stroke bar's first and last row of the band
    int BandBottom;
    int Bevel;    // the panel's bevel width
    int ThumbEnd; // the row below the thumb
    int Glyph;    // the side of one glyph image
    TPoint Picture;
};

class ScaledControlsTest : public FrameworkTest,
                           public ::testing::WithParamInterface<TScaledLengths> {
protected:
    void SetUp() override { RegisterClass(TStrokeBar::StaticClass()); }
    template <class T> static T* Find(TForm* form, const char* name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
};

TEST_P(ScaledControlsTest, DrawTheirScaledLengthsAndPictures) {
    const TScaledLengths& row = GetParam();
    Host().SetPixelsPerInch(row.PixelsPerInch);
    auto* form = new TForm(Application);
    ReadComponent(form, Description, "scaled.json");
    form->Show();
    RunUntilIdle();

    const auto* bar = Find<TStrokeBar>(form, "Bar");
    const int x = bar->Width() / 2;
    EXPECT_NE(PixelAt(bar, x, row.BandTop - 1), clNavy);
    EXPECT_EQ(PixelAt(bar, x, row.BandTop), clNavy);
    EXPECT_EQ(PixelAt(bar, x, row.BandBottom), clNavy);
    EXPECT_NE(PixelAt(bar, x, row.BandBottom + 1), clNavy);
    EXPECT_EQ(bar->BarEnd(), bar->Width());

    const auto* panel = Find<TPanel>(form, "Bevelled");
    EXPECT_EQ(PixelAt(panel, panel->Width() / 2, row.Bevel - 1), clWhite);
    EXPECT_EQ(PixelAt(panel, panel->Width() / 2, row.Bevel), ColorToRGB(clBtnFace));

    const auto* track = Find<TTrackBar>(form, "Track");
    const int middle = 8 + (track->ThumbLength() / 2 + 1) / 2;
    EXPECT_EQ(PixelAt(track, middle, row.ThumbEnd - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(track, middle, row.ThumbEnd), ColorToRGB(clBtnFace));

    const TBitmap* glyph = Find<TSpeedButton>(form, "Exit")->Glyph();
    EXPECT_EQ(TPoint(glyph->Width(), glyph->Height()), TPoint(2 * row.Glyph, row.Glyph));
    EXPECT_EQ(glyph->Canvas()->Pixels(row.Glyph / 2, row.Glyph / 2), clRed);
    EXPECT_EQ(glyph->TransparentColor(), clFuchsia);

    const TPicture* picture = Find<TImage>(form, "Picture")->Picture();
    EXPECT_EQ(TPoint(picture->Width(), picture->Height()), row.Picture);
}

INSTANTIATE_TEST_SUITE_P(, ScaledControlsTest,
                         ::testing::Values(TScaledLengths{96, 16, 31, 2, 24, 16, {100, 125}},
                                           TScaledLengths{120, 20, 39, 3, 29, 20, {125, 157}},
                                           TScaledLengths{144, 24, 47, 3, 34, 24, {150, 188}},
                                           TScaledLengths{192, 32, 63, 4, 44, 32, {200, 250}}));

} // namespace
