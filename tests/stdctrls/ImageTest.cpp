#include "framework/stdctrls/Image.h"

#include "framework/core/Exceptions.h"
#include "tests/stdctrls/StdCtrlsTest.h"

namespace {

class ImageTest : public StdCtrlsTest {
protected:
    ImageTest() {
        form = NewForm(300, 300);
        form->SetColor(clBlack);
        image = new TImage(form);
        image->SetParent(form);
        image->SetBounds(10, 10, 100, 100);
        RunUntilIdle();
    }

    TForm* form = nullptr;
    TImage* image = nullptr;
};

} // namespace

TEST_F(ImageTest, AssigningABitmapMakesAFreshCopy) {
    const auto source = SolidBitmap(4, 3, clRed);
    image->Picture()->Assign(source.get());
    TBitmap* shown = image->Picture()->Bitmap();
    ASSERT_NE(shown, source.get());
    EXPECT_EQ(image->Picture()->Width(), 4);
    EXPECT_EQ(image->Picture()->Height(), 3);

    shown->Canvas()->SetPixel(0, 0, clBlue);
    EXPECT_EQ(source->Canvas()->Pixels(0, 0), clRed);
    source->Canvas()->SetPixel(1, 1, clLime);
    EXPECT_EQ(shown->Canvas()->Pixels(1, 1), clRed);
}

TEST_F(ImageTest, AssigningAPictureOrNothingCopiesOrEmpties) {
    const auto source = SolidBitmap(2, 2, clRed);
    TPicture other;
    other.Assign(source.get());
    image->Picture()->Assign(&other);
    EXPECT_EQ(image->Picture()->Bitmap()->Canvas()->Pixels(1, 1), clRed);
    image->Picture()->Assign(nullptr);
    EXPECT_EQ(image->Picture()->Graphic(), nullptr);
    EXPECT_EQ(image->Picture()->Width(), 0);
}

TEST_F(ImageTest, APictureIsShownUnscaledAtTheTopLeft) {
    const auto source = SolidBitmap(10, 20, clRed);
    image->Picture()->Assign(source.get());
    RunUntilIdle();
    EXPECT_EQ(PixelAt(image, 9, 19), clRed);
    EXPECT_EQ(PixelAt(image, 10, 5), clBlack);
    EXPECT_EQ(PixelAt(image, 5, 20), clBlack);
}

TEST_F(ImageTest, StretchScalesAndCenterCentres) {
    const auto source = SolidBitmap(10, 10, clRed);
    image->Picture()->Assign(source.get());
    image->SetCenter(true);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(image, 45, 45), clRed);
    EXPECT_EQ(PixelAt(image, 54, 54), clRed);
    EXPECT_EQ(PixelAt(image, 44, 50), clBlack);
    image->SetStretch(true);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(image, 0, 0), clRed);
    EXPECT_EQ(PixelAt(image, 99, 99), clRed);
}

TEST_F(ImageTest, AutoSizeFollowsThePicture) {
    image->SetAutoSize(true);
    const auto source = SolidBitmap(33, 44, clRed);
    image->Picture()->Assign(source.get());
    EXPECT_EQ(image->Width(), 33);
    EXPECT_EQ(image->Height(), 44);
}

TEST_F(ImageTest, CanvasOfAnEmptyImageIsABlankBitmapOfItsSize) {
    TCanvas* canvas = image->Canvas();
    ASSERT_NE(image->Picture()->Graphic(), nullptr);
    EXPECT_EQ(image->Picture()->Width(), 100);
    EXPECT_EQ(image->Picture()->Height(), 100);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect({0, 0, 5, 5});
    RunUntilIdle();
    EXPECT_EQ(PixelAt(image, 4, 4), clLime);
}

TEST_F(ImageTest, PixelsSetOnTheCanvasShowAtTheNextRefresh) {
    const auto source = SolidBitmap(100, 100, clWhite);
    image->Picture()->Assign(source.get());
    RunUntilIdle();
    TCanvas* canvas = image->Picture()->Bitmap()->Canvas();
    for (int y = 10; y < 60; ++y)
        canvas->SetPixel(5, y, clRed);
    EXPECT_EQ(PixelAt(image, 5, 10), clWhite); // not yet
    image->Refresh();
    EXPECT_EQ(PixelAt(image, 5, 10), clRed);
    EXPECT_EQ(PixelAt(image, 5, 59), clRed);
    EXPECT_EQ(PixelAt(image, 5, 60), clWhite);
    EXPECT_EQ(PixelAt(image, 6, 30), clWhite);
}

// The measurement writes whole rows of the bitmap and marks only the ends of each column it
// painted with single pixels; the refresh shows the column between them too.
TEST_F(ImageTest, RefreshShowsRowsWrittenBetweenMarkedPixels) {
    const auto source = SolidBitmap(100, 100, clWhite);
    image->Picture()->Assign(source.get());
    RunUntilIdle();
    TBitmap* bitmap = image->Picture()->Bitmap();
    for (int y = 20; y <= 40; ++y)
        bitmap->ScanLine(y)[7] = ColorToPixel(clRed);
    bitmap->Canvas()->SetPixel(7, 20, clRed);
    bitmap->Canvas()->SetPixel(7, 40, clRed);
    image->Refresh();
    EXPECT_EQ(PixelAt(image, 7, 30), clRed);
    EXPECT_EQ(PixelAt(image, 7, 41), clWhite);
}

TEST_F(ImageTest, RefreshOfAPartlyHiddenImageDrawsOnlyItsVisiblePart) {
    image->SetBounds(250, 250, 100, 100); // the form's client area ends at 300
    const auto source = SolidBitmap(100, 100, clWhite);
    image->Picture()->Assign(source.get());
    RunUntilIdle();
    TCanvas* canvas = image->Picture()->Bitmap()->Canvas();
    canvas->Brush()->SetColor(clRed);
    for (int x = 0; x < 100; ++x)
        canvas->SetPixel(x, 10, clRed);
    image->Refresh();
    EXPECT_EQ(PixelAt(image, 49, 10), clRed);
    EXPECT_EQ(PixelAt(image, 50, 10), clInvalid); // outside the window
}

TEST_F(ImageTest, AStoredPictureNamesAResource) {
    EXPECT_THROW(image->SetPictureResource("no such picture.bmp"), EReadError);
    image->SetPictureResource("");
    EXPECT_EQ(image->Picture()->Graphic(), nullptr);
}
