#include "framework/graphics/EngravedText.h"

#include "framework/graphics/Canvas.h"

void DrawEngravedText(TCanvas& canvas, const std::string& text, TRect rect, unsigned format) {
    TRect light = rect;
    OffsetRect(light, 1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    DrawTextA(canvas.Handle(), text.c_str(), -1, &light, format);
    canvas.Font()->SetColor(clBtnShadow);
    DrawTextA(canvas.Handle(), text.c_str(), -1, &rect, format);
}
