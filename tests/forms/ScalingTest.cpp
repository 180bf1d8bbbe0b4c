#include "tests/support/FrameworkTest.h"

#include "framework/forms/Screen.h"
#include "framework/graphics/Font.h"
#include "framework/stdctrls/Panel.h"
#include "framework/streaming/FormReader.h"

namespace {

// Designed at 96 pixels per inch: a bar along the top, two panels side by side whose edges
// meet at x = 55, one anchored to the bottom right corner, one with a font of its own.
constexpr const char* Description = R"({
  "class": "TForm", "name": "Scaled",
  "properties": {"ClientWidth": 200, "ClientHeight": 120, "Font": {"Height": -14}},
  "components": [
    {"class": "TPanel", "name": "Bar", "properties": {"Height": 30, "Align": "alTop"}},
    {"class": "TPanel", "name": "Left",
     "properties": {"Left": 10, "Top": 40, "Width": 45, "Height": 30}},
    {"class": "TPanel", "name": "Right",
     "properties": {"Left": 55, "Top": 40, "Width": 45, "Height": 30,
                    "ParentFont": false, "Font": {"Height": -11}}},
    {"class": "TPanel", "name": "Corner",
     "properties": {"Left": 150, "Top": 80, "Width": 40, "Height": 30,
                    "Anchors": ["akRight", "akBottom"]}}
  ]
})";

TControl* Child(const TForm* form, const char* name) {
    return static_cast<TControl*>(form->FindComponent(name));
}

struct TScaledForm {
    int PixelsPerInch;
    TPoint Client;
    int BarHeight;
    TRect Left;
    int RightEnd;
    TRect Corner;
    int FormFont;
    int OwnFont;
};

class ScalingTest : public FrameworkTest, public ::testing::WithParamInterface<TScaledForm> {
protected:
    TForm* Read(const char* text = Description) {
        auto* form = new TForm(Application);
        ReadComponent(form, text, "scaled.json");
        return form;
    }
};

TEST_P(ScalingTest, AStoredFormScalesItsEdgesAndFontsToTheScreen) {
    const TScaledForm& row = GetParam();
    Host().SetPixelsPerInch(row.PixelsPerInch);
    TForm* form = Read();
    EXPECT_EQ(form->PixelsPerInch(), row.PixelsPerInch);
    EXPECT_EQ(TPoint(form->ClientWidth(), form->ClientHeight()), row.Client);
    EXPECT_EQ(Child(form, "Bar")->BoundsRect(), Rect(0, 0, row.Client.x, row.BarHeight));
    EXPECT_EQ(Child(form, "Left")->BoundsRect(), row.Left);
    // The edges that met still meet.
    EXPECT_EQ(Child(form, "Right")->Left(), row.Left.Right);
    EXPECT_EQ(Child(form, "Right")->BoundsRect().Right, row.RightEnd);
    EXPECT_EQ(Child(form, "Corner")->BoundsRect(), row.Corner);
    EXPECT_EQ(form->Font()->Height(), row.FormFont);
    EXPECT_EQ(Child(form, "Left")->Font()->Height(), row.FormFont);
    EXPECT_EQ(Child(form, "Right")->Font()->Height(), row.OwnFont);
}

INSTANTIATE_TEST_SUITE_P(
    , ScalingTest,
    ::testing::Values(
        TScaledForm{
            96, {200, 120}, 30, Rect(10, 40, 55, 70), 100, Rect(150, 80, 190, 110), -14, -11},
        TScaledForm{
            120, {250, 150}, 38, Rect(13, 50, 69, 88), 125, Rect(188, 100, 238, 138), -18, -14},
        TScaledForm{
            144, {300, 180}, 45, Rect(15, 60, 83, 105), 150, Rect(225, 120, 285, 165), -21, -17},
        TScaledForm{
            192, {400, 240}, 60, Rect(20, 80, 110, 140), 200, Rect(300, 160, 380, 220), -28, -22}));

class ScaleChangeTest : public FrameworkTest {};

TEST_F(ScaleChangeTest, AShownFormRescalesOnceWhenItMovesToAScreenOfAnotherScale) {
    auto* form = new TForm(Application);
    ReadComponent(form, Description, "scaled.json");
    form->Show();
    RunUntilIdle();
    Host().MoveToScreen(&HostWindowOf(form), 192);
    RunUntilIdle();
    EXPECT_EQ(Screen->PixelsPerInch(), 192);
    EXPECT_EQ(TPoint(form->ClientWidth(), form->ClientHeight()), TPoint(400, 240));
    EXPECT_EQ(Child(form, "Corner")->BoundsRect(), Rect(300, 160, 380, 220));
    // A second report of the same scale changes nothing.
    Host().MoveToScreen(&HostWindowOf(form), 192);
    RunUntilIdle();
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->Font()->Height(), -28);
}

TEST_F(ScaleChangeTest, AnUnscaledFormKeepsItsPixels) {
    Host().SetPixelsPerInch(192);
    auto* form = new TForm(Application);
    form->SetScaled(false);
    ReadComponent(form, Description, "scaled.json");
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->PixelsPerInch(), 96);
}

} // namespace
