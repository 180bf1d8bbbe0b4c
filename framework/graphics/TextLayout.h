#pragma once
// Breaking a caption into lines and resolving its '&' prefixes, as DrawTextA lays text out.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TTextLine {
    std::string Text;                  // what is drawn: prefix characters removed
    std::vector<std::size_t> Mnemonic; // byte offsets in Text of the characters to underline
    int Width = 0;
};

struct TTextLayoutOptions {
    bool SingleLine = false; // line breaks do not break (and are not drawn)
    bool Prefix = true;      // '&' marks a mnemonic
    bool WordBreak = false;  // also break between words where a line passes WrapWidth
    int WrapWidth = 0;
};

using TMeasureText = std::function<int(std::string_view)>;

// The lines of text; an empty text has no lines. A break at the very end starts no new line.
std::vector<TTextLine> LayoutTextLines(std::string_view text, const TTextLayoutOptions& options,
                                       const TMeasureText& measure);

// The width in bytes of the UTF-8 sequence that starts with lead (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char lead);
