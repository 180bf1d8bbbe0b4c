#pragma once
// The text of an edit box or a memo: lines without their breaks, positions in it, and the
// edits a user or a program makes. Text is UTF-8; a position never splits a character. A
// single-line document keeps line breaks as ordinary characters of its one line.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TTextPos {
    int Line = 0;
    int Col = 0; // byte offset in the line
    friend constexpr auto operator<=>(const TTextPos&, const TTextPos&) = default;
};

class TTextDocument {
public:
    explicit TTextDocument(bool multiLine = true) : FMultiLine(multiLine) {}

    bool MultiLine() const { return FMultiLine; }
    // Always at least one (possibly empty) line.
    int LineCount() const { return static_cast<int>(FLines.size()); }
    const std::string& Line(int index) const { return FLines.at(static_cast<std::size_t>(index)); }
    TTextPos End() const;
    // The nearest position inside the text, moved back to the start of a character.
    TTextPos Clamp(TTextPos pos) const;

    // The lines joined with CR LF.
    std::string Text() const;
    // The bytes of Text().
    int Length() const;
    std::string TextRange(TTextPos from, TTextPos to) const;
    // Breaks at CR, LF or CR LF (in a multi-line document).
    void SetText(std::string_view text);
    // Inserts text (which may hold breaks) at pos; returns the position after it.
    TTextPos Insert(TTextPos pos, std::string_view text);
    void Erase(TTextPos from, TTextPos to);

    // The text as a string list sees it: a last empty line (after a final break) is not one of
    // its strings.
    int StringCount() const;
    // Inserts a string before string index (at the end for index == StringCount()), as its own
    // line; returns the position just after it and its break.
    TTextPos InsertString(int index, std::string_view text);
    void ReplaceString(int index, std::string_view text);
    void DeleteString(int index);

    // Whether the bytes before pos end in a character still waiting for continuation bytes
    // (text typed one byte at a time).
    bool AwaitsContinuation(TTextPos pos) const;

    // Movement by one character, across line ends.
    TTextPos Next(TTextPos pos) const;
    TTextPos Prev(TTextPos pos) const;
    // Words are runs of characters other than blanks and line ends.
    // The start of the next word, or of the word before.
    TTextPos NextWord(TTextPos pos) const;
    TTextPos PrevWord(TTextPos pos) const;
    // The word around pos: [first, second).
    std::pair<TTextPos, TTextPos> WordAt(TTextPos pos) const;

private:
    std::vector<std::string> Split(std::string_view text) const;

    bool FMultiLine;
    std::vector<std::string> FLines{std::string()};
};
