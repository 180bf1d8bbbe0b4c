#include "controls/Library.h"

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "controls/xTrackBar.h"

#include <algorithm>
#include <array>

namespace {

const std::array Units{
    TControlUnit{"StrokeBar", "Custom", &TStrokeBar::StaticClass, &StrokeBar::Register,
                 "StrokeBar.bmp"},
    TControlUnit{"xGauge", "Custom", &TxGauge::StaticClass, &xGauge::Register, "xGauge.bmp"},
    TControlUnit{"ColorBtn", "Custom", &TColorButton::StaticClass, &ColorBtn::Register,
                 "ColorBtn.bmp"},
    TControlUnit{"CuteBtn", "Custom", &TCuteButton::StaticClass, &CuteBtn::Register, "CuteBtn.bmp"},
    TControlUnit{"NumberEdit", "Tolvan Common", &TNumberEdit::StaticClass, &NumberEdit::Register,
                 "NumberEdit.bmp"},
    TControlUnit{"xTrackBar", "Custom", &TxTrackBar::StaticClass, &xTrackBar::Register,
                 "xTrackBar.bmp"},
};

} // namespace

std::span<const TControlUnit> ControlLibrary() {
    return Units;
}

const TControlUnit* FindControlUnit(const TClassInfo& info) {
    const auto found = std::find_if(Units.begin(), Units.end(), [&](const TControlUnit& unit) {
        return &unit.Class() == &info;
    });
    return found == Units.end() ? nullptr : &*found;
}

void RegisterControlLibrary() {
    for (const TControlUnit& unit : Units)
        unit.Register();
}
