#pragma once
// A device context: the pixels a canvas draws on, the tools selected into it, and the raster
// operations that every drawing call of the framework comes down to.

#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/Types.h"
#include "framework/platform/FontEngine.h"
#include "framework/platform/PixelBuffer.h"

#include <cstdint>
#include <string_view>

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Coordinates given to the operations are logical (a control's client coordinates); Origin maps
// them to the target. Nothing outside Clip changes. Colours are already resolved (no system
// colours).
struct TDeviceContext {
    // Read-only: SetTarget and SetClip change them.
    platform::PixelBuffer* Target = nullptr;
    TPoint Origin;
    TRect Clip; // target coordinates, always inside the target

    platform::FontSpec Font;
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    int BkMode = OPAQUE;
    TColor PenColor = clBlack;
    int PenWidth = 1;
    TPenStyle PenStyle = psSolid;
    TPenMode PenMode = pmCopy;
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
    TPoint PenPos; // the current position, logical

    // Points the context at a target; clip is intersected with the target's bounds. Needed
    // again whenever the target is resized.
    void SetTarget(platform::PixelBuffer* target, TPoint origin, const TRect& clip);
    // Target coordinates; intersected with the target's bounds.
    void SetClip(const TRect& clip);

    // Single pixels, logical coordinates; reading outside Clip gives clInvalid. These run in
    // tight loops over whole images, so they touch only 64-bit copies of the geometry (which a
    // 32-bit pixel or flag store cannot alias, so the compiler keeps them in registers), and a
    // write only raises a flag: the whole clip then counts as dirty.
    TColor GetPixel(int x, int y) const {
        const std::int64_t index = y * FStride + x + FBase;
        std::uint32_t* const bits = FPixels->Pixels.data();
        if (Outside(x, y))
            return clInvalid;
        return PixelToColor(bits[index]);
    }
    void SetPixel(int x, int y, TColor rgb) {
        const std::int64_t index = y * FStride + x + FBase;
        std::uint32_t* const bits = FPixels->Pixels.data();
        if (Outside(x, y))
            return;
        bits[index] = ColorToPixel(rgb);
        FPixelsWritten = 1;
    }

    // The target rectangle changed since the last call; empty when nothing was drawn.
    TRect TakeDirty();

    // A logical rectangle in target coordinates, cut to Clip.
    TRect ToTarget(const TRect& logical) const;

    void FillSolid(const TRect& r, TColor rgb);
    // The selected brush; a clear brush fills nothing.
    void FillBrush(const TRect& r);
    // A pen-wide line in the pen's style and mode; the end point is left out.
    void Line(TPoint from, TPoint to);
    // The pen outline on the cells (l..r-1, t..b-1) and the brush inside it.
    void Rectangle(const TRect& r);
    // Every other pixel of the outline of r XORed: with the background colour where x + y is
    // even, with the text colour where it is odd. Drawing it twice restores the pixels.
    void FocusRect(const TRect& r);

    platform::FontMetrics FontMetrics() const;
    int TextWidth(std::string_view text) const;
    // Text with the top left of its cell at (x, y), on a background in BkColor when BkMode is
    // OPAQUE; clip, if given, is a logical rectangle the text stays inside.
    void Text(int x, int y, std::string_view text, const TRect* clip);
    // The underline of a mnemonic character: width pixels from x, in the text colour, under the
    // baseline of a cell whose top is y.
    void MnemonicUnderline(int x, int y, int width, const TRect* clip);

    // Copies pixels of src onto dest (logical); source is src's top left pixel and srcClip
    // the part of src that may be read, both in src's coordinates. src may be this context's
    // own target: overlap is handled. rop is a Win32 raster operation (SRCCOPY and the other
    // common ones; those that take no source ignore src).
    void Blit(const TRect& dest, const platform::PixelBuffer& src, const TRect& srcClip,
              TPoint source, unsigned rop);
    // Scales source (src's coordinates) onto dest, nearest pixel; nothing for empty sizes.
    void StretchBlit(const TRect& dest, const platform::PixelBuffer& src, const TRect& srcClip,
                     const TRect& source, unsigned rop);
    // Copies like Blit with SRCCOPY but leaves out the source pixels of colour transparent.
    void TransparentBlit(const TRect& dest, const platform::PixelBuffer& src, const TRect& srcClip,
                         TPoint source, TColor transparent);

    void Touch(const TRect& targetRect);
    void TouchPixel(int tx, int ty) { Touch(TRect{tx, ty, tx + 1, ty + 1}); }

private:
    // One unsigned comparison per axis, without branches between them.
    bool Outside(int x, int y) const {
        return (static_cast<std::uint64_t>(x - FLeft) >= FClipWidth) |
               (static_cast<std::uint64_t>(y - FTop) >= FClipHeight);
    }
    void FoldPixelWrites();

    // Target, or an empty buffer when there is none, so that it can always be read.
    platform::PixelBuffer* FPixels = &NoPixels;
    static platform::PixelBuffer NoPixels;
    // Clip in logical coordinates, the row length and the index of logical (0, 0).
    std::int64_t FLeft = 0, FTop = 0;
    std::uint64_t FClipWidth = 0, FClipHeight = 0;
    std::int64_t FStride = 0, FBase = 0;
    std::int32_t FPixelsWritten = 0;
    // Bounds of the target pixels changed since TakeDirty.
    std::int64_t FDirtyLeft = INT64_MAX, FDirtyTop = INT64_MAX;
    std::int64_t FDirtyRight = INT64_MIN, FDirtyBottom = INT64_MIN;
};
