// The designer keeps a form in the pixels it was designed at on every screen.

#include "tools/gallery/FormFile.h"

#include "tests/gallery/GalleryTest.h"

TEST_F(GalleryTest, AFormOpenedOnAScaledScreenIsSavedAsItWasRead) {
    const std::string designed = ScratchFile("designed.json");
    SaveAs(designed);
    const std::string text = ReadFormFile(designed);
    for (const int pixelsPerInch : {120, 144, 192}) {
        Host().SetPixelsPerInch(pixelsPerInch);
        OpenFrom(designed);
        const std::string resaved = ScratchFile("resaved.json");
        SaveAs(resaved);
        EXPECT_EQ(ReadFormFile(resaved), text) << pixelsPerInch;
    }
}
