// The BMP decoder on tiny crafted files: every rejection path, and the layouts it must accept.

#include "framework/graphics/BmpDecoder.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

void Put(TBytes& out, std::size_t at, std::uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i) {
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A small BMP file; each test changes what it is about. Defaults: a 2 x 2, 8-bit INFO file.
struct TBmpFile {
    std::uint8_t Signature = 'M'; // the second byte
    std::uint32_t HeaderSize = 40;
    std::int32_t Width = 2, Height = 2;
    std::uint32_t Planes = 1, BitCount = 8, Compression = 0, ImageSize = 0, ColorsUsed = 0;
    std::int32_t XDensity = 2835, YDensity = 2835;
    std::vector<std::uint32_t> Masks = {};                     // in the header where it has room
    std::vector<std::uint32_t> Palette = {0x000000, 0xFFFFFF}; // 0x00RRGGBB
    TBytes Pixels = {0, 1, 0, 0, 1, 0, 0, 0};
    int OffsetShift = 0;       // moves the pixel data offset field away from the pixels
    std::uint32_t SizeAdd = 0; // added to the file size field
    std::size_t CutTo = 0;     // the file's length if not 0; its size field follows

    TBytes Bytes() const {
        const bool core = HeaderSize == 12;
        TBytes out(14 + HeaderSize, 0);
        out[0] = 'B';
        out[1] = Signature;
        Put(out, 14, HeaderSize);
        const auto field = [&](std::size_t at, std::uint32_t value, int size = 4) {
            if (at + size <= HeaderSize) {
                Put(out, 14 + at, value, size);
            }
        };
        field(4, static_cast<std::uint32_t>(Width), core ? 2 : 4);
        field(core ? 6 : 8, static_cast<std::uint32_t>(Height), core ? 2 : 4);
        field(core ? 8 : 12, Planes, 2);
        field(core ? 10 : 14, BitCount, 2);
        if (!core) {
            field(16, Compression);
            field(20, ImageSize);
            field(24, static_cast<std::uint32_t>(XDensity));
            field(28, static_cast<std::uint32_t>(YDensity));
            field(32, ColorsUsed);
        }
        const auto append = [&](std::uint32_t value, int size) {
            out.resize(out.size() + size);
            Put(out, out.size() - size, value, size);
        };
        for (std::size_t i = 0; i < Masks.size(); ++i) {
            if (HeaderSize >= 52 && 44 + 4 * i <= HeaderSize) {
                field(40 + 4 * i, Masks[i]);
            } else {
                append(Masks[i], 4);
            }
        }
        for (const std::uint32_t color : Palette) {
            append(color, core ? 3 : 4);
        }
        Put(out, 10, static_cast<std::uint32_t>(static_cast<int>(out.size()) + OffsetShift));
        out.insert(out.end(), Pixels.begin(), Pixels.end());
        out.resize(CutTo != 0 ? CutTo : out.size());
        Put(out, 2, static_cast<std::uint32_t>(out.size()) + SizeAdd);
        return out;
    }
};

TBmpFile Rle(std::uint32_t bits, TBytes codes) {
    return {.BitCount = bits, .Compression = bits == 8 ? 1u : 2u, .Pixels = std::move(codes)};
}

TBmpFile Bitfields16(std::vector<std::uint32_t> masks, TBytes pixels = TBytes(8)) {
    return {.BitCount = 16,
            .Compression = 3,
            .Masks = std::move(masks),
            .Palette = {},
            .Pixels = std::move(pixels)};
}

TBmpFile Truecolor(std::uint32_t bits, TBytes pixels) {
    return {.Width = 1, .Height = 1, .BitCount = bits, .Palette = {}, .Pixels = std::move(pixels)};
}

std::vector<std::uint32_t> Decoded(const TBmpFile& file) {
    return DecodeBmp(file.Bytes()).Pixels.Pixels;
}

std::string Detail(const TBytes& bytes) {
    try {
        DecodeBmp(bytes);
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), msg::InvalidBitmap);
        return e.Detail();
    }
    return "";
}

