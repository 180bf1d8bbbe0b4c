#pragma once
// The one-pixel checkerboard of scroll bar tracks and held-down buttons.

#include "framework/graphics/Types.h"

class TCanvas;

// Fills rect pixel by pixel: even where x + y (in the canvas's coordinates) is even, odd
// elsewhere, so that neighbouring fills join into one pattern.
void FillChecker(TCanvas& canvas, const TRect& rect, TColor even, TColor odd);
