#include "framework/graphics/Font.h"
#include "framework/core/Exceptions.h"
#include "tests/support/FontHostTest.h"

#include <gtest/gtest.h>

#include <vector>

class FontTest : public FontHostTest {};

TEST_F(FontTest, DefaultsAreTheClassicDialogFont) {
    TFont font;
    EXPECT_EQ(font.Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Size(), 9);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Style(), 0u);
    EXPECT_EQ(font.Pitch(), fpDefault);
}

TEST_F(FontTest, SizeAndHeightConvertAtNinetySixPixelsPerInch) {
    TFont font;
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13); // 13.33 rounds down
    font.SetSize(11);
    EXPECT_EQ(font.Height(), -15); // 14.67 rounds up
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10);
    // A cell height gives a negative size, as on Windows; 10.5 rounds away from zero.
    font.SetHeight(14);
    EXPECT_EQ(font.Size(), -11);
}

TEST_F(FontTest, MulDivRoundsHalfAwayFromZeroAndRefusesZeroDivisors) {
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(3, -1, -2), 2);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
}

TEST_F(FontTest, OnChangeFiresOnEveryRealChangeOnly) {
    TFont font;
    int changes = 0;
    font.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    font.SetHeight(-12);
    font.SetName("ＭＳ Ｐゴシック");
    EXPECT_EQ(changes, 0);
    font.SetHeight(14);
    font.SetSize(9);
    font.SetStyle(fsBold | fsItalic);
    font.SetColor(clWhite);
    font.SetCharset(SHIFTJIS_CHARSET);
    font.SetName("ＭＳ Ｐ明朝");
    font.SetPitch(fpFixed);
    EXPECT_EQ(changes, 7);
}

TEST_F(FontTest, AssignCopiesEveryAttributeAndFiresOnce) {
    TFont source;
    source.SetName("ＭＳ Ｐ明朝");
    source.SetHeight(14);
    source.SetStyle(fsBold);
    source.SetColor(clWhite);
    source.SetCharset(SHIFTJIS_CHARSET);
    TFont font;
    int changes = 0;
    font.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    font.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Name(), "ＭＳ Ｐ明朝");
    EXPECT_EQ(font.Height(), 14);
    EXPECT_EQ(font.Style(), fsBold);
    EXPECT_EQ(font.Color(), clWhite);
    EXPECT_EQ(font.Charset(), SHIFTJIS_CHARSET);
}

TEST_F(FontTest, AssignFromAnotherKindOfObjectRaises) {
    TFont font;
    TPen pen;
    EXPECT_THROW(font.Assign(&pen), EConvertError);
    EXPECT_THROW(font.Assign(nullptr), EConvertError);
}

TEST_F(FontTest, WindowsFacesAreSubstitutedAndOthersPassThrough) {
    EXPECT_EQ(SubstituteFontFace("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(SubstituteFontFace("ＭＳ Ｐ明朝"), "IPAPMincho");
    EXPECT_EQ(SubstituteFontFace("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(SubstituteFontFace("ＭＳ 明朝"), "IPAMincho");
    EXPECT_EQ(SubstituteFontFace("DejaVu Sans"), "DejaVu Sans");
}

TEST_F(FontTest, SpecCarriesTheFaceStyleAndCharacterHeight) {
    TFont font;
    font.SetStyle(fsBold | fsUnderline);
    const auto desc = font.Resolved();
    EXPECT_EQ(desc.Family, "IPAPGothic");
    EXPECT_EQ(desc.PixelHeight, 12);
    EXPECT_TRUE(desc.Bold);
    EXPECT_FALSE(desc.Italic);
    EXPECT_TRUE(desc.Underline);
    EXPECT_FALSE(desc.StrikeOut);
}

TEST_F(FontTest, PositiveHeightPicksTheLargestCharacterWhoseCellFits) {
    TFont font;
    font.SetHeight(14);
    auto desc = font.Resolved();
    auto& engine = CurrentFontEngine();
    EXPECT_LE(engine.Metrics(desc).Height(), 14);
    EXPECT_LT(desc.PixelHeight, 14);
    desc.PixelHeight += 1;
    EXPECT_GT(engine.Metrics(desc).Height(), 14);
}

TEST_F(FontTest, PublishedPropertiesComeInDeclarationOrder) {
    std::vector<std::string> names;
    for (const TPropInfo* p : TFont::StaticClass().AllProperties())
        names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch",
                                               "Size", "Style"}));
    const TPropInfo* style = TFont::StaticClass().FindProperty("Style");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Kind, TPropKind::Set);
    ASSERT_NE(style->EnumNames, nullptr);
    EXPECT_EQ(style->EnumNames->at(0), "fsBold");
}

TEST_F(FontTest, StyleSetPropertyReadsAndWritesTheBits) {
    TFont font;
    const TPropInfo* style = TFont::StaticClass().FindProperty("Style");
    style->Set(font, TPropValue(std::int64_t{fsBold | fsStrikeOut}));
    EXPECT_EQ(font.Style(), fsBold | fsStrikeOut);
    EXPECT_EQ(std::get<std::int64_t>(style->Get(font)), fsBold | fsStrikeOut);
}

TEST(PenBrushTest, DefaultsAndChangeEvents) {
    TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Mode(), pmCopy);
    int changes = 0;
    pen.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    EXPECT_EQ(changes, 1);

    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    brush.SetStyle(bsClear);
    brush.SetColor(clWhite); // same colour, but the brush becomes solid: a change
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(changes, 3);
}
