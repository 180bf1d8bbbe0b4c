// The raster operations of a device context. Sections: target and dirty bounds; raster
// operation codes; fills; lines; rectangles; text; block copies.

#include "framework/graphics/DeviceContext.h"

#include "framework/core/Saturate.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Win32Gdi.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr std::uint32_t Opaque = 0xFF000000u;
constexpr std::uint32_t RgbMask = 0x00FFFFFFu;

} // namespace

// ---- target and dirty bounds ----

platform::PixelBuffer TDeviceContext::NoPixels;

void TDeviceContext::SetTarget(platform::PixelBuffer* target, TPoint origin, const TRect& clip) {
    FoldPixelWrites();
    Target = target;
    FPixels = target ? target : &NoPixels;
    Origin = origin;
    FStride = target ? target->Width : 0;
    FBase = std::int64_t{origin.y} * FStride + origin.x;
    SetClip(clip);
}

void TDeviceContext::SetClip(const TRect& clip) {
    FoldPixelWrites();
    Clip = Target ? IntersectRect(clip, TRect{0, 0, Target->Width, Target->Height}) : TRect{};
    FLeft = std::int64_t{Clip.Left} - Origin.x;
    FTop = std::int64_t{Clip.Top} - Origin.y;
    FClipWidth = static_cast<std::uint64_t>(Clip.Width());
    FClipHeight = static_cast<std::uint64_t>(Clip.Height());
}

// Single pixels may have been written anywhere inside the clip they were written under.
void TDeviceContext::FoldPixelWrites() {
    if (!FPixelsWritten)
        return;
    FPixelsWritten = 0;
    Touch(Clip);
}

TRect TDeviceContext::TakeDirty() {
    FoldPixelWrites();
    TRect dirty{};
    if (FDirtyLeft < FDirtyRight && FDirtyTop < FDirtyBottom)
        dirty = {static_cast<int>(FDirtyLeft), static_cast<int>(FDirtyTop),
                 static_cast<int>(FDirtyRight), static_cast<int>(FDirtyBottom)};
    FDirtyLeft = FDirtyTop = INT64_MAX;
    FDirtyRight = FDirtyBottom = INT64_MIN;
    return dirty;
}

void TDeviceContext::Touch(const TRect& r) {
    if (r.IsEmpty())
        return;
    FDirtyLeft = std::min<std::int64_t>(FDirtyLeft, r.Left);
    FDirtyTop = std::min<std::int64_t>(FDirtyTop, r.Top);
    FDirtyRight = std::max<std::int64_t>(FDirtyRight, r.Right);
    FDirtyBottom = std::max<std::int64_t>(FDirtyBottom, r.Bottom);
}

TRect TDeviceContext::ToTarget(const TRect& r) const {
    const TRect t{Saturate(std::int64_t{r.Left} + Origin.x, Clip.Left, Clip.Right),
                  Saturate(std::int64_t{r.Top} + Origin.y, Clip.Top, Clip.Bottom),
                  Saturate(std::int64_t{r.Right} + Origin.x, Clip.Left, Clip.Right),
                  Saturate(std::int64_t{r.Bottom} + Origin.y, Clip.Top, Clip.Bottom)};
    return t.IsEmpty() ? TRect{} : t;
}

// ---- raster operation codes ----

namespace {

// The Win32 binary raster code (R2_*) of each pen mode; its value minus one is the truth table
// of the operation, bit (pen * 2 + pixel).
constexpr std::array<int, 16> Rop2Codes = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};

std::uint32_t ApplyRop2(TPenMode mode, std::uint32_t pen, std::uint32_t pixel) {
    const unsigned table = static_cast<unsigned>(Rop2Codes[static_cast<std::size_t>(mode)] - 1);
    std::uint32_t result = 0;
    if (table & 1u)
        result |= ~pen & ~pixel;
    if (table & 2u)
        result |= ~pen & pixel;
    if (table & 4u)
        result |= pen & ~pixel;
    if (table & 8u)
        result |= pen & pixel;
    return Opaque | (result & RgbMask);
}

bool RopUsesSource(unsigned rop) {
    return rop != DSTINVERT && rop != PATCOPY && rop != BLACKNESS && rop != WHITENESS;
}

