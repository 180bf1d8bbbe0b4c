#include "framework/graphics/EngravedText.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TBitmap> Face() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(40, 40);
    bitmap->Canvas()->Brush()->SetColor(clBtnFace);
    bitmap->Canvas()->FillRect({0, 0, 40, 40});
    bitmap->Canvas()->Brush()->SetStyle(bsClear);
    bitmap->Canvas()->Font()->SetHeight(-28);
    return bitmap;
}

TEST(EngravedTextTest, DarkCopyLiesOverALightOneMovedRightAndDown) {
    auto engraved = Face();
    DrawEngravedText(*engraved->Canvas(), "H", {5, 5, 35, 35}, DT_LEFT);
    EXPECT_EQ(engraved->Canvas()->Font()->Color(), clBtnShadow);
    auto dark = Face();
    dark->Canvas()->Font()->SetColor(clBtnShadow);
    TRect r{5, 5, 35, 35};
    DrawTextA(dark->Canvas()->Handle(), "H", -1, &r, DT_LEFT);

    const TColor face = ColorToRGB(clBtnFace);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    int light = 0;
    for (int y = 1; y < 40; ++y)
        for (int x = 1; x < 40; ++x) {
            const TColor pixel = engraved->Canvas()->Pixels(x, y);
            if (dark->Canvas()->Pixels(x, y) == shadow) {
                EXPECT_EQ(pixel, shadow) << x << ", " << y;
            }
            if (pixel == highlight) {
                ++light;
                EXPECT_NE(dark->Canvas()->Pixels(x - 1, y - 1), face) << x << ", " << y;
            }
        }
    EXPECT_GT(light, 0);
}

} // namespace
