#include "framework/stdctrls/TextDocument.h"

#include "framework/graphics/TextLayout.h"

#include <algorithm>
#include <utility>

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsWordChar(char c) {
    return c != ' ' && c != '\t' && c != '\n';
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

} // namespace

std::vector<std::string> TTextDocument::Split(std::string_view text) const {
    return FMultiLine ? SplitLines(text) : std::vector<std::string>{std::string(text)};
}

TTextPos TTextDocument::End() const {
    return {LineCount() - 1, static_cast<int>(FLines.back().size())};
}

TTextPos TTextDocument::Clamp(TTextPos pos) const {
    if (pos.Line < 0)
        return {0, 0};
    if (pos.Line >= LineCount())
        return End();
    const std::string& line = Line(pos.Line);
    int col = std::clamp(pos.Col, 0, static_cast<int>(line.size()));
    while (col > 0 && col < static_cast<int>(line.size()) && IsContinuation(line[col]))
        --col;
    return {pos.Line, col};
}

std::string TTextDocument::Text() const {
    return TextRange({0, 0}, End());
}

int TTextDocument::Length() const {
    int length = 2 * (LineCount() - 1);
    for (const std::string& line : FLines)
        length += static_cast<int>(line.size());
    return length;
}

std::string TTextDocument::TextRange(TTextPos from, TTextPos to) const {
    from = Clamp(from);
    to = Clamp(to);
    if (to < from)
        std::swap(from, to);
    if (from.Line == to.Line)
        return Line(from.Line).substr(from.Col, to.Col - from.Col);
    std::string text = Line(from.Line).substr(from.Col);
    for (int i = from.Line + 1; i < to.Line; ++i)
        text += "\r\n" + Line(i);
    text += "\r\n" + Line(to.Line).substr(0, to.Col);
    return text;
}

void TTextDocument::SetText(std::string_view text) {
    FLines = Split(text);
}

TTextPos TTextDocument::Insert(TTextPos pos, std::string_view text) {
    pos = Clamp(pos);
    std::vector<std::string> pieces = Split(text);
    std::string& line = FLines[static_cast<std::size_t>(pos.Line)];
    const std::string tail = line.substr(pos.Col);
    line.erase(pos.Col);
    line += pieces.front();
    if (pieces.size() == 1) {
        line += tail;
        return {pos.Line, pos.Col + static_cast<int>(pieces.front().size())};
    }
    const int endCol = static_cast<int>(pieces.back().size());
    pieces.back() += tail;
    FLines.insert(FLines.begin() + pos.Line + 1, pieces.begin() + 1, pieces.end());
    return {pos.Line + static_cast<int>(pieces.size()) - 1, endCol};
}

void TTextDocument::Erase(TTextPos from, TTextPos to) {
    from = Clamp(from);
    to = Clamp(to);
    if (to < from)
        std::swap(from, to);
    const std::string tail = Line(to.Line).substr(to.Col);
    FLines[static_cast<std::size_t>(from.Line)].erase(from.Col);
    FLines[static_cast<std::size_t>(from.Line)] += tail;
    FLines.erase(FLines.begin() + from.Line + 1, FLines.begin() + to.Line + 1);
}

int TTextDocument::StringCount() const {
    return FLines.back().empty() ? LineCount() - 1 : LineCount();
}

TTextPos TTextDocument::InsertString(int index, std::string_view text) {
    const std::string line = Split(text).front();
    if (index < StringCount() || FLines.back().empty()) {
        FLines.insert(FLines.begin() + index, line);
        return {index + 1, 0};
    }
    // After a last line that has no break of its own: the break goes before the new line.
    FLines.push_back(line);
    return End();
}

void TTextDocument::ReplaceString(int index, std::string_view text) {
    FLines.at(static_cast<std::size_t>(index)) = Split(text).front();
}

void TTextDocument::DeleteString(int index) {
    FLines.erase(FLines.begin() + index);
    if (FLines.empty())
        FLines.emplace_back();
}

bool TTextDocument::AwaitsContinuation(TTextPos pos) const {
    if (pos.Line < 0 || pos.Line >= LineCount())
        return false;
    const std::string& line = Line(pos.Line);
    const int end = std::clamp(pos.Col, 0, static_cast<int>(line.size()));
    int lead = end;
    while (lead > 0 && end - lead < 3 && IsContinuation(line[lead - 1]))
        --lead;
    if (lead == 0)
        return false;
    const auto c = static_cast<unsigned char>(line[lead - 1]);
    return c >= 0xC0 && static_cast<int>(Utf8SequenceLength(c)) > end - lead + 1;
}

TTextPos TTextDocument::Next(TTextPos pos) const {
    pos = Clamp(pos);
    const std::string& line = Line(pos.Line);
    if (pos.Col < static_cast<int>(line.size())) {
        const auto lead = static_cast<unsigned char>(line[pos.Col]);
        const int step = static_cast<int>(Utf8SequenceLength(lead));
        return {pos.Line, std::min(pos.Col + step, static_cast<int>(line.size()))};
    }
    return pos.Line + 1 < LineCount() ? TTextPos{pos.Line + 1, 0} : pos;
}

TTextPos TTextDocument::Prev(TTextPos pos) const {
    pos = Clamp(pos);
    if (pos.Col == 0)
        return pos.Line > 0 ? TTextPos{pos.Line - 1, static_cast<int>(Line(pos.Line - 1).size())}
                            : pos;
    const std::string& line = Line(pos.Line);
    int col = pos.Col - 1;
    while (col > 0 && IsContinuation(line[col]))
        --col;
    return {pos.Line, col};
}

namespace {

// The character at pos, or '\n' at a line end.
char CharAt(const TTextDocument& doc, TTextPos pos) {
    const std::string& line = doc.Line(pos.Line);
    return pos.Col < static_cast<int>(line.size()) ? line[pos.Col] : '\n';
}

} // namespace

TTextPos TTextDocument::NextWord(TTextPos pos) const {
    pos = Clamp(pos);
    const TTextPos end = End();
    while (pos < end && IsWordChar(CharAt(*this, pos)))
        pos = Next(pos);
    while (pos < end && !IsWordChar(CharAt(*this, pos)))
        pos = Next(pos);
    return pos;
}

TTextPos TTextDocument::PrevWord(TTextPos pos) const {
    pos = Clamp(pos);
    while (pos > TTextPos{} && !IsWordChar(CharAt(*this, Prev(pos))))
        pos = Prev(pos);
    while (pos > TTextPos{} && IsWordChar(CharAt(*this, Prev(pos))))
        pos = Prev(pos);
    return pos;
}

std::pair<TTextPos, TTextPos> TTextDocument::WordAt(TTextPos pos) const {
    pos = Clamp(pos);
    const std::string& line = Line(pos.Line);
    int first = pos.Col;
    int last = pos.Col;
    if (last < static_cast<int>(line.size()) && IsWordChar(line[last])) {
        while (first > 0 && IsWordChar(line[first - 1]))
            --first;
        while (last < static_cast<int>(line.size()) && IsWordChar(line[last]))
            ++last;
    } else if (last < static_cast<int>(line.size())) {
        last = Next(pos).Col;
    }
    return {{pos.Line, first}, {pos.Line, last}};
}
