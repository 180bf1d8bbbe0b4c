#include "framework/core/SysUtils.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(SysUtilsTest, IntToStrCoversTheWholeRange) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT_MIN), "-2147483648");
    EXPECT_EQ(IntToStr(LLONG_MIN), "-9223372036854775808");
}

TEST(SysUtilsTest, StrToIntAcceptsSignedDecimalsWithinThirtyTwoBits) {
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("   -7"), -7);
    EXPECT_EQ(StrToInt("+5"), 5);
    EXPECT_EQ(StrToInt("015"), 15);
    EXPECT_EQ(StrToInt("-0"), 0);
    EXPECT_EQ(StrToInt("-2147483648"), INT_MIN);
    EXPECT_EQ(StrToInt("2147483647"), INT_MAX);
    EXPECT_EQ(StrToInt("000000000002147483647"), INT_MAX);
}

TEST(SysUtilsTest, StrToIntReadsPrefixedHexadecimalAsAThirtyTwoBitPattern) {
    EXPECT_EQ(StrToInt("$10"), 16);
    EXPECT_EQ(StrToInt("x1"), 1);
    EXPECT_EQ(StrToInt("X1f"), 31);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("0XaB"), 171);
    EXPECT_EQ(StrToInt("  $FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("$80000000"), INT_MIN);
    EXPECT_EQ(StrToInt("$0000000012345678"), 0x12345678);
    // The sign before a hexadecimal number is ignored.
    EXPECT_EQ(StrToInt("-$10"), 16);
    EXPECT_EQ(StrToInt("+0x7FFFFFFF"), INT_MAX);
}

TEST(SysUtilsTest, StrToIntRefusesOverflowJunkAndAnythingAfterTheDigits) {
    for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999",
                            "",           " ",           "12a",
                            "+-1",        "--1",         "+",
                            "-",          "1 2",         " -7 ",
                            "7 ",         "\t7",         "7\n",
                            "- 7",        "$",           "x",
                            "0x",         "-$",          "$123456789",
                            "$G",         "0x1g",        "00x1",
                            "x-1",        "$ 1",         "1.0",
                            "1e3"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    try {
        StrToInt("12 ");
        ADD_FAILURE() << "a trailing blank was accepted";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'12 ' is not a valid integer value");
    }
}

TEST(SysUtilsTest, StrToIntDefFallsBackOnBadInput) {
    EXPECT_EQ(StrToIntDef("12", 3), 12);
    EXPECT_EQ(StrToIntDef("2147483648", 3), 3);
    EXPECT_EQ(StrToIntDef("", -1), -1);
}

TEST(SysUtilsTest, FormatSizesItsResultExactly) {
    EXPECT_EQ(Format("* Start Point [%4d, %4d]", 12, -3), "* Start Point [  12,   -3]");
    EXPECT_EQ(Format("* Total Pixels = %d", INT_MIN), "* Total Pixels = -2147483648");
    EXPECT_EQ(Format("%s", ""), "");
    std::string longText(5000, 'x');
    EXPECT_EQ(Format("<%s>", longText.c_str()).size(), 5002u);
}

TEST(SysUtilsTest, FileNamePartsSplitAtEitherSeparator) {
    EXPECT_EQ(ExtractFileName("C:\\images\\liver.bmp"), "liver.bmp");
    EXPECT_EQ(ExtractFileName("/home/u/scan.x.bmp"), "scan.x.bmp");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
    EXPECT_EQ(ExtractFilePath("C:\\images\\liver.bmp"), "C:\\images\\");
    EXPECT_EQ(ExtractFilePath("a/b\\c"), "a/b\\");
    EXPECT_EQ(ExtractFilePath("plain"), "");
    EXPECT_EQ(ExtractFileExt("dir.d/scan.x.BMP"), ".BMP");
    EXPECT_EQ(ExtractFileExt("dir.d/noext"), "");
}

TEST(SysUtilsTest, CaseMappingTouchesAsciiOnly) {
    EXPECT_EQ(LowerCase("AbC-Ä"), "abc-Ä");
    EXPECT_EQ(UpperCase("abc\xe3\x81\x82"), "ABC\xe3\x81\x82");
}

TEST(SysUtilsTest, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim("\t a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("x"), "x");
}

} // namespace
