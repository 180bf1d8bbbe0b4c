#pragma once
// The fixture of the standard controls' tests: the framework fixture plus screen probes.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "tests/support/FrameworkTest.h"

#include <memory>

class StdCtrlsTest : public FrameworkTest {
protected:
    // How many pixels of rect (client coordinates of control) show color.
    int CountColor(const TControl* control, const TRect& rect, TColor color) const {
        const TColor rgb = ColorToRGB(color);
        int count = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                count += PixelAt(control, x, y) == rgb ? 1 : 0;
        return count;
    }

    static std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor color) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(width, height);
        bitmap->Canvas()->Brush()->SetColor(color);
        bitmap->Canvas()->FillRect({0, 0, width, height});
        return bitmap;
    }
};
