#include "framework/graphics/EngravedText.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Win32Gdi.h"

void DrawEngravedText(TCanvas& canvas, const std::string& text, const TRect& rect, unsigned format,
                      TColor shade) {
    TRect light = rect;
    OffsetRect(light, 1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    DrawTextA(canvas.Handle(), text.c_str(), -1, &light, format);
    TRect face = rect;
    canvas.Font()->SetColor(shade);
    DrawTextA(canvas.Handle(), text.c_str(), -1, &face, format);
}
