#include "controls/StrokeBar.h"
#include "framework/graphics/Canvas.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <climits>
#include <utility>
#include <vector>

namespace {

// A 120 x 48 bar with margins 16: the band is rows 16..31; the default canvas font is 12 pixels.
constexpr int BandRow = 20;
constexpr int LastBandRow = 31;

int Red(TColor c) {
    return c & 0xFF;
}
int Green(TColor c) {
    return (c >> 8) & 0xFF;
}
int Blue(TColor c) {
    return (c >> 16) & 0xFF;
}

class StrokeBarTest : public FrameworkTest {
protected:
    TStrokeBar* NewBar(bool showValue = false) {
        TForm* form = NewForm();
        auto* bar = new TStrokeBar(form);
        bar->SetParent(form);
        bar->SetLeft(10);
        bar->SetTop(10);
        bar->SetShowValue(showValue);
        bar->OnChanging = TNotifyEvent::FromFunction([this](TObject*) { ++Changings; });
        bar->OnMouseDown =
            TMouseEvent::FromFunction([this](TObject*, TMouseButton button, TShiftState, int, int) {
                Presses.push_back(button);
            });
        RunUntilIdle();
        return bar;
    }

    // The first column of the band's last row that does not show fill.
    int BarEnd(const TStrokeBar* bar, TColor fill) const {
        for (int x = 0; x < bar->Width(); ++x)
            if (PixelAt(bar, x, LastBandRow) != ColorToRGB(fill))
                return x;
        return bar->Width();
    }

    // The first move into the band only starts tracking.
    void StartTracking(TStrokeBar* bar) {
        MouseMove(bar, 60, BandRow);
        ASSERT_TRUE(bar->MouseCapture());
    }

    int Changings = 0;
    std::vector<TMouseButton> Presses;
};

TEST_F(StrokeBarTest, ValueAndBarPositionMapWithTruncationTowardZero) {
    TStrokeBar* bar = NewBar();
    bar->SetValue(50);
    RunUntilIdle();
    EXPECT_EQ(BarEnd(bar, clNavy), 60);
    bar->SetValue(33);
    RunUntilIdle();
    EXPECT_EQ(BarEnd(bar, clNavy), 39);

    StartTracking(bar);
    MouseMove(bar, 39, BandRow);
    EXPECT_EQ(bar->Value(), 32);
    EXPECT_EQ(BarEnd(bar, clBlue), 39);
    const std::vector<std::pair<int, int>> columns{{1, 0},     {2, 1},     {119, 99},
                                                   {120, 100}, {400, 100}, {-30, 0}};
    for (auto [column, value] : columns) {
        MouseMove(bar, column, BandRow);
        EXPECT_EQ(bar->Value(), value) << "column " << column;
    }
}

TEST_F(StrokeBarTest, NegativeRangeMapsAcrossZero) {
    TStrokeBar* bar = NewBar();
    bar->SetMin(-50);
    bar->SetMax(50);
    StartTracking(bar);
    MouseMove(bar, 59, BandRow);
    EXPECT_EQ(bar->Value(), -1);
}

TEST_F(StrokeBarTest, EmptyRangeAndZeroWidthGiveTheLowerEnd) {
    TStrokeBar* bar = NewBar();
    bar->SetValue(70);
    bar->SetMin(-7);
    bar->SetMax(-7); // raised to Min: Min = Max, so the bar is empty
    RunUntilIdle();
    EXPECT_EQ(bar->Max(), -7);
    EXPECT_EQ(bar->Value(), -7);
    EXPECT_EQ(BarEnd(bar, clNavy), 0);

    bar->SetMax(10);
    StartTracking(bar);
    bar->SetWidth(0);
    MouseMove(bar, 80, BandRow);
    EXPECT_EQ(bar->Value(), -7);
}

TEST_F(StrokeBarTest, FullIntegerRangeMapsWithoutOverflow) {
    TStrokeBar* bar = NewBar();
    bar->SetMin(INT_MIN);
    bar->SetMax(INT_MAX);
    bar->SetValue(0);
    RunUntilIdle();
    EXPECT_EQ(BarEnd(bar, clNavy), 60);
    StartTracking(bar);
    MouseMove(bar, 60, BandRow);
    EXPECT_EQ(bar->Value(), -1);
    MouseMove(bar, 120, BandRow);
    EXPECT_EQ(bar->Value(), INT_MAX);
    MouseMove(bar, 0, BandRow);
    EXPECT_EQ(bar->Value(), INT_MIN);
}

TEST_F(StrokeBarTest, SettersClampValueAndRange) {
    TStrokeBar* bar = NewBar();
    bar->SetValue(-5);
    EXPECT_EQ(bar->Value(), 0);
    bar->SetValue(500);
    EXPECT_EQ(bar->Value(), 100);
    bar->SetMin(300);
    EXPECT_EQ(bar->Min(), 100);
    bar->SetMin(0);
    bar->SetMax(-3);
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->Value(), 0);
}

