#include "framework/graphics/Canvas.h"
#include "framework/graphics/Bitmap.h"
#include "tests/support/FontHostTest.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr TColor Paper = 0x123456; // a background no drawing in these tests uses

// A bitmap of the given size filled with Paper, drawn on through its canvas.
struct TSheet {
    TBitmap Bitmap;
    TCanvas& Canvas;
    explicit TSheet(int width = 20, int height = 20) : Canvas(*Bitmap.Canvas()) {
        Bitmap.SetSize(width, height);
        Canvas.Brush()->SetColor(Paper);
        Canvas.FillRect({0, 0, width, height});
    }
    TColor At(int x, int y) const { return Canvas.Pixels(x, y); }
    // Every pixel of the given colour, as "x,y" in row order.
    std::string Where(TColor color) const {
        std::string out;
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x)
                if (At(x, y) == color)
                    out += std::to_string(x) + "," + std::to_string(y) + " ";
        return out;
    }
    int Count(TColor color) const {
        int n = 0;
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x)
                n += At(x, y) == color ? 1 : 0;
        return n;
    }
    void Line(TPoint from, TPoint to, TColor color) {
        Canvas.Pen()->SetColor(color);
        Canvas.MoveTo(from.x, from.y);
        Canvas.LineTo(to.x, to.y);
    }
};

} // namespace

// ---- fills and outlines ----

TEST(CanvasFillTest, FillCoversLeftToRightMinusOneAndTopToBottomMinusOne) {
    TSheet s;
    s.Canvas.Brush()->SetColor(clRed);
    s.Canvas.FillRect({2, 3, 5, 7});
    EXPECT_EQ(s.Count(clRed), 3 * 4);
    EXPECT_EQ(s.At(2, 3), clRed);
    EXPECT_EQ(s.At(4, 6), clRed);
    EXPECT_EQ(s.At(5, 6), Paper);
    EXPECT_EQ(s.At(4, 7), Paper);
    EXPECT_EQ(s.At(1, 3), Paper);
    EXPECT_EQ(s.At(2, 2), Paper);
}

TEST(CanvasFillTest, EmptyOrInvertedRectangleFillsNothing) {
    TSheet s;
    s.Canvas.Brush()->SetColor(clRed);
    s.Canvas.FillRect({5, 5, 5, 9});
    s.Canvas.FillRect({8, 8, 4, 12});
    EXPECT_EQ(s.Count(clRed), 0);
}

TEST(CanvasFillTest, ClearBrushFillsNothingAndSettingAColourMakesItSolid) {
    TSheet s;
    s.Canvas.Brush()->SetStyle(bsClear);
    s.Canvas.FillRect({0, 0, 5, 5});
    EXPECT_EQ(s.At(0, 0), Paper);
    s.Canvas.Brush()->SetColor(clRed);
    EXPECT_EQ(s.Canvas.Brush()->Style(), bsSolid);
    s.Canvas.FillRect({0, 0, 5, 5});
    EXPECT_EQ(s.At(0, 0), clRed);
}

