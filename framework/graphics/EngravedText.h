#pragma once
// The look of a disabled caption: text engraved into the face.

#include "framework/graphics/Types.h"

#include <string>

class TCanvas;

// Draws text as DrawTextA lays it out in rect with format (which must not hold DT_CALCRECT):
// first in clBtnHighlight one pixel right and down, then in shade on top. The canvas's font is
// left in shade.
void DrawEngravedText(TCanvas& canvas, const std::string& text, const TRect& rect, unsigned format,
                      TColor shade = clBtnShadow);
