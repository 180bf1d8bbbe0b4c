#include "framework/stdctrls/TrackBar.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"
#include "tests/support/FrameworkTest.h"

#include <cstdint>

namespace {

// A track bar whose window leaves out the selection-range style.
class TPlainTrackBar : public TTrackBar {
public:
    using TTrackBar::TTrackBar;

protected:
    void CreateParams(TCreateParams& params) override {
        TTrackBar::CreateParams(params);
        params.Style &= ~TBS_ENABLESELRANGE;
    }
};

class TrackBarTest : public FrameworkTest {
protected:
    template <class T = TTrackBar> T* NewTrackBar(TForm* form, int top = 10) {
        auto* bar = new T(form);
        bar->SetParent(form);
        bar->SetBounds(10, top, 150, 45);
        bar->OnChange = TNotifyEvent::FromFunction([this](TObject*) { ++Changes; });
        return bar;
    }

    int Changes = 0;
};

// The default geometry of a 150 x 45 bar with 0 .. 10: the thumb's centre moves from x = 13
// to x = 136; the channel is 8 pixels high from y = 10 (4 without the selection range).
constexpr int ChannelInsideY = 13;
int PixelOfPosition(int position) {
    return 13 + position * 123 / 10;
}

TEST_F(TrackBarTest, AThumbAsLongAsAnIntPaintsWithoutOverflow) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    bar->SetThumbLength(INT32_MAX);
    RunUntilIdle();
    EXPECT_EQ(bar->ThumbLength(), INT32_MAX);
}

TEST_F(TrackBarTest, SettersClampLikeTheFramework) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    bar->SetPosition(50);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 0);

    bar->SetMax(-5); // below Min: refused
    EXPECT_EQ(bar->Max(), 10);
    bar->SetMin(20); // above Max: refused
    EXPECT_EQ(bar->Min(), 0);

    bar->SetPosition(8);
    bar->SetMax(5);
    EXPECT_EQ(bar->Position(), 5);
    bar->SetMin(7);
    EXPECT_EQ(bar->Position(), 5);
    bar->SetMax(20);
    bar->SetMin(7);
    EXPECT_EQ(bar->Position(), 7);
}

TEST_F(TrackBarTest, LoadingOrderDecidesWhichBoundHolds) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    // Max is applied before Min: a range wholly below 0 loses its Max.
    bar->SetMax(-10);
    bar->SetMin(-20);
    EXPECT_EQ(bar->Min(), -20);
    EXPECT_EQ(bar->Max(), 10);
}

TEST_F(TrackBarTest, PositionChangesRaiseOnChangeOnce) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    bar->SetPosition(3);
    bar->SetPosition(3);
    EXPECT_EQ(Changes, 1);
}

TEST_F(TrackBarTest, WindowStyleAlwaysHasSelectionRangeAndFixedLength) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    RunUntilIdle();
    EXPECT_EQ(bar->Handle()->ClassName(), "msctls_trackbar32");
    const std::uint32_t style = GetWindowLong(bar->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (TBS_ENABLESELRANGE | TBS_FIXEDLENGTH | TBS_NOTHUMB | TBS_VERT),
              TBS_ENABLESELRANGE | TBS_FIXEDLENGTH);
    EXPECT_NE(style & TBS_AUTOTICKS, 0u);

    bar->SetSliderVisible(false);
    bar->SetOrientation(trVertical);
    const std::uint32_t recreated = GetWindowLong(bar->Handle(), GWL_STYLE);
    EXPECT_EQ(recreated & (TBS_NOTHUMB | TBS_VERT), TBS_NOTHUMB | TBS_VERT);
    EXPECT_EQ(bar->Width(), 45);
    EXPECT_EQ(bar->Height(), 150);
}

TEST_F(TrackBarTest, SelectionRangeIsDrawnOnlyWithTheStyleBit) {
    TForm* form = NewForm();
    TTrackBar* framed = NewTrackBar(form, 10);
    auto* plain = NewTrackBar<TPlainTrackBar>(form, 70);
    for (TTrackBar* bar : {framed, static_cast<TTrackBar*>(plain)}) {
        bar->SetSelStart(2);
        bar->SetSelEnd(8);
    }
    RunUntilIdle();

    const TColor highlight = ColorToRGB(clHighlight);
    EXPECT_EQ(PixelAt(framed, PixelOfPosition(5), ChannelInsideY), highlight);
    EXPECT_EQ(PixelAt(framed, PixelOfPosition(9), ChannelInsideY), ColorToRGB(clWindow));
    for (int x = 0; x < 150; ++x)
        for (int y = 0; y < 45; ++y)
            ASSERT_NE(PixelAt(plain, x, y), highlight) << x << ", " << y;
}