TEST(CanvasFillTest, SystemColoursAreResolvedWhenDrawing) {
    TSheet s;
    s.Canvas.Brush()->SetColor(clBtnFace);
    s.Canvas.FillRect({0, 0, 2, 2});
    s.Canvas.SetPixel(5, 5, clBtnShadow);
    EXPECT_EQ(s.At(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(s.At(5, 5), ColorToRGB(clBtnShadow));
}

TEST(CanvasRectangleTest, OnePixelOutlineCoversTheCellsOfTheFill) {
    TSheet s;
    s.Canvas.Pen()->SetColor(clBlue);
    s.Canvas.Brush()->SetColor(clRed);
    s.Canvas.Rectangle(2, 3, 7, 8);
    for (int x = 2; x <= 6; ++x) {
        EXPECT_EQ(s.At(x, 3), clBlue) << x;
        EXPECT_EQ(s.At(x, 7), clBlue) << x;
    }
    for (int y = 3; y <= 7; ++y) {
        EXPECT_EQ(s.At(2, y), clBlue) << y;
        EXPECT_EQ(s.At(6, y), clBlue) << y;
    }
    EXPECT_EQ(s.Count(clRed), 3 * 3);
    EXPECT_EQ(s.At(4, 5), clRed);
    EXPECT_EQ(s.At(7, 7), Paper);
    EXPECT_EQ(s.At(6, 8), Paper);
    EXPECT_EQ(s.At(1, 3), Paper);
}

TEST(CanvasRectangleTest, ClearBrushDrawsTheOutlineOnly) {
    TSheet s;
    s.Canvas.Brush()->SetStyle(bsClear);
    s.Canvas.Pen()->SetColor(clBlue);
    s.Canvas.Rectangle(0, 0, 5, 4);
    EXPECT_EQ(s.Count(clBlue), 2 * 5 + 2 * 2);
    EXPECT_EQ(s.At(2, 2), Paper);
}

TEST(CanvasRectangleTest, ClearPenFillsOnePixelLessEachWay) {
    TSheet s;
    s.Canvas.Pen()->SetStyle(psClear);
    s.Canvas.Brush()->SetColor(clRed);
    s.Canvas.Rectangle(0, 0, 5, 4);
    EXPECT_EQ(s.Count(clRed), 4 * 3);
    EXPECT_EQ(s.At(4, 0), Paper);
    EXPECT_EQ(s.At(0, 3), Paper);
}

TEST(CanvasRectangleTest, FrameRectDrawsAOnePixelFrameInTheBrushColour) {
    TSheet s;
    s.Canvas.Brush()->SetColor(clLime);
    s.Canvas.FrameRect({1, 1, 6, 5});
    EXPECT_EQ(s.Count(clLime), 2 * 5 + 2 * 2);
    EXPECT_EQ(s.At(5, 4), clLime);
    EXPECT_EQ(s.At(3, 3), Paper);
}

TEST(CanvasRectangleTest, XorOutlineDrawnTwiceRestoresEveryPixel) {
    TSheet s;
    s.Canvas.Brush()->SetStyle(bsClear);
    s.Canvas.Pen()->SetMode(pmXor);
    s.Canvas.Pen()->SetColor(clWhite);
    for (const TRect r : {TRect{1, 1, 9, 6}, TRect{3, 3, 4, 9}, TRect{2, 12, 12, 13}}) {
        s.Canvas.Rectangle(r);
        EXPECT_NE(s.At(r.Left, r.Top), Paper);
        s.Canvas.Rectangle(r);
        EXPECT_EQ(s.Count(Paper), 400);
    }
}

// ---- lines ----

TEST(CanvasLineTest, LineLeavesOutItsEndPointInEveryDirection) {
    const std::array<TPoint, 8> ends = {TPoint{15, 10}, {5, 10}, {10, 15}, {10, 5},
                                        TPoint{15, 15}, {5, 5},  {15, 5},  {5, 15}};
    for (TPoint end : ends) {
        TSheet s;
        s.Line({10, 10}, end, clRed);
        EXPECT_EQ(s.At(10, 10), clRed) << end.x << "," << end.y;
        EXPECT_EQ(s.At(end.x, end.y), Paper) << end.x << "," << end.y;
        EXPECT_EQ(s.Count(clRed), 5) << end.x << "," << end.y;
        // The pixel just before the end is drawn.
        const int bx = end.x + (end.x > 10 ? -1 : end.x < 10 ? 1 : 0);
        const int by = end.y + (end.y > 10 ? -1 : end.y < 10 ? 1 : 0);
        EXPECT_EQ(s.At(bx, by), clRed) << end.x << "," << end.y;
    }
}

TEST(CanvasLineTest, ShallowLineStepsLikeBresenham) {
    TSheet s;
    s.Line({0, 0}, {6, 2}, clRed);
    EXPECT_EQ(s.Where(clRed), "0,0 1,0 2,1 3,1 4,1 5,2 ");
}

TEST(CanvasLineTest, ZeroLengthLineDrawsNothingAndPenPosFollowsLineTo) {
    TSheet s;
    s.Line({4, 4}, {4, 4}, clRed);
    EXPECT_EQ(s.Count(clRed), 0);
    s.Line({4, 4}, {9, 4}, clRed);
    EXPECT_EQ(s.Canvas.PenPos(), Point(9, 4));
}

TEST(CanvasLineTest, PolylineDrawsEveryVertexButTheLast) {
    TSheet s;
    s.Canvas.Pen()->SetColor(clRed);
    const std::array<TPoint, 3> points = {TPoint{1, 1}, {5, 1}, {5, 5}};
    s.Canvas.Polyline(points);
    EXPECT_EQ(s.Count(clRed), 8);
    EXPECT_EQ(s.At(5, 1), clRed);
    EXPECT_EQ(s.At(5, 5), Paper);
}

TEST(CanvasLineTest, LineFarOutsideTheTargetDrawsOnlyItsVisiblePart) {
    TSheet s;
    s.Line({-1000000000, 3}, {1000000000, 3}, clRed);
    EXPECT_EQ(s.Count(clRed), 20);
    s.Line({-2000000000, -2000000000}, {2000000000, 2000000000}, clBlue);
    EXPECT_EQ(s.Count(clBlue), 20);
    EXPECT_EQ(s.At(7, 7), clBlue);
}

TEST(CanvasLineTest, DottedPenAlternatesThreeOnThreeOff) {
    TSheet s;
    s.Canvas.Pen()->SetStyle(psDot);
    s.Canvas.Brush()->SetStyle(bsClear); // transparent gaps
    s.Line({0, 0}, {12, 0}, clRed);
    EXPECT_EQ(s.Where(clRed), "0,0 1,0 2,0 6,0 7,0 8,0 ");
}

TEST(CanvasLineTest, WidePenCoversASquareAroundEachPoint) {
    TSheet s;
    s.Canvas.Pen()->SetWidth(3);
    s.Line({5, 10}, {10, 10}, clRed);
    EXPECT_EQ(s.Count(clRed), 5 * 3 + 2 * 3);
    EXPECT_EQ(s.At(4, 9), clRed);
    EXPECT_EQ(s.At(10, 11), clRed);
    EXPECT_EQ(s.At(11, 10), Paper);
    EXPECT_EQ(s.At(5, 12), Paper);
}

// ---- the bevels the controls draw ----

// The stroke bar's frame: MoveTo(L, B), LineTo(L, T), LineTo(R, T) in the first colour, then
// LineTo(R, B), LineTo(L - 1, B) in the second.
TEST(CanvasBevelTest, StrokeBarFrameCornersFollowTheLineEndRule) {
    TSheet s(120, 48);
    const int l = 0, t = 16, r = 119, b = 31;
    s.Canvas.Pen()->SetColor(clGray);
    s.Canvas.MoveTo(l, b);
    s.Canvas.LineTo(l, t);
    s.Canvas.LineTo(r, t);
    s.Canvas.Pen()->SetColor(clWhite);
    s.Canvas.LineTo(r, b);
    s.Canvas.LineTo(l - 1, b);

    EXPECT_EQ(s.At(0, 16), clGray);    // top left
    EXPECT_EQ(s.At(0, 30), clGray);    // left edge, rows T..B-1
    EXPECT_EQ(s.At(118, 16), clGray);  // top edge, columns L..R-1
    EXPECT_EQ(s.At(119, 16), clWhite); // top right belongs to the second colour
    EXPECT_EQ(s.At(119, 30), clWhite);
    EXPECT_EQ(s.At(119, 31), clWhite); // both bottom corners
    EXPECT_EQ(s.At(0, 31), clWhite);
    EXPECT_EQ(s.Count(clGray), 14 + 119);
    EXPECT_EQ(s.Count(clWhite), 15 + 120);
    EXPECT_EQ(s.At(0, 15), Paper);
    EXPECT_EQ(s.At(0, 32), Paper);
    EXPECT_EQ(s.At(1, 17), Paper);
}

namespace {

// The gauge's border steps on a W x H bitmap with a clear brush.
void SunkenBorder(TCanvas& c, int w, int h, TColor light, TColor dark) {
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(light);
    c.Rectangle(0, 0, w, h);
    c.Pen()->SetColor(dark);
    c.MoveTo(0, h);
    c.LineTo(0, 0);
    c.LineTo(w, 0);
}

} // namespace

TEST(CanvasBevelTest, GaugeSunkenBorderHasShadowTopLeftAndHighlightBottomRight) {
    TSheet s(10, 6);
    SunkenBorder(s.Canvas, 10, 6, clBtnHighlight, clBtnShadow);
    const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(s.At(0, 0), shadow);
    EXPECT_EQ(s.At(9, 0), shadow); // top right corner: the shadow's top row
    EXPECT_EQ(s.At(0, 5), shadow); // bottom left corner: the shadow's left column
    EXPECT_EQ(s.At(9, 1), light);
    EXPECT_EQ(s.At(9, 5), light);
    EXPECT_EQ(s.At(1, 5), light);
    EXPECT_EQ(s.Count(shadow), 10 + 5);
    EXPECT_EQ(s.Count(light), 9 + 4);
    EXPECT_EQ(s.Count(Paper), 8 * 4);
}

TEST(CanvasBevelTest, GaugeDeepSunkenBorderAddsADarkAndFaceRingInside) {
    TSheet s(10, 6);
    const int w = 10, h = 6;
    SunkenBorder(s.Canvas, w, h, clBtnHighlight, clBtnShadow);
    s.Canvas.Pen()->SetColor(clBtnFace);
    s.Canvas.Rectangle(1, 1, w - 1, h - 1);
    s.Canvas.Pen()->SetColor(cl3DDkShadow);
    s.Canvas.MoveTo(1, h - 2);
    s.Canvas.LineTo(1, 1);
    s.Canvas.LineTo(w - 1, 1);
    const TColor dark = ColorToRGB(cl3DDkShadow), face = ColorToRGB(clBtnFace);
    EXPECT_EQ(s.At(1, 1), dark);
    EXPECT_EQ(s.At(8, 1), dark);
    EXPECT_EQ(s.At(1, 4), dark); // bottom left of the inner ring: the dark column's start
    EXPECT_EQ(s.At(2, 4), face);
    EXPECT_EQ(s.At(8, 2), face);
    EXPECT_EQ(s.At(8, 4), face);
    EXPECT_EQ(s.At(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(s.Count(Paper), 6 * 2);
}

// ---- pixels, clipping, targets ----

TEST(CanvasPixelTest, ReadsOutsideTheTargetGiveInvalidAndWritesThereAreIgnored) {
    TSheet s(4, 3);
    EXPECT_EQ(s.Canvas.Pixels(-1, 0), clInvalid);
    EXPECT_EQ(s.Canvas.Pixels(4, 0), clInvalid);
    EXPECT_EQ(s.Canvas.Pixels(0, 3), clInvalid);
    s.Canvas.SetPixel(4, 0, clRed);
    s.Canvas.SetPixel(-2147483647 - 1, 2147483647, clRed);
    EXPECT_EQ(s.Count(clRed), 0);
    s.Canvas.SetPixel(3, 2, clRed);
    EXPECT_EQ(s.At(3, 2), clRed);
}

TEST(CanvasClipTest, DrawingStaysInsideTheClipRectangle) {
    TSheet s;
    s.Canvas.SetClipRect({5, 5, 10, 10});
    EXPECT_EQ(s.Canvas.ClipRect(), Rect(5, 5, 10, 10));
    s.Canvas.Brush()->SetColor(clRed);
    s.Canvas.FillRect({0, 0, 20, 20});
    s.Line({0, 7}, {20, 7}, clBlue);
    EXPECT_EQ(s.Count(clRed) + s.Count(clBlue), 25);
    EXPECT_EQ(s.Canvas.Pixels(4, 7), clInvalid);
    s.Canvas.SetPixel(4, 7, clRed);
    s.Canvas.ResetClipRect();
    EXPECT_EQ(s.At(4, 7), Paper);
    EXPECT_EQ(s.At(9, 9), clRed);
}

TEST(CanvasClipTest, IntersectingClipsNarrowEachOther) {
    TSheet s;
    s.Canvas.IntersectClipRect({0, 0, 10, 10});
    s.Canvas.IntersectClipRect({5, -5, 30, 8});
    EXPECT_EQ(s.Canvas.ClipRect(), Rect(5, 0, 10, 8));
    s.Canvas.SetClipRect({-10, -10, 100, 100});
    EXPECT_EQ(s.Canvas.ClipRect(), Rect(0, 0, 20, 20));
}

TEST(CanvasTargetTest, OriginMapsClientCoordinatesIntoTheBufferAndClipIsInBufferCoordinates) {
    platform::PixelBuffer surface(40, 30, 0xFF000000u);
    TCanvas canvas;
    canvas.SetTarget(&surface, {10, 5}, {10, 5, 20, 15});
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 10, 10));
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({-5, -5, 100, 100});
    EXPECT_EQ(surface.Row(5)[10], 0xFFFFFFFFu);
    EXPECT_EQ(surface.Row(14)[19], 0xFFFFFFFFu);
    EXPECT_EQ(surface.Row(4)[10], 0xFF000000u);
    EXPECT_EQ(surface.Row(5)[20], 0xFF000000u);
    EXPECT_EQ(canvas.TakeDirty(), Rect(10, 5, 20, 15));
    EXPECT_EQ(canvas.TakeDirty(), TRect{});
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(10, 0), clInvalid);
}

TEST(CanvasTargetTest, CanvasWithoutTargetDrawsNothingAndReadsInvalid) {
    TCanvas canvas;
    canvas.FillRect({0, 0, 10, 10});
    canvas.LineTo(5, 5);
    canvas.SetPixel(1, 1, clRed);
    EXPECT_EQ(canvas.Pixels(1, 1), clInvalid);
    EXPECT_EQ(canvas.TakeDirty(), TRect{});
}

TEST(CanvasTargetTest, DirtyRectangleIsTheUnionOfWhatWasDrawn) {
    platform::PixelBuffer surface(50, 50);
    TCanvas canvas;
    canvas.SetTarget(&surface, {5, 5}, {0, 0, 50, 50});
    canvas.MoveTo(0, 20);
    canvas.LineTo(0, 10);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect({2, 2, 3, 3});
    EXPECT_EQ(canvas.TakeDirty(), Rect(5, 7, 8, 26));
}

TEST(CanvasTargetTest, SinglePixelsMarkTheClipTheyWereWrittenUnder) {
    platform::PixelBuffer surface(50, 50);
    TCanvas canvas;
    canvas.SetTarget(&surface, {5, 5}, {0, 0, 50, 50});
    canvas.SetClipRect({0, 0, 10, 4});
    canvas.SetPixel(1, 1, clRed);
    canvas.SetClipRect({20, 20, 22, 22});
    canvas.SetPixel(21, 21, clRed);
    EXPECT_EQ(canvas.TakeDirty(), Rect(5, 5, 27, 27));
    EXPECT_EQ(canvas.TakeDirty(), TRect{});
}

TEST(CanvasTargetTest, OnChangeFiresForDrawingOperationsButNotForSinglePixels) {
    TSheet s;
    int changes = 0;
    s.Canvas.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    s.Canvas.SetPixel(1, 1, clRed);
    EXPECT_EQ(changes, 0);
    s.Canvas.FillRect({0, 0, 2, 2});
    s.Canvas.LineTo(3, 3);
    s.Canvas.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(changes, 3);
}

// ---- pictures ----

TEST(CanvasDrawTest, DrawCopiesABitmapUnscaledAndLeavesTheRestAlone) {
    TSheet s;
    TBitmap picture;
    picture.SetSize(3, 2);
    picture.Canvas()->SetPixel(0, 0, clRed);
    picture.Canvas()->SetPixel(2, 1, clBlue);
    s.Canvas.Draw(4, 5, &picture);
    EXPECT_EQ(s.At(4, 5), clRed);
    EXPECT_EQ(s.At(6, 6), clBlue);
    EXPECT_EQ(s.At(5, 5), clWhite);
    EXPECT_EQ(s.Count(Paper), 400 - 6);
}

TEST(CanvasDrawTest, TransparentBitmapLeavesOutItsBottomLeftColour) {
    TSheet s;
    TBitmap glyph;
    glyph.SetSize(3, 3);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 3, 3});
    glyph.Canvas()->SetPixel(1, 1, clBlack);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    s.Canvas.Draw(0, 0, &glyph);
    EXPECT_EQ(s.At(1, 1), clBlack);
    EXPECT_EQ(s.Count(Paper), 399);
}

