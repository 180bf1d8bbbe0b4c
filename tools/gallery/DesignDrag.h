#pragma once
// TDesignDrag: one drag of the mouse on the designed form, from press to release: moving the
// selected controls (into the container they are dropped on), sizing one by a grab handle, or
// a rubber band that selects the controls it touches. Points are the form's client
// coordinates. The whole drag is one undo step.

#include "framework/core/Types.h"

#include <vector>

class TControl;
class TDesignCommands;
class TDesignOverlay;
class TWinControl;

class TDesignDrag {
public:
    TDesignDrag(TDesignCommands& commands, TDesignOverlay& overlay)
        : FCommands(commands), FOverlay(overlay) {}

    bool Active() const { return FKind != TKind::None; }
    void StartMove(TPoint at);
    void StartSize(TControl& target, unsigned edges, TPoint at);
    // adding: the band adds to the selection instead of replacing it.
    void StartBand(TPoint at, bool adding);
    void Move(TPoint at);
    void Finish(TPoint at);
    // Puts what moved back where it was.
    void Cancel();

private:
    enum class TKind { None, Move, Size, Band };
    struct TStart {
        TControl* Control;
        TRect Bounds;
    };

    void MoveTo(TPoint at);
    void ShowGuides(const TControl& moving);
    void DropInto(TPoint at);
    void SelectBand(TPoint at);
    void End();
    TWinControl& Form() const;

    TDesignCommands& FCommands;
    TDesignOverlay& FOverlay;
    TKind FKind = TKind::None;
    TPoint FFrom;
    std::vector<TStart> FStarts;
    unsigned FEdges = 0;
    bool FAdding = false;
};
