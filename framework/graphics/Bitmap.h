#pragma once
// Pictures: TGraphic, the kind of image a picture holds, and TBitmap, 32-bit pixels in memory.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/graphics/Types.h"
#include "framework/platform/PixelBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

class TCanvas;

// How much of a file LoadFromFile reads before the rest, for CheckFileStart.
inline constexpr std::size_t GraphicFileStartBytes = 256;

class TGraphic : public TPersistent {
    FRAMEWORK_CLASS(TGraphic)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Empty() const = 0;

    // Raises EFOpenError when the file cannot be read or is no regular file, then loads as
    // LoadFromStream.
    void LoadFromFile(const std::string& path);
    // Raises EInvalidGraphic for data it cannot read; the graphic is then left as it was.
    virtual void LoadFromStream(std::span<const std::uint8_t> data) = 0;

    // Draws the graphic onto rect of canvas, scaled to it.
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    TNotifyEvent OnChange;

protected:
    void Changed();
    // Raises EInvalidGraphic when the start of a file (its first GraphicFileStartBytes, or all
    // of a shorter file) already shows that the graphic cannot read it; the rest is not read.
    virtual void CheckFileStart(std::span<const std::uint8_t> start, std::uint64_t fileSize) const;

private:
    bool FTransparent = false;
};

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
    FRAMEWORK_CLASS(TBitmap)
public:
    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override { return FPixels.Width; }
    int Height() const override { return FPixels.Height; }
    // Resizing keeps the overlapping pixels; new ones are white. Negative sizes count as 0; a
    // size beyond the pixel budget (WithinPixelBudget) raises EOutOfResources.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetSize(int width, int height);
    bool Empty() const override { return FPixels.Width == 0 || FPixels.Height == 0; }

    // Draws into the bitmap's own pixels; its changes fire the bitmap's OnChange.
    TCanvas* Canvas() const { return FCanvas.get(); }
    // Row y, 0xAARRGGBB words from the left; raises EInvalidGraphic for a row outside.
    std::uint32_t* ScanLine(int y);
    const std::uint32_t* ScanLine(int y) const;
    const platform::PixelBuffer& Pixels() const { return FPixels; }
    // Takes over a block of pixels (a decoded image) as the bitmap's content.
    void SetPixels(platform::PixelBuffer pixels);

    // A deep copy of another bitmap: pixels, transparency; EConvertError for other sources.
    void Assign(const TPersistent* source) override;
    void LoadFromStream(std::span<const std::uint8_t> data) override;
    void Draw(TCanvas& canvas, const TRect& rect) const override;

    // The colour left out when the bitmap is drawn transparent: in tmAuto the bottom-left
    // pixel (clNone for an empty bitmap), in tmFixed the colour set.
    TColor TransparentColor() const;
    // Switches to tmFixed.
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode);

protected:
    void CheckFileStart(std::span<const std::uint8_t> start, std::uint64_t fileSize) const override;

private:
    void CanvasChanged(TObject*) { Changed(); }
    void RetargetCanvas();

    platform::PixelBuffer FPixels;
    std::unique_ptr<TCanvas> FCanvas;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clNone;
};
