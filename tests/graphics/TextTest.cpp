#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Win32Gdi.h"
#include "tests/support/FontHostTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr TColor Paper = 0x123456;

std::unique_ptr<TBitmap> Sheet(int width, int height, TColor fill = Paper) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(fill);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    bitmap->Canvas()->Font()->SetColor(clBlack);
    return bitmap;
}

TColor At(const TBitmap& b, int x, int y) {
    return b.Canvas()->Pixels(x, y);
}

// The number of pixels whose colour differs between two bitmaps of one size, within r.
int Differences(const TBitmap& a, const TBitmap& b, TRect r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += At(a, x, y) != At(b, x, y) ? 1 : 0;
    return n;
}

int CountNot(const TBitmap& b, TColor color, TRect r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += At(b, x, y) != color ? 1 : 0;
    return n;
}

// Transparent text: the canvas brush clear, so only the glyphs change pixels.
void Transparent(TBitmap& b) {
    b.Canvas()->Brush()->SetStyle(bsClear);
}

int DrawText(TBitmap& b, const std::string& text, TRect& rect, unsigned format) {
    return DrawTextA(b.Canvas()->Handle(), text.c_str(), -1, &rect, format);
}

} // namespace

// ---- TextOut, TextRect, measuring ----

class CanvasTextTest : public FontHostTest {};

TEST_F(CanvasTextTest, TextOutPaintsTheCellInTheBrushColourUnlessTheBrushIsClear) {
    auto b = Sheet(60, 30);
    auto& c = *b->Canvas();
    c.Brush()->SetColor(clYellow);
    const TSize size = c.TextExtent("Ag");
    c.TextOut(5, 4, "Ag");
    EXPECT_EQ(At(*b, 5, 4), clYellow);
    EXPECT_EQ(At(*b, 5 + size.cx - 1, 4 + size.cy - 1), clYellow);
    EXPECT_EQ(At(*b, 5 + size.cx, 4), Paper);
    EXPECT_EQ(At(*b, 5, 4 + size.cy), Paper);
    EXPECT_EQ(At(*b, 4, 4), Paper);
    EXPECT_EQ(c.PenPos(), Point(5 + size.cx, 4));

    auto clear = Sheet(60, 30);
    Transparent(*clear);
    clear->Canvas()->TextOut(5, 4, "Ag");
    EXPECT_EQ(At(*clear, 5, 4), Paper);
    EXPECT_GT(CountNot(*clear, Paper, {5, 4, 5 + size.cx, 4 + size.cy}), 0);
    EXPECT_EQ(CountNot(*clear, Paper, {0, 0, 60, 30}),
              CountNot(*clear, Paper, {0, 4, 60, 4 + size.cy}));
}

TEST_F(CanvasTextTest, TextHeightIsTheCellHeightAndTextWidthTheAdvance) {
    auto b = Sheet(10, 10);
    auto& c = *b->Canvas();
    EXPECT_EQ(c.TextHeight("x"), c.TextHeight(""));
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_GT(c.TextWidth("100%"), c.TextWidth("0%"));
    c.Font()->SetHeight(-24);
    EXPECT_GT(c.TextHeight("x"), 24);
}

TEST_F(CanvasTextTest, TextRectFillsTheRestOfTheRectangleAndCutsTheText) {
    auto b = Sheet(60, 30);
    auto& c = *b->Canvas();
    c.Brush()->SetColor(clYellow);
    c.TextRect({10, 5, 20, 25}, 8, 8, "WWWW");
    EXPECT_EQ(At(*b, 19, 24), clYellow); // rest of the rectangle
    EXPECT_EQ(At(*b, 10, 5), clYellow);
    EXPECT_EQ(CountNot(*b, Paper, {0, 0, 60, 30}), CountNot(*b, Paper, {10, 5, 20, 25}));
    EXPECT_GT(CountNot(*b, clYellow, {10, 5, 20, 25}), 0); // glyphs inside
}

