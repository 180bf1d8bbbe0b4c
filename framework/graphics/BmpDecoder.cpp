// BMP decoding in stages over one context. Each stage checks every size and offset it needs
// against the file before it reads, so no input can make the decoder read outside the file,
// allocate without bound or loop for long.
//
//   1. Byte reading and limits
//   2. The decoding context
//   3. File header (BM, or the first member of an OS/2 BA array)
//   4. Info header
//   5. Bit masks
//   6. Colour table
//   7. Pixel data location
//   8. Uncompressed rows
//   9. RLE4 and RLE8
//  10. Entry points

#include "framework/graphics/BmpDecoder.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <utility>
#include <vector>

namespace {

// ---- 1. Byte reading and limits ---------------------------------------------------------------

[[noreturn]] void Reject(const char* detail) {
    throw EInvalidGraphic(msg::InvalidBitmap, detail);
}

std::uint32_t U16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

// No real device has pixels a hundred times wider than tall; such densities are corruption.
constexpr std::int64_t MaxDensityRatio = 100;

constexpr std::size_t FileHeaderSize = 14;

// ---- 2. The decoding context ------------------------------------------------------------------

// CompressionName lists the names in this order.
enum class TCompression { Rgb, Rle8, Rle4, Bitfields, AlphaBitfields, Jpeg, Png, Huffman1D, Rle24 };

struct TBmpContext {
    std::span<const std::uint8_t> File;
    std::uint64_t FileSize = 0;  // of the whole file, when File holds only its start
    std::size_t HeaderStart = 0; // offset of the info header
    std::uint32_t HeaderSize = 0;
    bool Core = false;            // OS/2 1.x: 16-bit sizes, 3-byte colour table entries
    bool Os2v2 = false;           // OS/2 2.x: compression values 3 and 4 mean Huffman 1D and RLE24
    std::uint64_t DataOffset = 0; // from the start of the file, also inside a bitmap array
    TCompression Compression = TCompression::Rgb;
    std::uint32_t ImageSize = 0;
    std::uint32_t ColorsUsed = 0;
    std::size_t MasksInHeader = 0;
    std::array<std::uint32_t, 4> Masks{}; // red, green, blue, alpha
    std::size_t ColorTableStart = 0;
    std::array<std::uint32_t, 256> Palette{}; // entries past PaletteSize stay 0
    std::size_t PaletteSize = 0;
    std::span<const std::uint8_t> Data; // the pixel data, up to the end of the file
    TBmpInfo Info;
};

// ---- 3. File header ---------------------------------------------------------------------------

void ReadFileHeader(TBmpContext& c) {
    const auto& f = c.File;
    // The header size field of the info header is read with the file header.
    if (f.size() < FileHeaderSize + 4) {
        Reject("file too short for a BMP header");
    }
    std::size_t start = 0;
    if (f[0] == 'B' && f[1] == 'A') {
        // An OS/2 bitmap array: a 14-byte array header precedes its first member, whose offsets
        // still count from the start of the file.
        start = FileHeaderSize;
        if (f.size() < start + FileHeaderSize + 4) {
            Reject("bitmap array too short for its first member");
        }
    }
    if (f[start] != 'B' || f[start + 1] != 'M') {
        Reject("no BM signature");
    }
    // Some OS/2 writers store only the size of the headers here; only a size past the end of the
    // file is wrong (it marks a truncated file).
    if (start == 0 && U32(&f[2]) > c.FileSize) {
        Reject("file size field exceeds the file");
    }
    c.DataOffset = U32(&f[start + 10]);
    c.HeaderStart = start + FileHeaderSize;
}

// ---- 4. Info header ---------------------------------------------------------------------------

// Header sizes Windows defines; any other size from 16 to 64 is an OS/2 2.x header cut short.
constexpr std::pair<std::uint32_t, const char*> WindowsHeaders[] = {
    {40, "INFO (40)"}, {52, "V2 (52)"}, {56, "V3 (56)"}, {108, "V4 (108)"}, {124, "V5 (124)"}};

void ClassifyHeader(TBmpContext& c) {
    const std::uint32_t size = c.HeaderSize;
    if (size == 12) {
        c.Core = true;
        c.Info.HeaderKind = "OS/2 1.x (12)";
        return;
    }
    for (const auto& [known, name] : WindowsHeaders) {
        if (size == known) {
            c.Info.HeaderKind = name;
            return;
        }
    }
    if (size < 16 || size > 64) {
        Reject("unknown info header size");
    }
    c.Os2v2 = true;
    c.Info.HeaderKind = "OS/2 2.x (" + std::to_string(size) + ")";
}

TCompression MapCompression(std::uint32_t raw, bool os2v2) {
    switch (raw) {
    case 0:
        return TCompression::Rgb;
    case 1:
        return TCompression::Rle8;
    case 2:
        return TCompression::Rle4;
    case 3:
        return os2v2 ? TCompression::Huffman1D : TCompression::Bitfields;
    case 4:
        return os2v2 ? TCompression::Rle24 : TCompression::Jpeg;
    case 5:
        return TCompression::Png;
    case 6:
        return TCompression::AlphaBitfields;
    default:
        Reject("unknown compression");
    }
}

const char* CompressionName(TCompression compression) {
    constexpr const char* names[] = {"BI_RGB",       "BI_RLE8",           "BI_RLE4",
                                     "BI_BITFIELDS", "BI_ALPHABITFIELDS", "BI_JPEG",
                                     "BI_PNG",       "Huffman 1D",        "RLE24"};
    return names[static_cast<int>(compression)];
}

void CheckDimensions(TBmpContext& c, std::int64_t width, std::int64_t height) {
    if (width <= 0) {
        Reject("width is not positive");
    }
    if (height == 0) {
        Reject("height is zero");
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (!WithinPixelBudget(width, rows)) {
        Reject("dimensions exceed the decoder's limit");
    }
    c.Info.Width = static_cast<int>(width);
    c.Info.Height = static_cast<int>(rows);
    c.Info.TopDown = height < 0;
}

void CheckDensity(std::int32_t xPerMetre, std::int32_t yPerMetre) {
    if (xPerMetre <= 0 || yPerMetre <= 0) {
        return;
    }
    const std::int64_t low = std::min(xPerMetre, yPerMetre);
    const std::int64_t high = std::max(xPerMetre, yPerMetre);
    if (high > low * MaxDensityRatio) {
        Reject("absurd pixel density ratio");
    }
}

void CheckFormat(const TBmpContext& c) {
    const int bpp = c.Info.BitsPerPixel;
    switch (c.Compression) {
    case TCompression::Jpeg:
        Reject("embedded JPEG data is not supported");
    case TCompression::Png:
        Reject("embedded PNG data is not supported");
    case TCompression::Huffman1D:
    case TCompression::Rle24:
        Reject("unsupported OS/2 compression");
    default:
        break;
    }
    if (bpp != 1 && bpp != 2 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        Reject("unsupported bits per pixel");
    }
    const bool rle = c.Compression == TCompression::Rle8 || c.Compression == TCompression::Rle4;
    if ((c.Compression == TCompression::Rle8 && bpp != 8) ||
        (c.Compression == TCompression::Rle4 && bpp != 4)) {
        Reject("RLE compression does not match the bit count");
    }
    if ((c.Compression == TCompression::Bitfields ||
         c.Compression == TCompression::AlphaBitfields) &&
        bpp != 16 && bpp != 32) {
        Reject("bit fields need 16 or 32 bits per pixel");
    }
    if (rle && c.Info.TopDown) {
        Reject("RLE data cannot be stored top-down");
    }
}

void ReadInfoHeader(TBmpContext& c) {
    c.HeaderSize = U32(&c.File[c.HeaderStart]);
    ClassifyHeader(c);
    if (c.File.size() - c.HeaderStart < c.HeaderSize) {
        Reject("truncated info header");
    }
    const std::uint8_t* h = &c.File[c.HeaderStart];
    if (c.Core) {
        if (U16(h + 8) != 1) {
            Reject("plane count is not 1");
        }
        c.Info.BitsPerPixel = static_cast<int>(U16(h + 10));
        CheckDimensions(c, U16(h + 4), U16(h + 6));
    } else {
        if (U16(h + 12) != 1) {
            Reject("plane count is not 1");
        }
        c.Info.BitsPerPixel = static_cast<int>(U16(h + 14));
        CheckDimensions(c, I32(h + 4), I32(h + 8));
        // OS/2 2.x headers may end after any field; absent fields read as zero.
        const auto field = [&](std::size_t at) {
            return c.HeaderSize >= at + 4 ? U32(h + at) : 0;
        };
        c.Compression = MapCompression(field(16), c.Os2v2);
        c.ImageSize = field(20);
        CheckDensity(static_cast<std::int32_t>(field(24)), static_cast<std::int32_t>(field(28)));
        c.ColorsUsed = field(32);
        if (!c.Os2v2 && c.HeaderSize > 40) {
            c.MasksInHeader = std::min<std::size_t>(4, (c.HeaderSize - 40) / 4);
            for (std::size_t i = 0; i < c.MasksInHeader; ++i) {
                c.Masks[i] = U32(h + 40 + 4 * i);
            }
        }
    }
    c.Info.Compression = CompressionName(c.Compression);
    CheckFormat(c);
}

// ---- 5. Bit masks -----------------------------------------------------------------------------

bool IsContiguous(std::uint32_t mask) {
    const std::uint32_t low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0;
}

void CheckMasks(const TBmpContext& c) {
    std::uint32_t seen = 0;
    for (std::size_t i = 0; i < c.Masks.size(); ++i) {
        const std::uint32_t mask = c.Masks[i];
        if (mask == 0) {
            if (i < 3) {
                Reject("a colour channel has an empty bit mask");
            }
            continue;
        }
        if (!IsContiguous(mask) || (mask & seen) != 0) {
            Reject("bit masks are not contiguous and disjoint");
        }
        if (c.Info.BitsPerPixel == 16 && mask > 0xFFFF) {
            Reject("bit mask wider than the pixel");
        }
        seen |= mask;
    }
}

// Masks follow a header too short to hold them; a BITFIELDS file keeps alpha only where the
// header has room for its mask.
void ReadMasks(TBmpContext& c) {
    c.ColorTableStart = c.HeaderStart + c.HeaderSize;
    const std::size_t needed = c.Compression == TCompression::Bitfields        ? 3
                               : c.Compression == TCompression::AlphaBitfields ? 4
                                                                               : 0;
    if (needed == 0) {
        if (c.Info.BitsPerPixel == 16) {
            c.Masks = {0x7C00, 0x03E0, 0x001F, 0};
        } else {
            c.Masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
        }
        return;
    }
    for (std::size_t i = c.MasksInHeader; i < needed; ++i) {
        if (c.File.size() - c.ColorTableStart < 4) {
            Reject("truncated bit masks");
        }
        c.Masks[i] = U32(&c.File[c.ColorTableStart]);
        c.ColorTableStart += 4;
    }
    CheckMasks(c);
    c.Info.HasAlpha = c.Masks[3] != 0;
}

// ---- 6. Colour table --------------------------------------------------------------------------

void ReadColorTable(TBmpContext& c) {
    const std::uint64_t entrySize = c.Core ? 3 : 4;
    const int bpp = c.Info.BitsPerPixel;
    const std::uint64_t fullCount = bpp <= 8 ? (1u << bpp) : 0;
    if (c.ColorsUsed * entrySize > c.File.size() - c.ColorTableStart) {
        Reject("colour table runs past the end of the file");
    }
    if (c.DataOffset < c.ColorTableStart) {
        Reject("pixel data offset points into the headers");
    }
    if (bpp > 8) {
        return;
    }
    // The table ends at the pixel data at the latest: some OS/2 writers store short tables so.
    const std::uint64_t declared = c.ColorsUsed != 0 ? c.ColorsUsed : fullCount;
    const std::uint64_t end = std::min<std::uint64_t>(c.DataOffset, c.File.size());
    const std::uint64_t room = (end - c.ColorTableStart) / entrySize;
    const std::size_t count = static_cast<std::size_t>(std::min({declared, fullCount, room}));
    if (count == 0) {
        Reject("no colour table");
    }
    const std::uint8_t* p = &c.File[c.ColorTableStart];
    for (std::size_t i = 0; i < count; ++i, p += entrySize) {
        c.Palette[i] = 0xFF000000u | static_cast<std::uint32_t>(p[2]) << 16 |
                       static_cast<std::uint32_t>(p[1]) << 8 | p[0];
    }
    c.PaletteSize = count;
}

// ---- 7. Pixel data location -------------------------------------------------------------------

bool IsRle(const TBmpContext& c) {
    return c.Compression == TCompression::Rle8 || c.Compression == TCompression::Rle4;
}

std::uint64_t RowStride(const TBmpContext& c) {
    return (static_cast<std::uint64_t>(c.Info.Width) * c.Info.BitsPerPixel + 31) / 32 * 4;
}

void LocatePixelData(TBmpContext& c) {
    if (c.DataOffset > c.File.size()) {
        Reject("pixel data offset past the end of the file");
    }
    c.Data = c.File.subspan(static_cast<std::size_t>(c.DataOffset));
    if (c.ImageSize > c.Data.size()) {
        Reject("image size field exceeds the file");
    }
    if (IsRle(c)) {
        if (c.ImageSize != 0) {
            c.Data = c.Data.first(c.ImageSize);
        }
        return;
    }
    // The padding of the last row may be missing; its pixels may not.
    const std::uint64_t lastRow =
        (static_cast<std::uint64_t>(c.Info.Width) * c.Info.BitsPerPixel + 7) / 8;
    if (RowStride(c) * static_cast<std::uint64_t>(c.Info.Height - 1) + lastRow > c.Data.size()) {
        Reject("truncated pixel data");
    }
}

TBmpContext ReadHeaders(std::span<const std::uint8_t> file) {
    TBmpContext c;
    c.File = file;
    c.FileSize = file.size();
    ReadFileHeader(c);
    ReadInfoHeader(c);
    ReadMasks(c);
    ReadColorTable(c);
    LocatePixelData(c);
    return c;
}

// ---- 8. Uncompressed rows ---------------------------------------------------------------------

template <class TRowFn>
void ForEachRow(const TBmpContext& c, platform::PixelBuffer& out, TRowFn decodeRow) {
    const std::size_t stride = static_cast<std::size_t>(RowStride(c));
    const int h = c.Info.Height;
    for (int r = 0; r < h; ++r) {
        decodeRow(c.Data.data() + static_cast<std::size_t>(r) * stride,
                  out.Row(c.Info.TopDown ? r : h - 1 - r), c.Info.Width);
    }
}

template <int Bits> void DecodeSubByteRows(const TBmpContext& c, platform::PixelBuffer& out) {
    constexpr int perByte = 8 / Bits;
    constexpr unsigned valueMask = (1u << Bits) - 1;
    const std::uint32_t* palette = c.Palette.data();
    unsigned maxIndex = 0;
    ForEachRow(c, out, [&](const std::uint8_t* s, std::uint32_t* d, int w) {
        for (int x = 0; x < w; ++x) {
            const unsigned shift = 8 - Bits - (x % perByte) * Bits;
            const unsigned index = (s[x / perByte] >> shift) & valueMask;
            maxIndex = std::max(maxIndex, index);
            d[x] = palette[index];
        }
    });
    if (maxIndex >= c.PaletteSize) {
        Reject("pixel index outside the colour table");
    }
}

// Kept out of line: inlined into the row loop, GCC 12 vectorises it into code twice as slow.
[[gnu::noinline]] void LookUpRow(const std::uint8_t* s, std::uint32_t* d, int w,
                                 const std::uint32_t* palette) {
    int x = 0;
    for (; x + 4 <= w; x += 4) {
        const std::uint32_t p0 = palette[s[x]], p1 = palette[s[x + 1]];
        const std::uint32_t p2 = palette[s[x + 2]], p3 = palette[s[x + 3]];
        d[x] = p0;
        d[x + 1] = p1;
        d[x + 2] = p2;
        d[x + 3] = p3;
    }
    for (; x < w; ++x) {
        d[x] = palette[s[x]];
    }
}

// Indices are checked a row at a time, and not at all against a full table.
void Decode8BitRows(const TBmpContext& c, platform::PixelBuffer& out) {
    const bool check = c.PaletteSize < c.Palette.size();
    ForEachRow(c, out, [&](const std::uint8_t* s, std::uint32_t* d, int w) {
        LookUpRow(s, d, w, c.Palette.data());
        if (check && *std::max_element(s, s + w) >= c.PaletteSize) {
            Reject("pixel index outside the colour table");
        }
    });
}

// Four pixels from three little-endian words: fewer loads than byte by byte.
void Convert24BitRow(const std::uint8_t* s, std::uint32_t* d, int w) {
    int x = 0;
    for (; x + 4 <= w; x += 4, s += 12) {
        const std::uint32_t w0 = U32(s), w1 = U32(s + 4), w2 = U32(s + 8);
        d[x] = 0xFF000000u | (w0 & 0xFFFFFF);
        d[x + 1] = 0xFF000000u | w0 >> 24 | (w1 & 0xFFFF) << 8;
        d[x + 2] = 0xFF000000u | w1 >> 16 | (w2 & 0xFF) << 16;
        d[x + 3] = 0xFF000000u | w2 >> 8;
    }
    for (; x < w; ++x, s += 3) {
        d[x] = 0xFF000000u | static_cast<std::uint32_t>(s[2]) << 16 |
               static_cast<std::uint32_t>(s[1]) << 8 | s[0];
    }
}

void Decode24BitRows(const TBmpContext& c, platform::PixelBuffer& out) {
    ForEachRow(c, out, Convert24BitRow);
}

// One channel of a bit-field pixel, widened to 8 bits as round(v * 255 / max) rather than by
// shifting, so that a full channel of any width becomes 255.
class TChannel {
public:
    explicit TChannel(std::uint32_t mask)
        : FMask(mask), FShift(mask != 0 ? std::countr_zero(mask) : 0), FMax(mask >> FShift) {
        if (FMax <= 0xFFFF) {
            FTable.resize(FMax + 1);
            for (std::uint32_t v = 0; v <= FMax; ++v) {
                FTable[v] = static_cast<std::uint8_t>(Scale(v));
            }
        }
    }
    std::uint32_t operator()(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & FMask) >> FShift;
        return FTable.empty() ? Scale(v) : FTable[v];
    }

private:
    std::uint32_t Scale(std::uint32_t v) const {
        if (FMax == 0) {
            return 0;
        }
        return static_cast<std::uint32_t>((std::uint64_t{v} * 510 + FMax) / (2ull * FMax));
    }

    std::uint32_t FMask;
    int FShift;
    std::uint32_t FMax;
    std::vector<std::uint8_t> FTable;
};

// Returns the OR of every alpha sample written (0xFF where the format has none).
template <int Bytes>
std::uint32_t DecodeBitfieldRows(const TBmpContext& c, platform::PixelBuffer& out) {
    const TChannel red(c.Masks[0]), green(c.Masks[1]), blue(c.Masks[2]), alpha(c.Masks[3]);
    const bool hasAlpha = c.Info.HasAlpha;
    std::uint32_t alphaSeen = 0;
    ForEachRow(c, out, [&](const std::uint8_t* s, std::uint32_t* d, int w) {
        for (int x = 0; x < w; ++x, s += Bytes) {
            const std::uint32_t pixel = Bytes == 2 ? U16(s) : U32(s);
            const std::uint32_t a = hasAlpha ? alpha(pixel) : 0xFF;
            alphaSeen |= a;
            d[x] = a << 24 | red(pixel) << 16 | green(pixel) << 8 | blue(pixel);
        }
    });
    return alphaSeen;
}

// The common 8-8-8 layout needs no channel arithmetic.
std::uint32_t DecodeXrgbRows(const TBmpContext& c, platform::PixelBuffer& out) {
    const std::uint32_t fill = c.Info.HasAlpha ? 0 : 0xFF000000u;
    std::uint32_t alphaSeen = 0;
    ForEachRow(c, out, [&](const std::uint8_t* s, std::uint32_t* d, int w) {
        for (int x = 0; x < w; ++x, s += 4) {
            d[x] = U32(s) | fill;
            alphaSeen |= d[x];
        }
    });
    return alphaSeen >> 24;
}

std::uint32_t DecodeTrueColorRows(const TBmpContext& c, platform::PixelBuffer& out) {
    if (c.Info.BitsPerPixel == 16) {
        return DecodeBitfieldRows<2>(c, out);
    }
    const bool xrgb = c.Masks[0] == 0xFF0000 && c.Masks[1] == 0xFF00 && c.Masks[2] == 0xFF &&
                      (c.Masks[3] == 0 || c.Masks[3] == 0xFF000000u);
    return xrgb ? DecodeXrgbRows(c, out) : DecodeBitfieldRows<4>(c, out);
}

// ---- 9. RLE4 and RLE8 -------------------------------------------------------------------------

// The write position of an RLE stream; rows count from the bottom of the image.
class TRleCanvas {
public:
    TRleCanvas(const TBmpContext& c, platform::PixelBuffer& out) : FContext(c), FOut(out) {}