TEST_F(StrokeBarTest, ACancelAfterTheRangeNarrowedStaysInTheRange) {
    TStrokeBar* bar = NewBar();
    bar->SetValue(80);
    bar->SetMax(50);
    RunUntilIdle();
    EXPECT_EQ(bar->Value(), 50);
    EXPECT_EQ(BarEnd(bar, clNavy), 120);

    StartTracking(bar);
    MouseMove(bar, 10, BandRow);
    MouseDown(bar, 10, BandRow, mbRight);
    EXPECT_EQ(bar->Value(), 50);
    EXPECT_EQ(BarEnd(bar, clNavy), 120);

    bar->SetMax(100);
    bar->SetValue(0);
    bar->SetMin(100);
    EXPECT_EQ(bar->Value(), 100);
    MoveMouseAway();
    StartTracking(bar);
    MouseMove(bar, 10, BandRow);
    MouseDown(bar, 10, BandRow, mbRight);
    EXPECT_EQ(bar->Value(), 100);
}

TEST_F(StrokeBarTest, MarginsAreLoweredToLeaveNoOverlapAndAnEmptyBandNeverTracks) {
    TStrokeBar* bar = NewBar();
    bar->SetMarginTop(40);
    EXPECT_EQ(bar->MarginTop(), 32);
    bar->SetMarginBottom(-5);
    EXPECT_EQ(bar->MarginBottom(), -5);
    bar->SetMarginTop(INT_MAX);
    EXPECT_EQ(bar->MarginTop(), 53);

    bar->SetMarginTop(24);
    bar->SetMarginBottom(30);
    EXPECT_EQ(bar->MarginBottom(), 24);
    for (int y = 0; y < 48; ++y)
        MouseMove(bar, 60, y);
    EXPECT_FALSE(bar->MouseCapture());
}

TEST_F(StrokeBarTest, BevelsFollowTheCornerRules) {
    TStrokeBar* bar = NewBar();
    bar->SetBackBarColor(clYellow);
    bar->SetBevelOuter(sbLowered);
    bar->SetBevelInner(sbRaised);
    RunUntilIdle();
    const TColor gray = ColorToRGB(clGray);
    const TColor white = ColorToRGB(clWhite);
    // Outer frame: columns 0..119, rows 16..31.
    for (int y = 16; y <= 30; ++y) {
        EXPECT_EQ(PixelAt(bar, 0, y), gray) << y;
        EXPECT_EQ(PixelAt(bar, 119, y), white) << y;
    }
    for (int x = 0; x <= 118; ++x)
        EXPECT_EQ(PixelAt(bar, x, 16), gray) << x;
    for (int x = 0; x <= 119; ++x)
        EXPECT_EQ(PixelAt(bar, x, 31), white) << x;
    // Inner frame: columns 1..118, rows 17..30, the colours exchanged.
    for (int y = 17; y <= 29; ++y) {
        EXPECT_EQ(PixelAt(bar, 1, y), white) << y;
        EXPECT_EQ(PixelAt(bar, 118, y), gray) << y;
    }
    for (int x = 1; x <= 117; ++x)
        EXPECT_EQ(PixelAt(bar, x, 17), white) << x;
    EXPECT_EQ(PixelAt(bar, 118, 17), gray);
    for (int x = 1; x <= 118; ++x)
        EXPECT_EQ(PixelAt(bar, x, 30), gray) << x;
    // Inside and outside the frames.
    EXPECT_EQ(PixelAt(bar, 2, 18), ColorToRGB(clYellow));
    EXPECT_EQ(PixelAt(bar, 60, 15), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(bar, 60, 32), ColorToRGB(clWindow));
}

