#pragma once
// Pictures embedded at the scales screens most often have: NAME.bmp drawn for 96 pixels per
// inch, NAME@1.5x.bmp and NAME@2x.bmp for 144 and 192 (the variants are optional).

#include <string>

class TBitmap;

// Loads the variant of the resource name drawn for the scale m / d when there is one; else the
// nearest larger variant (the largest, when none is larger), resampled smoothly to the size the
// scale gives. The colour of the bottom-left pixel, which a glyph shows transparent, is never
// mixed with others. Raises EReadError when name is not embedded.
void LoadScaledResource(TBitmap& bitmap, const std::string& name, int m, int d);
