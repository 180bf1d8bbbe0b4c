#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 2 x 2, 24-bit bottom-up BMP: top row red, blue; bottom row green, white.
std::vector<std::uint8_t> TinyBmp() {
    std::vector<std::uint8_t> b(54 + 16, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, 2);
    Put32(b, 22, 2);
    b[26] = 1;  // planes
    b[28] = 24; // bits per pixel
    Put32(b, 34, 16);
    const std::uint8_t rows[] = {0, 255, 0,   255, 255, 255, 0, 0,  // bottom: green, white
                                 0, 0,   255, 255, 0,   0,   0, 0}; // top: red, blue
    std::copy(std::begin(rows), std::end(rows), b.begin() + 54);
    return b;
}

TColor At(const TBitmap& b, int x, int y) {
    return b.Canvas()->Pixels(x, y);
}

} // namespace

TEST(BitmapTest, NewBitmapIsEmpty) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    EXPECT_EQ(At(bitmap, 0, 0), clInvalid);
    EXPECT_EQ(bitmap.TransparentColor(), clNone);
}

TEST(BitmapTest, ResizingKeepsTheOverlapAndMakesNewPixelsWhite) {
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    EXPECT_EQ(At(bitmap, 2, 1), clWhite);
    bitmap.Canvas()->SetPixel(0, 0, clRed);
    bitmap.Canvas()->SetPixel(2, 1, clBlue);
    bitmap.SetWidth(5);
    bitmap.SetHeight(4);
    EXPECT_EQ(At(bitmap, 0, 0), clRed);
    EXPECT_EQ(At(bitmap, 2, 1), clBlue);
    EXPECT_EQ(At(bitmap, 4, 3), clWhite);
    EXPECT_EQ(bitmap.Pixels().Row(3)[4], 0xFFFFFFFFu);
    bitmap.SetSize(1, 1);
    EXPECT_EQ(At(bitmap, 0, 0), clRed);
    EXPECT_EQ(At(bitmap, 1, 0), clInvalid);
    bitmap.SetSize(-4, 3);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(BitmapTest, CanvasFollowsTheNewSize) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.SetSize(8, 8);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect({0, 0, 100, 100});
    EXPECT_EQ(At(bitmap, 7, 7), clRed);
    EXPECT_EQ(bitmap.Canvas()->ClipRect(), Rect(0, 0, 8, 8));
}

TEST(BitmapTest, OversizedBitmapsAreRefusedAndTheOldOneKept) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    EXPECT_THROW(bitmap.SetSize(static_cast<int>(MaxBitmapPixels) + 1, 1), EOutOfResources);
    EXPECT_THROW(bitmap.SetSize(20000, 20000), EOutOfResources);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 2);
}

TEST(BitmapTest, AStripMayBeAsLongAsThePixelBudget) {
    TBitmap bitmap;
    bitmap.SetSize(64000, 1);
    bitmap.SetSize(1, 64000);
    EXPECT_EQ(bitmap.Height(), 64000);
}

TEST(BitmapTest, ScanLineGivesTheRowAndRefusesRowsOutside) {
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.ScanLine(1)[2] = ColorToPixel(clLime);
    EXPECT_EQ(At(bitmap, 2, 1), clLime);
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphic);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(BitmapTest, AssignMakesADeepCopy) {
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas()->SetPixel(1, 1, clRed);
    source.SetTransparent(true);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Width(), 2);
    EXPECT_EQ(At(copy, 1, 1), clRed);
    EXPECT_TRUE(copy.Transparent());
    source.Canvas()->SetPixel(1, 1, clBlue);
    copy.Canvas()->SetPixel(0, 0, clGreen);
    EXPECT_EQ(At(copy, 1, 1), clRed);
    EXPECT_EQ(At(source, 0, 0), clWhite);
    copy.Canvas()->Brush()->SetColor(clBlack);
    copy.Canvas()->FillRect({0, 0, 2, 2});
    EXPECT_EQ(At(copy, 1, 1), clBlack);
    EXPECT_EQ(At(source, 1, 1), clBlue);
}