TEST_F(StrokeBarTest, ValueTextIsDrawnInInverseColoursSplitAtTheBarPosition) {
    TStrokeBar* bar = NewBar(true);
    bar->SetBarColor(clRed);
    bar->SetBackBarColor(clBlue);
    bar->SetValue(50);
    RunUntilIdle();
    const int w = bar->Canvas()->TextWidth("50");
    const int x = (120 - w) / 2;
    ASSERT_LT(x, 60);
    int blueGlyph = 0, redGlyph = 0;
    for (int y = 16; y < 32; ++y) {
        for (int c = x; c < 60; ++c) {
            const TColor p = PixelAt(bar, c, y);
            ASSERT_EQ(Green(p), 0) << c << ", " << y;
            blueGlyph += Blue(p) > 0 ? 1 : 0;
        }
        for (int c = 60; c < x + w; ++c) {
            const TColor p = PixelAt(bar, c, y);
            ASSERT_EQ(Green(p), 0) << c << ", " << y;
            redGlyph += Red(p) > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(blueGlyph, 0);
    EXPECT_GT(redGlyph, 0);
    EXPECT_EQ(PixelAt(bar, x - 1, 24), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(bar, x + w + 1, 24), ColorToRGB(clBlue));
}

TEST_F(StrokeBarTest, DisabledBarIsGreyOnSilverWhateverItsColours) {
    TStrokeBar* bar = NewBar(true);
    bar->SetBarColor(clRed);
    bar->SetValue(50);
    bar->SetCaption("Ab");
    bar->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(bar, 10, LastBandRow), ColorToRGB(clGray));
    EXPECT_EQ(PixelAt(bar, 100, LastBandRow), ColorToRGB(clSilver));
    int dark = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            const TColor p = PixelAt(bar, x, y);
            dark += Red(p) < 64 && Green(p) < 64 && Blue(p) < 64 ? 1 : 0;
        }
    EXPECT_GT(dark, 0) << "the caption keeps the font colour";
}

// ---- tracking, row by row

TEST_F(StrokeBarTest, IdleMovesOutsideTheBandStartNothingAndEntryOnlyCaptures) {
    TStrokeBar* bar = NewBar();
    for (int y : {0, 5, 15, 32, 47})
        MouseMove(bar, 60, y);
    EXPECT_FALSE(bar->MouseCapture());
    MouseMove(bar, 60, 16);
    EXPECT_TRUE(bar->MouseCapture());
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(Changings, 0);
    EXPECT_EQ(PixelAt(bar, 0, LastBandRow), ColorToRGB(clWhite));
}

