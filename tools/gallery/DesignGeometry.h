#pragma once
// The arithmetic of moving, sizing and lining up controls while designing. A grid of 0 or 1
// does not snap.

#include "framework/core/Types.h"

#include <vector>

// The edges of a control that a grab handle moves.
enum TGrabEdge : unsigned { geLeft = 1, geTop = 2, geRight = 4, geBottom = 8 };

enum class TAlignEdge { Left, Top, Right, Bottom };

// The multiple of grid nearest to value.
int SnapToGrid(int value, int grid);
// start moved by delta; a coordinate that moves lands on the grid.
TRect MovedRect(const TRect& start, TPoint delta, int grid);
// start with the edges (TGrabEdge bits) moved by delta, each edge that moves landing on the
// grid; an edge stops a pixel short of the opposite one.
TRect SizedRect(const TRect& start, unsigned edges, TPoint delta, int grid);
// r with the edge lined up with that of to, its size kept.
TRect AlignedRect(const TRect& r, const TRect& to, TAlignEdge edge);
// Lines one pixel wide, in the coordinates of the rectangles, where an edge of moving lies on
// an edge of one of others, running across both.
std::vector<TRect> GuideLines(const TRect& moving, const std::vector<TRect>& others);