struct TRejection {
    const char* Name;
    const char* Reason; // a part of the detail
    TBmpFile File;
};

const TRejection Rejections[] = {
    {"TruncatedFileHeader", "too short", {.CutTo = 10}},
    {"MissingSignature", "signature", {.Signature = 'X'}},
    {"FileSizeFieldPastTheEnd", "file size", {.SizeAdd = 1}},
    {"UnknownHeaderSize", "header size", {.HeaderSize = 66}},
    {"HeaderSizeTooSmall", "header size", {.HeaderSize = 8}},
    {"TruncatedInfoHeader", "truncated info", {.HeaderSize = 124, .CutTo = 90}},
    {"PlanesNotOne", "plane", {.Planes = 2}},
    {"ZeroWidth", "width", {.Width = 0}},
    {"NegativeWidth", "width", {.Width = -2}},
    {"ZeroHeight", "height", {.Height = 0}},
    {"MostNegativeHeight", "limit", {.Height = INT_MIN}},
    {"SideBeyondLimit",
     "limit",
     {.Width = static_cast<std::int32_t>(MaxBitmapPixels + 1), .Height = 1}},
    {"MostNegativeHeightOfAStrip", "limit", {.Width = 1, .Height = INT_MIN}},
    {"PixelCountBeyondLimit", "limit", {.Width = 30000, .Height = 30000}},
    {"UnsupportedBitCount", "bits per pixel", {.BitCount = 3}},
    {"SixtyFourBitPixels", "bits per pixel", {.BitCount = 64}},
    {"UnknownCompression", "compression", {.Compression = 7}},
    {"EmbeddedJpeg", "JPEG", {.Compression = 4}},
    {"EmbeddedPng", "PNG", {.Compression = 5}},
    {"Os2Huffman", "OS/2", {.HeaderSize = 64, .BitCount = 1, .Compression = 3}},
    {"RleBitCountMismatch", "bit count", {.BitCount = 4, .Compression = 1}},
    {"BitfieldsAt24Bits", "16 or 32", {.BitCount = 24, .Compression = 3}},
    {"TopDownRle", "top-down", {.Height = -2, .Compression = 1}},
    {"AbsurdDensityRatio", "density", {.XDensity = 30000000, .YDensity = 3}},
    {"EmptyChannelMask", "empty", Bitfields16({0xF800, 0x07E0, 0})},
    {"OverlappingMasks", "disjoint", Bitfields16({0xF800, 0x1FE0, 0x001F})},
    {"NonContiguousMask", "contiguous", Bitfields16({0xF801, 0x07E0, 0x001E})},
    {"MaskWiderThanPixel", "wider", Bitfields16({0x1F0000, 0x07E0, 0x001F})},
    {"TruncatedMasks", "truncated bit masks", Bitfields16({0xF800}, {})},
    {"ColourTablePastTheEnd", "colour table runs past", {.ColorsUsed = 1u << 28}},
    {"NoColourTable", "no colour table", {.Palette = {}}},
    {"DataOffsetIntoHeaders", "into the headers", {.OffsetShift = -10}},
    {"DataOffsetPastTheEnd", "offset past", {.OffsetShift = 100}},
    {"ImageSizePastTheEnd", "image size", {.ImageSize = 1000}},
    {"TruncatedPixels", "truncated pixel", {.Pixels = {0, 1, 0, 0, 1}}},
    {"IndexOutsideColourTable", "index", {.Pixels = {0, 1, 0, 0, 2, 0}}},
    {"OneBitIndexOutsideColourTable",
     "index",
     {.BitCount = 1, .Palette = {0}, .Pixels = TBytes{0x40, 0, 0, 0, 0, 0, 0, 0}}},
    {"RleRunPastRowEnd", "runs past the edge", Rle(8, {3, 0, 0, 1})},
    {"RleLiteralPastRowEnd", "runs past the edge", Rle(8, {0, 3, 0, 0, 0, 0})},
    {"RleDeltaPastEdge", "moves past", Rle(8, {0, 2, 3, 0, 0, 1})},
    {"RleRowsPastTop", "moves past", Rle(8, {0, 0, 0, 0, 0, 0, 0, 1})},
    {"RleTruncatedLiteral", "truncated RLE literal", Rle(8, {0, 4, 0})},
    {"RleTruncatedDelta", "truncated RLE delta", Rle(8, {0, 2, 1})},
    {"RleEndsBeforeLastRow", "ends before", Rle(8, {2, 0})},
    {"RleIndexOutsideColourTable", "index", Rle(8, {2, 5, 0, 1})},
    {"Rle4IndexOutsideColourTable", "index", Rle(4, {2, 0x03, 0, 1})},
};