TEST_F(StrokeBarTest, TrackingFollowsThePointerOutsideTheControlAfterTheValueChanged) {
    TStrokeBar* bar = NewBar();
    std::vector<int> seenByMouseMove, seenByChanging;
    std::vector<TColor> drawnByChanging;
    bar->OnMouseMove = TMouseMoveEvent::FromFunction(
        [&](TObject*, TShiftState, int, int) { seenByMouseMove.push_back(bar->Value()); });
    bar->OnChanging = TNotifyEvent::FromFunction([&](TObject*) {
        seenByChanging.push_back(bar->Value());
        drawnByChanging.push_back(bar->Canvas()->Pixels(89, LastBandRow));
    });
    StartTracking(bar);
    MouseMove(bar, 90, 300);
    EXPECT_EQ(seenByMouseMove, (std::vector<int>{0, 0}));
    EXPECT_EQ(seenByChanging, std::vector<int>{75});
    EXPECT_EQ(drawnByChanging, std::vector<TColor>{ColorToRGB(clBlue)});

    MouseMove(bar, -40, 200);
    EXPECT_EQ(bar->Value(), 0);
    MouseMove(bar, 500, -50);
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_EQ(BarEnd(bar, clBlue), 120);
    EXPECT_EQ(seenByChanging.size(), 3u);
}

TEST_F(StrokeBarTest, RepaintsWhileTrackingUseBarColourUntilTheNextMove) {
    TStrokeBar* bar = NewBar();
    StartTracking(bar);
    MouseMove(bar, 60, BandRow);
    bar->SetHighlightColor(clRed);
    RunUntilIdle();
    EXPECT_EQ(BarEnd(bar, clNavy), 60);
    MouseMove(bar, 70, BandRow);
    EXPECT_EQ(BarEnd(bar, clRed), 70);
    bar->Invalidate();
    RunUntilIdle();
    EXPECT_EQ(BarEnd(bar, clNavy), 70);
}

TEST_F(StrokeBarTest, LeftClickCommitsAtItsColumnAndSettles) {
    TStrokeBar* bar = NewBar();
    StartTracking(bar);
    MouseMove(bar, 90, BandRow);
    MouseDown(bar, 30, BandRow);
    EXPECT_EQ(bar->Value(), 25);
    EXPECT_EQ(BarEnd(bar, clNavy), 30);
    EXPECT_FALSE(bar->MouseCapture());
    EXPECT_EQ(Presses, std::vector<TMouseButton>{mbLeft});
    MouseUp(bar, 30, BandRow);

    // Settled: moves do nothing until a mouse-leave.
    MouseMove(bar, 80, BandRow);
    EXPECT_FALSE(bar->MouseCapture());
    EXPECT_EQ(bar->Value(), 25);
    MoveMouseAway();
    StartTracking(bar);
    MouseMove(bar, 100, BandRow);
    MouseDown(bar, 100, BandRow, mbRight);
    EXPECT_EQ(bar->Value(), 25);
}

TEST_F(StrokeBarTest, RightClickCancelsToTheCommittedPair) {
    TStrokeBar* bar = NewBar();
    bar->SetValue(40);
    StartTracking(bar);
    MouseMove(bar, 100, BandRow);
    EXPECT_EQ(bar->Value(), 83);
    MouseDown(bar, 100, BandRow, mbRight);
    EXPECT_EQ(bar->Value(), 40);
    EXPECT_EQ(BarEnd(bar, clNavy), 48);
    EXPECT_FALSE(bar->MouseCapture());
    EXPECT_EQ(Presses, std::vector<TMouseButton>{mbRight});
    EXPECT_EQ(Changings, 1);
}

TEST_F(StrokeBarTest, ACancelPutsTheBarWhereTheRestoredValueBelongsAtTheCurrentWidth) {
    struct Case {
        int committedAt; // the column clicked to commit; 0: Value 80 assigned instead
        int width;       // after the commit
        int value;
        int barEnd;
    };
    const std::vector<Case> cases{
        {0, 120, 80, 96}, {0, 100, 80, 80}, {0, 200, 80, 160}, {39, 120, 32, 38}};
    for (const Case& c : cases) {
        TStrokeBar* bar = NewBar();
        if (c.committedAt == 0) {
            bar->SetValue(80);
        } else {
            StartTracking(bar);
            MouseMove(bar, c.committedAt, BandRow);
            Click(bar, c.committedAt, BandRow);
            MoveMouseAway();
        }
        bar->SetWidth(c.width);
        StartTracking(bar);
        MouseMove(bar, 10, BandRow);
        Click(bar, 10, BandRow, mbRight);
        RunUntilIdle();
        EXPECT_EQ(bar->Value(), c.value) << "width " << c.width;
        EXPECT_EQ(BarEnd(bar, clNavy), c.barEnd) << "width " << c.width;
    }
}

