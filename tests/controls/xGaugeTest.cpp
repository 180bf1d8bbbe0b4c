#include "controls/xGauge.h"
#include "framework/graphics/Font.h"
#include "tests/support/FrameworkTest.h"

#include <vector>

namespace {

class TCountingGauge : public TxGauge {
public:
    using TxGauge::TxGauge;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TxGauge::Paint();
    }
};

class xGaugeTest : public FrameworkTest {
protected:
    void SetUp() override { Form = NewForm(); }

    TCountingGauge* NewGauge(int top = 10) {
        auto* gauge = new TCountingGauge(Form);
        gauge->SetParent(Form);
        gauge->SetLeft(10);
        gauge->SetTop(top);
        return gauge;
    }

    // A gauge whose row 0 shows nothing but the fill.
    TCountingGauge* NewPlainGauge(int top = 10) {
        TCountingGauge* gauge = NewGauge(top);
        gauge->SetBorderStyle(gbNone);
        gauge->SetShowText(false);
        return gauge;
    }

    int FilledWidth(const TxGauge* gauge) {
        RunUntilIdle();
        int n = 0;
        for (int x = 0; x < gauge->Width(); ++x)
            n += PixelAt(gauge, x, 0) == ColorToRGB(gauge->BarForeColor()) ? 1 : 0;
        return n;
    }

    // Columns from..to-1 of every row, as the screen shows them.
    std::vector<TColor> Shot(const TxGauge* gauge, int from = 0, int to = -1) {
        RunUntilIdle();
        if (to < 0)
            to = gauge->Width();
        std::vector<TColor> pixels;
        for (int y = 0; y < gauge->Height(); ++y)
            for (int x = from; x < to; ++x)
                pixels.push_back(PixelAt(gauge, x, y));
        return pixels;
    }

    TForm* Form = nullptr;
};

TEST_F(xGaugeTest, FillWidthUsesTheSinglePrecisionShare) {
    TCountingGauge* gauge = NewPlainGauge();
    gauge->SetPosition(50);
    EXPECT_EQ(FilledWidth(gauge), 75);
    gauge->SetPosition(100);
    EXPECT_EQ(FilledWidth(gauge), 150);
    gauge->SetMaxValue(3);
    gauge->SetPosition(1);
    EXPECT_EQ(FilledWidth(gauge), 49);
    gauge->SetPosition(2);
    EXPECT_EQ(FilledWidth(gauge), 99);
    gauge->SetMinValue(-100);
    gauge->SetMaxValue(0);
    gauge->SetPosition(-50);
    EXPECT_EQ(FilledWidth(gauge), 75);
    gauge->SetMinValue(0); // Min = Max: full
    EXPECT_EQ(FilledWidth(gauge), 150);
}

// Two gauges that show the same text and fill look alike pixel for pixel.
TEST_F(xGaugeTest, TextShowsTheTruncatedPercentage) {
    TCountingGauge* third = NewGauge(10);
    third->SetMaxValue(3);
    third->SetPosition(2);
    TCountingGauge* sixtySix = NewGauge(40);
    sixtySix->SetPosition(66);
    TCountingGauge* sixtySeven = NewGauge(70);
    sixtySeven->SetPosition(67);
    EXPECT_EQ(Shot(third), Shot(sixtySix));
    EXPECT_NE(Shot(third), Shot(sixtySeven));

    third->SetPosition(1);
    sixtySix->SetPosition(33);
    EXPECT_EQ(Shot(third), Shot(sixtySix));

    third->SetMaxValue(0); // an empty range shows as full
    sixtySix->SetPosition(100);
    EXPECT_EQ(Shot(third), Shot(sixtySix));

    third->SetMinValue(-100);
    third->SetPosition(-50);
    sixtySix->SetPosition(50);
    EXPECT_EQ(Shot(third), Shot(sixtySix));
}

