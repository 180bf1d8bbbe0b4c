#include "framework/graphics/CheckerFill.h"

#include "framework/graphics/Canvas.h"

void FillChecker(TCanvas& canvas, const TRect& rect, TColor even, TColor odd) {
    const TColor a = ColorToRGB(even);
    const TColor b = ColorToRGB(odd);
    // Only the pixels drawing can reach: a rect of near-integer-limit size would otherwise take
    // billions of ignored writes.
    const TRect reach = IntersectRect(rect, canvas.ClipRect());
    for (int y = reach.Top; y < reach.Bottom; ++y)
        for (int x = reach.Left; x < reach.Right; ++x)
            canvas.SetPixel(x, y, ((x ^ y) & 1) ? b : a);
}