TEST(CanvasDrawTest, DrawTransparentTakesOneImageOfAGlyphSheet) {
    TSheet s;
    TBitmap sheet;
    sheet.SetSize(4, 2); // two 2 x 2 images side by side
    sheet.Canvas()->SetPixel(0, 0, clRed);
    sheet.Canvas()->SetPixel(3, 1, clBlue);
    s.Canvas.DrawTransparent(10, 10, &sheet, {2, 0, 4, 2}, clWhite);
    EXPECT_EQ(s.At(11, 11), clBlue);
    EXPECT_EQ(s.Count(Paper), 399);
}

TEST(CanvasDrawTest, StretchDrawScalesToTheRectangle) {
    TSheet s;
    TBitmap picture;
    picture.SetSize(2, 1);
    picture.Canvas()->SetPixel(0, 0, clRed);
    picture.Canvas()->SetPixel(1, 0, clBlue);
    s.Canvas.StretchDraw({0, 0, 4, 2}, &picture);
    EXPECT_EQ(s.Where(clRed), "0,0 1,0 0,1 1,1 ");
    EXPECT_EQ(s.Where(clBlue), "2,0 3,0 2,1 3,1 ");
}

TEST(CanvasDrawTest, CopyRectWithinOneCanvasReadsThePixelsAsTheyWere) {
    TSheet s;
    s.Canvas.SetPixel(0, 0, clRed);
    s.Canvas.SetPixel(1, 0, clBlue);
    s.Canvas.CopyRect({1, 0, 3, 1}, &s.Canvas, {0, 0, 2, 1});
    EXPECT_EQ(s.Where(clRed), "0,0 1,0 ");
    EXPECT_EQ(s.Where(clBlue), "2,0 ");
}

