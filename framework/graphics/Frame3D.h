#pragma once
// The framework's 3-D frame: rings of a top-left and a bottom-right colour around a rectangle.

#include "framework/graphics/Types.h"

class TCanvas;

// Draws width rings from the outside of rect in. In each ring the top row and the left column
// take topColor, the right column and the bottom row bottomColor, so the top-right and
// bottom-left corners are in bottomColor. rect shrinks by width on every side. The canvas's
// tools and background mode are left as they were.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// The classic two-pixel edges of buttons and fields, and the one-pixel frame of a pressed
// scroll arrow.
enum class TEdge {
    Raised, // light and dark shadow outside, highlight and shadow inside
    Sunken, // shadow and highlight outside, dark shadow and light inside
    Pushed, // one shadow ring
};

// Draws the edge around rect, which shrinks to the face inside it.
void DrawEdge3D(TCanvas& canvas, TRect& rect, TEdge edge);
