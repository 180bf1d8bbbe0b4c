// The measurement as a user runs it: load an image, click the seed, press "Start !", read the
// log, the Area field and the red pixels on the screen.

#include "tests/app/SaruviTest.h"

#include "app/RegionSweep.h"
#include "app/main.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr TColor Grey(int level) {
    return RGB(level, level, level);
}

struct TRegionCase {
    const char* Name;
    int Width;
    int Height;
    TColor Background;
    std::vector<TFilledRect> Rects;
    TPoint Seed;
    int Count;
};

void PrintTo(const TRegionCase& c, std::ostream* os) {
    *os << c.Name;
}

// The U: uprights at columns 20..29 and 50..59, rows 20..69, joined by a bar at rows 60..69.
const std::vector<TFilledRect> UShape{{Rect(20, 20, 30, 70), clBlack},
                                      {Rect(50, 20, 60, 70), clBlack},
                                      {Rect(20, 60, 60, 70), clBlack}};
// A dark line along row 10, columns 5..14.
TFilledRect SeedRow() {
    return {Rect(5, 10, 15, 11), clBlack};
}
// A dark column 5, rows 8..12, with one pixel of another colour at row y.
std::vector<TFilledRect> ColumnWith(int y, TColor color) {
    return {{Rect(5, 8, 6, 13), clBlack}, {Rect(5, y, 6, y + 1), color}};
}

const TRegionCase RegionCases[] = {
    // Columns 105..109 rightwards and 104..100 leftwards, ten pixels each.
    {"TenByTenSquare", 200, 200, clWhite, {{Rect(100, 100, 110, 110), clBlack}}, {105, 105}, 100},
    // Only the left upright's columns are reached along the seed row.
    {"UShapeFromAnUpright", 100, 100, clWhite, UShape, {25, 30}, 500},
    {"UShapeFromTheBar", 100, 100, clWhite, UShape, {40, 65}, 1200},
    {"SinglePixel", 50, 50, clWhite, {{Rect(30, 40, 31, 41), clBlack}}, {30, 40}, 1},
    // The rightward sweep ends at once; the leftward one measures from the neighbour.
    {"BrightSeedWithDarkLeftNeighbour",
     80,
     80,
     clWhite,
     {{Rect(45, 50, 50, 51), clBlack}},
     {50, 50},
     5},
    // Every column 0..19, rows 1..19: the leftward sweep never starts.
    {"SeedInColumnZero", 20, 20, clBlack, {}, {0, 10}, 20 * 19},
    {"SeedInColumnOne", 20, 20, clBlack, {}, {1, 10}, 19 * 19},
    // No upward runs: every column counts from row 1.
    {"SeedInRowZero", 20, 20, clBlack, {}, {10, 0}, 19 * 19},
    {"RowValueAtThresholdContinues",
     30,
     30,
     clWhite,
     {SeedRow(), {Rect(10, 10, 11, 11), 0x4040}},
     {5, 10},
     10},
    {"RowValueAboveThresholdStops",
     30,
     30,
     clWhite,
     {SeedRow(), {Rect(10, 10, 11, 11), 0x4041}},
     {5, 10},
     5},
    {"DownwardValueAtThresholdContinues", 30, 30, clWhite, ColumnWith(11, 0x4040), {5, 10}, 5},
    {"DownwardValueAboveThresholdStops", 30, 30, clWhite, ColumnWith(11, 0x4041), {5, 10}, 3},
    {"DownwardRunStopsOnGrey1", 30, 30, clWhite, ColumnWith(11, Grey(1)), {5, 10}, 3},
    {"UpwardRunContinuesOnGrey63", 30, 30, clWhite, ColumnWith(9, Grey(63)), {5, 10}, 5},
    {"UpwardRunStopsOnGrey64", 30, 30, clWhite, ColumnWith(9, Grey(64)), {5, 10}, 3},
    // Positions beyond an image's edges count as bright: only the pixels of the image count.
    {"ImageTouchingItsEdges", 30, 20, clBlack, {}, {15, 10}, 29 * 19},
};