TEST_F(CanvasTextTest, TextRectWithAnInvertedRectangleDrawsNothing) {
    auto b = Sheet(60, 30);
    b->Canvas()->Brush()->SetColor(clYellow);
    b->Canvas()->TextRect({30, 0, 10, 30}, 10, 5, "50");
    EXPECT_EQ(CountNot(*b, Paper, {0, 0, 60, 30}), 0);
}

// The gauge draws its percentage twice, each time clipped to one side of the bar edge.
TEST_F(CanvasTextTest, ClippedTextChangesColourExactlyAtTheClipEdge) {
    const int w = 80, h = 24, edge = 40;
    auto paint = [&](TColor barText, TColor backText, TRect barRect, TRect backRect) {
        auto b = Sheet(w, h);
        auto& c = *b->Canvas();
        c.Brush()->SetColor(clNavy);
        c.FillRect(barRect);
        c.Brush()->SetColor(clSilver);
        c.FillRect(backRect);
        c.Font()->SetHeight(-20);
        const std::string text = "50%";
        const int x = (w - c.TextWidth(text)) / 2, y = (h - c.TextHeight(text)) / 2;
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(barText);
        ExtTextOutA(c.Handle(), x, y, ETO_CLIPPED, &barRect, text.c_str(),
                    static_cast<int>(text.size()), nullptr);
        c.Font()->SetColor(backText);
        ExtTextOutA(c.Handle(), x, y, ETO_CLIPPED, &backRect, text.c_str(),
                    static_cast<int>(text.size()), nullptr);
        return b;
    };
    const TRect bar{0, 0, edge, h}, back{edge, 0, w, h}, all{0, 0, w, h};
    const auto gauge = paint(clYellow, clRed, bar, back);
    const auto allYellowOnNavy = paint(clYellow, clYellow, all, TRect{});
    const auto allRedOnSilver = paint(clRed, clRed, TRect{}, all);
    EXPECT_EQ(Differences(*gauge, *allYellowOnNavy, bar), 0);
    EXPECT_EQ(Differences(*gauge, *allRedOnSilver, back), 0);
    // The text does straddle the edge.
    EXPECT_GT(CountNot(*gauge, clNavy, {edge - 3, 0, edge, h}), 0);
    EXPECT_GT(CountNot(*gauge, clSilver, {edge, 0, edge + 3, h}), 0);
}

TEST_F(CanvasTextTest, ExtTextOutOpaqueFillsTheRectangleWithTheBackgroundColour) {
    auto b = Sheet(40, 20);
    HDC dc = b->Canvas()->Handle();
    SetBkColor(dc, clLime);
    const TRect r{2, 2, 30, 18};
    ExtTextOutA(dc, 4, 4, ETO_OPAQUE | ETO_CLIPPED, &r, "", 0, nullptr);
    EXPECT_EQ(At(*b, 2, 2), clLime);
    EXPECT_EQ(At(*b, 29, 17), clLime);
    EXPECT_EQ(At(*b, 30, 17), Paper);
}

// ---- the device context's state ----

TEST(DeviceContextTest, HandleSelectsFontColourAndBrushBackground) {
    auto b = Sheet(10, 10);
    auto& c = *b->Canvas();
    c.Font()->SetColor(clRed);
    c.Brush()->SetColor(clBtnFace);
    HDC dc = c.Handle();
    EXPECT_EQ(GetTextColor(dc), clRed);
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clBtnFace));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    c.Brush()->SetStyle(bsClear);
    EXPECT_EQ(GetBkMode(c.Handle()), TRANSPARENT);
}

TEST(DeviceContextTest, DirectSettingsHoldUntilTheCanvasToolChangesAgain) {
    auto b = Sheet(10, 10);
    auto& c = *b->Canvas();
    HDC dc = c.Handle();
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkColor(dc, clAqua), Paper); // the sheet was filled with a Paper brush
    EXPECT_EQ(SetTextColor(dc, clBlue), clBlack);
    c.Handle();
    c.FillRect({0, 0, 1, 1});
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetBkColor(dc), clAqua);
    c.Brush()->SetColor(clGreen);
    c.Handle();
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), clGreen);
    EXPECT_EQ(GetTextColor(dc), clBlue); // the font did not change
}

