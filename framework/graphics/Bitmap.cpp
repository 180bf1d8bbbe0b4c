#include "framework/graphics/Bitmap.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files larger than this are not read into memory: no bitmap within the pixel budget needs it.
constexpr std::uint64_t MaxFileBytes = std::uint64_t{1} << 30;

static_assert(BmpStartBytes <= GraphicFileStartBytes);

// A file opened for reading that is known to be a regular file. It is opened without blocking
// and checked before any read: a FIFO would block the caller until a writer comes, a device may
// never end, and a directory has no bytes to read.
class TRegularFile {
public:
    explicit TRegularFile(const std::string& path) : FPath(path) {
        FDescriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (FDescriptor < 0)
            throw Fail(std::strerror(errno));
        if (const std::string refusal = Refusal(); !refusal.empty()) {
            ::close(FDescriptor);
            throw Fail(refusal);
        }
    }
    ~TRegularFile() { ::close(FDescriptor); }
    TRegularFile(const TRegularFile&) = delete;
    TRegularFile& operator=(const TRegularFile&) = delete;

    std::uint64_t Size() const { return FSize; }

    // Reads exactly bytes.size() bytes from where the last read ended.
    void Read(std::span<std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const ssize_t got = ::read(FDescriptor, bytes.data(), bytes.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw Fail(std::strerror(errno));
            if (got == 0)
                throw Fail("The file ended before its size");
            bytes = bytes.subspan(static_cast<std::size_t>(got));
        }
    }

private:
    // Why the open file is not read; empty for a regular file, whose size it then keeps.
    std::string Refusal() {
        struct stat status {};
        if (::fstat(FDescriptor, &status) != 0)
            return std::strerror(errno);
        if (S_ISDIR(status.st_mode))
            return std::strerror(EISDIR);
        if (S_ISFIFO(status.st_mode))
            return "Is a FIFO";
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return "Is a device";
        if (!S_ISREG(status.st_mode))
            return "Is not a regular file";
        FSize = static_cast<std::uint64_t>(status.st_size);
        return "";
    }

    EFOpenError Fail(const std::string& reason) const {
        return EFOpenError("Cannot open file \"" + FPath + "\". " + reason);
    }

    std::string FPath;
    int FDescriptor = -1;
    std::uint64_t FSize = 0;
};

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
    TRegularFile file(path);
    std::vector<std::uint8_t> bytes(std::min<std::uint64_t>(file.Size(), GraphicFileStartBytes));
    file.Read(bytes);
    CheckFileStart(bytes, file.Size());
    if (file.Size() > MaxFileBytes)
        throw EInvalidGraphic(msg::InvalidBitmap, "file too large");
    const std::size_t start = bytes.size();
    bytes.resize(static_cast<std::size_t>(file.Size()));
    file.Read(std::span(bytes).subspan(start));
    LoadFromStream(bytes);
}

void TGraphic::CheckFileStart(std::span<const std::uint8_t>, std::uint64_t) const {}

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

void TBitmap::CheckFileStart(std::span<const std::uint8_t> start, std::uint64_t fileSize) const {
    CheckBmpStart(start, fileSize);
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
