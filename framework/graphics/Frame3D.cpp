#include "framework/graphics/Frame3D.h"

#include "framework/core/Saturate.h"
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Straight into the device context: going through the brush would leave it marked changed, and
// selecting it again turns a caller's transparent background mode back to opaque.
void FillStrip(HDC dc, const TRect& strip, TColor color) {
    dc->FillSolid(strip, ColorToRGB(color));
}

// Rings past the middle of the rectangle draw nothing; they only shrink it further.
void Shrink(TRect& rect, int by) {
    rect = {SaturatingAdd(rect.Left, by), SaturatingAdd(rect.Top, by),
            Saturate(std::int64_t{rect.Right} - by), Saturate(std::int64_t{rect.Bottom} - by)};
}

} // namespace

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    if (width <= 0)
        return;
    const HDC dc = canvas.Handle();
    const int visible = rect.IsEmpty() ? 0 : (std::min(rect.Width(), rect.Height()) + 1) / 2;
    const int rings = std::min(width, visible);
    for (int ring = 0; ring < rings; ++ring) {
        const auto [x0, y0, x1, y1] = rect;
        FillStrip(dc, {x0, y0, x1 - 1, y0 + 1}, topColor);
        FillStrip(dc, {x0, y0, x0 + 1, y1 - 1}, topColor);
        FillStrip(dc, {x1 - 1, y0, x1, y1}, bottomColor);
        FillStrip(dc, {x0, y1 - 1, x1, y1}, bottomColor);
        InflateRect(rect, -1, -1);
    }
    Shrink(rect, width - rings);
    if (rings > 0)
        canvas.Changed();
}

void DrawEdge3D(TCanvas& canvas, TRect& rect, TEdge edge) {
    switch (edge) {
    case TEdge::Raised:
        Frame3D(canvas, rect, cl3DLight, cl3DDkShadow, 1);
        Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
        break;
    case TEdge::Sunken:
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
        Frame3D(canvas, rect, cl3DDkShadow, cl3DLight, 1);
        break;
    case TEdge::Pushed:
        Frame3D(canvas, rect, clBtnShadow, clBtnShadow, 1);
        break;
    }
}
