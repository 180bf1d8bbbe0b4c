#include "framework/graphics/TextLayout.h"

#include <algorithm>

namespace {

// The text between line breaks: CR, LF and CR LF each end a line.
std::vector<std::string_view> SplitAtBreaks(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::string WithoutBreaks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

// Drops the prefix characters of one line and records the characters they mark.
TTextLine ResolvePrefixes(std::string_view raw, bool prefix) {
    TTextLine line;
    if (!prefix) {
        line.Text = raw;
        return line;
    }
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            line.Text += raw[i];
            continue;
        }
        if (++i >= raw.size())
            break; // a lone '&' at the end draws nothing
        if (raw[i] != '&')
            line.Mnemonic.push_back(line.Text.size());
        line.Text += raw[i];
    }
    return line;
}

std::size_t CodePointAt(std::string_view s, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t len = std::min(Utf8SequenceLength(lead), s.size() - i);
    static constexpr unsigned char leadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    cp = lead & leadMask[len];
    for (std::size_t k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
    return len;
}

// Ideographs, kana and full-width forms may break anywhere, as in Japanese text.
bool BreaksAnywhere(char32_t cp) {
    return cp >= 0x2E80 && cp <= 0xFFEF;
}

// Byte offsets where a line may end: after a run of spaces and around each character that
// breaks anywhere.
std::vector<std::size_t> BreakOpportunities(std::string_view text) {
    std::vector<std::size_t> breaks;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t len = CodePointAt(text, i, cp);
        const std::size_t next = i + len;
        const bool spaceEnds = cp == ' ' && (next >= text.size() || text[next] != ' ');
        if (BreaksAnywhere(cp) && i > 0)
            breaks.push_back(i);
        if (spaceEnds || BreaksAnywhere(cp))
            breaks.push_back(next);
        i = next;
    }
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    if (breaks.empty() || breaks.back() != text.size())
        breaks.push_back(text.size());
    return breaks;
}

std::string_view TrimTrailingSpaces(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

TTextLine Slice(const TTextLine& line, std::size_t from, std::size_t to) {
    TTextLine part;
    part.Text = TrimTrailingSpaces(std::string_view(line.Text).substr(from, to - from));
    for (std::size_t m : line.Mnemonic)
        if (m >= from && m < from + part.Text.size())
            part.Mnemonic.push_back(m - from);
    return part;
}

// Greedy wrapping at the break opportunities; a word wider than the line stays whole.
void Wrap(const TTextLine& line, int width, const TMeasureText& measure,
          std::vector<TTextLine>& out) {
    const auto breaks = BreakOpportunities(line.Text);
    const std::string_view text = line.Text;
    std::size_t start = 0;
    std::size_t lastFit = 0;
    for (std::size_t b : breaks) {
        const auto candidate = TrimTrailingSpaces(text.substr(start, b - start));
        if (measure(candidate) <= width || lastFit == start) {
            lastFit = b;
            continue;
        }
        out.push_back(Slice(line, start, lastFit));
        start = lastFit;
        lastFit = b;
    }
    if (start < text.size() || out.empty())
        out.push_back(Slice(line, start, text.size()));
}

} // namespace

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xC0 && lead <= 0xDF)
        return 2;
    return 1;
}

std::vector<TTextLine> LayoutTextLines(std::string_view text, const TTextLayoutOptions& options,
                                       const TMeasureText& measure) {
    std::vector<TTextLine> lines;
    const auto addLine = [&](std::string_view raw) {
        TTextLine line = ResolvePrefixes(raw, options.Prefix);
        if (options.WordBreak && measure(line.Text) > options.WrapWidth)
            Wrap(line, options.WrapWidth, measure, lines);
        else
            lines.push_back(std::move(line));
    };
    if (options.SingleLine) {
        if (!text.empty())
            addLine(WithoutBreaks(text));
    } else {
        for (std::string_view raw : SplitAtBreaks(text))
            addLine(raw);
    }
    for (auto& line : lines)
        line.Width = measure(line.Text);
    return lines;
}
