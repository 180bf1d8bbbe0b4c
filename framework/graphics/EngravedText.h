#pragma once
// Text as disabled controls show it: engraved into the face.

#include "framework/graphics/Types.h"

#include <string>

class TCanvas;

// Draws text with DrawTextA in format twice: one pixel right and down in clBtnHighlight, then in
// place in clBtnShadow, so that the dark copy lies over the light one. The canvas's font colour
// is left clBtnShadow.
void DrawEngravedText(TCanvas& canvas, const std::string& text, TRect rect, unsigned format);
