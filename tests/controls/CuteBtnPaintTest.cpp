// What the button shows: its frames at the pixels that matter, where the caption's box lies
// (read off the focus rectangle, which is that box shrunk by 2), the embossed disabled caption,
// and which property changes repaint.

#include "tests/controls/CuteBtnTest.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/windows/WindowManager.h"

#include <memory>
#include <string>

namespace {

class CuteBtnPaintTest : public CuteBtnTest {
protected:
    void SetUp() override {
        CuteBtnTest::SetUp();
        Button->SetCaption("");
        Button->SetShowFocusRect(true);
        Button->SetFocus();
        MoveMouseAway();
    }

    TColor At(int x, int y) const { return PixelAt(Button, x, y); }
    static TColor Highlight() { return ColorToRGB(clBtnHighlight); }
    static TColor Shadow() { return ColorToRGB(clBtnShadow); }
    static TColor Face() { return ColorToRGB(clBtnFace); }

    // The focus rectangle darkens the dots of its outline where x + y is even (on the button
    // face); each edge is checked at its first such dot, with the face on both sides of it.
    void ExpectFocusRect(const TRect& r) const {
        const auto firstDot = [](int from, int other) {
            return from + ((from + other) % 2 == 0 ? 0 : 1);
        };
        const int left = firstDot(r.Top + 1, r.Left);
        const int right = firstDot(r.Top + 1, r.Right - 1);
        const int top = firstDot(r.Left + 1, r.Top);
        const int bottom = firstDot(r.Left + 1, r.Bottom - 1);
        const struct {
            TPoint Dot, Outside, Inside;
        } edges[] = {
            {{r.Left, left}, {r.Left - 1, left}, {r.Left + 1, left}},
            {{r.Right - 1, right}, {r.Right, right}, {r.Right - 2, right}},
            {{top, r.Top}, {top, r.Top - 1}, {top, r.Top + 1}},
            {{bottom, r.Bottom - 1}, {bottom, r.Bottom}, {bottom, r.Bottom - 2}},
        };
        for (const auto& e : edges) {
            EXPECT_EQ(At(e.Dot.x, e.Dot.y), clBlack) << e.Dot.x << "," << e.Dot.y;
            EXPECT_EQ(At(e.Outside.x, e.Outside.y), Face()) << e.Outside.x << "," << e.Outside.y;
            EXPECT_EQ(At(e.Inside.x, e.Inside.y), Face()) << e.Inside.x << "," << e.Inside.y;
        }
    }

    // An outline ring at inset i: top row and left column in top, right column and bottom row
    // in bottom.
    void ExpectRing(int i, TColor top, TColor bottom) const {
        EXPECT_EQ(At(i, i), top);
        EXPECT_EQ(At(73 - i, i), top);
        EXPECT_EQ(At(74 - i, i), bottom) << "top-right corner";
        EXPECT_EQ(At(i, 23 - i), top);
        EXPECT_EQ(At(i, 24 - i), bottom) << "bottom-left corner";
        EXPECT_EQ(At(74 - i, 24 - i), bottom);
    }
};

TEST_F(CuteBtnPaintTest, AtRestTheInnerRaisedFrameIsTheOutermostRing) {
    // Without TabFocusUp the focus leaves the look flat.
    Button->SetTabFocusUp(false);
    FocusElsewhere();
    Button->SetFocus();
    RunUntilIdle();
    EXPECT_EQ(Look(), bvNone);
    ExpectRing(0, Highlight(), Shadow());
    EXPECT_EQ(At(1, 1), Face());
    ExpectFocusRect({4, 4, 71, 21});
}

TEST_F(CuteBtnPaintTest, RaisedAnOuterRingSurroundsTheInnerOne) {
    MouseMove(Button, 30, 10);
    EXPECT_EQ(Look(), bvRaised);
    ExpectRing(0, Highlight(), Shadow());
    ExpectRing(1, Highlight(), Shadow());
    ExpectFocusRect({4, 4, 71, 21});
}

TEST_F(CuteBtnPaintTest, PressedTheOuterRingIsSunkenAndTheCaptionBoxShrinksFromTheTopLeft) {
    MouseDown(Button, 30, 10);
    ExpectRing(0, Shadow(), Highlight());
    ExpectRing(1, Highlight(), Shadow());
    ExpectFocusRect({6, 6, 71, 21});
}

TEST_F(CuteBtnPaintTest, FlatHasNoFrameAtRestAndOneSunkenRingPressed) {
    Button->SetFlat(true);
    Button->SetTabFocusUp(false);
    FocusElsewhere();
    Button->SetFocus();
    RunUntilIdle();
    EXPECT_EQ(At(0, 0), Face());
    EXPECT_EQ(At(74, 24), Face());
    ExpectFocusRect({3, 3, 72, 22});

    MouseDown(Button, 30, 10);
    ExpectRing(0, Shadow(), Highlight());
    EXPECT_EQ(At(1, 1), Face());
    ExpectFocusRect({5, 5, 72, 22});
}

TEST_F(CuteBtnPaintTest, FlatSwitchesOnlyTheInnerFrameAndSkipsItsCurrentValue) {
    Button->SetFlat(true);
    EXPECT_EQ(Button->BevelInner(), bvNone);
    Button->SetFlat(false);
    EXPECT_EQ(Button->BevelInner(), bvRaised);
    Button->SetBevelInner(bvLowered);
    Button->SetFlat(false);
    EXPECT_EQ(Button->BevelInner(), bvLowered);
    EXPECT_EQ(Look(), bvRaised);
}

TEST_F(CuteBtnPaintTest, MarginsMoveTheEdgeTheCaptionIsAlignedTo) {
    const struct {
        TAlignment Alignment;
        TTextLayout Layout;
        TRect Focus;
    } cases[] = {
        {taCenter, tlCenter, {4, 4, 71, 21}},       {taLeftJustify, tlCenter, {9, 4, 71, 21}},
        {taRightJustify, tlCenter, {4, 4, 66, 21}}, {taCenter, tlTop, {4, 9, 71, 21}},
        {taCenter, tlBottom, {4, 4, 71, 16}},
    };
    Button->SetMarginX(5);
    Button->SetMarginY(5);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Alignment) + " " + std::to_string(c.Layout));
        Button->SetAlignment(c.Alignment);
        Button->SetLayout(c.Layout);
        RunUntilIdle();
        ExpectFocusRect(c.Focus);
    }
}

