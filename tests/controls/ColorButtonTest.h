#pragma once
// The fixture of the colour button's tests: a fresh form with a 75 x 25 button whose face, frame
// and edge colours all differ, so that every pixel tells which part of the face drew it.

#include "controls/ColorBtn.h"
#include "framework/graphics/Font.h"
#include "tests/support/FrameworkTest.h"

#include <string>

class ColorButtonTest : public FrameworkTest {
protected:
    static constexpr TColor Face = clYellow;
    static constexpr TColor Frame = clRed;
    static constexpr TColor Highlight = clLime;
    static constexpr TColor Shadow = clBlue;

    // On a fresh form at (10, 10), painted; its font is 13 pixels high.
    TColorButton* NewButton(const std::string& caption = "Go") {
        if (!form)
            form = NewForm();
        auto* button = new TColorButton(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 75, 25);
        button->SetCaption(caption);
        button->Font()->SetHeight(13);
        button->SetColor(Face);
        button->SetFrameColor(Frame);
        button->SetEdgeHighlight(Highlight);
        button->SetEdgeShadow(Shadow);
        RunUntilIdle();
        return button;
    }

    TColor At(const TControl* control, int x, int y) const { return PixelAt(control, x, y); }

    TForm* form = nullptr;
};
