#include "framework/stdctrls/ScrollBox.h"

#include "framework/stdctrls/Image.h"
#include "framework/streaming/FormReader.h"
#include "tests/stdctrls/StdCtrlsTest.h"

#include <cstdint>
#include <vector>

namespace {

// The main window's arrangement: a 644 x 516 black box with a sunken edge (640 x 512 inside)
// holding an image at its origin.
class ScrollBoxTest : public StdCtrlsTest {
protected:
    ScrollBoxTest() {
        form = NewForm(700, 600);
        box = new TScrollBox(form);
        box->SetParent(form);
        box->SetBounds(12, 12, 644, 516);
        box->SetColor(clBlack);
        image = new TImage(form);
        image->SetParent(box);
        image->SetBounds(0, 0, 640, 512);
        image->OnMouseDown =
            TMouseEvent::FromFunction([this](TObject*, TMouseButton, TShiftState, int x, int y) {
                clicks.push_back({x, y});
            });
        RunUntilIdle();
    }

    void ShowImage(int width, int height) {
        const auto bitmap = SolidBitmap(width, height, clWhite);
        image->SetWidth(width);
        image->SetHeight(height);
        image->Picture()->Assign(bitmap.get());
        RunUntilIdle();
    }

    // Client points of the bars: the vertical one right of the client area, the horizontal
    // one below it.
    TPoint DownArrow() const { return {box->ClientWidth() + 8, box->ClientHeight() - 8}; }
    TPoint VertTrack(int y) const { return {box->ClientWidth() + 8, y}; }

    TForm* form = nullptr;
    TScrollBox* box = nullptr;
    TImage* image = nullptr;
    std::vector<TPoint> clicks;
};

} // namespace

TEST_F(ScrollBoxTest, NoBarsWhileTheContentFits) {
    ShowImage(640, 512);
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->ClientRect(), (TRect{0, 0, 640, 512}));
}

TEST_F(ScrollBoxTest, AWiderImageBringsTheHorizontalBarWhichMayNeedTheVerticalOne) {
    ShowImage(641, 400);
    EXPECT_TRUE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->ClientRect(), (TRect{0, 0, 640, 496}));

    ShowImage(641, 500); // taller than what the horizontal bar leaves
    EXPECT_TRUE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->ClientRect(), (TRect{0, 0, 624, 496}));
}

TEST_F(ScrollBoxTest, ShrinkingTheContentHidesTheBarsAndScrollsBack) {
    ShowImage(1280, 1280);
    box->VertScrollBar()->SetPosition(300);
    EXPECT_EQ(image->Top(), -300);
    ShowImage(100, 100);
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
    EXPECT_EQ(image->Top(), 0);
}

TEST_F(ScrollBoxTest, ScrollingMovesTheChildrenAndClampsToTheRange) {
    ShowImage(1000, 1280);
    box->HorzScrollBar()->SetPosition(5000);
    EXPECT_EQ(box->HorzScrollBar()->Position(), 1000 - box->ClientWidth());
    EXPECT_EQ(image->Left(), -box->HorzScrollBar()->Position());
    box->VertScrollBar()->SetPosition(-4);
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
}

TEST_F(ScrollBoxTest, AClickOnAScrolledImageGivesImageCoordinates) {
    ShowImage(1280, 1280);
    box->HorzScrollBar()->SetPosition(100);
    box->VertScrollBar()->SetPosition(50);
    RunUntilIdle();
    Click(box, 7, 12);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], (TPoint{107, 62}));
}

TEST_F(ScrollBoxTest, ASmallImageLeavesTheBlackBackgroundAroundIt) {
    ShowImage(100, 80);
    EXPECT_EQ(PixelAt(box, 50, 40), clWhite);
    EXPECT_EQ(PixelAt(box, 150, 40), clBlack);
    EXPECT_EQ(PixelAt(box, 50, 120), clBlack);
    EXPECT_EQ(PixelAt(box, -1, 40), ColorToRGB(cl3DDkShadow)); // the sunken edge
}

TEST_F(ScrollBoxTest, WheelScrollsThreeIncrementsANotchOnceAPressHasFocusedTheBox) {
    ShowImage(640, 2000);
    Click(box, 100, 100);
    EXPECT_TRUE(box->Focused());
    Wheel(box, 100, 100, -120);
    EXPECT_EQ(box->VertScrollBar()->Position(), 3 * box->VertScrollBar()->Increment());
    Wheel(box, 100, 100, 240);
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
}

TEST_F(ScrollBoxTest, SmoothBarsStepATenthOfAPageAndAPageIsNineTenthsOfTheView) {
    ShowImage(640, 2000);
    box->VertScrollBar()->SetSmooth(true);
    const int view = box->ClientHeight();
    EXPECT_EQ(box->VertScrollBar()->PageIncrement(), view * 9 / 10);
    EXPECT_EQ(box->VertScrollBar()->Increment(), view * 9 / 10 / 10);
}

TEST_F(ScrollBoxTest, StepsAsLargeAsAnIntScrollWithoutOverflow) {
    ShowImage(640, 2000);
    box->VertScrollBar()->SetIncrement(INT32_MAX);
    Click(box, DownArrow().x, DownArrow().y);
    Click(box, DownArrow().x, DownArrow().y);
    EXPECT_EQ(box->VertScrollBar()->Position(), 2000 - box->ClientHeight());
    box->SetHeight(1 << 30);
    EXPECT_EQ(box->VertScrollBar()->PageIncrement(),
              static_cast<int>(std::int64_t{box->ClientHeight()} * 9 / 10));
}