TEST_F(xGaugeTest, TextChangesColourExactlyAtTheFillEdge) {
    auto styled = [&](int top, TColor barFore, TColor barBack, TColor textFore, TColor textBack) {
        TCountingGauge* gauge = NewGauge(top);
        gauge->SetBorderStyle(gbNone);
        gauge->SetBarForeColor(barFore);
        gauge->SetBarBackColor(barBack);
        gauge->SetTextForeColor(textFore);
        gauge->SetTextBackColor(textBack);
        gauge->SetPosition(50);
        return gauge;
    };
    const int edge = 75;
    TCountingGauge* gauge = styled(10, clNavy, clSilver, clRed, clYellow);
    TCountingGauge* allDone = styled(40, clNavy, clNavy, clYellow, clYellow);
    TCountingGauge* allLeft = styled(70, clSilver, clSilver, clRed, clRed);
    EXPECT_EQ(Shot(gauge, 0, edge), Shot(allDone, 0, edge));
    EXPECT_EQ(Shot(gauge, edge), Shot(allLeft, edge));
    // The text does straddle the edge.
    const std::vector<TColor> beforeEdge = Shot(gauge, edge - 3, edge);
    const std::vector<TColor> afterEdge = Shot(gauge, edge, edge + 3);
    EXPECT_NE(beforeEdge, std::vector<TColor>(beforeEdge.size(), ColorToRGB(clNavy)));
    EXPECT_NE(afterEdge, std::vector<TColor>(afterEdge.size(), ColorToRGB(clSilver)));
}

