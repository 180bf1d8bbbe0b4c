#include "tests/controls/ColorButtonTest.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/Edit.h"

#include <climits>
#include <memory>

namespace {

class ColorButtonPaintTest : public ColorButtonTest {
protected:
    // The face the button should show: the face colour, then text drawn into box as the button
    // draws it, engraved when asked.
    static std::unique_ptr<TBitmap> Expected(const TColorButton* button, const std::string& text,
                                             TRect box, unsigned horizontal, TColor face,
                                             bool engraved = false) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(button->Width(), button->Height());
        TCanvas& canvas = *bitmap->Canvas();
        canvas.SetFont(button->Font());
        canvas.Brush()->SetColor(face);
        canvas.FillRect({0, 0, button->Width(), button->Height()});
        canvas.Brush()->SetStyle(bsClear);
        const unsigned format = horizontal | DT_NOCLIP;
        if (engraved) {
            TRect light = box;
            OffsetRect(light, 1, 1);
            canvas.Font()->SetColor(clBtnHighlight);
            DrawTextA(canvas.Handle(), text.c_str(), -1, &light, format);
            canvas.Font()->SetColor(clBtnShadow);
        }
        DrawTextA(canvas.Handle(), text.c_str(), -1, &box, format);
        return bitmap;
    }

    // The pixels of area (client coordinates) where the button shows something other than
    // expected, and, as a guard against a blank reference, those that differ from the face.
    struct TComparison {
        int Differences = 0;
        int Ink = 0;
    };
    TComparison Compare(const TColorButton* button, TBitmap& expected, TColor face,
                        const TRect& area) const {
        TComparison result;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) {
                const TColor want = expected.Canvas()->Pixels(x, y);
                result.Differences += At(button, x, y) != want;
                result.Ink += want != ColorToRGB(face);
            }
        return result;
    }

    void ExpectFace(const TColorButton* button, const std::string& text, TRect box,
                    unsigned horizontal, const TRect& area) const {
        auto expected = Expected(button, text, box, horizontal, Face);
        const TComparison c = Compare(button, *expected, Face, area);
        EXPECT_GT(c.Ink, 0);
        EXPECT_EQ(c.Differences, 0) << "caption box " << box.Left << ", " << box.Top;
    }

    static int TextHeight(const TColorButton* button, const std::string& text) {
        TBitmap bitmap;
        bitmap.SetSize(1, 1);
        bitmap.Canvas()->SetFont(button->Font());
        TRect r{0, 0, 0, 0};
        DrawTextA(bitmap.Canvas()->Handle(), text.c_str(), -1, &r, DT_CENTER | DT_CALCRECT);
        return r.Bottom - r.Top;
    }
};

// The margins of the caption table: 5 from the sides, 4 from the top, 5 from the bottom, one
// less on the side of a bsStd caption that is not fixed, one more everywhere while pressed.
TEST_F(ColorButtonPaintTest, CaptionBoxFollowsAlignmentsCorrectionsOffsetsAndPress) {
    TColorButton* b = NewButton();
    EXPECT_EQ(b->CaptionBox(13, false, false), Rect(0, 6, 75, 19));
    EXPECT_EQ(b->CaptionBox(13, true, false), Rect(1, 7, 76, 20));
    EXPECT_EQ(b->CaptionBox(30, false, false), Rect(0, -2, 75, 28)); // -5 / 2 truncates to -2

    b->SetCapAlignH(haLeft);
    b->SetCapAlignV(vaTop);
    b->SetCapFixed(false);
    EXPECT_EQ(b->CaptionBox(13, false, false), Rect(4, 3, 79, 16));
    EXPECT_EQ(b->CaptionBox(13, false, true), Rect(5, 4, 80, 17)); // focused: no correction
    b->SetMBStyle(bsIELike);
    EXPECT_EQ(b->CaptionBox(13, false, false), Rect(5, 4, 80, 17));
    b->SetMBStyle(bsStd);
    b->SetCapAlignH(haRight);
    b->SetCapAlignV(vaBottom);
    EXPECT_EQ(b->CaptionBox(13, false, false), Rect(-4, 8, 71, 21));
    b->SetCapFixed(true);
    EXPECT_EQ(b->CaptionBox(13, false, false), Rect(-5, 7, 70, 20));

    b->SetCapAlignH(haCenter);
    b->SetCapAlignV(vaCenter);
    b->SetCapFixed(false); // centred captions never take the correction
    b->SetCapOffsetH(3);
    b->SetCapOffsetV(-2);
    EXPECT_EQ(b->CaptionBox(13, true, false), Rect(4, 5, 79, 18));
    b->SetCapOffsetH(INT_MAX);
    b->SetCapOffsetV(INT_MIN);
    const TRect far = b->CaptionBox(13, true, false);
    EXPECT_GT(far.Left, 75);
    EXPECT_LT(far.Bottom, 0);
}

