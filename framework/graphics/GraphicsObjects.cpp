#include "framework/graphics/GraphicsObjects.h"

#include "framework/core/ClassBuilder.h"

#include <string>
#include <vector>

namespace {

const std::vector<std::string> PenStyleNames = {"psSolid",   "psDash",       "psDot",
                                                "psDashDot", "psDashDotDot", "psClear"};
const std::vector<std::string> PenModeNames = {
    "pmBlack",       "pmWhite",      "pmNop",         "pmNot",        "pmCopy",  "pmNotCopy",
    "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
    "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
const std::vector<std::string> BrushStyleNames = {"bsSolid", "bsClear"};

} // namespace

const TClassInfo& TGraphicsObject::StaticClass() {
    static const TClassInfo info = DescribeClass<TGraphicsObject>(
        "TGraphicsObject", &TPersistent::StaticClass(), [](auto&) {});
    return info;
}

void TGraphicsObject::Changed() {
    OnChange(this);
}

const TClassInfo& TPen::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TPen>("TPen", &TGraphicsObject::StaticClass(), [](auto& c) {
            c.Color("Color", &TPen::Color, &TPen::SetColor, clBlack);
            c.Enum("Mode", &TPen::Mode, &TPen::SetMode, pmCopy, PenModeNames);
            c.Enum("Style", &TPen::Style, &TPen::SetStyle, psSolid, PenStyleNames);
            c.Int("Width", &TPen::Width, &TPen::SetWidth, 1);
        });
    return info;
}

void TPen::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TPen::SetWidth(int width) {
    width = width < 1 ? 1 : width;
    if (width == FWidth)
        return;
    FWidth = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TPen::SetMode(TPenMode mode) {
    if (mode == FMode)
        return;
    FMode = mode;
    Changed();
}

void TPen::Assign(const TPersistent* source) {
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    FMode = pen->FMode;
    Changed();
}

const TClassInfo& TBrush::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TBrush>("TBrush", &TGraphicsObject::StaticClass(), [](auto& c) {
            c.Color("Color", &TBrush::Color, &TBrush::SetColor, clWhite);
            c.Enum("Style", &TBrush::Style, &TBrush::SetStyle, bsSolid, BrushStyleNames);
        });
    return info;
}

void TBrush::SetColor(TColor color) {
    if (color == FColor && FStyle == bsSolid)
        return;
    FColor = color;
    FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
}