// ---- DrawTextA ----

class DrawTextTest : public FontHostTest {};

TEST_F(DrawTextTest, CalcRectMeasuresEveryLineAndDrawsNothing) {
    auto b = Sheet(100, 60);
    auto& c = *b->Canvas();
    const int lh = c.TextHeight("x");
    TRect r{5, 7, 5, 7};
    const int height = DrawText(*b, "Load\r\nBitmap Image\nOK", r, DT_CENTER | DT_CALCRECT);
    EXPECT_EQ(height, 3 * lh);
    EXPECT_EQ(r, Rect(5, 7, 5 + c.TextWidth("Bitmap Image"), 7 + 3 * lh));
    EXPECT_EQ(CountNot(*b, Paper, {0, 0, 100, 60}), 0);
}

TEST_F(DrawTextTest, EmptyTextMeasuresNothingButReturnsALineHeight) {
    auto b = Sheet(10, 10);
    const int lh = b->Canvas()->TextHeight("x");
    TRect r{0, 0, 0, 0};
    EXPECT_EQ(DrawText(*b, "", r, DT_CALCRECT), lh);
    EXPECT_EQ(r, TRect{});
    r = {0, 0, 0, 0};
    DrawText(*b, "", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r, Rect(0, 0, 0, lh));
}

TEST_F(DrawTextTest, EachLineIsCentredByItselfAndLinesStackAtTheCellHeight) {
    auto drawn = Sheet(100, 60);
    auto expected = Sheet(100, 60);
    Transparent(*drawn);
    Transparent(*expected);
    auto& c = *expected->Canvas();
    const int lh = c.TextHeight("x");
    TRect r{0, 4, 100, 60};
    EXPECT_EQ(DrawText(*drawn, "ab\r\nabcdef\nx", r, DT_CENTER), 3 * lh);
    c.TextOut((100 - c.TextWidth("ab")) / 2, 4, "ab");
    c.TextOut((100 - c.TextWidth("abcdef")) / 2, 4 + lh, "abcdef");
    c.TextOut((100 - c.TextWidth("x")) / 2, 4 + 2 * lh, "x");
    EXPECT_EQ(Differences(*drawn, *expected, {0, 0, 100, 60}), 0);
    EXPECT_GT(CountNot(*drawn, Paper, {0, 4 + 2 * lh, 100, 4 + 3 * lh}), 0);
}

TEST_F(DrawTextTest, RightAlignedLinesEndAtTheRightEdge) {
    auto drawn = Sheet(80, 20);
    auto expected = Sheet(80, 20);
    Transparent(*drawn);
    Transparent(*expected);
    TRect r{0, 0, 70, 20};
    DrawText(*drawn, "Start !", r, DT_RIGHT);
    auto& c = *expected->Canvas();
    c.TextOut(70 - c.TextWidth("Start !"), 0, "Start !");
    EXPECT_EQ(Differences(*drawn, *expected, {0, 0, 80, 20}), 0);
}

TEST_F(DrawTextTest, SingleLineCentresVerticallyWithTruncatingDivision) {
    auto drawn = Sheet(60, 40);
    auto expected = Sheet(60, 40);
    Transparent(*drawn);
    Transparent(*expected);
    auto& c = *expected->Canvas();
    const int lh = c.TextHeight("x");
    TRect r{0, 3, 60, 3 + lh + 7};
    EXPECT_EQ(DrawText(*drawn, "OK", r, DT_SINGLELINE | DT_VCENTER), 3 + lh);
    c.TextOut(0, 3 + 3, "OK");
    EXPECT_EQ(Differences(*drawn, *expected, {0, 0, 60, 40}), 0);
}