TEST_F(ColorButtonPaintTest, CaptionIsDrawnInItsBox) {
    TColorButton* b = NewButton("Go");
    ASSERT_EQ(TextHeight(b, "Go"), 13);
    const TRect inside{3, 3, 72, 22};
    ExpectFace(b, "Go", Rect(0, 6, 75, 19), DT_CENTER, inside);

    b->SetCapAlignH(haLeft);
    b->SetCapAlignV(vaTop);
    b->SetCapFixed(false);
    RunUntilIdle();
    ExpectFace(b, "Go", Rect(4, 3, 79, 16), DT_LEFT, inside);

    // Pressing focuses the button, which brings the frame: the face starts a ring further in.
    b->SetCapAlignH(haCenter);
    b->SetCapAlignV(vaCenter);
    b->SetFocusline(false);
    MouseDown(b, 30, 12);
    ExpectFace(b, "Go", Rect(1, 7, 76, 20), DT_CENTER, inside);
    MouseUp(b, 30, 12);
}

TEST_F(ColorButtonPaintTest, PressingMovesTheCaptionInStyleNoneToo) {
    TColorButton* b = NewButton("Go");
    b->SetMBStyle(bsNone);
    b->SetFocusline(false);
    RunUntilIdle();
    MouseDown(b, 30, 12);
    ExpectFace(b, "Go", Rect(1, 7, 76, 20), DT_CENTER, Rect(0, 0, 75, 25));
    MouseUp(b, 30, 12);
}

TEST_F(ColorButtonPaintTest, LinesShowWhileCaptionIsEmptyEachCentredOnItsOwn) {
    TColorButton* b = NewButton("");
    b->SetBounds(10, 10, 75, 60);
    TStringList lines;
    lines.SetLines({"one", "three", "w"});
    b->SetCaptionLines(&lines);
    RunUntilIdle();
    const std::string text = "one\r\nthree\r\nw";
    ASSERT_EQ(TextHeight(b, text), 39);
    const TRect inside{3, 3, 72, 57};
    ExpectFace(b, text, Rect(0, 10, 75, 49), DT_CENTER, inside);

    b->SetCaption("Go");
    RunUntilIdle();
    ExpectFace(b, "Go", Rect(0, 23, 75, 36), DT_CENTER, inside);
    b->SetCaption("a\nb");
    RunUntilIdle();
    ExpectFace(b, "a\nb", Rect(0, 17, 75, 43), DT_CENTER, inside);
}

TEST_F(ColorButtonPaintTest, DisabledFaceIsButtonFaceWithAnEngravedCaption) {
    TColorButton* b = NewButton("Go");
    b->SetEnabled(false);
    RunUntilIdle();
    auto expected = Expected(b, "Go", Rect(0, 6, 75, 19), DT_CENTER, clBtnFace, true);
    const TComparison c = Compare(b, *expected, clBtnFace, Rect(3, 3, 72, 22));
    EXPECT_EQ(c.Differences, 0);
    int lighter = 0;
    int darker = 0;
    const int face = GetRValue(ColorToRGB(clBtnFace));
    for (int y = 3; y < 22; ++y)
        for (int x = 3; x < 72; ++x) {
            lighter += GetRValue(At(b, x, y)) > face;
            darker += GetRValue(At(b, x, y)) < face;
        }
    EXPECT_GT(lighter, 0);
    EXPECT_GT(darker, 0);
    EXPECT_EQ(At(b, 0, 0), Highlight); // the edges as for an enabled button
    EXPECT_EQ(At(b, 74, 24), Frame);
}