class BmpRejection : public testing::TestWithParam<TRejection> {};

TEST_P(BmpRejection, RaisesInvalidBitmapSayingWhy) {
    EXPECT_NE(Detail(GetParam().File.Bytes()).find(GetParam().Reason), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BmpDecoder, BmpRejection, testing::ValuesIn(Rejections),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST(BmpDecoder, ProbeChecksHeadersButNotPixels) {
    EXPECT_THROW(ProbeBmp(TBmpFile{.Planes = 0}.Bytes()), EInvalidGraphic);
    const TBytes badIndex = TBmpFile{.Pixels = {9, 0, 0, 0, 0, 0, 0, 0}}.Bytes();
    const TBmpInfo info = ProbeBmp(badIndex);
    EXPECT_EQ(info.Width, 2);
    EXPECT_EQ(info.BitsPerPixel, 8);
    EXPECT_EQ(info.Compression, "BI_RGB");
    EXPECT_EQ(info.HeaderKind, "INFO (40)");
    EXPECT_THROW(DecodeBmp(badIndex), EInvalidGraphic);
}

TEST(BmpDecoder, TheStartOfAFileIsCheckedAgainstTheSizeOfTheWholeFile) {
    // A V5 header behind a bitmap array's header is the longest start there is.
    TBytes array = {'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const TBytes v5 = TBmpFile{.HeaderSize = 124}.Bytes();
    array.insert(array.end(), v5.begin(), v5.end());
    const TBytes plain = TBmpFile{}.Bytes();
    const auto start = [](const TBytes& file) {
        return std::span(file).first(std::min(file.size(), BmpStartBytes));
    };
    EXPECT_NO_THROW(CheckBmpStart(start(array), array.size()));
    EXPECT_NO_THROW(CheckBmpStart(start(plain), plain.size()));
    // The size field counts the whole file, of which the start is only a part.
    EXPECT_NO_THROW(CheckBmpStart(start(plain), 1u << 30));
    const struct {
        TBmpFile File;
        const char* Reason;
    } rejections[] = {{{.Signature = 'X'}, "no BM signature"},
                      {{.HeaderSize = 200}, "unknown info header size"},
                      {{.Width = -3}, "width is not positive"},
                      {{.BitCount = 7}, "unsupported bits per pixel"},
                      {{.SizeAdd = 1}, "file size field exceeds the file"}};
    for (const auto& r : rejections) {
        const TBytes file = r.File.Bytes();
        try {
            CheckBmpStart(start(file), file.size());
            ADD_FAILURE() << r.Reason;
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Detail(), Detail(file)) << r.Reason;
            EXPECT_NE(e.Detail().find(r.Reason), std::string::npos) << e.Detail();
        }
    }
}

TEST(BmpDecoder, BottomUpRowsComeOutTopRowFirst) {
    // The last row may lack its padding.
    const TBmpFile file{
        .BitCount = 24, .Palette = {}, .Pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12}};
    EXPECT_EQ(Decoded(file),
              (std::vector<std::uint32_t>{0xFF090807, 0xFF0C0B0A, 0xFF030201, 0xFF060504}));
}

TEST(BmpDecoder, TopDownRowsKeepTheirOrder) {
    const TDecodedBmp bmp = DecodeBmp(TBmpFile{.Height = -2}.Bytes());
    EXPECT_TRUE(bmp.Info.TopDown);
    EXPECT_EQ(bmp.Pixels.Height, 2);
    EXPECT_EQ(bmp.Pixels.Pixels,
              (std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}));
}

