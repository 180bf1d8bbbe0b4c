// The measurement as a user runs it: load an image, click the seed, press "Start !", read the
// log, the Area field and the red pixels on the screen.

#include "tests/app/RegionCases.h"
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
