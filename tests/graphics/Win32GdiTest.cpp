#include "framework/graphics/Win32Gdi.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "tests/support/FontHostTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<TBitmap> Filled(int width, int height, TColor color) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    return bitmap;
}

std::string Where(const TBitmap& b, TColor color) {
    std::string out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas()->Pixels(x, y) == color)
                out += std::to_string(x) + "," + std::to_string(y) + " ";
    return out;
}

} // namespace

TEST(FocusRectTest, EveryOtherOutlinePixelIsXoredWithTheBackgroundColour) {
    // The colour button's case: black text colour and a button-face background, on a button
    // face: the dots come out black.
    auto b = Filled(12, 8, clBtnFace);
    auto& c = *b->Canvas();
    c.Font()->SetColor(clBlack);
    c.Brush()->SetColor(clBtnFace);
    const TRect r{2, 1, 9, 6};
    DrawFocusRect(c.Handle(), &r);
    EXPECT_EQ(Where(*b, clBlack), "3,1 5,1 7,1 2,2 8,2 2,4 8,4 3,5 5,5 7,5 ");
}

TEST(FocusRectTest, DrawingItTwiceRestoresThePixels) {
    auto b = Filled(16, 16, clWhite);
    auto& c = *b->Canvas();
    c.Brush()->SetColor(clRed);
    c.FillRect({0, 0, 8, 16});
    c.Brush()->SetColor(clBtnFace);
    const TRect rects[] = {{1, 1, 15, 15}, {4, 4, 5, 12}, {3, 9, 13, 10}, {-3, -3, 10, 10}};
    for (const TRect& r : rects) {
        const platform::PixelBuffer before = b->Pixels();
        c.DrawFocusRect(r);
        EXPECT_NE(b->Pixels().Pixels, before.Pixels);
        c.DrawFocusRect(r);
        EXPECT_EQ(b->Pixels().Pixels, before.Pixels);
    }
}

TEST(FocusRectTest, WhiteBackgroundInvertsTheDots) {
    auto b = Filled(6, 6, clWhite);
    auto& c = *b->Canvas();
    c.Font()->SetColor(clBlack);
    c.Brush()->SetColor(clWhite);
    c.DrawFocusRect({0, 0, 3, 3});
    EXPECT_EQ(Where(*b, clBlack), "0,0 2,0 0,2 2,2 ");
}

TEST(BitBltTest, CopiesAPlainBlockOfPixelsBetweenCanvases) {
    auto src = Filled(4, 4, clBlue);
    src->Canvas()->SetPixel(1, 1, clRed);
    auto dst = Filled(10, 10, clWhite);
    EXPECT_TRUE(
        BitBlt(dst->Canvas()->Handle(), 5, 6, 3, 3, src->Canvas()->Handle(), 1, 1, SRCCOPY));
    EXPECT_EQ(Where(*dst, clRed), "5,6 ");
    EXPECT_EQ(dst->Canvas()->Pixels(7, 8), clBlue);
    EXPECT_EQ(dst->Canvas()->Pixels(8, 8), clWhite);
    EXPECT_EQ(dst->Canvas()->Pixels(7, 9), clWhite);
}

TEST(BitBltTest, SourcePixelsOutsideTheSourceAreNotCopied) {
    auto src = Filled(2, 2, clBlue);
    auto dst = Filled(6, 6, clWhite);
    BitBlt(dst->Canvas()->Handle(), 0, 0, 6, 6, src->Canvas()->Handle(), -1, -1, SRCCOPY);
    EXPECT_EQ(Where(*dst, clBlue), "1,1 2,1 1,2 2,2 ");
}

TEST(BitBltTest, RasterOperationsCombineSourceAndDestination) {
    auto src = Filled(1, 1, 0x0000FF);
    auto dst = Filled(1, 1, 0x00FF0F);
    HDC d = dst->Canvas()->Handle();
    HDC s = src->Canvas()->Handle();
    BitBlt(d, 0, 0, 1, 1, s, 0, 0, SRCINVERT);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), 0x00FFF0);
    BitBlt(d, 0, 0, 1, 1, s, 0, 0, SRCPAINT);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), 0x00FFFF);
    BitBlt(d, 0, 0, 1, 1, nullptr, 0, 0, DSTINVERT);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), 0xFF0000);
    EXPECT_FALSE(BitBlt(d, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(BitBltTest, StretchBltScalesByNearestPixel) {
    auto src = Filled(2, 2, clWhite);
    src->Canvas()->SetPixel(1, 1, clRed);
    auto dst = Filled(6, 6, clBlue);
    StretchBlt(dst->Canvas()->Handle(), 0, 0, 4, 4, src->Canvas()->Handle(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(Where(*dst, clRed), "2,2 3,2 2,3 3,3 ");
    EXPECT_EQ(dst->Canvas()->Pixels(4, 4), clBlue);
}

class GdiStateTest : public FontHostTest {};

TEST_F(GdiStateTest, SettersReturnThePreviousValueAndRefuseBadModes) {
    auto b = Filled(1, 1, clWhite);
    HDC dc = b->Canvas()->Handle();
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    SetTextColor(dc, clBtnShadow);
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(clBtnShadow));
    EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
    EXPECT_EQ(DrawTextA(nullptr, "x", -1, nullptr, 0), 0);
}

TEST_F(GdiStateTest, TextExtentIsTheAdvanceAndTheCellHeight) {
    auto b = Filled(1, 1, clWhite);
    TSize size;
    ASSERT_TRUE(GetTextExtentPoint32A(b->Canvas()->Handle(), "Area", 4, &size));
    EXPECT_EQ(size, b->Canvas()->TextExtent("Area"));
    GetTextExtentPoint32A(b->Canvas()->Handle(), "Area", 2, &size);
    EXPECT_EQ(size.cx, b->Canvas()->TextWidth("Ar"));
}