// A press on the caption or limit rows takes the capture until its release; the stroke that
// starts while the button is down keeps it beyond.
TEST_F(StrokeBarTest, AStrokeBegunWithAButtonDownKeepsTheCaptureAfterTheRelease) {
    struct Case {
        int pressRow;
        TPoint release;
    };
    const std::vector<Case> cases{{5, {60, BandRow}}, {40, {60, BandRow}}, {5, {200, 100}}};
    for (const Case& c : cases) {
        TStrokeBar* bar = NewBar();
        MouseDown(bar, 60, c.pressRow);
        MouseMove(bar, 60, BandRow);
        MouseMove(bar, c.release.x, c.release.y);
        MouseUp(bar, c.release.x, c.release.y);
        EXPECT_TRUE(bar->MouseCapture()) << "pressed on row " << c.pressRow;
        MouseMove(bar, 200, 100); // over the form, outside the bar
        EXPECT_EQ(bar->Value(), 100) << "pressed on row " << c.pressRow;
        Click(bar, 30, BandRow);
        EXPECT_EQ(bar->Value(), 25);
        EXPECT_FALSE(bar->MouseCapture());
    }
}

TEST_F(StrokeBarTest, MiddleClickWhileTrackingChangesNothingAndRaisesNoMouseDown) {
    TStrokeBar* bar = NewBar();
    StartTracking(bar);
    MouseMove(bar, 90, BandRow);
    MouseDown(bar, 30, BandRow, mbMiddle);
    EXPECT_TRUE(bar->MouseCapture());
    EXPECT_EQ(bar->Value(), 75);
    EXPECT_EQ(BarEnd(bar, clBlue), 90);
    EXPECT_TRUE(Presses.empty());
    MouseUp(bar, 30, BandRow, mbMiddle);
    MouseMove(bar, 30, BandRow);
    EXPECT_EQ(bar->Value(), 25);
}

TEST_F(StrokeBarTest, MouseLeaveWhileTrackingIsIgnored) {
    TStrokeBar* bar = NewBar();
    StartTracking(bar);
    bar->Perform(CM_MOUSELEAVE);
    MoveMouseAway();
    MouseMove(bar, 30, BandRow);
    EXPECT_EQ(bar->Value(), 25);
    EXPECT_TRUE(bar->MouseCapture());
}

TEST_F(StrokeBarTest, CommitOutsideTheControlTracksAgainOnlyAfterALeaveAndAReturn) {
    TStrokeBar* bar = NewBar();
    StartTracking(bar);
    MouseMove(bar, 200, BandRow);
    Click(bar, 200, BandRow);
    EXPECT_EQ(bar->Value(), 100);

    MouseMove(bar, 60, BandRow); // back in: entered, but no leave came while settled
    EXPECT_FALSE(bar->MouseCapture());
    MoveMouseAway();
    MouseMove(bar, 60, BandRow);
    EXPECT_TRUE(bar->MouseCapture());
}

TEST_F(StrokeBarTest, CanvasFontChangesOnlyThroughTheFontSetter) {
    TStrokeBar* bar = NewBar();
    const int initial = bar->Canvas()->Font()->Height();
    bar->Parent()->Font()->SetHeight(-20);
    EXPECT_EQ(bar->Font()->Height(), -20);
    EXPECT_EQ(bar->Canvas()->Font()->Height(), initial);
    TFont font;
    font.SetHeight(-16);
    bar->SetFont(&font);
    EXPECT_EQ(bar->Canvas()->Font()->Height(), -16);
}

} // namespace
