#include "controls/xTrackBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/streaming/Registration.h"

const TClassInfo& TxTrackBar::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TxTrackBar>("TxTrackBar", &TTrackBar::StaticClass(), [](auto& c) {
            c.Bool("EnableSelRange", &TxTrackBar::EnableSelRange, &TxTrackBar::SetEnableSelRange,
                   false);
        });
    return info;
}

TxTrackBar::TxTrackBar(TComponent* owner) : TTrackBar(owner) {}

void TxTrackBar::SetEnableSelRange(bool value) {
    if (value == FEnableSelRange)
        return;
    FEnableSelRange = value;
    // A form being read creates the window once its properties are complete.
    if (!IsLoading())
        RecreateWnd();
}

void TxTrackBar::CreateParams(TCreateParams& params) {
    TTrackBar::CreateParams(params);
    if (!FEnableSelRange)
        params.Style &= ~std::uint32_t{TBS_ENABLESELRANGE};
}

void xTrackBar::Register() {
    RegisterComponents("Custom", {&TxTrackBar::StaticClass()});
}
