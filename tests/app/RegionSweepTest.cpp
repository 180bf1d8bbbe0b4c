#include "app/RegionSweep.h"

#include "framework/core/Exceptions.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::unique_ptr<TBitmap> NewBitmap(int width, int height, TColor fill) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        std::fill_n(bitmap->ScanLine(y), width, ColorToPixel(fill));
    return bitmap;
}

std::unique_ptr<TBitmap> CopyOf(const TBitmap& source) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&source);
    return copy;
}

// Dark and bright pixels scattered by a fixed rule, with a few values just around each threshold.
std::unique_ptr<TBitmap> Speckled(int width, int height) {
    auto bitmap = NewBitmap(width, height, clBlack);
    const TColor values[] = {clWhite, 0x4041, 0x404001, 0x4040, 0x404000, clBlack};
    std::uint32_t state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            if ((state >> 16) % 7 == 0)
                bitmap->Canvas()->SetPixel(x, y, values[(state >> 8) % 6]);
        }
    return bitmap;
}

int RedPixels(const TBitmap& bitmap) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Canvas()->Pixels(x, y) == RegionColor;
    return count;
}

TEST(RegionSweepTest, ColumnByColumnAndWholeBlocksCountAndPaintTheSame) {
    const auto source = Speckled(300, 200);
    for (const TPoint seed : {TPoint{150, 100}, TPoint{3, 0}, TPoint{299, 199}, TPoint{1, 50}}) {
        auto blocks = CopyOf(*source);
        auto columns = CopyOf(*source);
        const int blockCount = SweepRegion(*source, *blocks, seed);
        const int columnCount = SweepRegion(*source, *columns, seed, [](int) {});
        EXPECT_EQ(blockCount, columnCount) << seed.x << "," << seed.y;
        EXPECT_EQ(blocks->Pixels().Pixels, columns->Pixels().Pixels) << seed.x << "," << seed.y;
    }
}

TEST(RegionSweepTest, ReportsEachColumnRightwardsThenLeftwardsAfterPaintingIt) {
    const auto source = NewBitmap(20, 10, clWhite);
    // Columns 4..8 of heights 2, 4, 1, 3, 3 through row 5.
    source->Canvas()->Brush()->SetColor(clBlack);
    for (int x = 4; x <= 8; ++x)
        source->Canvas()->FillRect(Rect(x, 5 - x % 2, x + 1, 6 + x % 3));
    auto display = CopyOf(*source);
    display->Canvas()->TakeDirty();
    std::vector<int> columns;
    const int count = SweepRegion(*source, *display, {6, 5}, [&](int x) {
        EXPECT_EQ(display->Canvas()->Pixels(x, 5), RegionColor) << x;
        // Only the column just painted is left to be shown.
        EXPECT_EQ(display->Canvas()->TakeDirty(), Rect(x, 5 - x % 2, x + 1, 6 + x % 3)) << x;
        columns.push_back(x);
    });
    EXPECT_EQ(count, 13);
    EXPECT_EQ(columns, (std::vector<int>{6, 7, 8, 5, 4}));
}

TEST(RegionSweepTest, ReadsOnlyTheSource) {
    const auto source = Speckled(64, 64);
    const auto before = source->Pixels().Pixels;
    auto display = CopyOf(*source);
    EXPECT_GT(SweepRegion(*source, *display, {32, 32}), 0);
    EXPECT_EQ(source->Pixels().Pixels, before);
}

TEST(RegionSweepTest, ComparesTheWholeColourValueAsASignedNumber) {
    // Bright yellow-white 0x3FFFFF is below the upward threshold: it continues an upward run
    // although its green and red are at full strength.
    const auto source = NewBitmap(5, 8, clWhite);
    for (int y = 1; y <= 4; ++y)
        source->Canvas()->SetPixel(2, y, 0x3FFFFF);
    source->Canvas()->SetPixel(2, 5, clBlack);
    auto display = CopyOf(*source);
    EXPECT_EQ(SweepRegion(*source, *display, {2, 5}), 5);
}

TEST(RegionSweepTest, PositionsOutsideTheImageAreBright) {
    const auto source = NewBitmap(20, 20, clBlack);
    auto display = CopyOf(*source);
    // Columns 1..19 and rows 1..19 are the real dark pixels the sweep can reach.
    EXPECT_EQ(SweepRegion(*source, *display, {10, 10}), 19 * 19);
    EXPECT_EQ(RedPixels(*display), 19 * 19);
    auto untouched = CopyOf(*source);
    EXPECT_EQ(SweepRegion(*source, *untouched, {25, 10}), 0);
    EXPECT_EQ(SweepRegion(*source, *untouched, {10, 20}), 0);
    EXPECT_EQ(SweepRegion(*source, *untouched, {-3, 10}), 0);
    EXPECT_EQ(RedPixels(*untouched), 0);
}

TEST(RegionSweepTest, LimitsBindTheRightwardSweepAndDownwardRunsOfLargeImagesOnly) {
    const auto source = NewBitmap(SweepLimit + 20, SweepLimit + 20, clBlack);
    auto display = CopyOf(*source);
    // Seed beyond both limits: no rightward sweep and no downward runs, but the leftward sweep
    // and the upward runs cover columns 1..1289 and rows 1..1290.
    const int count = SweepRegion(*source, *display, {SweepLimit + 10, SweepLimit + 10});
    EXPECT_EQ(count, (SweepLimit + 9) * (SweepLimit + 10));
    EXPECT_EQ(display->Canvas()->Pixels(SweepLimit + 9, SweepLimit + 10), RegionColor);
    EXPECT_EQ(display->Canvas()->Pixels(SweepLimit + 10, SweepLimit + 10), clBlack);
    EXPECT_EQ(display->Canvas()->Pixels(SweepLimit + 9, SweepLimit + 11), clBlack);
    EXPECT_EQ(display->Canvas()->Pixels(1, 1), RegionColor);
    EXPECT_EQ(display->Canvas()->Pixels(0, 1), clBlack);
}

TEST(RegionSweepTest, RefusesADisplayOfAnotherSize) {
    const auto source = NewBitmap(10, 10, clBlack);
    auto display = NewBitmap(10, 9, clBlack);
    EXPECT_THROW(SweepRegion(*source, *display, {5, 5}), Exception);
}

} // namespace