class CanvasExtremesTest : public FontHostTest {};

TEST_F(CanvasExtremesTest, CoordinatesAtTheEdgesOfTheIntegerRangeDrawOnlyWhatIsVisible) {
    TSheet s;
    constexpr int lo = -2147483647 - 1, hi = 2147483647;
    s.Canvas.Brush()->SetColor(clRed);
    s.Canvas.FillRect({lo, lo, hi, hi});
    EXPECT_EQ(s.Count(clRed), 400);
    s.Canvas.Brush()->SetColor(clBlue);
    s.Canvas.Pen()->SetColor(clBlue);
    s.Canvas.Rectangle(lo, lo, hi, hi);
    s.Canvas.FrameRect({lo, 0, hi, 1});
    s.Canvas.DrawFocusRect({lo, lo, hi, hi});
    s.Canvas.TextOut(hi - 1, hi - 1, "x");
    s.Canvas.TextRect({lo, lo, hi, hi}, lo, lo, "x");
    TBitmap picture;
    picture.SetSize(2, 2);
    s.Canvas.Draw(hi - 1, hi - 1, &picture);
    s.Canvas.StretchDraw({lo, lo, hi, hi}, &picture);
    EXPECT_EQ(s.Count(clBlue) + s.Count(clRed) + s.Count(clWhite), 400);
    // The height from the top, past the integer range here, is clamped.
    TRect r{lo, lo, hi, hi};
    EXPECT_EQ(DrawTextA(s.Canvas.Handle(), "a\nb", -1, &r, DT_SINGLELINE | DT_VCENTER), hi);
}