TEST_F(xGaugeTest, EachFrameStyleHasItsCornerPixels) {
    TCountingGauge* gauge = NewGauge();
    gauge->SetShowText(false);
    gauge->SetBarForeColor(clRed);
    gauge->SetBarBackColor(clYellow);
    gauge->SetPosition(50);
    const int r = 149, b = 19;
    struct TCorners {
        TGaugeBorders Style;
        TColor TopLeft, TopRight, BottomLeft, BottomRight, RightEdge, BottomEdge;
        TPoint Inside;
    };
    const TColor red = clRed;
    const std::vector<TCorners> styles{
        {gbNone, red, clYellow, red, clYellow, clYellow, red, {0, 0}},
        {gbSingle,
         clWindowFrame,
         clWindowFrame,
         clWindowFrame,
         clWindowFrame,
         clWindowFrame,
         clWindowFrame,
         {1, 1}},
        {gbSunken,
         clBtnShadow,
         clBtnShadow,
         clBtnShadow,
         clBtnHighlight,
         clBtnHighlight,
         clBtnHighlight,
         {1, 1}},
        {gbDeepSunken,
         clBtnShadow,
         clBtnShadow,
         clBtnShadow,
         clBtnHighlight,
         clBtnHighlight,
         clBtnHighlight,
         {2, 2}},
        {gbRaised,
         clBtnHighlight,
         clBtnHighlight,
         clBtnHighlight,
         clBtnShadow,
         clBtnShadow,
         clBtnShadow,
         {1, 1}},
    };
    for (const TCorners& s : styles) {
        gauge->SetBorderStyle(s.Style);
        RunUntilIdle();
        EXPECT_EQ(PixelAt(gauge, 0, 0), ColorToRGB(s.TopLeft)) << s.Style;
        EXPECT_EQ(PixelAt(gauge, r, 0), ColorToRGB(s.TopRight)) << s.Style;
        EXPECT_EQ(PixelAt(gauge, 0, b), ColorToRGB(s.BottomLeft)) << s.Style;
        EXPECT_EQ(PixelAt(gauge, r, b), ColorToRGB(s.BottomRight)) << s.Style;
        EXPECT_EQ(PixelAt(gauge, r, 10), ColorToRGB(s.RightEdge)) << s.Style;
        EXPECT_EQ(PixelAt(gauge, 10, b), ColorToRGB(s.BottomEdge)) << s.Style;
        EXPECT_EQ(PixelAt(gauge, s.Inside.x, s.Inside.y), ColorToRGB(clRed)) << s.Style;
    }
    // The deep sunken frame's inner ring: dark shadow top and left, button face right and bottom.
    gauge->SetBorderStyle(gbDeepSunken);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(gauge, 1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(gauge, 1, b - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(gauge, r - 1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(gauge, r - 1, 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(gauge, 10, b - 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(gauge, r - 1, b - 1), ColorToRGB(clBtnFace));
}

TEST_F(xGaugeTest, RangeSettersPullTheOtherValuesAlong) {
    TCountingGauge* gauge = NewGauge();
    gauge->SetMinValue(200);
    EXPECT_EQ(gauge->Min(), 100);
    EXPECT_EQ(gauge->Position(), 100);
    gauge->SetMaxValue(300);
    gauge->SetMinValue(200);
    EXPECT_EQ(gauge->Min(), 200);
    gauge->SetMaxValue(50);
    EXPECT_EQ(gauge->Max(), 200);
    EXPECT_EQ(gauge->Position(), 200);
    gauge->SetMaxValue(400);
    gauge->SetPosition(1000);
    EXPECT_EQ(gauge->Position(), 400);
    gauge->SetPosition(-1000);
    EXPECT_EQ(gauge->Position(), 200);
}

TEST_F(xGaugeTest, EqualValuesRepaintOnlyThroughPosition) {
    TCountingGauge* gauge = NewGauge();
    RunUntilIdle();
    const int before = gauge->Paints;
    gauge->SetShowText(true);
    gauge->SetBorderStyle(gbSunken);
    gauge->SetBarForeColor(clHighlight);
    gauge->SetTextBackColor(clBtnFace);
    gauge->SetMinValue(0);
    gauge->SetMaxValue(100);
    EXPECT_EQ(gauge->Paints, before);
    gauge->SetPosition(0);
    gauge->SetPosition(0);
    EXPECT_EQ(gauge->Paints, before + 2);
}

TEST_F(xGaugeTest, ChangesReachTheScreenAtOnce) {
    TCountingGauge* gauge = NewPlainGauge();
    RunUntilIdle();
    gauge->SetPosition(100);
    EXPECT_EQ(PixelAt(gauge, 140, 0), ColorToRGB(clHighlight));
    gauge->SetBarForeColor(clRed);
    EXPECT_EQ(PixelAt(gauge, 140, 0), ColorToRGB(clRed));
}

TEST_F(xGaugeTest, ZeroSizeAndHiddenGaugesPaintNothingAndDoNotFail) {
    TCountingGauge* gauge = NewGauge();
    const TColor formColour = PixelAt(gauge, 5, 5);
    gauge->SetWidth(0);
    gauge->SetPosition(50);
    RunUntilIdle();
    gauge->SetWidth(150);
    gauge->SetHeight(0);
    gauge->SetPosition(60);
    RunUntilIdle();
    gauge->SetHeight(20);
    gauge->Hide();
    gauge->SetPosition(70);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(gauge, 5, 5), formColour);

    TxGauge orphan(nullptr);
    orphan.SetPosition(40);
    EXPECT_EQ(orphan.Position(), 40);
}

TEST_F(xGaugeTest, TextTallerThanTheGaugeStaysCentredAndClipped) {
    TCountingGauge* gauge = NewGauge();
    gauge->SetBorderStyle(gbNone);
    gauge->SetBarBackColor(clWhite);
    gauge->SetTextForeColor(clBlack);
    TFont big;
    big.SetHeight(-60);
    gauge->Font()->Assign(&big);
    gauge->Repaint();
    const std::vector<TColor> pixels = Shot(gauge);
    EXPECT_NE(pixels, std::vector<TColor>(pixels.size(), ColorToRGB(clWhite)));
}

} // namespace
