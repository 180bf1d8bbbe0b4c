#include "framework/stdctrls/SpeedButton.h"

#include "framework/stdctrls/Panel.h"
#include "tests/stdctrls/StdCtrlsTest.h"

#include <cstdint>

namespace {

constexpr TColor PanelColor = 0x827B4B;
constexpr TColor GlyphKey = clFuchsia; // the glyph's bottom-left pixel: transparent

// The main window's "Load Bitmap Image" button: flat, 165 x 25, on a coloured panel, with a
// 32 x 16 glyph holding a red normal image and a blue disabled one.
class SpeedButtonTest : public StdCtrlsTest {
protected:
    SpeedButtonTest() {
        TForm* form = NewForm(400, 200);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(0, 0, 400, 200);
        panel->SetBevelOuter(bvNone);
        panel->SetColor(PanelColor);
        button = NewButton(20, "Load Bitmap Image");
        button->OnClick = TNotifyEvent::FromFunction([this](TObject*) { ++clicks; });
        RunUntilIdle();
    }

    TSpeedButton* NewButton(int top, const std::string& caption) {
        auto* b = new TSpeedButton(panel);
        b->SetParent(panel);
        b->SetBounds(20, top, 165, 25);
        b->SetFlat(true);
        b->SetCaption(caption);
        auto glyph = SolidBitmap(32, 16, clRed);
        glyph->Canvas()->Brush()->SetColor(clBlue);
        glyph->Canvas()->FillRect({16, 0, 32, 16});
        glyph->Canvas()->SetPixel(0, 15, GlyphKey);
        b->SetGlyph(glyph.get());
        return b;
    }

    int CountInButton(TColor color) const {
        return CountColor(button, button->ClientRect(), color);
    }

    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    TPanel* panel = nullptr;
    TSpeedButton* button = nullptr;
    int clicks = 0;
};

} // namespace

TEST_F(SpeedButtonTest, MarginAndSpacingAtTheIntLimitsPaintWithoutOverflow) {
    button->SetLayout(blGlyphBottom);
    for (const int value : {INT32_MIN, INT32_MAX}) {
        button->SetMargin(value);
        button->SetSpacing(value);
        RunUntilIdle();
    }
    // That far from the bottom edge, the glyph is out of the button.
    EXPECT_EQ(CountInButton(clRed), 0);
}

TEST_F(SpeedButtonTest, AGlyphOfTwoSquaresHoldsTwoImages) {
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(CountInButton(clRed), 16 * 16 - 1);
    EXPECT_EQ(CountInButton(clBlue), 0);
    EXPECT_EQ(CountInButton(GlyphKey), 0);
}

TEST_F(SpeedButtonTest, FlatButtonShowsNoEdgeUntilThePointerIsOverIt) {
    EXPECT_EQ(PixelAt(button, 0, 0), PanelColor);
    EXPECT_EQ(PixelAt(button, 164, 24), PanelColor);
    MouseMove(button, 50, 10);
    EXPECT_EQ(PixelAt(button, 0, 0), highlight);
    EXPECT_EQ(PixelAt(button, 163, 0), highlight);
    EXPECT_EQ(PixelAt(button, 164, 0), shadow);
    EXPECT_EQ(PixelAt(button, 164, 24), shadow);
    EXPECT_EQ(PixelAt(button, 2, 2), PanelColor); // transparent inside the edge
    MoveMouseAway();
    EXPECT_EQ(PixelAt(button, 0, 0), PanelColor);
}

TEST_F(SpeedButtonTest, PressedButtonLooksSunkenWithItsGlyphMovedByOnePixel) {
    MouseMove(button, 50, 10);
    TPoint glyphAt{-1, -1};
    for (int x = 0; x < 165 && glyphAt.x < 0; ++x)
        if (PixelAt(button, x, 12) == clRed)
            glyphAt = {x, 12};
    ASSERT_GE(glyphAt.x, 0);
    MouseDown(button, 50, 10);
    EXPECT_EQ(PixelAt(button, 0, 0), shadow);
    EXPECT_EQ(PixelAt(button, 164, 24), highlight);
    EXPECT_EQ(PixelAt(button, glyphAt.x + 1, glyphAt.y + 1), clRed);
    EXPECT_NE(PixelAt(button, glyphAt.x, glyphAt.y + 1), clRed);
    MouseUp(button, 50, 10);
    EXPECT_EQ(PixelAt(button, 0, 0), highlight); // raised again: the pointer is still over it
}

TEST_F(SpeedButtonTest, ClicksOnReleaseInsideOnly) {
    MouseDown(button, 50, 10);
    EXPECT_EQ(clicks, 0);
    MouseUp(button, 50, 10);
    EXPECT_EQ(clicks, 1);

    MouseDown(button, 50, 10);
    MouseMove(button, 200, 10);
    EXPECT_EQ(button->State(), bsUp);
    MouseMove(button, 60, 10);
    EXPECT_EQ(button->State(), bsDown);
    MouseMove(button, 50, 40);
    MouseUp(button, 50, 40);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, DisabledButtonShowsItsDisabledImageAndDoesNotClick) {
    button->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(CountInButton(clRed), 0);
    EXPECT_GT(CountInButton(clBlue), 0);
    MouseMove(button, 50, 10);
    EXPECT_EQ(PixelAt(button, 0, 0), PanelColor);
    Click(button, 50, 10);
    EXPECT_EQ(clicks, 0);

    button->SetEnabled(true);
    RunUntilIdle();
    EXPECT_GT(CountInButton(clRed), 0);
}

TEST_F(SpeedButtonTest, DisabledCaptionIsEmbossed) {
    button->Font()->SetColor(clYellow);
    RunUntilIdle();
    EXPECT_GT(CountInButton(clYellow), 0);
    button->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(CountInButton(clYellow), 0);
    EXPECT_GT(CountInButton(clBtnShadow), 0);
}

TEST_F(SpeedButtonTest, GlyphAndCaptionAreCentredTogether) {
    button->SetCaption("");
    RunUntilIdle();
    int left = 165;
    int right = 0;
    for (int x = 0; x < 165; ++x)
        if (PixelAt(button, x, 12) == clRed) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    // Alone, the 16-pixel glyph sits in the middle of the 163 pixels inside the edge.
    EXPECT_EQ(left, 1 + (163 - 16 + 1) / 2);
    EXPECT_EQ(right, left + 15);
}

TEST_F(SpeedButtonTest, GroupedButtonsStayDownOneAtATime) {
    TSpeedButton* other = NewButton(60, "Other");
    button->SetGroupIndex(1);
    other->SetGroupIndex(1);
    Click(button, 50, 10);
    EXPECT_TRUE(button->Down());
    Click(other, 50, 10);
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(button->Down());
    Click(other, 50, 10); // the down button stays down without AllowAllUp
    EXPECT_TRUE(other->Down());
}

TEST_F(SpeedButtonTest, AHandlerMayFreeItsButton) {
    button->OnClick = TNotifyEvent::FromFunction([this](TObject*) {
        TSpeedButton* doomed = button;
        button = nullptr;
        delete doomed; // the handler itself goes with it: nothing may follow
    });
    Click(panel, 50, 30);
    EXPECT_EQ(button, nullptr);
    EXPECT_EQ(panel->ControlCount(), 0);
}