TEST(BitmapTest, AssignFromNothingEmptiesAndFromAnotherKindRaises) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    TPen pen;
    EXPECT_THROW(bitmap.Assign(&pen), EConvertError);
    bitmap.Assign(nullptr);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(BitmapTest, LoadFromStreamDecodesTheFile) {
    TBitmap bitmap;
    bitmap.LoadFromStream(TinyBmp());
    ASSERT_EQ(bitmap.Width(), 2);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(At(bitmap, 0, 0), clRed);
    EXPECT_EQ(At(bitmap, 1, 0), clBlue);
    EXPECT_EQ(At(bitmap, 0, 1), clLime);
    EXPECT_EQ(At(bitmap, 1, 1), clWhite);
    EXPECT_EQ(bitmap.TransparentColor(), clLime); // bottom left
}

TEST(BitmapTest, FailedLoadLeavesTheBitmapExactlyAsItWas) {
    TBitmap bitmap;
    bitmap.SetSize(3, 1);
    bitmap.Canvas()->SetPixel(2, 0, clRed);
    int changes = 0;
    bitmap.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    auto bad = TinyBmp();
    bad.resize(60); // pixel data cut short
    EXPECT_THROW(bitmap.LoadFromStream(bad), EInvalidGraphic);
    const std::vector<std::uint8_t> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'};
    EXPECT_THROW(bitmap.LoadFromStream(garbage), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 1);
    EXPECT_EQ(At(bitmap, 2, 0), clRed);
    EXPECT_EQ(changes, 0);
}

TEST(BitmapTest, LoadFromFileReadsAndMissingFilesRaiseFileOpenErrors) {
    const auto path = std::filesystem::temp_directory_path() / "saruvi_bitmap_test.bmp";
    {
        const auto bytes = TinyBmp();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    TBitmap bitmap;
    bitmap.LoadFromFile(path.string());
    EXPECT_EQ(At(bitmap, 1, 0), clBlue);
    std::filesystem::remove(path);
    try {
        bitmap.LoadFromFile(path.string());
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos);
    }
    EXPECT_EQ(At(bitmap, 1, 0), clBlue);
}

TEST(BitmapTest, LoadFromFileRefusesWhatIsNoRegularFileWithoutReadingIt) {
    const auto folder = std::filesystem::path(::testing::TempDir()) / "saruvi_bitmap_special";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto fifo = folder / "fifo.bmp";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string Path;
        std::string Reason;
    } cases[] = {{folder.string(), "Is a directory"},
                 {fifo.string(), "Is a FIFO"},
                 {"/dev/zero", "Is a device"}};
    for (const auto& c : cases) {
        TBitmap bitmap;
        try {
            bitmap.LoadFromFile(c.Path);
            ADD_FAILURE() << c.Path << ": no exception";
        } catch (const EFOpenError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
    }
    std::filesystem::remove_all(folder);
}

TEST(BitmapTest, LoadFromFileRefusesAFileByItsHeaderBeforeItsSize) {
    // Sparse, and beyond the size read into memory: only its first bytes are ever read.
    const auto path = std::filesystem::path(::testing::TempDir()) / "saruvi_bitmap_huge.bmp";
    std::ofstream(path, std::ios::binary) << "XX not a bitmap";
    std::filesystem::resize_file(path, std::uintmax_t{3} << 30);
    TBitmap bitmap;
    try {
        bitmap.LoadFromFile(path.string());
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Detail(), "no BM signature");
    }
    std::filesystem::remove(path);
}

TEST(BitmapTest, OnChangeFiresForResizingDrawingAndLoading) {
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    bitmap.SetSize(4, 4);
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->FillRect({0, 0, 2, 2});
    bitmap.LoadFromStream(TinyBmp());
    EXPECT_EQ(changes, 3);
}

TEST(BitmapTest, FixedTransparentColourOverridesTheBottomLeftPixel) {
    TBitmap bitmap;
    bitmap.LoadFromStream(TinyBmp());
    bitmap.SetTransparentColor(clBlue);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentMode(tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
}
