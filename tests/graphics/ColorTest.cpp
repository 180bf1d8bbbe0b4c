#include "framework/graphics/Types.h"
#include "framework/platform/ClassicPalette.h"

#include <gtest/gtest.h>

TEST(ColorTest, SystemColoursResolveThroughTheClassicPalette) {
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
    EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
    EXPECT_EQ(ColorToRGB(cl3DDkShadow), clBlack);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowFrame), clBlack);
    EXPECT_EQ(ColorToRGB(clHighlight), clNavy);
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
}

TEST(ColorTest, PlainColoursAndSpecialValuesResolveToThemselves) {
    EXPECT_EQ(ColorToRGB(0x827B4B), 0x827B4B);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clInvalid), clInvalid);
}

TEST(ColorTest, UnknownSystemColourIndexIsBlack) {
    EXPECT_EQ(platform::ClassicSystemColor(-1), clBlack);
    EXPECT_EQ(platform::ClassicSystemColor(200), clBlack);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
}
