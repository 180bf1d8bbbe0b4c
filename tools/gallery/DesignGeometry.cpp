#include "tools/gallery/DesignGeometry.h"

#include <algorithm>
#include <climits>

int SnapToGrid(int value, int grid) {
    if (grid <= 1)
        return value;
    const long long v = value;
    const long long below = (v >= 0 ? v / grid : -((-v + grid - 1) / grid)) * grid;
    const long long snapped = (v - below) * 2 < grid ? below : below + grid;
    return static_cast<int>(std::clamp<long long>(snapped, INT_MIN, INT_MAX));
}

TRect MovedRect(const TRect& start, TPoint delta, int grid) {
    TRect r = start;
    const int left = delta.x ? SnapToGrid(start.Left + delta.x, grid) : start.Left;
    const int top = delta.y ? SnapToGrid(start.Top + delta.y, grid) : start.Top;
    OffsetRect(r, left - start.Left, top - start.Top);
    return r;
}

TRect SizedRect(const TRect& start, unsigned edges, TPoint delta, int grid) {
    TRect r = start;
    if (delta.x && (edges & geLeft))
        r.Left = std::min(SnapToGrid(start.Left + delta.x, grid), start.Right - 1);
    if (delta.x && (edges & geRight))
        r.Right = std::max(SnapToGrid(start.Right + delta.x, grid), start.Left + 1);
    if (delta.y && (edges & geTop))
        r.Top = std::min(SnapToGrid(start.Top + delta.y, grid), start.Bottom - 1);
    if (delta.y && (edges & geBottom))
        r.Bottom = std::max(SnapToGrid(start.Bottom + delta.y, grid), start.Top + 1);
    return r;
}

TRect AlignedRect(const TRect& r, const TRect& to, TAlignEdge edge) {
    TRect aligned = r;
    switch (edge) {
    case TAlignEdge::Left:
        OffsetRect(aligned, to.Left - r.Left, 0);
        break;
    case TAlignEdge::Top:
        OffsetRect(aligned, 0, to.Top - r.Top);
        break;
    case TAlignEdge::Right:
        OffsetRect(aligned, to.Right - r.Right, 0);
        break;
    case TAlignEdge::Bottom:
        OffsetRect(aligned, 0, to.Bottom - r.Bottom);
        break;
    }
    return aligned;
}

std::vector<TRect> GuideLines(const TRect& moving, const std::vector<TRect>& others) {
    std::vector<TRect> lines;
    for (const TRect& other : others) {
        const int top = std::min(moving.Top, other.Top);
        const int bottom = std::max(moving.Bottom, other.Bottom);
        const int left = std::min(moving.Left, other.Left);
        const int right = std::max(moving.Right, other.Right);
        // The last pixel of a right or bottom edge is one short of it.
        for (int x : {moving.Left, moving.Right - 1})
            if (x == other.Left || x == other.Right - 1)
                lines.push_back(Rect(x, top, x + 1, bottom));
        for (int y : {moving.Top, moving.Bottom - 1})
            if (y == other.Top || y == other.Bottom - 1)
                lines.push_back(Rect(left, y, right, y + 1));
    }
    return lines;
}
