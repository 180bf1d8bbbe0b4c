#include "framework/windows/GraphicControl.h"

#include "framework/core/ClassBuilder.h"
#include "framework/windows/ControlCanvas.h"

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info = DescribeClass<TGraphicControl>(
        "TGraphicControl", &TControl::StaticClass(), [](TClassBuilder<TGraphicControl>&) {});
    return info;
}

const TMessageMap& TGraphicControl::StaticMessageMap() {
    static const TMessageMap map(&TControl::StaticMessageMap(),
                                 {MessageHandler<WM_PAINT, &TGraphicControl::WMPaint>()});
    return map;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const {
    if (!FCanvas->Painting())
        FCanvas->Bind();
    return FCanvas.get();
}

// The parent paints its graphic children with its own device context: its clip is the area
// being painted.
void TGraphicControl::WMPaint(TWMPaint& message) {
    FCanvas->PaintOn(message.DC, [this] { Paint(); });
}
