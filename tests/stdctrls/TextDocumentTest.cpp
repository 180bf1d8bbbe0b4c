#include "framework/stdctrls/TextDocument.h"

#include <gtest/gtest.h>

namespace {

TTextDocument Doc(std::string_view text) {
    TTextDocument doc;
    doc.SetText(text);
    return doc;
}

} // namespace

TEST(TextDocumentTest, SplitsAtEveryKindOfBreakAndJoinsWithCrLf) {
    const TTextDocument doc = Doc("a\rb\nc\r\nd");
    ASSERT_EQ(doc.LineCount(), 4);
    EXPECT_EQ(doc.Line(3), "d");
    EXPECT_EQ(doc.Text(), "a\r\nb\r\nc\r\nd");
}

TEST(TextDocumentTest, InsertWithBreaksSplitsTheLineAroundIt) {
    TTextDocument doc = Doc("head tail");
    const TTextPos end = doc.Insert({0, 5}, "one\r\ntwo\nthree ");
    EXPECT_EQ(doc.Text(), "head one\r\ntwo\r\nthree tail");
    EXPECT_EQ(end, (TTextPos{2, 6}));
}

TEST(TextDocumentTest, EraseAcrossLinesJoinsTheEnds) {
    TTextDocument doc = Doc("abc\r\ndef\r\nghi");
    doc.Erase({2, 1}, {0, 1}); // either order
    EXPECT_EQ(doc.Text(), "ahi");
    EXPECT_EQ(doc.TextRange({0, 0}, {0, 3}), "ahi");
}

TEST(TextDocumentTest, TextRangeSpansLinesWithCrLf) {
    const TTextDocument doc = Doc("abc\r\ndef\r\nghi");
    EXPECT_EQ(doc.TextRange({0, 1}, {2, 2}), "bc\r\ndef\r\ngh");
}

TEST(TextDocumentTest, PositionsNeverSplitACharacter) {
    const TTextDocument doc = Doc("a\xC3\xA9z"); // a, e acute (two bytes), z
    EXPECT_EQ(doc.Next({0, 1}), (TTextPos{0, 3}));
    EXPECT_EQ(doc.Prev({0, 3}), (TTextPos{0, 1}));
    EXPECT_EQ(doc.Clamp({0, 2}), (TTextPos{0, 1}));
    EXPECT_EQ(doc.Clamp({5, 0}), doc.End());
    EXPECT_EQ(doc.Clamp({-1, 4}), (TTextPos{0, 0}));
}

TEST(TextDocumentTest, CharacterMovesCrossLineEndsAndStopAtTheEdges) {
    const TTextDocument doc = Doc("ab\r\ncd");
    EXPECT_EQ(doc.Next({0, 2}), (TTextPos{1, 0}));
    EXPECT_EQ(doc.Prev({1, 0}), (TTextPos{0, 2}));
    EXPECT_EQ(doc.Prev({0, 0}), (TTextPos{0, 0}));
    EXPECT_EQ(doc.Next(doc.End()), doc.End());
}

TEST(TextDocumentTest, WordMovesSkipToWordStarts) {
    const TTextDocument doc = Doc("* Start Point [   7,   12]");
    EXPECT_EQ(doc.NextWord({0, 0}), (TTextPos{0, 2}));
    EXPECT_EQ(doc.NextWord({0, 2}), (TTextPos{0, 8}));
    EXPECT_EQ(doc.PrevWord({0, 8}), (TTextPos{0, 2}));
    EXPECT_EQ(doc.PrevWord({0, 10}), (TTextPos{0, 8}));
    const auto [first, second] = doc.WordAt({0, 10});
    EXPECT_EQ(first, (TTextPos{0, 8}));
    EXPECT_EQ(second, (TTextPos{0, 13}));
}

// A string list over the text sees no string after a final break, and adding a string keeps
// the text ending the way it did.
TEST(TextDocumentTest, StringsAddedToAnEmptyTextEachEndWithABreak) {
    TTextDocument doc;
    EXPECT_EQ(doc.StringCount(), 0);
    EXPECT_EQ(doc.InsertString(0, "one"), (TTextPos{1, 0}));
    EXPECT_EQ(doc.InsertString(1, "two"), (TTextPos{2, 0}));
    EXPECT_EQ(doc.Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(doc.StringCount(), 2);
}

TEST(TextDocumentTest, AStringAddedAfterAnUnbrokenLastLineGetsTheBreakBeforeIt) {
    TTextDocument doc = Doc("one");
    EXPECT_EQ(doc.InsertString(1, "two"), (TTextPos{1, 3}));
    EXPECT_EQ(doc.Text(), "one\r\ntwo");
    doc.InsertString(0, "zero");
    EXPECT_EQ(doc.Text(), "zero\r\none\r\ntwo");
}

TEST(TextDocumentTest, DeletingTheLastStringLeavesOneEmptyLine) {
    TTextDocument doc = Doc("only");
    doc.DeleteString(0);
    EXPECT_EQ(doc.LineCount(), 1);
    EXPECT_EQ(doc.StringCount(), 0);
    doc.InsertString(0, "x\r\ny");
    EXPECT_EQ(doc.Text(), "x\r\n"); // a string holds no break
}

TEST(TextDocumentTest, WordsRunUpToBlanksSoPunctuationBelongsToThem) {
    const TTextDocument doc = Doc("x=1, y=2");
    EXPECT_EQ(doc.NextWord({0, 0}), (TTextPos{0, 5}));
    EXPECT_EQ(doc.PrevWord({0, 8}), (TTextPos{0, 5}));
    EXPECT_EQ(doc.WordAt({0, 1}).second, (TTextPos{0, 4}));
}

TEST(TextDocumentTest, ASingleLineDocumentKeepsBreaksInItsLine) {
    TTextDocument doc(false);
    doc.SetText("a\r\nb");
    EXPECT_EQ(doc.LineCount(), 1);
    EXPECT_EQ(doc.Insert({0, 1}, "\n"), (TTextPos{0, 2}));
    EXPECT_EQ(doc.Length(), 5);
}

TEST(TextDocumentTest, AContinuationByteIsAwaitedOnlyAfterAnOpenLeadByte) {
    TTextDocument doc;
    doc.SetText("a\xE6\x97"); // the first two bytes of a three-byte character
    EXPECT_TRUE(doc.AwaitsContinuation({0, 3}));
    EXPECT_FALSE(doc.AwaitsContinuation({0, 1}));
    doc.SetText("a\xC3\xA9");
    EXPECT_FALSE(doc.AwaitsContinuation({0, 3}));
}
