#pragma once
// Drag and drop between the program's controls. One drag at a time: it waits, when thresholded,
// until the pointer has moved far enough with the left button held on the source; then it holds
// the mouse capture, asks each control under the pointer whether it accepts a drop (OnDragOver,
// entering, moving, leaving), shows the source's DragCursor or crNoDrop, and ends on the left
// button's release (a drop), on Escape or on the loss of the capture (a cancel).

#include "framework/windows/Control.h"

// How far the pointer moves, along either axis, before a thresholded drag starts.
inline constexpr int DefaultDragThreshold = 5;

// What a drag carries when OnStartDrag supplies one: the targets then see it as Source instead
// of the source control. The program owns it and keeps it until OnEndDrag.
class TDragObject : public TObject {
public:
    // The cursor over a target that accepts the drop, and over one that refuses it.
    virtual TCursor GetDragCursor(bool accepted, int x, int y);
};

// --- the framework's input routing hands the drag what it needs

// A mouse message on its way to control: while control is the source of a drag that waits for
// its threshold, a move far enough starts the drag (and is taken) and a left release forgets it.
// True when the message was taken.
bool DragSourceMouse(TControl& control, const TMessage& message);
// A key pressed during a drag: Escape cancels it. True when the key was taken.
bool DragKeyDown(unsigned short key);
// The cursor a started drag shows, or crDefault when there is none.
TCursor DragCursorShown();
// Ends the drag, without events to a destroyed source, when control is part of it.
void DragControlDestroyed(const TControl* control);
