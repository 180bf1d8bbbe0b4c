#include "framework/graphics/TextLayout.h"

#include <gtest/gtest.h>

namespace {

// Five pixels a byte: easy widths to reason about.
int FivePerByte(std::string_view s) {
    return static_cast<int>(s.size()) * 5;
}

std::vector<std::string> Texts(std::string_view text, TTextLayoutOptions options = {}) {
    std::vector<std::string> out;
    for (const auto& line : LayoutTextLines(text, options, FivePerByte))
        out.push_back(line.Text);
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextLayoutTest, CarriageReturnLineFeedAndBothEachBreakOnce) {
    EXPECT_EQ(Texts("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(Texts("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(Texts("a\n\nb"), (Lines{"a", "", "b"}));
}

TEST(TextLayoutTest, BreakAtTheEndStartsNoLineAndEmptyTextHasNone) {
    EXPECT_EQ(Texts("abc\r\n"), (Lines{"abc"}));
    EXPECT_EQ(Texts("\n"), (Lines{""}));
    EXPECT_TRUE(Texts("").empty());
}

TEST(TextLayoutTest, SingleLineIgnoresBreaks) {
    TTextLayoutOptions single;
    single.SingleLine = true;
    EXPECT_EQ(Texts("ab\r\ncd", single), (Lines{"abcd"}));
}

TEST(TextLayoutTest, AmpersandMarksTheNextCharacterAndTwoDrawOne) {
    const auto lines = LayoutTextLines("&File\nA&&B\nx&", {}, FivePerByte);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Text, "File");
    EXPECT_EQ(lines[0].Mnemonic, std::vector<std::size_t>{0});
    EXPECT_EQ(lines[0].Width, 20);
    EXPECT_EQ(lines[1].Text, "A&B");
    EXPECT_TRUE(lines[1].Mnemonic.empty());
    EXPECT_EQ(lines[2].Text, "x");
}

TEST(TextLayoutTest, MnemonicOffsetsPointAtMultiByteCharacters) {
    const auto lines = LayoutTextLines("開&く", {}, FivePerByte);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Text, "開く");
    EXPECT_EQ(lines[0].Mnemonic, std::vector<std::size_t>{3});
    EXPECT_EQ(Utf8SequenceLength(static_cast<unsigned char>(lines[0].Text[3])), 3u);
}

TEST(TextLayoutTest, NoPrefixKeepsAmpersands) {
    TTextLayoutOptions options;
    options.Prefix = false;
    EXPECT_EQ(Texts("&a&&b", options), (Lines{"&a&&b"}));
}

TEST(TextLayoutTest, WordBreakWrapsAtSpacesAndDropsTheSpaceAtTheBreak) {
    TTextLayoutOptions wrap;
    wrap.WordBreak = true;
    wrap.WrapWidth = 35;
    EXPECT_EQ(Texts("aaa bbb ccc", wrap), (Lines{"aaa bbb", "ccc"}));
    wrap.WrapWidth = 10;
    EXPECT_EQ(Texts("aaaaaa b", wrap), (Lines{"aaaaaa", "b"})); // a long word stays whole
}

TEST(TextLayoutTest, WordBreakKeepsMnemonicsOnTheirLine) {
    TTextLayoutOptions wrap;
    wrap.WordBreak = true;
    wrap.WrapWidth = 15;
    const auto lines = LayoutTextLines("ab &cd", wrap, FivePerByte);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].Mnemonic.empty());
    EXPECT_EQ(lines[1].Text, "cd");
    EXPECT_EQ(lines[1].Mnemonic, std::vector<std::size_t>{0});
}

TEST(TextLayoutTest, JapaneseTextMayBreakBetweenAnyTwoCharacters) {
    TTextLayoutOptions wrap;
    wrap.WordBreak = true;
    wrap.WrapWidth = 30; // two characters of three bytes
    EXPECT_EQ(Texts("肝機能", wrap), (Lines{"肝機", "能"}));
}