std::uint32_t ApplyRop3(unsigned rop, std::uint32_t src, std::uint32_t dst, std::uint32_t brush) {
    switch (rop) {
    case SRCCOPY:
        return src;
    case SRCPAINT:
        return Opaque | ((src | dst) & RgbMask);
    case SRCAND:
        return Opaque | ((src & dst) & RgbMask);
    case SRCINVERT:
        return Opaque | ((src ^ dst) & RgbMask);
    case NOTSRCCOPY:
        return Opaque | (~src & RgbMask);
    case DSTINVERT:
        return Opaque | (~dst & RgbMask);
    case PATCOPY:
        return brush;
    case BLACKNESS:
        return Opaque;
    case WHITENESS:
        return 0xFFFFFFFFu;
    default:
        return dst;
    }
}

} // namespace

// ---- fills ----

void TDeviceContext::FillSolid(const TRect& r, TColor rgb) {
    const TRect t = ToTarget(r);
    if (t.IsEmpty())
        return;
    const std::uint32_t pixel = ColorToPixel(rgb);
    for (int y = t.Top; y < t.Bottom; ++y)
        std::fill(Target->Row(y) + t.Left, Target->Row(y) + t.Right, pixel);
    Touch(t);
}

void TDeviceContext::FillBrush(const TRect& r) {
    if (BrushStyle == bsClear)
        return;
    FillSolid(r, BrushColor);
}

// ---- lines ----

namespace {

// Dash patterns of one-pixel pens: on, off, on, off... pixel counts.
std::span<const int> DashPattern(TPenStyle style) {
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 6, 3, 6};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash:
        return dash;
    case psDot:
        return dot;
    case psDashDot:
        return dashDot;
    case psDashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

bool DashOn(std::span<const int> pattern, std::int64_t step) {
    int period = 0;
    for (int n : pattern)
        period += n;
    auto pos = static_cast<int>(step % period);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pos < pattern[i])
            return i % 2 == 0;
        pos -= pattern[i];
    }
    return false;
}

// The pixels of a line from a to b without b, step by step along the longer axis; point(i) is
// the i-th pixel. Steps outside [first, last) are skipped without being visited, so a line far
// longer than the target costs no more than its visible part.
struct TLineWalk {
    std::int64_t x0, y0, dx, dy, steps;
    bool xMajor;
    TLineWalk(TPoint a, TPoint b)
        : x0(a.x), y0(a.y), dx(std::int64_t{b.x} - a.x), dy(std::int64_t{b.y} - a.y),
          steps(std::max(std::llabs(dx), std::llabs(dy))),
          xMajor(std::llabs(dx) >= std::llabs(dy)) {}

    // i * minor / major rounded half up; the product of two 33-bit spans needs 128 bits.
    static std::int64_t Minor(std::int64_t i, std::int64_t major, std::int64_t minor) {
        __extension__ using Wide = __int128;
        const Wide num = Wide{2} * i * std::llabs(minor) + std::llabs(major);
        const auto v = static_cast<std::int64_t>(num / (Wide{2} * std::llabs(major)));
        return minor < 0 ? -v : v;
    }
    std::int64_t X(std::int64_t i) const {
        return xMajor ? x0 + (dx < 0 ? -i : i) : x0 + Minor(i, dy, dx);
    }
    std::int64_t Y(std::int64_t i) const {
        return xMajor ? y0 + Minor(i, dx, dy) : y0 + (dy < 0 ? -i : i);
    }
    // The steps whose major coordinate lies in [lo, hi).
    void StepsWithin(std::int64_t lo, std::int64_t hi, std::int64_t& first,
                     std::int64_t& last) const {
        const std::int64_t start = xMajor ? x0 : y0;
        const std::int64_t delta = xMajor ? dx : dy;
        if (delta >= 0) {
            first = std::max<std::int64_t>(0, lo - start);
            last = std::min(steps, hi - start);
        } else {
            first = std::max<std::int64_t>(0, start - (hi - 1));
            last = std::min(steps, start - lo + 1);
        }
    }
};