TEST_F(CuteBtnPaintTest, MarginsBelowMinusOneAreStoredAsNoneAndZeroPaintsAlike) {
    Button->SetMarginX(-7);
    Button->SetMarginY(-2147483647 - 1);
    EXPECT_EQ(Button->MarginX(), -1);
    EXPECT_EQ(Button->MarginY(), -1);
    Button->SetAlignment(taLeftJustify);
    Button->SetMarginX(0);
    RunUntilIdle();
    ExpectFocusRect({4, 4, 71, 21});
}

TEST_F(CuteBtnPaintTest, HugeBevelWidthsAndMarginsPaintWithoutOverflow) {
    Button->SetAlignment(taRightJustify);
    Button->SetLayout(tlBottom);
    Button->SetMarginX(2147483647);
    Button->SetMarginY(2147483647);
    Button->SetBevelWidth(2147483647);
    MouseDown(Button, 30, 10);
    EXPECT_EQ(At(0, 0), Shadow());
    EXPECT_EQ(At(74, 24), Highlight());
}

// The caption drawn the way a disabled button embosses it, on a plain bitmap.
std::unique_ptr<TBitmap> Embossed(const TCuteButton& button, TColor background) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(75, 25);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush()->SetColor(background);
    canvas.FillRect({0, 0, 75, 25});
    canvas.SetFont(button.Font());
    SetBkMode(canvas.Handle(), TRANSPARENT);
    constexpr unsigned format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    TRect light{3, 3, 74, 24};
    canvas.Font()->SetColor(clBtnHighlight);
    DrawTextA(canvas.Handle(), button.Caption().c_str(), -1, &light, format);
    TRect text{2, 2, 73, 23};
    canvas.Font()->SetColor(clBtnShadow);
    DrawTextA(canvas.Handle(), button.Caption().c_str(), -1, &text, format);
    return bitmap;
}

TEST_F(CuteBtnPaintTest, DisabledCaptionIsEmbossedOnColorOrOnDisabledColor) {
    Button->SetCaption("W&ide");
    Button->SetShowFocusRect(false);
    Button->SetDisabledColor(clTeal);
    Button->SetEnabled(false);
    MoveMouseAway();
    for (bool useDisabledColor : {false, true}) {
        SCOPED_TRACE(useDisabledColor);
        Button->SetUseDisabledColor(useDisabledColor);
        RunUntilIdle();
        const auto expected = Embossed(*Button, useDisabledColor ? clTeal : Face());
        int highlights = 0;
        for (int y = 2; y < 23; ++y)
            for (int x = 2; x < 73; ++x) {
                ASSERT_EQ(At(x, y), expected->Canvas()->Pixels(x, y)) << x << "," << y;
                highlights += At(x, y) == Highlight();
            }
        EXPECT_GT(highlights, 0);
    }
}

TEST_F(CuteBtnPaintTest, DisabledColourSettersRepaintOnlyWhileDisabled) {
    RunUntilIdle();
    Button->SetDisabledColor(clTeal);
    Button->SetUseDisabledColor(true);
    EXPECT_FALSE(WindowManager().PaintPending());
    Button->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(At(10, 3), ColorToRGB(clTeal));
    Button->SetDisabledColor(clMaroon);
    EXPECT_TRUE(WindowManager().PaintPending());
    RunUntilIdle();
    EXPECT_EQ(At(10, 3), ColorToRGB(clMaroon));
}

TEST_F(CuteBtnPaintTest, BevelColoursAndTheBrushRepaint) {
    Button->SetBevelHighlight(clYellow);
    Button->SetBevelShadow(clNavy);
    RunUntilIdle();
    EXPECT_EQ(At(0, 0), clYellow);
    EXPECT_EQ(At(74, 24), clNavy);
    Button->Brush()->SetColor(clLime);
    EXPECT_TRUE(WindowManager().PaintPending());
    RunUntilIdle();
    EXPECT_EQ(At(10, 3), clLime);
}

} // namespace
