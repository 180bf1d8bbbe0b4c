#pragma once
// TSizeConstraints: the smallest and largest width and height a control may take. A limit of 0
// sets none.

#include "framework/core/Component.h"
#include "framework/core/Events.h"

class TSizeConstraints : public TPersistent {
    FRAMEWORK_CLASS(TSizeConstraints)
public:
    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    // A limit is held to 0..MaxCoordinate; a minimum above the maximum raises the maximum with
    // it, and a maximum below the minimum lowers the minimum, so the two never contradict.
    void SetMinWidth(int value) { SetMin(FMinWidth, FMaxWidth, value); }
    void SetMinHeight(int value) { SetMin(FMinHeight, FMaxHeight, value); }
    void SetMaxWidth(int value) { SetMax(FMinWidth, FMaxWidth, value); }
    void SetMaxHeight(int value) { SetMax(FMinHeight, FMaxHeight, value); }

    // Holds a size to the limits.
    void Apply(int& width, int& height) const;
    // Every limit from d pixels per inch to m; applied by the control's next SetBounds.
    void Scale(int m, int d);

    // After any limit changed.
    TNotifyEvent OnChange;

private:
    void SetMin(int& min, int& max, int value);
    void SetMax(int& min, int& max, int value);

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};
