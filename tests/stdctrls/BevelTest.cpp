#include "framework/graphics/Frame3D.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(Frame3DTest, LeavesTheBrushAndATransparentBackgroundModeAlone) {
    TBitmap bitmap;
    bitmap.SetSize(8, 6);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clYellow);
    canvas.Font()->SetColor(clBlack);
    SetBkMode(canvas.Handle(), TRANSPARENT);

    TRect r{0, 0, 8, 6};
    Frame3D(canvas, r, clWhite, clNavy, 2);

    EXPECT_EQ(r, (TRect{2, 2, 6, 4}));
    EXPECT_EQ(canvas.Brush()->Color(), clYellow);
    EXPECT_EQ(GetBkMode(canvas.Handle()), TRANSPARENT);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(7, 0), clNavy);
    EXPECT_EQ(canvas.Pixels(1, 1), clWhite);
    EXPECT_EQ(canvas.Pixels(6, 4), clNavy);
}

TEST(Frame3DTest, KeepsToTheCanvasClip) {
    TBitmap bitmap;
    bitmap.SetSize(8, 6);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clBlack);
    canvas.FillRect({0, 0, 8, 6});
    canvas.SetClipRect({0, 0, 4, 6});

    TRect r{0, 0, 8, 6};
    Frame3D(canvas, r, clWhite, clWhite, 1);

    EXPECT_EQ(canvas.Pixels(3, 0), clWhite);
    canvas.ResetClipRect();
    EXPECT_EQ(canvas.Pixels(4, 0), clBlack);
    EXPECT_EQ(canvas.Pixels(7, 3), clBlack);
}

} // namespace