// A square pen of the given width at every step from first to last, gathered into a mask first
// so that overlapping squares change a pixel once whatever the pen mode.
void StrokeWide(TDeviceContext& dc, const TLineWalk& walk, std::int64_t first, std::int64_t last) {
    const int before = (dc.PenWidth - 1) / 2;
    const int after = dc.PenWidth / 2;
    const auto near = [](std::int64_t v) {
        return Saturate(v, INT_MIN / 2, INT_MAX / 2);
    };
    const TRect box =
        dc.ToTarget(TRect{near(std::min(walk.X(first), walk.X(last - 1)) - before),
                          near(std::min(walk.Y(first), walk.Y(last - 1)) - before),
                          near(std::max(walk.X(first), walk.X(last - 1)) + after + 1),
                          near(std::max(walk.Y(first), walk.Y(last - 1)) + after + 1)});
    if (box.IsEmpty())
        return;
    const auto at = [&](int x, int y) {
        return static_cast<std::size_t>(y - box.Top) * static_cast<std::size_t>(box.Width()) +
               static_cast<std::size_t>(x - box.Left);
    };
    std::vector<std::uint8_t> mask(at(box.Left, box.Bottom));
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t x = walk.X(i) + dc.Origin.x;
        const std::int64_t y = walk.Y(i) + dc.Origin.y;
        const TRect square = IntersectRect(box, TRect{near(x - before), near(y - before),
                                                      near(x + after + 1), near(y + after + 1)});
        for (int row = square.Top; row < square.Bottom; ++row)
            std::fill_n(mask.begin() + static_cast<std::ptrdiff_t>(at(square.Left, row)),
                        square.Width(), std::uint8_t{1});
    }
    const std::uint32_t pen = ColorToPixel(dc.PenColor);
    for (int y = box.Top; y < box.Bottom; ++y) {
        std::uint32_t* row = dc.Target->Row(y);
        for (int x = box.Left; x < box.Right; ++x)
            if (mask[at(x, y)])
                row[x] = ApplyRop2(dc.PenMode, pen, row[x]);
    }
    dc.Touch(box);
}

} // namespace

void TDeviceContext::Line(TPoint from, TPoint to) {
    if (!Target || PenStyle == psClear || Clip.IsEmpty())
        return;
    const TLineWalk walk(from, to);
    // The steps whose pen can reach the clip.
    const int reach = PenWidth > 1 ? PenWidth / 2 + 1 : 0;
    const std::int64_t lo =
        (walk.xMajor ? std::int64_t{Clip.Left} - Origin.x : std::int64_t{Clip.Top} - Origin.y) -
        reach;
    const std::int64_t hi =
        (walk.xMajor ? std::int64_t{Clip.Right} - Origin.x : std::int64_t{Clip.Bottom} - Origin.y) +
        reach;
    std::int64_t first = 0, last = 0;
    walk.StepsWithin(lo, hi, first, last);
    if (first >= last)
        return;
    if (PenWidth > 1) {
        StrokeWide(*this, walk, first, last);
        return;
    }

    const auto pattern = DashPattern(PenStyle);
    const std::uint32_t pen = ColorToPixel(PenColor);
    const std::uint32_t gap = ColorToPixel(BkColor);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t tx = walk.X(i) + Origin.x;
        const std::int64_t ty = walk.Y(i) + Origin.y;
        if (tx < Clip.Left || tx >= Clip.Right || ty < Clip.Top || ty >= Clip.Bottom)
            continue;
        std::uint32_t& pixel = Target->Row(static_cast<int>(ty))[tx];
        if (pattern.empty() || DashOn(pattern, i))
            pixel = ApplyRop2(PenMode, pen, pixel);
        else if (BkMode == OPAQUE)
            pixel = gap;
        else
            continue;
        TouchPixel(static_cast<int>(tx), static_cast<int>(ty));
    }
}

// ---- rectangles ----

void TDeviceContext::Rectangle(const TRect& rect) {
    TRect r{std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom),
            std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom)};
    if (r.IsEmpty())
        return;
    if (PenStyle == psClear) {
        // Without an outline the filled area is one pixel smaller, as on Windows.
        FillBrush(TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1});
        return;
    }
    FillBrush(TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
    const int right = r.Right - 1;
    const int bottom = r.Bottom - 1;
    const bool oneColumn = std::int64_t{r.Right} - r.Left == 1;
    const bool oneRow = std::int64_t{r.Bottom} - r.Top == 1;
    if (oneColumn || oneRow) {
        Line({r.Left, r.Top}, {right + (oneRow ? 1 : 0), bottom + (oneColumn ? 1 : 0)});
        return;
    }
    Line({r.Left, r.Top}, {right, r.Top});
    Line({right, r.Top}, {right, bottom});
    Line({right, bottom}, {r.Left, bottom});
    Line({r.Left, bottom}, {r.Left, r.Top});
}

