#include "framework/stdctrls/ScrollBar.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A vertical bar 16 x 216 at (100, 0): arrows 16 long, a track of 184.
class ScrollBarEngineTest : public ::testing::Test {
protected:
    ScrollBarEngineTest() {
        bar.SetBoundsRect({100, 0, 116, 216});
        bar.SetParams(1000, 100, 0);
        bar.OnScroll = [this](TScrollCode code, int pos) {
            scrolls.emplace_back(code, pos);
            if (code == scLineDown)
                bar.SetParams(1000, 100, bar.Position() + 10);
            if (code == scPageDown)
                bar.SetParams(1000, 100, bar.Position() + 100);
            if (code == scPageUp)
                bar.SetParams(1000, 100, bar.Position() - 100);
        };
        bar.OnStartTimer = [this](unsigned delay) {
            timer = static_cast<int>(delay);
        };
        bar.OnStopTimer = [this] {
            timer = -1;
        };
    }

    TScrollBarEngine bar{sbVertical};
    std::vector<std::pair<TScrollCode, int>> scrolls;
    int timer = -1;
};

} // namespace

TEST_F(ScrollBarEngineTest, ArrowsTakeTheBarThicknessAndTheThumbItsShareOfTheTrack) {
    const TScrollBarGeometry g = bar.Geometry();
    EXPECT_EQ(g.ArrowBefore, (TRect{100, 0, 116, 16}));
    EXPECT_EQ(g.ArrowAfter, (TRect{100, 200, 116, 216}));
    EXPECT_EQ(g.Track, (TRect{100, 16, 116, 200}));
    EXPECT_EQ(g.Thumb, (TRect{100, 16, 116, 34})); // 184 * 100 / 1000 = 18

    bar.SetParams(1000, 100, 900);
    EXPECT_EQ(bar.Geometry().Thumb, (TRect{100, 182, 116, 200}));
}

TEST_F(ScrollBarEngineTest, ButtonSizeShortensTheArrowsAndTinyPagesKeepAMinimumThumb) {
    bar.SetButtonSize(8);
    bar.SetParams(100000, 10, 0);
    const TScrollBarGeometry g = bar.Geometry();
    EXPECT_EQ(g.ArrowBefore.Height(), 8);
    EXPECT_EQ(g.Track, (TRect{100, 8, 116, 208}));
    EXPECT_EQ(g.Thumb.Height(), TScrollBarEngine::MinThumb);
}

TEST_F(ScrollBarEngineTest, NothingToScrollOrDisabledShowsNoThumbAndTakesNoPress) {
    bar.SetParams(100, 100, 0);
    EXPECT_FALSE(bar.Active());
    EXPECT_TRUE(bar.Geometry().Thumb.IsEmpty());
    EXPECT_FALSE(bar.MouseDown({108, 5}));

    bar.SetParams(1000, 100, 0);
    bar.SetDisabled(true);
    EXPECT_TRUE(bar.Geometry().Thumb.IsEmpty());
    EXPECT_FALSE(bar.MouseDown({108, 5}));
    EXPECT_TRUE(scrolls.empty());
}

TEST_F(ScrollBarEngineTest, PositionIsClampedToTheRangeLeftBeyondThePage) {
    bar.SetParams(1000, 100, 5000);
    EXPECT_EQ(bar.Position(), 900);
    bar.SetParams(1000, 100, -3);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ScrollBarEngineTest, HeldArrowScrollsAtOnceThenRepeatsWhileThePointerStaysOnIt) {
    ASSERT_TRUE(bar.MouseDown({108, 210}));
    EXPECT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(timer, static_cast<int>(TScrollBarEngine::FirstDelay));
    bar.Repeat();
    EXPECT_EQ(timer, static_cast<int>(TScrollBarEngine::RepeatDelay));
    EXPECT_EQ(scrolls.size(), 2u);

    bar.MouseMove({108, 100}); // off the arrow: no more lines
    bar.Repeat();
    EXPECT_EQ(scrolls.size(), 2u);
    bar.MouseMove({108, 210});
    bar.Repeat();
    EXPECT_EQ(scrolls.size(), 3u);
    EXPECT_EQ(bar.Position(), 30);

    bar.MouseUp({108, 210});
    EXPECT_EQ(timer, -1);
    EXPECT_EQ(scrolls.back().first, scEndScroll);
    EXPECT_FALSE(bar.Pressed());
}

TEST_F(ScrollBarEngineTest, HeldPageClickRepeatsUntilTheThumbReachesThePointer) {
    ASSERT_TRUE(bar.MouseDown({108, 80}));
    for (int i = 0; i < 20; ++i)
        bar.Repeat();
    // The thumb (18 long) now covers y = 80: pages stopped there.
    const TRect thumb = bar.Geometry().Thumb;
    EXPECT_LE(thumb.Top, 80);
    EXPECT_GT(thumb.Bottom, 80);
    EXPECT_EQ(bar.Position(), 300);
}

TEST_F(ScrollBarEngineTest, DraggedThumbReportsTrackPositionsThenThePositionOnRelease) {
    ASSERT_TRUE(bar.MouseDown({108, 20})); // 4 pixels into the thumb
    bar.MouseMove({108, 20 + 83});         // half of the 166 pixels the thumb can travel
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(scrolls.back(), std::make_pair(scTrack, 450));
    EXPECT_EQ(bar.TrackPosition(), 450);
    EXPECT_EQ(bar.Position(), 0); // only the owner moves the position

    bar.MouseMove({108, 500}); // far below: the thumb stops at the end
    EXPECT_EQ(bar.TrackPosition(), 900);
    bar.MouseUp({108, 500});
    ASSERT_GE(scrolls.size(), 2u);
    EXPECT_EQ(scrolls[scrolls.size() - 2], std::make_pair(scPosition, 900));
    EXPECT_EQ(scrolls.back().first, scEndScroll);
}

TEST_F(ScrollBarEngineTest, CancelEndsAPressWithoutScrolling) {
    ASSERT_TRUE(bar.MouseDown({108, 100}));
    const auto before = scrolls.size();
    bar.Cancel();
    EXPECT_FALSE(bar.Pressed());
    EXPECT_EQ(timer, -1);
    bar.Repeat();
    bar.MouseUp({108, 100});
    EXPECT_EQ(scrolls.size(), before);
}