TEST(BmpDecoder, SubBytePixelsStartAtTheHighBits) {
    const auto row = [](std::uint32_t bits, TBytes packed) {
        packed.resize(4);
        return Decoded({.Width = 4,
                        .Height = 1,
                        .BitCount = bits,
                        .Palette = {0x000000, 0x111111, 0x222222, 0x333333},
                        .Pixels = packed});
    };
    const std::vector<std::uint32_t> ramp = {0xFF000000, 0xFF111111, 0xFF222222, 0xFF333333};
    EXPECT_EQ(row(2, {0b00011011}), ramp);
    EXPECT_EQ(row(4, {0x01, 0x23}), ramp);
    EXPECT_EQ(row(1, {0b01100000}),
              (std::vector<std::uint32_t>{0xFF000000, 0xFF111111, 0xFF111111, 0xFF000000}));
}

TEST(BmpDecoder, ShortAndOversizedColourTablesAreAccepted) {
    EXPECT_NO_THROW(DecodeBmp(TBmpFile{.ColorsUsed = 2}.Bytes()));
    EXPECT_NO_THROW(
        DecodeBmp(TBmpFile{.ColorsUsed = 300, .Palette = std::vector<std::uint32_t>(300)}.Bytes()));
}

TEST(BmpDecoder, Os2CoreHeaderUsesThreeByteColours) {
    const TDecodedBmp bmp =
        DecodeBmp(TBmpFile{.HeaderSize = 12, .Palette = {0x102030, 0x405060}}.Bytes());
    EXPECT_EQ(bmp.Info.HeaderKind, "OS/2 1.x (12)");
    EXPECT_EQ(bmp.Pixels.Pixels[0], 0xFF405060);
    EXPECT_EQ(bmp.Pixels.Pixels[1], 0xFF102030);
}

TEST(BmpDecoder, SixteenBitChannelsWidenByScalingNotShifting) {
    EXPECT_EQ(Decoded(Truecolor(16, {0xFF, 0x7F}))[0], 0xFFFFFFFF);
    EXPECT_EQ(Decoded(Truecolor(16, {0xEF, 0x3D}))[0], 0xFF7B7B7B); // 15 of 31 everywhere
    EXPECT_EQ(Decoded(Bitfields16({0xF800, 0x07E0, 0x001F}, {0, 0, 0, 0, 0xE0, 0x07, 0, 0}))[0],
              0xFF00FF00);
}

TEST(BmpDecoder, ThirtyTwoBitRgbIgnoresTheFourthByte) {
    const TDecodedBmp bmp = DecodeBmp(Truecolor(32, {1, 2, 3, 0x80}).Bytes());
    EXPECT_FALSE(bmp.Info.HasAlpha);
    EXPECT_EQ(bmp.Pixels.Pixels[0], 0xFF030201);
}

TEST(BmpDecoder, AlphaMaskIsHonouredUnlessEveryAlphaIsZero) {
    const auto argb = [](std::uint32_t headerSize, std::uint32_t compression, std::uint8_t alpha) {
        TBmpFile file = Truecolor(32, {1, 2, 3, alpha});
        file.HeaderSize = headerSize;
        file.Compression = compression;
        file.Masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
        return DecodeBmp(file.Bytes());
    };
    for (const auto& [header, compression] : {std::pair{124u, 3u}, {56u, 3u}, {40u, 6u}}) {
        const TDecodedBmp bmp = argb(header, compression, 0x80);
        EXPECT_TRUE(bmp.Info.HasAlpha) << header;
        EXPECT_EQ(bmp.Pixels.Pixels[0], 0x80030201) << header;
    }
    const TDecodedBmp clear = argb(124, 3, 0);
    EXPECT_FALSE(clear.Info.HasAlpha);
    EXPECT_EQ(clear.Pixels.Pixels[0], 0xFF030201);
}