TEST_F(DrawTextTest, VerticalCentringNeedsSingleLine) {
    auto b = Sheet(60, 40);
    const int lh = b->Canvas()->TextHeight("x");
    TRect r{0, 0, 60, 40};
    TRect measured = r;
    EXPECT_EQ(DrawText(*b, "OK", measured, DT_VCENTER | DT_CALCRECT), lh);
    EXPECT_EQ(measured.Bottom, lh);
    measured = r;
    DrawText(*b, "OK", measured, DT_SINGLELINE | DT_BOTTOM | DT_CALCRECT);
    EXPECT_EQ(measured.Bottom, 40);
}

TEST_F(DrawTextTest, AmpersandUnderlinesTheNextCharacterUnderItsBaseline) {
    auto drawn = Sheet(80, 30);
    auto plain = Sheet(80, 30);
    Transparent(*drawn);
    Transparent(*plain);
    TRect r{2, 2, 80, 30};
    DrawText(*drawn, "&Open", r, 0);
    TRect r2{2, 2, 80, 30};
    DrawText(*plain, "Open", r2, 0);
    auto& c = *plain->Canvas();
    const auto metrics = CurrentFontEngine().Metrics(c.Font()->Resolved());
    const int row = 2 + std::min(metrics.Ascent + 1, metrics.Height() - 1);
    const int width = c.TextWidth("O");
    for (int x = 2; x < 2 + width; ++x)
        EXPECT_EQ(At(*drawn, x, row), clBlack) << x;
    // Everything else is the plain text.
    EXPECT_EQ(Differences(*drawn, *plain, {0, 0, 80, row}), 0);
    EXPECT_EQ(Differences(*drawn, *plain, {0, row + 1, 80, 30}), 0);
    EXPECT_EQ(Differences(*drawn, *plain, {2 + width, row, 80, row + 1}), 0);
}

TEST_F(DrawTextTest, DoubleAmpersandDrawsOneAndNoPrefixDrawsThemAll) {
    auto drawn = Sheet(80, 20);
    auto expected = Sheet(80, 20);
    Transparent(*drawn);
    Transparent(*expected);
    TRect r{0, 0, 80, 20};
    DrawText(*drawn, "A&&B", r, 0);
    expected->Canvas()->TextOut(0, 0, "A&B");
    EXPECT_EQ(Differences(*drawn, *expected, r), 0);

    auto raw = Sheet(80, 20);
    auto rawExpected = Sheet(80, 20);
    Transparent(*raw);
    Transparent(*rawExpected);
    DrawText(*raw, "A&&B", r, DT_NOPREFIX);
    rawExpected->Canvas()->TextOut(0, 0, "A&&B");
    EXPECT_EQ(Differences(*raw, *rawExpected, r), 0);
}

TEST_F(DrawTextTest, TextIsClippedToTheRectangleUnlessNoClip) {
    auto clipped = Sheet(80, 20);
    auto free = Sheet(80, 20);
    Transparent(*clipped);
    Transparent(*free);
    TRect r{0, 0, 8, 20};
    DrawText(*clipped, "WWWWWW", r, 0);
    r = {0, 0, 8, 20};
    DrawText(*free, "WWWWWW", r, DT_NOCLIP);
    EXPECT_EQ(CountNot(*clipped, Paper, {8, 0, 80, 20}), 0);
    EXPECT_GT(CountNot(*free, Paper, {8, 0, 80, 20}), 0);
    EXPECT_EQ(Differences(*clipped, *free, {0, 0, 8, 20}), 0);
}

TEST_F(DrawTextTest, OpaqueModePaintsTheBackgroundBehindEachLine) {
    auto b = Sheet(80, 40);
    auto& c = *b->Canvas();
    c.Brush()->SetColor(clYellow);
    const int lh = c.TextHeight("x");
    TRect r{0, 0, 80, 40};
    DrawText(*b, "ab\nabcd", r, 0);
    EXPECT_EQ(At(*b, 0, 0), clYellow);
    EXPECT_EQ(At(*b, c.TextWidth("ab"), 0), Paper);
    EXPECT_EQ(At(*b, c.TextWidth("ab"), lh), clYellow);
    EXPECT_EQ(At(*b, 0, 2 * lh), Paper);
}