void TDeviceContext::FocusRect(const TRect& r) {
    if (r.IsEmpty() || !Target)
        return;
    const std::uint32_t even = ColorToPixel(BkColor) & RgbMask;
    const std::uint32_t odd = ColorToPixel(TextColor) & RgbMask;
    auto invert = [&](int x, int y) {
        const std::int64_t tx = std::int64_t{x} + Origin.x;
        const std::int64_t ty = std::int64_t{y} + Origin.y;
        if (tx < Clip.Left || tx >= Clip.Right || ty < Clip.Top || ty >= Clip.Bottom)
            return;
        std::uint32_t& pixel = Target->Row(static_cast<int>(ty))[tx];
        pixel = Opaque | ((pixel ^ ((std::int64_t{x} + y) % 2 == 0 ? even : odd)) & RgbMask);
    };
    const TRect visible = ToTarget(r);
    if (visible.IsEmpty())
        return;
    // Only the visible stretch of each edge is walked.
    const int x0 = std::max(r.Left, visible.Left - Origin.x);
    const int x1 = std::min(r.Right, visible.Right - Origin.x);
    const int y0 = std::max(r.Top + 1, visible.Top - Origin.y);
    const int y1 = std::min(r.Bottom - 1, visible.Bottom - Origin.y);
    for (int x = x0; x < x1; ++x) {
        invert(x, r.Top);
        if (r.Bottom - 1 > r.Top)
            invert(x, r.Bottom - 1);
    }
    for (int y = y0; y < y1; ++y) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left)
            invert(r.Right - 1, y);
    }
    Touch(visible);
}

// ---- text ----

platform::FontMetrics TDeviceContext::FontMetrics() const {
    return CurrentFontEngine().Metrics(Font);
}

int TDeviceContext::TextWidth(std::string_view text) const {
    return text.empty() ? 0 : CurrentFontEngine().TextWidth(Font, text);
}

void TDeviceContext::Text(int x, int y, std::string_view text, const TRect* clip) {
    if (!Target || Clip.IsEmpty())
        return;
    auto& engine = CurrentFontEngine();
    const int width = TextWidth(text);
    const int height = engine.Metrics(Font).Height();
    const TRect cell{x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)};
    if (BkMode == OPAQUE)
        FillSolid(clip ? IntersectRect(cell, *clip) : cell, BkColor);
    if (text.empty())
        return;
    const TRect area = clip ? ToTarget(*clip) : Clip;
    // Glyphs may reach past their advance (italics, overhangs): allow half a cell each side.
    const int overhang = height / 2 + 1;
    const TRect reach{Saturate(std::int64_t{cell.Left} - overhang), cell.Top,
                      SaturatingAdd(cell.Right, overhang), cell.Bottom};
    const TRect touched = IntersectRect(area, ToTarget(reach));
    if (touched.IsEmpty())
        return;
    engine.DrawText(*Target, area, Saturate(std::int64_t{x} + Origin.x, INT_MIN / 2, INT_MAX / 2),
                    Saturate(std::int64_t{y} + Origin.y, INT_MIN / 2, INT_MAX / 2), Font, text,
                    ColorToPixel(TextColor) & RgbMask);
    Touch(touched);
}

void TDeviceContext::MnemonicUnderline(int x, int y, int width, const TRect* clip) {
    const auto metrics = FontMetrics();
    const int row = std::min(metrics.Ascent + 1, metrics.Height() - 1);
    const int top = Saturate(std::int64_t{y} + row, INT_MIN, INT_MAX - 1);
    const TRect line{x, top, SaturatingAdd(x, width), top + 1};
    FillSolid(clip ? IntersectRect(line, *clip) : line, TextColor);
}

// ---- block copies ----

namespace {

// The part of dest (target coordinates) whose source pixels, shifted by (sx, sy), lie in
// srcClip.
TRect Readable(const TRect& dest, const TRect& srcClip, std::int64_t sx, std::int64_t sy) {
    return IntersectRect(dest, TRect{Saturate(srcClip.Left - sx), Saturate(srcClip.Top - sy),
                                     Saturate(srcClip.Right - sx), Saturate(srcClip.Bottom - sy)});
}

// A copy of src when it is the buffer being drawn on, so that reads see the pixels as they
// were before the copy began.
const platform::PixelBuffer& Stable(const platform::PixelBuffer& src,
                                    const platform::PixelBuffer* target,
                                    platform::PixelBuffer& copy) {
    if (&src != target)
        return src;
    copy = src;
    return copy;
}

} // namespace

