#include "framework/graphics/Win32Gdi.h"

#include "framework/core/Saturate.h"
#include "framework/graphics/TextLayout.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <utility>

namespace {

std::string_view TextOf(const char* text, int count) {
    if (!text)
        return {};
    return count < 0 ? std::string_view(text)
                     : std::string_view(text, static_cast<std::size_t>(count));
}

// x, y, width, height as a rectangle, kept inside the int range.
TRect SizedRect(int x, int y, int width, int height) {
    return {x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)};
}

// Where a line of the given width starts under the horizontal format flags.
int LineLeft(const TRect& rect, int width, unsigned format) {
    if (format & DT_CENTER)
        return Saturate(rect.Left + (std::int64_t{rect.Right} - rect.Left - width) / 2);
    if (format & DT_RIGHT)
        return Saturate(std::int64_t{rect.Right} - width);
    return rect.Left;
}

void DrawMnemonics(HDC dc, const TTextLine& line, int x, int y, const TRect* clip) {
    for (std::size_t offset : line.Mnemonic) {
        const std::string_view text = line.Text;
        const std::size_t length = std::min(
            Utf8SequenceLength(static_cast<unsigned char>(text[offset])), text.size() - offset);
        dc->MnemonicUnderline(x + dc->TextWidth(text.substr(0, offset)), y,
                              dc->TextWidth(text.substr(offset, length)), clip);
    }
}

} // namespace

int DrawTextA(HDC dc, const char* text, int count, TRect* rect, unsigned format) {
    if (!dc || !rect)
        return 0;
    const int lineHeight = dc->FontMetrics().Height();
    TTextLayoutOptions options;
    options.SingleLine = (format & DT_SINGLELINE) != 0;
    options.Prefix = (format & DT_NOPREFIX) == 0;
    options.WordBreak = (format & DT_WORDBREAK) != 0 && !options.SingleLine;
    options.WrapWidth = Saturate(std::int64_t{rect->Right} - rect->Left);
    const auto lines = LayoutTextLines(TextOf(text, count), options,
                                       [dc](std::string_view s) { return dc->TextWidth(s); });
    if (lines.empty()) {
        if (format & DT_CALCRECT) {
            rect->Right = rect->Left;
            rect->Bottom =
                Saturate(std::int64_t{rect->Top} + (options.SingleLine ? lineHeight : 0));
        }
        return lineHeight;
    }

    std::int64_t top = rect->Top;
    if (options.SingleLine && (format & DT_VCENTER))
        top = rect->Top + (std::int64_t{rect->Bottom} - rect->Top - lineHeight) / 2;
    else if (options.SingleLine && (format & DT_BOTTOM))
        top = std::int64_t{rect->Bottom} - lineHeight;
    const std::int64_t bottom = top + static_cast<std::int64_t>(lines.size()) * lineHeight;
    const int height = Saturate(bottom - rect->Top);

    if (format & DT_CALCRECT) {
        int width = 0;
        for (const auto& line : lines)
            width = std::max(width, line.Width);
        rect->Right = Saturate(std::int64_t{rect->Left} + width);
        rect->Bottom = Saturate(bottom);
        return height;
    }
    const TRect* clip = (format & DT_NOCLIP) ? nullptr : rect;
    std::int64_t y = top;
    for (const auto& line : lines) {
        const int x = LineLeft(*rect, line.Width, format);
        dc->Text(x, Saturate(y), line.Text, clip);
        DrawMnemonics(dc, line, x, Saturate(y), clip);
        y += lineHeight;
    }
    return height;
}

BOOL ExtTextOutA(HDC dc, int x, int y, unsigned options, const TRect* rect, const char* text,
                 int count, const int* dx) {
    if (!dc)
        return 0;
    if ((options & ETO_OPAQUE) && rect)
        dc->FillSolid(*rect, dc->BkColor);
    const TRect* clip = (options & ETO_CLIPPED) ? rect : nullptr;
    const std::string_view s = TextOf(text, count);
    if (!dx) {
        dc->Text(x, y, s, clip);
        return 1;
    }
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length =
            std::min(Utf8SequenceLength(static_cast<unsigned char>(s[i])), s.size() - i);
        dc->Text(x, y, s.substr(i, length), clip);
        for (std::size_t k = 0; k < length; ++k)
            x += dx[i + k];
        i += length;
    }
    return 1;
}

BOOL DrawFocusRect(HDC dc, const TRect* rect) {
    if (!dc || !rect)
        return 0;
    dc->FocusRect(*rect);
    return 1;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, unsigned rop) {
    if (!dest || !dest->Target)
        return 0;
    const TRect to = SizedRect(x, y, width, height);
    if (!src || !src->Target) {
        if (rop != DSTINVERT && rop != PATCOPY && rop != BLACKNESS && rop != WHITENESS)
            return 0;
        dest->Blit(to, *dest->Target, dest->Clip, {}, rop);
        return 1;
    }
    dest->Blit(
        to, *src->Target, src->Clip,
        {Saturate(std::int64_t{sx} + src->Origin.x), Saturate(std::int64_t{sy} + src->Origin.y)},
        rop);
    return 1;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, int sw,
                int sh, unsigned rop) {
    if (!dest || !dest->Target || !src || !src->Target)
        return 0;
    const TRect source = SizedRect(Saturate(std::int64_t{sx} + src->Origin.x),
                                   Saturate(std::int64_t{sy} + src->Origin.y), sw, sh);
    dest->StretchBlit(SizedRect(x, y, width, height), *src->Target, src->Clip, source, rop);
    return 1;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, TSize* size) {
    if (!dc || !size)
        return 0;
    size->cx = dc->TextWidth(TextOf(text, count));
    size->cy = dc->FontMetrics().Height();
    return 1;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    if (!dc)
        return clInvalid;
    return std::exchange(dc->TextColor, ColorToRGB(color));
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    if (!dc)
        return clInvalid;
    return std::exchange(dc->BkColor, ColorToRGB(color));
}

int SetBkMode(HDC dc, int mode) {
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    return std::exchange(dc->BkMode, mode);
}

COLORREF GetTextColor(HDC dc) {
    return dc ? dc->TextColor : clInvalid;
}
COLORREF GetBkColor(HDC dc) {
    return dc ? dc->BkColor : clInvalid;
}
int GetBkMode(HDC dc) {
    return dc ? dc->BkMode : 0;
}
