#include "framework/graphics/CheckerFill.h"

#include "framework/graphics/Canvas.h"

void FillChecker(TCanvas& canvas, const TRect& rect, TColor even, TColor odd) {
    const TColor a = ColorToRGB(even);
    const TColor b = ColorToRGB(odd);
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            canvas.SetPixel(x, y, ((x + y) & 1) ? b : a);
}
