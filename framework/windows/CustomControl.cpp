#include "framework/windows/CustomControl.h"

#include "framework/core/ClassBuilder.h"
#include "framework/windows/ControlCanvas.h"

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info = DescribeClass<TCustomControl>(
        "TCustomControl", &TWinControl::StaticClass(), [](TClassBuilder<TCustomControl>&) {});
    return info;
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const {
    if (!FCanvas->Painting())
        FCanvas->Bind();
    return FCanvas.get();
}

void TCustomControl::PaintWindow(HDC dc) {
    FCanvas->PaintOn(dc, [this] { Paint(); });
}