    // The next n pixels of the current row.
    std::uint32_t* Take(unsigned n) {
        if (FY >= FOut.Height || static_cast<int>(n) > FOut.Width - FX) {
            Reject("RLE data runs past the edge of the image");
        }
        std::uint32_t* pixels = FOut.Row(FOut.Height - 1 - FY) + FX;
        FX += static_cast<int>(n);
        return pixels;
    }
    std::uint32_t Color(unsigned index) const {
        if (index >= FContext.PaletteSize) {
            Reject("pixel index outside the colour table");
        }
        return FContext.Palette[index];
    }
    void EndOfLine() { Move(-FX, 1); }
    void Move(int dx, int dy) {
        FX += dx;
        FY += dy;
        if (FX > FOut.Width || FY > FOut.Height) {
            Reject("RLE data moves past the edge of the image");
        }
    }
    // Whether a stream that stops here has described every row.
    bool Complete() const {
        return FY >= FOut.Height || (FY == FOut.Height - 1 && FX == FOut.Width);
    }

private:
    const TBmpContext& FContext;
    platform::PixelBuffer& FOut;
    int FX = 0, FY = 0;
};

void RleRun(TRleCanvas& canvas, unsigned count, unsigned value, bool fourBit) {
    std::uint32_t* d = canvas.Take(count);
    const std::uint32_t first = canvas.Color(fourBit ? value >> 4 : value);
    const std::uint32_t second = fourBit && count > 1 ? canvas.Color(value & 0xF) : first;
    for (unsigned i = 0; i < count; ++i) {
        d[i] = (i & 1) != 0 ? second : first;
    }
}

void RleLiteral(TRleCanvas& canvas, unsigned count, const std::uint8_t* s, bool fourBit) {
    std::uint32_t* d = canvas.Take(count);
    for (unsigned i = 0; i < count; ++i) {
        const unsigned index = fourBit ? (s[i / 2] >> ((i & 1) != 0 ? 0 : 4)) & 0xF : s[i];
        d[i] = canvas.Color(index);
    }
}

void DecodeRle(const TBmpContext& c, platform::PixelBuffer& out) {
    const bool fourBit = c.Compression == TCompression::Rle4;
    const std::uint8_t* p = c.Data.data();
    const std::uint8_t* const end = p + c.Data.size();
    TRleCanvas canvas(c, out);
    for (;;) {
        if (end - p < 2) {
            if (canvas.Complete()) {
                return;
            }
            Reject("RLE data ends before the end of the bitmap");
        }
        const unsigned count = p[0], code = p[1];
        p += 2;
        if (count > 0) {
            RleRun(canvas, count, code, fourBit);
        } else if (code == 0) {
            canvas.EndOfLine();
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (end - p < 2) {
                Reject("truncated RLE delta");
            }
            canvas.Move(p[0], p[1]);
            p += 2;
        } else {
            const std::ptrdiff_t bytes = fourBit ? (code + 1) / 2 : code;
            const std::ptrdiff_t padded = bytes + (bytes & 1);
            if (end - p < padded) {
                Reject("truncated RLE literal run");
            }
            RleLiteral(canvas, code, p, fourBit);
            p += padded;
        }
    }
}

// ---- 10. Entry points -------------------------------------------------------------------------

void DecodePixels(TBmpContext& c, platform::PixelBuffer& out) {
    switch (c.Info.BitsPerPixel) {
    case 1:
        return DecodeSubByteRows<1>(c, out);
    case 2:
        return DecodeSubByteRows<2>(c, out);
    case 4:
        return IsRle(c) ? DecodeRle(c, out) : DecodeSubByteRows<4>(c, out);
    case 8:
        return IsRle(c) ? DecodeRle(c, out) : Decode8BitRows(c, out);
    case 24:
        return Decode24BitRows(c, out);
    default:
        break;
    }
    if (DecodeTrueColorRows(c, out) == 0) {
        for (std::uint32_t& pixel : out.Pixels) {
            pixel |= 0xFF000000u;
        }
        c.Info.HasAlpha = false;
    }
}

} // namespace

TBmpInfo ProbeBmp(std::span<const std::uint8_t> file) {
    return ReadHeaders(file).Info;
}

void CheckBmpStart(std::span<const std::uint8_t> start, std::uint64_t fileSize) {
    TBmpContext c;
    c.File = start;
    c.FileSize = fileSize;
    ReadFileHeader(c);
    ReadInfoHeader(c);
}

TDecodedBmp DecodeBmp(std::span<const std::uint8_t> file) {
    TBmpContext c = ReadHeaders(file);
    // Pixels an RLE stream skips (delta, early end of line or bitmap) keep colour table entry 0,
    // as on a freshly cleared paletted bitmap, so the image stays opaque.
    platform::PixelBuffer pixels(c.Info.Width, c.Info.Height, IsRle(c) ? c.Palette[0] : 0);
    DecodePixels(c, pixels);
    return {c.Info, std::move(pixels)};
}