void TDeviceContext::Blit(const TRect& dest, const platform::PixelBuffer& src, const TRect& srcClip,
                          TPoint source, unsigned rop) {
    TRect t = ToTarget(dest);
    // Offset from a target pixel to its source pixel.
    const std::int64_t sx = std::int64_t{source.x} - (std::int64_t{dest.Left} + Origin.x);
    const std::int64_t sy = std::int64_t{source.y} - (std::int64_t{dest.Top} + Origin.y);
    const bool usesSource = RopUsesSource(rop);
    if (usesSource)
        t = Readable(t, IntersectRect(srcClip, TRect{0, 0, src.Width, src.Height}), sx, sy);
    if (t.IsEmpty())
        return;
    platform::PixelBuffer copy;
    const auto& from = usesSource ? Stable(src, Target, copy) : src;
    const std::uint32_t brush = ColorToPixel(BrushColor);
    for (int y = t.Top; y < t.Bottom; ++y) {
        std::uint32_t* row = Target->Row(y) + t.Left;
        if (!usesSource) {
            for (int x = 0; x < t.Width(); ++x)
                row[x] = ApplyRop3(rop, 0, row[x], brush);
            continue;
        }
        const std::uint32_t* in = from.Row(static_cast<int>(y + sy)) + (t.Left + sx);
        if (rop == SRCCOPY) {
            std::copy(in, in + t.Width(), row);
            continue;
        }
        for (int x = 0; x < t.Width(); ++x)
            row[x] = ApplyRop3(rop, in[x], row[x], brush);
    }
    Touch(t);
}

void TDeviceContext::StretchBlit(const TRect& dest, const platform::PixelBuffer& src,
                                 const TRect& srcClip, const TRect& source, unsigned rop) {
    if (dest.IsEmpty() || source.IsEmpty())
        return;
    const TRect t = ToTarget(dest);
    if (t.IsEmpty())
        return;
    const TRect readable = IntersectRect(srcClip, TRect{0, 0, src.Width, src.Height});
    platform::PixelBuffer copy;
    const auto& from = Stable(src, Target, copy);
    const std::uint32_t brush = ColorToPixel(BrushColor);
    const std::int64_t dw = std::int64_t{dest.Right} - dest.Left;
    const std::int64_t dh = std::int64_t{dest.Bottom} - dest.Top;
    const std::int64_t sw = std::int64_t{source.Right} - source.Left;
    const std::int64_t sh = std::int64_t{source.Bottom} - source.Top;
    const std::int64_t left = std::int64_t{dest.Left} + Origin.x;
    const std::int64_t top = std::int64_t{dest.Top} + Origin.y;
    // Each target pixel takes the source pixel under its centre.
    auto sourceX = [&](int x) {
        return source.Left + ((2 * (x - left) + 1) * sw) / (2 * dw);
    };
    auto sourceY = [&](int y) {
        return source.Top + ((2 * (y - top) + 1) * sh) / (2 * dh);
    };
    for (int y = t.Top; y < t.Bottom; ++y) {
        const std::int64_t v = sourceY(y);
        if (v < readable.Top || v >= readable.Bottom)
            continue;
        const std::uint32_t* in = from.Row(static_cast<int>(v));
        std::uint32_t* row = Target->Row(y);
        for (int x = t.Left; x < t.Right; ++x) {
            const std::int64_t u = sourceX(x);
            if (u >= readable.Left && u < readable.Right)
                row[x] = ApplyRop3(rop, in[u], row[x], brush);
        }
    }
    Touch(t);
}

void TDeviceContext::TransparentBlit(const TRect& dest, const platform::PixelBuffer& src,
                                     const TRect& srcClip, TPoint source, TColor transparent) {
    const std::int64_t sx = std::int64_t{source.x} - (std::int64_t{dest.Left} + Origin.x);
    const std::int64_t sy = std::int64_t{source.y} - (std::int64_t{dest.Top} + Origin.y);
    const TRect t = Readable(ToTarget(dest),
                             IntersectRect(srcClip, TRect{0, 0, src.Width, src.Height}), sx, sy);
    if (t.IsEmpty())
        return;
    platform::PixelBuffer copy;
    const auto& from = Stable(src, Target, copy);
    const std::uint32_t key = ColorToPixel(transparent) & RgbMask;
    for (int y = t.Top; y < t.Bottom; ++y) {
        std::uint32_t* row = Target->Row(y) + t.Left;
        const std::uint32_t* in = from.Row(static_cast<int>(y + sy)) + (t.Left + sx);
        for (int x = 0; x < t.Width(); ++x)
            if ((in[x] & RgbMask) != key)
                row[x] = in[x];
    }
    Touch(t);
}