TEST(BmpDecoder, RleRunsLiteralsAndSkippedPixels) {
    // Bottom row: a run of two, a delta over one pixel, a run of one; top row: a padded literal
    // of three, then the end of the bitmap before its last pixel. Skipped pixels take colour 0.
    TBmpFile file = Rle(8, {2, 1, 0, 2, 1, 0, 1, 1, 0, 0, 0, 3, 1, 2, 1, 0, 0, 1});
    file.Width = 4;
    file.Palette = {0x0000FF, 0xFFFFFF, 0x00FF00};
    const std::uint32_t skipped = 0xFF0000FF, white = 0xFFFFFFFF, green = 0xFF00FF00;
    EXPECT_EQ(Decoded(file), (std::vector<std::uint32_t>{white, green, white, skipped, white, white,
                                                         skipped, white}));
}

TEST(BmpDecoder, Rle4AlternatesTheNibblesOfARun) {
    TBmpFile file = Rle(4, {3, 0x12, 0, 1});
    file.Width = 3;
    file.Height = 1;
    file.Palette = {0x000000, 0x111111, 0x222222};
    EXPECT_EQ(Decoded(file), (std::vector<std::uint32_t>{0xFF111111, 0xFF222222, 0xFF111111}));
}

TEST(BmpDecoder, StripsLongerThanAnyScreenAreRead) {
    // One pixel wide, 64000 high, 8 bits: every row is one index and three bytes of padding.
    TBytes column(4 * 64000);
    column[0] = 1; // the bottom row
    const TDecodedBmp tall =
        DecodeBmp(TBmpFile{.Width = 1, .Height = 64000, .Pixels = column}.Bytes());
    EXPECT_EQ(tall.Info.Height, 64000);
    ASSERT_EQ(tall.Pixels.Pixels.size(), 64000u);
    EXPECT_EQ(tall.Pixels.Pixels.front(), 0xFF000000);
    EXPECT_EQ(tall.Pixels.Pixels.back(), 0xFFFFFFFF);

    // 64000 wide, one high, RLE8: a white run, then black runs to the end of the row.
    TBytes codes = {250, 1};
    for (int run = 1; run < 256; ++run)
        codes.insert(codes.end(), {250, 0});
    codes.insert(codes.end(), {0, 1});
    TBmpFile row = Rle(8, codes);
    row.Width = 64000;
    row.Height = 1;
    const TDecodedBmp wide = DecodeBmp(row.Bytes());
    EXPECT_EQ(wide.Info.Width, 64000);
    ASSERT_EQ(wide.Pixels.Pixels.size(), 64000u);
    EXPECT_EQ(wide.Pixels.Pixels[249], 0xFFFFFFFF);
    EXPECT_EQ(wide.Pixels.Pixels[250], 0xFF000000);
    EXPECT_EQ(wide.Pixels.Pixels.back(), 0xFF000000);
}

TEST(BmpDecoder, RleMayOmitTheFinalEndCode) {
    EXPECT_NO_THROW(DecodeBmp(Rle(8, {2, 1, 0, 0, 2, 0}).Bytes()));
}

TEST(BmpDecoder, FuzzerFindingsAreHandled) {
    const std::filesystem::path dir = std::filesystem::path(SARUVI_SOURCE_DIR) / "fuzz/regressions";
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const TBytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        try {
            DecodeBmp(bytes);
        } catch (const EInvalidGraphic&) {
        }
    }
}

} // namespace