class MeasurementTest : public SaruviTest, public ::testing::WithParamInterface<TRegionCase> {};

TEST_P(MeasurementTest, LogsShowsAndPaintsTheCount) {
    const TRegionCase& c = GetParam();
    Measure(WriteBmp("case.bmp", c.Width, c.Height, c.Background, c.Rects), c.Seed);
    EXPECT_EQ(LastLogLine(), "* Total Pixels = " + std::to_string(c.Count));
    EXPECT_EQ(Form1->pnArea->Caption(), std::to_string(c.Count));
    EXPECT_EQ(RedShown(), c.Count);
    EXPECT_FALSE(Form1->sbCalc->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Regions, MeasurementTest, ::testing::ValuesIn(RegionCases),
                         [](const auto& test) { return std::string(test.param.Name); });

using MeasurementDetailTest = SaruviTest;

TEST_F(MeasurementDetailTest, PaintsExactlyTheSquareAndNothingAroundIt) {
    Measure(WriteBmp("square.bmp", 200, 200, clWhite, {{Rect(100, 100, 110, 110), clBlack}}),
            {105, 105});
    for (int y = 99; y <= 110; ++y)
        for (int x = 99; x <= 110; ++x) {
            const bool inside = x >= 100 && x < 110 && y >= 100 && y < 110;
            EXPECT_EQ(Shown(x, y), inside ? RegionColor : clWhite) << x << "," << y;
        }
}

TEST_F(MeasurementDetailTest, NeverCountsRowZeroOrColumnZeroFromTheLeft) {
    Measure(WriteBmp("black.bmp", 20, 20, clBlack), {10, 10});
    EXPECT_EQ(Shown(10, 0), clBlack);
    EXPECT_EQ(Shown(0, 10), clBlack);
    EXPECT_EQ(Shown(1, 1), RegionColor);
    EXPECT_EQ(Shown(19, 19), RegionColor);
}

TEST_F(MeasurementDetailTest, RefreshesTheScreenAfterEveryColumn) {
    const std::string path =
        WriteBmp("square.bmp", 200, 200, clWhite, {{Rect(100, 100, 110, 110), clBlack}});
    Load(path);
    ClickImage(105, 105);
    const int before = HostWindowOf(Form1->Image).PresentCount();
    PressStart();
    EXPECT_GE(HostWindowOf(Form1->Image).PresentCount() - before, 10);
}

TEST_F(MeasurementDetailTest, StartStaysDisabledUntilTheNextClick) {
    Measure(WriteBmp("pixel.bmp", 50, 50, clWhite, {{Rect(30, 40, 31, 41), clBlack}}), {30, 40});
    const std::size_t lines = Log().size();
    PressStart();
    EXPECT_EQ(Log().size(), lines);
    ClickImage(30, 40);
    PressStart();
    EXPECT_EQ(Log().size(), lines + 2);
    EXPECT_EQ(LastLogLine(), "* Total Pixels = 1");
}

TEST_F(MeasurementDetailTest, ASecondMeasurementStartsFromACleanCopy) {
    const std::string path =
        WriteBmp("two.bmp", 100, 100, clWhite,
                 {{Rect(10, 10, 20, 20), clBlack}, {Rect(50, 50, 60, 60), clBlack}});
    Measure(path, {15, 15});
    ClickImage(55, 55);
    PressStart();
    EXPECT_EQ(Shown(15, 15), clBlack);
    EXPECT_EQ(Shown(55, 55), RegionColor);
    EXPECT_EQ(RedShown(), 100);
}

TEST_F(MeasurementDetailTest, RunsOnTheBlankSourceBeforeAnyLoad) {
    ClickImage(100, 100);
    PressStart();
    EXPECT_EQ(LastLogLine(), "* Total Pixels = 0");
    // The image control is wider than the blank 512 x 512 source at first.
    ClickImage(600, 100);
    PressStart();
    EXPECT_EQ(LastLogLine(), "* Total Pixels = 0");
}

} // namespace
