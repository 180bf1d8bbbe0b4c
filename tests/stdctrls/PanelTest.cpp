#include "framework/stdctrls/Panel.h"

#include "framework/windows/Win32Api.h"
#include "tests/stdctrls/StdCtrlsTest.h"

namespace {

class PanelTest : public StdCtrlsTest {
protected:
    TPanel* NewPanel(int width, int height) {
        TForm* form = NewForm();
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, width, height);
        panel->SetColor(0x4E4D37);
        RunUntilIdle();
        return panel;
    }

    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
};

} // namespace

TEST_F(PanelTest, LoweredBevelIsShadowTopLeftAndHighlightBottomRight) {
    TPanel* panel = NewPanel(76, 21);
    panel->SetBevelOuter(bvLowered);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(panel, 0, 0), shadow);
    EXPECT_EQ(PixelAt(panel, 74, 0), shadow);
    EXPECT_EQ(PixelAt(panel, 0, 19), shadow);
    // The top-right and bottom-left corners belong to the bottom-right colour.
    EXPECT_EQ(PixelAt(panel, 75, 0), highlight);
    EXPECT_EQ(PixelAt(panel, 0, 20), highlight);
    EXPECT_EQ(PixelAt(panel, 75, 20), highlight);
    EXPECT_EQ(PixelAt(panel, 1, 1), 0x4E4D37);
    EXPECT_EQ(PixelAt(panel, 74, 19), 0x4E4D37);
}

TEST_F(PanelTest, RaisedBevelsAndTheBorderStackFromTheOutsideIn) {
    TPanel* panel = NewPanel(40, 30);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(1);
    panel->SetBevelInner(bvLowered);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(panel, 0, 5), highlight); // outer raised, two rings
    EXPECT_EQ(PixelAt(panel, 1, 5), highlight);
    EXPECT_EQ(PixelAt(panel, 2, 5), 0x4E4D37); // the border, in the panel's colour
    EXPECT_EQ(PixelAt(panel, 3, 5), shadow);   // inner lowered, two rings
    EXPECT_EQ(PixelAt(panel, 4, 5), shadow);
    EXPECT_EQ(PixelAt(panel, 5, 5), 0x4E4D37);
    EXPECT_EQ(PixelAt(panel, 39, 5), shadow);
    EXPECT_EQ(PixelAt(panel, 35, 5), highlight);
}

TEST_F(PanelTest, CaptionIsPlacedByAlignmentInTheFontColour) {
    TPanel* panel = NewPanel(200, 21);
    panel->Font()->SetColor(clWhite);
    panel->SetCaption("1280");
    RunUntilIdle();
    const int left = CountColor(panel, {2, 2, 60, 19}, clWhite);
    const int middle = CountColor(panel, {70, 2, 130, 19}, clWhite);
    EXPECT_EQ(left, 0);
    EXPECT_GT(middle, 0);

    panel->SetAlignment(taLeftJustify);
    RunUntilIdle();
    EXPECT_GT(CountColor(panel, {2, 2, 60, 19}, clWhite), 0);
    EXPECT_EQ(CountColor(panel, {70, 2, 198, 19}, clWhite), 0);
}

TEST_F(PanelTest, AlignedChildrenFillWhatTheBevelsLeave) {
    TPanel* panel = NewPanel(100, 50);
    auto* child = new TPanel(panel);
    child->SetParent(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (TRect{1, 1, 99, 49}));
    panel->SetBevelInner(bvRaised);
    panel->SetBorderWidth(3);
    EXPECT_EQ(child->BoundsRect(), (TRect{5, 5, 95, 45}));
}

TEST_F(PanelTest, BevelSettersRealignEvenWhenTheValueStaysTheSame) {
    TPanel* panel = NewPanel(100, 50);
    auto* child = new TPanel(panel);
    child->SetParent(panel);
    child->SetAlign(alClient);
    child->SetAlign(alNone);
    child->SetBounds(0, 0, 10, 10);
    child->SetAlign(alClient);
    child->SetBounds(0, 0, 10, 10); // moved by hand while aligned
    panel->SetBevelOuter(bvRaised);
    EXPECT_EQ(child->BoundsRect(), (TRect{1, 1, 99, 49}));
}

TEST_F(PanelTest, SingleBorderRecreatesTheWindowWithASunkenEdge) {
    TPanel* panel = NewPanel(100, 50);
    EXPECT_EQ(panel->ClientWidth(), 100);
    panel->SetBorderStyle(TBorderStyle::bsSingle);
    RunUntilIdle();
    EXPECT_NE(GetWindowLong(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(panel->ClientWidth(), 96);
    EXPECT_EQ(PixelAt(panel, -2, 10), shadow);
    EXPECT_EQ(PixelAt(panel, 0, 10), highlight); // the panel's own raised bevel inside
}
