#include "framework/stdctrls/Label.h"

#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "tests/stdctrls/StdCtrlsTest.h"

namespace {

class LabelTest : public StdCtrlsTest {
protected:
    LabelTest() {
        TForm* form = NewForm();
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(0, 0, 300, 200);
        panel->SetColor(0x827B4B);
        panel->Font()->SetColor(clWhite);
        panel->Font()->SetStyle(fsBold);
        label = new TLabel(form);
        label->SetParent(panel);
        label->SetBounds(20, 30, 10, 10);
        label->SetCaption("File Name");
        RunUntilIdle();
    }

    TSize TextSize(const std::string& text) const {
        TCanvas canvas;
        canvas.SetFont(label->Font());
        return {canvas.TextWidth(text), canvas.TextHeight(text)};
    }

    TPanel* panel = nullptr;
    TLabel* label = nullptr;
};

} // namespace

TEST_F(LabelTest, AutoSizeFitsOneLineOfTextInTheInheritedFont) {
    EXPECT_EQ(label->Font()->Style(), fsBold);
    const TSize size = TextSize("File Name");
    EXPECT_EQ(label->Width(), size.cx);
    EXPECT_EQ(label->Height(), size.cy);
    EXPECT_EQ(label->Left(), 20);

    label->SetCaption("Width");
    EXPECT_EQ(label->Width(), TextSize("Width").cx);
}

TEST_F(LabelTest, AutoSizedRightJustifiedLabelKeepsItsRightEdge) {
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("(pixels)");
    EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(LabelTest, WithoutAutoSizeTheBoundsStay) {
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 200, 40);
    label->SetCaption("Seed");
    EXPECT_EQ(label->BoundsRect(), (TRect{20, 30, 220, 70}));
}

TEST_F(LabelTest, BackgroundFollowsTheParentColourUntilSet) {
    const TPoint spot{label->Width() - 1, label->Height() - 1};
    EXPECT_EQ(PixelAt(label, spot.x, spot.y), 0x827B4B);
    EXPECT_GT(CountColor(label, label->ClientRect(), clWhite), 0);

    label->SetColor(clRed);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(label, spot.x, spot.y), clRed);
}

TEST_F(LabelTest, TransparentLabelLeavesItsParentShowing) {
    label->SetColor(clRed);
    label->SetTransparent(true);
    RunUntilIdle();
    EXPECT_EQ(CountColor(label, label->ClientRect(), clRed), 0);
    EXPECT_GT(CountColor(label, label->ClientRect(), 0x827B4B), 0);
    EXPECT_GT(CountColor(label, label->ClientRect(), clWhite), 0);
}

TEST_F(LabelTest, DisabledTextIsEmbossedInHighlightAndShadow) {
    label->Font()->SetColor(clYellow);
    label->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(CountColor(label, label->ClientRect(), clYellow), 0);
    EXPECT_GT(CountColor(label, label->ClientRect(), clBtnHighlight), 0);
    EXPECT_GT(CountColor(label, label->ClientRect(), clBtnShadow), 0);
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
    auto* memo = new TMemo(label->Owner());
    memo->SetParent(panel);
    memo->SetBounds(100, 100, 100, 50);
    label->SetCaption("&Name");
    label->SetFocusControl(memo);
    RunUntilIdle();
    ASSERT_FALSE(memo->Focused());
    PressKey('N', ssAlt);
    EXPECT_TRUE(memo->Focused());

    delete memo;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(LabelTest, LayoutPlacesTheTextVertically) {
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 200, 60);
    const int height = TextSize("File Name").cy;
    const auto rows = [&](int top, int bottom) {
        return CountColor(label, {0, top, 200, bottom}, clWhite);
    };
    RunUntilIdle();
    EXPECT_GT(rows(0, height), 0);
    EXPECT_EQ(rows(height, 60), 0);
    label->SetLayout(tlBottom);
    RunUntilIdle();
    EXPECT_EQ(rows(0, 60 - height), 0);
    EXPECT_GT(rows(60 - height, 60), 0);
    label->SetLayout(tlCenter);
    RunUntilIdle();
    EXPECT_EQ(rows(0, (60 - height) / 2), 0);
    EXPECT_EQ(rows((60 + height) / 2 + 1, 60), 0);
}

TEST_F(LabelTest, WordWrapBreaksLongCaptionsIntoLines) {
    label->SetWordWrap(true);
    label->SetAutoSize(false);
    label->SetBounds(20, 30, TextSize("File Name").cx + 2, 100);
    label->SetAutoSize(true);
    label->SetCaption("File Name File Name");
    EXPECT_EQ(label->Height(), 2 * TextSize("File Name").cy);
}