TEST_F(ScrollBoxTest, ArrowClicksScrollOneIncrementAndRepeatWhileHeld) {
    ShowImage(640, 2000);
    const int step = box->VertScrollBar()->Increment();
    Click(box, DownArrow().x, DownArrow().y);
    EXPECT_EQ(box->VertScrollBar()->Position(), step);

    MouseDown(box, DownArrow().x, DownArrow().y);
    RunFor(TScrollBarEngine::FirstDelay + 2 * TScrollBarEngine::RepeatDelay);
    MouseUp(box, DownArrow().x, DownArrow().y);
    EXPECT_EQ(box->VertScrollBar()->Position(), 5 * step);
    RunFor(1000);
    EXPECT_EQ(box->VertScrollBar()->Position(), 5 * step);
}

TEST_F(ScrollBoxTest, PageClicksBesideTheThumbScrollAPage) {
    ShowImage(640, 2000);
    Click(box, VertTrack(400).x, VertTrack(400).y);
    EXPECT_EQ(box->VertScrollBar()->Position(), box->VertScrollBar()->PageIncrement());
    Click(box, VertTrack(20).x, VertTrack(20).y);
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
}

TEST_F(ScrollBoxTest, DraggedThumbScrollsWhenLetGoUnlessTracking) {
    ShowImage(640, 2000);
    MouseDown(box, VertTrack(20).x, VertTrack(20).y); // on the thumb at the top
    MouseMove(box, VertTrack(220).x, VertTrack(220).y);
    EXPECT_EQ(image->Top(), 0);
    MouseUp(box, VertTrack(220).x, VertTrack(220).y);
    const int dropped = box->VertScrollBar()->Position();
    EXPECT_GT(dropped, 0);
    EXPECT_EQ(image->Top(), -dropped);

    box->VertScrollBar()->SetTracking(true);
    MouseDown(box, VertTrack(222).x, VertTrack(222).y);
    MouseMove(box, VertTrack(300).x, VertTrack(300).y);
    EXPECT_GT(box->VertScrollBar()->Position(), dropped);
    MouseUp(box, VertTrack(300).x, VertTrack(300).y);
}

TEST_F(ScrollBoxTest, PressesOnTheBarsNeverReachTheImageBeneath) {
    ShowImage(1280, 1280);
    Click(box, DownArrow().x, DownArrow().y);
    Click(box, VertTrack(300).x, VertTrack(300).y, mbRight);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ScrollBoxTest, StoredBarSettingsApplyToTheBars) {
    TForm* stored = NewForm(700, 600);
    ReadComponent(stored, R"({"class": "TForm", "name": "Stored", "components": [
        {"class": "TScrollBox", "name": "ScrollBox1", "properties": {
            "Left": 12, "Top": 12, "Width": 644, "Height": 516, "Color": "clBlack",
            "HorzScrollBar": {"ButtonSize": 8, "Smooth": true},
            "VertScrollBar": {"Smooth": true}},
         "components": [{"class": "TImage", "name": "Image",
            "properties": {"Width": 2000, "Height": 400}}]}]})",
                  "test.json");
    RunUntilIdle();
    auto* stored_box = dynamic_cast<TScrollBox*>(stored->FindComponent("ScrollBox1"));
    ASSERT_NE(stored_box, nullptr);
    EXPECT_EQ(stored_box->HorzScrollBar()->ButtonSize(), 8);
    EXPECT_TRUE(stored_box->HorzScrollBar()->Smooth());
    EXPECT_TRUE(stored_box->VertScrollBar()->Smooth());
    ASSERT_TRUE(stored_box->HorzScrollBar()->IsScrollBarVisible());
    // An 8-pixel arrow (its dark right edge at x = 7), then the thumb at the start of the track.
    const int y = stored_box->ClientHeight() + 8;
    EXPECT_EQ(PixelAt(stored_box, 7, y), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(stored_box, 9, y), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(stored_box, 15, y), ColorToRGB(clBtnFace));
}

TEST_F(ScrollBoxTest, ABarThatMayNotShowLeavesItsDirectionUnscrollable) {
    box->HorzScrollBar()->SetVisible(false);
    ShowImage(2000, 400);
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    box->HorzScrollBar()->SetPosition(100);
    EXPECT_EQ(image->Left(), 0);
}

TEST_F(ScrollBoxTest, TheImageIsNotUnderThePointerWhereTheBarsCoverIt) {
    ShowImage(1280, 1280);
    MouseMove(box, 100, 100);
    EXPECT_EQ(HostWindowOf(box).Cursor(), platform::CursorShape::Arrow);
    image->SetCursor(crCross);
    MouseMove(box, 101, 100);
    EXPECT_EQ(HostWindowOf(box).Cursor(), platform::CursorShape::Cross);
    MouseMove(box, DownArrow().x, DownArrow().y);
    EXPECT_EQ(HostWindowOf(box).Cursor(), platform::CursorShape::Arrow);
}
