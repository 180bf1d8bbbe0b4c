#pragma once
// A device context: the pixels a canvas draws on, the tools selected into it, and the raster
// operations that every drawing call of the framework comes down to.

#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/Types.h"
#include "framework/platform/FontEngine.h"
#include "framework/platform/PixelBuffer.h"

#include <climits>
#include <cstdint>
#include <string_view>

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Coordinates given to the operations are logical (a control's client coordinates); Origin maps
// them to the target. Nothing outside Clip changes. Colours are already resolved (no system
// colours).
struct TDeviceContext {
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

    // Points the context at a target; clip is intersected with the target's bounds.
    void SetTarget(platform::PixelBuffer* target, TPoint origin, const TRect& clip);

    // Single pixels, logical coordinates; reading outside Clip gives clInvalid.
    TColor GetPixel(int x, int y) const {
        const std::int64_t tx = std::int64_t{x} + Origin.x;
        const std::int64_t ty = std::int64_t{y} + Origin.y;
        if (tx < Clip.Left || tx >= Clip.Right || ty < Clip.Top || ty >= Clip.Bottom)
            return clInvalid;
        return PixelToColor(Target->Row(static_cast<int>(ty))[tx]);
    }
    void SetPixel(int x, int y, TColor rgb) {
        const std::int64_t tx = std::int64_t{x} + Origin.x;
        const std::int64_t ty = std::int64_t{y} + Origin.y;
        if (tx < Clip.Left || tx >= Clip.Right || ty < Clip.Top || ty >= Clip.Bottom)
            return;
        Target->Row(static_cast<int>(ty))[tx] = ColorToPixel(rgb);
        TouchPixel(static_cast<int>(tx), static_cast<int>(ty));
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
    void TouchPixel(int tx, int ty) {
        if (tx < FDirtyLeft)
            FDirtyLeft = tx;
        if (tx >= FDirtyRight)
            FDirtyRight = tx + 1;
        if (ty < FDirtyTop)
            FDirtyTop = ty;
        if (ty >= FDirtyBottom)
            FDirtyBottom = ty + 1;
    }

private:
    int FDirtyLeft = INT_MAX;
    int FDirtyTop = INT_MAX;
    int FDirtyRight = INT_MIN;
    int FDirtyBottom = INT_MIN;
};