// Each line is drawn after the ones before it, so the corners tell the order.
TEST_F(ColorButtonPaintTest, StandardEdgeAtRestWhenDefaultAndWhenPressed) {
    form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 100, 80, 21);
    TColorButton* b = NewButton("Go");
    EXPECT_EQ(At(b, 0, 0), Highlight);
    EXPECT_EQ(At(b, 74, 0), Frame);
    EXPECT_EQ(At(b, 0, 24), Frame);
    EXPECT_EQ(At(b, 74, 24), Frame);
    EXPECT_EQ(At(b, 73, 1), Shadow);
    EXPECT_EQ(At(b, 1, 23), Shadow);
    EXPECT_EQ(At(b, 73, 0), Highlight);
    EXPECT_EQ(At(b, 1, 1), Face);

    // The form's default button while an edit box has the focus: the frame, the bevel inside
    // it, and no focus rectangle.
    b->SetDefault(true);
    edit->SetFocus();
    RunUntilIdle();
    EXPECT_EQ(At(b, 0, 0), Frame);
    EXPECT_EQ(At(b, 74, 24), Frame);
    EXPECT_EQ(At(b, 1, 1), Highlight);
    EXPECT_EQ(At(b, 73, 1), Frame);
    EXPECT_EQ(At(b, 1, 23), Frame);
    EXPECT_EQ(At(b, 72, 2), Shadow);
    EXPECT_EQ(At(b, 2, 22), Shadow);
    EXPECT_EQ(At(b, 2, 2), Face);
    EXPECT_EQ(At(b, 4, 4), Face);

    MouseDown(b, 30, 12);
    EXPECT_EQ(At(b, 0, 0), Frame);
    EXPECT_EQ(At(b, 1, 1), Shadow);
    EXPECT_EQ(At(b, 73, 1), Shadow);
    EXPECT_EQ(At(b, 73, 23), Shadow);
    EXPECT_EQ(At(b, 2, 2), Face);
    MouseUp(b, 30, 12);
}

TEST_F(ColorButtonPaintTest, ThinEdgeRaisedUnderTheMouseSunkenWhilePressed) {
    TColorButton* b = NewButton("Go");
    b->SetMBStyle(bsIELike);
    b->SetFocusline(false);
    RunUntilIdle();
    EXPECT_EQ(At(b, 0, 0), Face);
    EXPECT_EQ(At(b, 74, 24), Face);

    MouseMove(b, 30, 12);
    EXPECT_EQ(At(b, 0, 0), Highlight);
    EXPECT_EQ(At(b, 74, 0), Shadow);
    EXPECT_EQ(At(b, 0, 24), Shadow);
    EXPECT_EQ(At(b, 74, 24), Shadow);
    EXPECT_EQ(At(b, 1, 1), Face);

    MouseDown(b, 30, 12);
    EXPECT_EQ(At(b, 0, 0), Shadow);
    EXPECT_EQ(At(b, 74, 0), Highlight);
    EXPECT_EQ(At(b, 0, 24), Highlight);
    EXPECT_EQ(At(b, 74, 24), Highlight);
    MouseUp(b, 30, 12);

    MoveMouseAway();
    EXPECT_EQ(At(b, 0, 0), Face);
    EXPECT_EQ(At(b, 74, 24), Face);
}

TEST_F(ColorButtonPaintTest, ThinEdgeShowsRaisedInDesignMode) {
    TColorButton* b = NewButton("Go");
    b->SetMBStyle(bsIELike);
    b->SetDesigning(true);
    b->Invalidate();
    RunUntilIdle();
    EXPECT_EQ(At(b, 0, 0), Highlight);
    EXPECT_EQ(At(b, 74, 24), Shadow);
}

TEST_F(ColorButtonPaintTest, StyleNoneDrawsNoEdgeInAnyState) {
    TColorButton* b = NewButton("Go");
    b->SetMBStyle(bsNone);
    b->SetFocusline(false);
    RunUntilIdle();
    MouseMove(b, 30, 12);
    EXPECT_EQ(At(b, 0, 0), Face);
    MouseDown(b, 30, 12);
    EXPECT_EQ(At(b, 0, 0), Face);
    EXPECT_EQ(At(b, 74, 24), Face);
    MouseUp(b, 30, 12);
}

TEST_F(ColorButtonPaintTest, FocusRectangleInsetDependsOnTheStyle) {
    const TColor dotted = Face ^ ColorToRGB(clBtnFace); // XOR with the background colour
    for (const auto& [style, inset] : {std::pair{bsStd, 4}, {bsIELike, 2}, {bsNone, 0}}) {
        TColorButton* b = NewButton("");
        b->SetMBStyle(style);
        b->SetFocus();
        RunUntilIdle();
        EXPECT_EQ(At(b, inset, inset), dotted) << "style " << int(style);
        EXPECT_EQ(At(b, inset + 1, inset + 1), Face) << "style " << int(style);
        b->SetFocusline(false);
        RunUntilIdle();
        EXPECT_EQ(At(b, inset, inset), Face) << "style " << int(style);
        delete b;
    }
}

} // namespace