TEST_F(TrackBarTest, TicksStandEveryFrequencyPositionsOnTheChosenSide) {
    TForm* form = NewForm();
    TTrackBar* bottom = NewTrackBar(form, 10);
    TTrackBar* none = NewTrackBar(form, 70);
    bottom->SetFrequency(5);
    none->SetTickStyle(tsNone);
    RunUntilIdle();

    // Below the thumb (which ends at y = 24), two pixels apart from it.
    const TColor tick = ColorToRGB(clWindowText);
    for (int position : {0, 5, 10})
        EXPECT_EQ(PixelAt(bottom, PixelOfPosition(position), 27), tick) << position;
    EXPECT_NE(PixelAt(bottom, PixelOfPosition(3), 27), tick);
    EXPECT_NE(PixelAt(bottom, PixelOfPosition(5), 2), tick);
    EXPECT_NE(PixelAt(none, PixelOfPosition(5), 27), tick);

    bottom->SetTickMarks(tmTopLeft);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(bottom, PixelOfPosition(5), 5), tick);
}

TEST_F(TrackBarTest, EmptySelectionShowsNoRange) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    bar->SetSelStart(6);
    bar->SetSelEnd(6);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(bar, PixelOfPosition(6), ChannelInsideY), ColorToRGB(clWindow));
}

TEST_F(TrackBarTest, RecreatingTheWindowKeepsPositionAndRange) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    bar->SetMax(20);
    bar->SetPosition(7);
    bar->SetSelStart(1);
    bar->SetSelEnd(4);
    RunUntilIdle();
    bar->RecreateWnd();
    RunUntilIdle();
    EXPECT_EQ(bar->Position(), 7);
    EXPECT_EQ(bar->Max(), 20);
    EXPECT_EQ(bar->SelEnd(), 4);
    // The thumb is drawn at the kept position: its face colour at its centre.
    EXPECT_EQ(PixelAt(bar, 13 + 7 * 123 / 20, 14), ColorToRGB(clBtnFace));
}

TEST_F(TrackBarTest, KeysMoveByLineAndPageAndToTheEnds) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    RunUntilIdle();
    bar->SetFocus();
    RunUntilIdle();

    PressKey(VK_RIGHT);
    EXPECT_EQ(bar->Position(), 1);
    PressKey(VK_NEXT);
    EXPECT_EQ(bar->Position(), 3);
    PressKey(VK_END);
    EXPECT_EQ(bar->Position(), 10);
    PressKey(VK_DOWN);
    EXPECT_EQ(bar->Position(), 10);
    PressKey(VK_PRIOR);
    EXPECT_EQ(bar->Position(), 8);
    PressKey(VK_HOME);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(Changes, 5);
}

TEST_F(TrackBarTest, ClickBesideTheThumbPagesAndDraggingMovesIt) {
    TForm* form = NewForm();
    TTrackBar* bar = NewTrackBar(form);
    RunUntilIdle();

    Click(bar, 120, 14);
    EXPECT_EQ(bar->Position(), 2);
    EXPECT_TRUE(bar->Focused());

    const int thumb = PixelOfPosition(2);
    MouseDown(bar, thumb, 14);
    MouseMove(bar, PixelOfPosition(6), 30);
    EXPECT_EQ(bar->Position(), 6);
    MouseMove(bar, 400, 14);
    EXPECT_EQ(bar->Position(), 10);
    MouseUp(bar, 400, 14);
    MouseMove(bar, thumb, 14);
    EXPECT_EQ(bar->Position(), 10);
}

} // namespace

TEST_F(TrackBarTest, ABorderWidthInsetsTheWholeBarInTheControlsColour) {
    TForm* form = NewForm();
    constexpr int Border = 6;
    TTrackBar* plain = NewTrackBar(form, 10);
    plain->SetBounds(10, 10, 150 - 2 * Border, 45 - 2 * Border);
    TTrackBar* bordered = NewTrackBar(form, 80);
    bordered->SetBorderWidth(Border);
    plain->SetPosition(4);
    bordered->SetPosition(4);
    RunUntilIdle();

    for (int y = 0; y < bordered->Height(); ++y)
        for (int x = 0; x < bordered->Width(); ++x) {
            const bool inside = x >= Border && x < bordered->Width() - Border && y >= Border &&
                                y < bordered->Height() - Border;
            const TColor expected =
                inside ? PixelAt(plain, x - Border, y - Border) : PixelAt(bordered, 0, 0);
            ASSERT_EQ(PixelAt(bordered, x, y), expected) << x << ", " << y;
        }

    // A click beside the thumb in the inset channel pages towards it.
    Click(bordered, Border + 2, Border + ChannelInsideY);
    EXPECT_EQ(bordered->Position(), 2);
    bordered->SetBorderWidth(-3);
    EXPECT_EQ(bordered->BorderWidth(), 0);
}
