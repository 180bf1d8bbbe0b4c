#include "framework/graphics/Bitmap.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Files larger than this are not read into memory: no bitmap within the pixel budget needs it.
constexpr long MaxFileBytes = 1L << 30;

struct TFileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    const auto fail = [&](int error) {
        return EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(error));
    };
    errno = 0;
    std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw fail(errno);
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        throw fail(errno);
    const long size = std::ftell(file.get());
    if (size < 0)
        throw fail(errno);
    if (size > MaxFileBytes)
        throw EInvalidGraphic(msg::InvalidBitmap, "file too large");
    std::rewind(file.get());
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
        std::ferror(file.get()))
        throw fail(errno ? errno : EIO);
    return bytes;
}

void CheckBudget(int width, int height) {
    if (!WithinPixelBudget(width, height))
        throw EOutOfResources("Not enough resources for a bitmap of " + std::to_string(width) +
                              " x " + std::to_string(height) + " pixels");
}

} // namespace

// ---- TGraphic ----

const TClassInfo& TGraphic::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TGraphic>("TGraphic", &TPersistent::StaticClass(), [](auto&) {});
    return info;
}

void TGraphic::LoadFromFile(const std::string& path) {
    LoadFromStream(ReadWholeFile(path));
}

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    Changed();
}

void TGraphic::Changed() {
    OnChange(this);
}

// ---- TBitmap ----

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TBitmap>("TBitmap", &TGraphic::StaticClass(), [](auto&) {});
    return info;
}

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>()) {
    FCanvas->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
    RetargetCanvas();
}

TBitmap::~TBitmap() = default;

void TBitmap::RetargetCanvas() {
    FCanvas->SetTarget(&FPixels, {0, 0}, TRect{0, 0, FPixels.Width, FPixels.Height});
}

void TBitmap::SetWidth(int width) {
    SetSize(width, FPixels.Height);
}
void TBitmap::SetHeight(int height) {
    SetSize(FPixels.Width, height);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FPixels.Width && height == FPixels.Height)
        return;
    CheckBudget(width, height);
    platform::PixelBuffer resized(width, height);
    const int keepWidth = std::min(width, FPixels.Width);
    for (int y = 0; y < std::min(height, FPixels.Height); ++y)
        std::copy_n(FPixels.Row(y), keepWidth, resized.Row(y));
    FPixels = std::move(resized);
    RetargetCanvas();
    Changed();
}

std::uint32_t* TBitmap::ScanLine(int y) {
    return const_cast<std::uint32_t*>(std::as_const(*this).ScanLine(y));
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
    if (y < 0 || y >= FPixels.Height)
        throw EInvalidGraphic("Scan line index out of range", std::to_string(y));
    return FPixels.Row(y);
}

void TBitmap::SetPixels(platform::PixelBuffer pixels) {
    if (pixels.Width < 0 || pixels.Height < 0 ||
        pixels.Pixels.size() !=
            static_cast<std::size_t>(pixels.Width) * static_cast<std::size_t>(pixels.Height))
        throw EInvalidGraphic(msg::InvalidBitmap, "pixel count does not match the size");
    CheckBudget(pixels.Width, pixels.Height);
    FPixels = std::move(pixels);
    RetargetCanvas();
    Changed();
}

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        SetSize(0, 0);
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    FPixels = bitmap->FPixels;
    FTransparentMode = bitmap->FTransparentMode;
    FTransparentColor = bitmap->FTransparentColor;
    RetargetCanvas();
    if (Transparent() != bitmap->Transparent())
        SetTransparent(bitmap->Transparent()); // fires OnChange
    else
        Changed();
}

void TBitmap::LoadFromStream(std::span<const std::uint8_t> data) {
    SetPixels(DecodeBmp(data).Pixels);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    if (Empty())
        return;
    HDC dc = canvas.Handle();
    const TRect all{0, 0, FPixels.Width, FPixels.Height};
    if (std::int64_t{rect.Right} - rect.Left != FPixels.Width ||
        std::int64_t{rect.Bottom} - rect.Top != FPixels.Height)
        dc->StretchBlit(rect, FPixels, all, all, SRCCOPY);
    else if (Transparent())
        dc->TransparentBlit(rect, FPixels, all, {0, 0}, ColorToRGB(TransparentColor()));
    else
        dc->Blit(rect, FPixels, all, {0, 0}, SRCCOPY);
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed)
        return FTransparentColor;
    if (Empty())
        return clNone;
    return PixelToColor(FPixels.Row(FPixels.Height - 1)[0]);
}

void TBitmap::SetTransparentColor(TColor color) {
    if (FTransparentMode == tmFixed && color == FTransparentColor)
        return;
    FTransparentColor = color;
    FTransparentMode = tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == FTransparentMode)
        return;
    FTransparentMode = mode;
    Changed();
}
