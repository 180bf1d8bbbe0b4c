#pragma once
// TCanvas: a drawing surface with a pen, a brush and a font, over a block of pixels.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/graphics/Types.h"
#include "framework/graphics/Win32Gdi.h"
#include "framework/platform/PixelBuffer.h"

#include <memory>
#include <span>
#include <string>

class TGraphic;
class TBitmap;

// Coordinates are logical: a control's client coordinates, which SetTarget maps onto the pixels.
// Fills cover columns left..right-1 and rows top..bottom-1; a one-pixel outline rectangle
// outlines the same cells; a line leaves out its end point. Nothing outside the clip changes.
class TCanvas : public TPersistent {
    FRAMEWORK_CLASS(TCanvas)
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    TFont* Font() const { return FFont.get(); }
    // Each copies every attribute of the given tool into the canvas's own.
    void SetPen(const TPen* pen);
    void SetBrush(const TBrush* brush);
    void SetFont(const TFont* font);

    // origin: where logical (0, 0) lies in buffer; clip: buffer coordinates. A null buffer
    // leaves the canvas drawing nothing. The tools are selected again on the next use. The
    // canvas keeps the buffer's geometry: call again after the buffer is resized.
    void SetTarget(platform::PixelBuffer* buffer, TPoint origin, TRect clip);
    platform::PixelBuffer* Target() const { return FDC.Target; }
    TPoint Origin() const { return FDC.Origin; }

    // The rectangle drawing reaches, logical.
    TRect ClipRect() const;
    // Limits drawing to rect (logical), within what the target allows; replaces an earlier limit.
    void SetClipRect(const TRect& rect);
    // Limits drawing further to rect (logical).
    void IntersectClipRect(const TRect& rect);
    // Drops the limit: drawing reaches all the target allows.
    void ResetClipRect();

    // clInvalid outside the target or the clip.
    TColor Pixels(int x, int y) const { return FDC.GetPixel(x, y); }
    // Ignored outside; a system colour is resolved. Built for loops over whole images: it marks
    // the whole clip dirty rather than the pixel, and unlike every other drawing operation it
    // does not fire OnChange (call Changed after a batch).
    void SetPixel(int x, int y, TColor color) {
        FDC.SetPixel(x, y, IsSystemColor(color) ? ColorToRGB(color) : color);
    }

    void FillRect(const TRect& rect);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return FDC.PenPos; }
    void SetPenPos(TPoint pos) { FDC.PenPos = pos; }
    // Lines through the points; the last point is left out.
    void Polyline(std::span<const TPoint> points);
    // The dotted XOR focus frame (see DrawFocusRect).
    void DrawFocusRect(const TRect& rect);

    // A graphic unscaled with its top left at (x, y); a transparent bitmap leaves out its
    // transparent colour.
    void Draw(int x, int y, const TGraphic* graphic);
    void StretchDraw(const TRect& rect, const TGraphic* graphic);
    // Part of a bitmap, unscaled, leaving out the pixels of one colour (glyphs).
    void DrawTransparent(int x, int y, const TBitmap* bitmap, const TRect& source,
                         TColor transparent);
    // Scales source of another canvas (or this one) onto dest.
    void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);

    // Text with the top left of its cell at (x, y), on the brush colour unless the brush is
    // clear; the pen moves to the end of the text.
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) cut to rect; a solid brush fills the rest of rect.
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    // The font's cell height.
    int TextHeight(const std::string& text);
    TSize TextExtent(const std::string& text);

    // The device context for Win32 calls. Reading it selects the canvas's font, pen and brush
    // into it where they changed since the last time: the text colour becomes the font colour;
    // a solid brush sets the background colour and OPAQUE, a clear brush TRANSPARENT.
    HDC Handle();

    // The buffer rectangle drawn on since the last call; empty when nothing was.
    TRect TakeDirty() { return FDC.TakeDirty(); }

    // Fired after each drawing operation but SetPixel.
    TNotifyEvent OnChange;
    void Changed();

private:
    enum : unsigned { PenValid = 1, BrushValid = 2, FontValid = 4 };
    void Require(unsigned state);
    void ApplyClip();
    void PenChanged(TObject*) { FState &= ~PenValid; }
    void BrushChanged(TObject*) { FState &= ~BrushValid; }
    void FontChanged(TObject*) { FState &= ~FontValid; }

    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TFont> FFont;
    TDeviceContext FDC;
    TRect FTargetClip; // buffer coordinates, from SetTarget
    TRect FUserClip;   // logical, when FHasUserClip
    bool FHasUserClip = false;
    unsigned FState = 0;
};
