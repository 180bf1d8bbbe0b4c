#include "framework/windows/SizeConstraints.h"

#include "framework/core/ClassBuilder.h"
#include "framework/windows/Control.h"
#include "framework/windows/Scaling.h"

#include <algorithm>

namespace {

int Limit(int size, int min, int max) {
    return std::max(max > 0 ? std::min(size, max) : size, min);
}

} // namespace

const TClassInfo& TSizeConstraints::StaticClass() {
    static const TClassInfo info = DescribeClass<TSizeConstraints>(
        "TSizeConstraints", &TPersistent::StaticClass(), [](auto& c) {
            c.Int("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0);
            c.Int("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0);
            c.Int("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0);
            c.Int("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0);
        });
    return info;
}

void TSizeConstraints::Apply(int& width, int& height) const {
    width = Limit(width, FMinWidth, FMaxWidth);
    height = Limit(height, FMinHeight, FMaxHeight);
}

void TSizeConstraints::Scale(int m, int d) {
    for (int* limit : {&FMinWidth, &FMinHeight, &FMaxWidth, &FMaxHeight})
        *limit = std::clamp(ScaleLength(*limit, m, d), 0, TControl::MaxCoordinate);
}

void TSizeConstraints::SetMin(int& min, int& max, int value) {
    value = std::clamp(value, 0, TControl::MaxCoordinate);
    if (value == min)
        return;
    min = value;
    if (max != 0 && max < min)
        max = min;
    OnChange(this);
}

void TSizeConstraints::SetMax(int& min, int& max, int value) {
    value = std::clamp(value, 0, TControl::MaxCoordinate);
    if (value == max)
        return;
    max = value;
    if (max != 0 && min > max)
        min = max;
    OnChange(this);
}
