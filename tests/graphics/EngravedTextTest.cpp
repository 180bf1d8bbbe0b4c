// Disabled captions and held-down faces: engraved text and the checker fill.

#include "framework/graphics/EngravedText.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CheckerFill.h"
#include "framework/graphics/Win32Gdi.h"
#include "tests/support/FontHostTest.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Paper = 0x123456;

void Clear(TBitmap& b, int width, int height) {
    b.SetSize(width, height);
    b.Canvas()->Brush()->SetColor(Paper);
    b.Canvas()->FillRect({0, 0, width, height});
    b.Canvas()->Brush()->SetStyle(bsClear);
}

TColor At(const TBitmap& b, int x, int y) {
    return b.Canvas()->Pixels(x, y);
}

class EngravedTextTest : public FontHostTest {};

} // namespace

TEST_F(EngravedTextTest, AHighlightCopyOnePixelDownRightLiesUnderTheShadedText) {
    const TRect rect{2, 2, 58, 26};
    constexpr unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    TBitmap plain;
    Clear(plain, 60, 30);
    plain.Canvas()->Font()->SetColor(clBlack);
    TRect plainRect = rect;
    DrawTextA(plain.Canvas()->Handle(), "&Wag", -1, &plainRect, format);

    TBitmap engraved;
    Clear(engraved, 60, 30);
    DrawEngravedText(*engraved.Canvas(), "&Wag", rect, format, clMaroon);

    // Glyph edges are blended, so only fully inked pixels and untouched ones are exact.
    const TColor highlight = ColorToRGB(clBtnHighlight);
    int shaded = 0, lit = 0;
    for (int y = 1; y < 30; ++y)
        for (int x = 1; x < 60; ++x) {
            const TColor here = At(plain, x, y), upLeft = At(plain, x - 1, y - 1);
            const TColor got = At(engraved, x, y);
            if (here == clBlack) {
                EXPECT_EQ(got, clMaroon) << x << ", " << y;
                ++shaded;
            } else if (here == Paper && upLeft == clBlack) {
                EXPECT_EQ(got, highlight) << x << ", " << y;
                ++lit;
            } else if (here == Paper && upLeft == Paper) {
                EXPECT_EQ(got, Paper) << x << ", " << y;
            }
        }
    EXPECT_GT(shaded, 0);
    EXPECT_GT(lit, 0);
    EXPECT_EQ(engraved.Canvas()->Font()->Color(), clMaroon);
}

TEST(CheckerFillTest, AlternatesByPositionOnTheCanvasAndStaysInsideTheRect) {
    TBitmap b;
    Clear(b, 8, 6);
    FillChecker(*b.Canvas(), {1, 2, 6, 5}, clBtnFace, clWhite);
    const TColor face = ColorToRGB(clBtnFace);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x < 6 && y >= 2 && y < 5;
            const TColor want = !inside ? Paper : (x + y) % 2 == 0 ? face : clWhite;
            EXPECT_EQ(At(b, x, y), want) << x << ", " << y;
        }
}

// A scroll bar track of a control sized to the integer limit: only the canvas's pixels are
// visited, and the pattern stays aligned to the canvas.
TEST(CheckerFillTest, ARectReachingTheIntegerLimitsFillsOnlyTheCanvas) {
    TBitmap b;
    Clear(b, 4, 3);
    FillChecker(*b.Canvas(), {-2147483647 - 1, 1, 2147483647, 2147483647}, clBtnFace, clWhite);
    const TColor face = ColorToRGB(clBtnFace);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(At(b, x, y), y == 0             ? Paper
                                   : (x + y) % 2 == 0 ? face
                                                      : clWhite)
                << x << ", " << y;
}
