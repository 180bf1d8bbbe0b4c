#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/graphics/Canvas.h"
#include "framework/windows/Win32Api.h"

namespace {

class PaintingTest : public FrameworkTest {
protected:
    void SetUp() override { form = NewForm(200, 150); }
    TForm* form = nullptr;
};

TEST_F(PaintingTest, TheFormShowsItsColourAndAChildItsOwn) {
    auto* probe = Place(new TPaintProbe(form, clRed), form, 10, 20, 30, 40);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(form, 5, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(probe, 0, 0), clRed);
    EXPECT_EQ(PixelAt(probe, 29, 39), clRed);
    EXPECT_EQ(PixelAt(form, 40, 20), ColorToRGB(clBtnFace)); // just right of the child
    EXPECT_EQ(PixelAt(form, 10, 60), ColorToRGB(clBtnFace)); // just below it
}

TEST_F(PaintingTest, InvalidateWaitsForTheQueueToRunEmpty) {
    auto* probe = Place(new TPaintProbe(form), form, 0, 0, 10, 10);
    RunUntilIdle();
    const int before = probe->Paints;
    probe->Invalidate();
    probe->Invalidate();
    EXPECT_EQ(probe->Paints, before);
    RunUntilIdle();
    EXPECT_EQ(probe->Paints, before + 1);
}

TEST_F(PaintingTest, RepaintPaintsAtOnceAndShowsOnTheScreen) {
    auto* probe = Place(new TPaintProbe(form, clRed), form, 0, 0, 10, 10);
    RunUntilIdle();
    const int before = probe->Paints;
    probe->Fill = clLime;
    probe->Repaint();
    EXPECT_EQ(probe->Paints, before + 1);
    EXPECT_EQ(PixelAt(probe, 5, 5), clLime);
}

TEST_F(PaintingTest, AChildIsClippedToItsOwnClientArea) {
    auto* probe = Place(new TPaintProbe(form, clRed), form, 10, 10, 20, 20);
    probe->Overdraw = true;
    RunUntilIdle();
    EXPECT_EQ(PixelAt(probe, 0, 0), clRed);
    EXPECT_EQ(PixelAt(probe, -1, -1), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(probe, 20, 20), ColorToRGB(clBtnFace));
}

TEST_F(PaintingTest, AGrandchildIsClippedToItsParentsClientArea) {
    auto* outer = Place(new TPaintProbe(form, clRed), form, 10, 10, 50, 50);
    auto* inner = Place(new TPaintProbe(form, clBlue), outer, 40, 40, 30, 30);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(inner, 0, 0), clBlue);
    EXPECT_EQ(PixelAt(inner, 9, 9), clBlue);
    EXPECT_EQ(PixelAt(inner, 10, 10), ColorToRGB(clBtnFace)); // outside outer
}

TEST_F(PaintingTest, GraphicControlsPaintOverTheirParentAndUnderWindowedSiblings) {
    auto* panel = Place(new TPaintProbe(form, clRed), form, 0, 0, 100, 100);
    auto* graphic = Place(new TGraphicProbe(form, clBlue), panel, 10, 10, 40, 40);
    auto* window = Place(new TPaintProbe(form, clLime), panel, 30, 30, 40, 40);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(panel, 5, 5), clRed);
    EXPECT_EQ(PixelAt(graphic, 5, 5), clBlue);
    EXPECT_EQ(PixelAt(window, 5, 5), clLime); // over the graphic control
    EXPECT_EQ(PixelAt(panel, 60, 20), clRed);
}

TEST_F(PaintingTest, HidingAControlUncoversWhatIsBehindIt) {
    auto* probe = Place(new TPaintProbe(form, clRed), form, 10, 10, 20, 20);
    RunUntilIdle();
    probe->Hide();
    RunUntilIdle();
    EXPECT_EQ(PixelAt(form, 15, 15), ColorToRGB(clBtnFace));
    probe->Show();
    RunUntilIdle();
    EXPECT_EQ(PixelAt(form, 15, 15), clRed);
}

TEST_F(PaintingTest, MovingAControlRepaintsBothPlaces) {
    auto* probe = Place(new TPaintProbe(form, clRed), form, 10, 10, 20, 20);
    RunUntilIdle();
    probe->SetLeft(100);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(form, 15, 15), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(form, 105, 15), clRed);
}

TEST_F(PaintingTest, DrawingOnTheCanvasOutsidePaintGoesStraightToTheScreen) {
    auto* probe = Place(new TPaintProbe(form, clRed), form, 10, 10, 20, 20);
    auto* graphic = Place(new TGraphicProbe(form, clBlue), form, 50, 10, 20, 20);
    RunUntilIdle();
    const int paints = probe->Paints;
    probe->Canvas()->SetPixel(3, 4, clYellow);
    graphic->Canvas()->SetPixel(5, 6, clYellow);
    graphic->Canvas()->SetPixel(25, 6, clYellow); // outside the graphic control: clipped
    RunUntilIdle();
    EXPECT_EQ(probe->Paints, paints);
    EXPECT_EQ(PixelAt(probe, 3, 4), clYellow);
    EXPECT_EQ(PixelAt(graphic, 5, 6), clYellow);
    EXPECT_EQ(PixelAt(graphic, 25, 6), ColorToRGB(clBtnFace));
}

TEST_F(PaintingTest, AnOpaqueGraphicControlRepaintsAtOnceWithoutErasing) {
    auto* graphic = Place(new TGraphicProbe(form, clBlue), form, 10, 10, 20, 20);
    graphic->SetControlStyle(graphic->ControlStyle() | csOpaque);
    RunUntilIdle();
    const int paints = graphic->Paints;
    graphic->Fill = clRed;
    graphic->Repaint();
    EXPECT_EQ(graphic->Paints, paints + 1);
    EXPECT_EQ(PixelAt(graphic, 0, 0), clRed);
}

TEST_F(PaintingTest, ABorderStyleDrawsAFrameOutsideTheClientArea) {
    class TBordered : public TPaintProbe {
    public:
        using TPaintProbe::TPaintProbe;

    protected:
        void CreateParams(TCreateParams& params) override {
            TPaintProbe::CreateParams(params);
            params.Style |= WS_BORDER;
        }
    };
    auto* probe = Place(new TBordered(form, clRed), form, 10, 10, 20, 20);
    RunUntilIdle();
    EXPECT_EQ(probe->ClientWidth(), 18);
    EXPECT_EQ(PixelAt(probe, -1, -1), ColorToRGB(clWindowFrame));
    EXPECT_EQ(PixelAt(probe, 0, 0), clRed);
    EXPECT_EQ(PixelAt(probe, 18, 18), ColorToRGB(clWindowFrame));
}

TEST_F(PaintingTest, TheFormsPaintEventDrawsOnItsCanvas) {
    int paints = 0;
    form->OnPaint = TNotifyEvent::FromFunction([&](TObject*) {
        ++paints;
        form->Canvas()->Brush()->SetColor(clNavy);
        form->Canvas()->FillRect(Rect(0, 0, 10, 10));
    });
    form->Invalidate();
    RunUntilIdle();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(PixelAt(form, 9, 9), clNavy);
    EXPECT_EQ(PixelAt(form, 10, 10), ColorToRGB(clBtnFace));
}

} // namespace
