#pragma once
// TFormDesigner: the designer of the designed form. While the form is designing it takes every
// mouse and key message of the form and its controls, so that they do not react. A left press
// places the class chosen on the palette (Escape or a right click cancels that), or selects
// what it hit (Shift: adds or removes it) and drags: the selection to move it, a grab handle to
// size, the form's free area for a rubber band; Escape gives a drag up. Keys: arrows move by a
// pixel, Ctrl+arrows by the grid, Shift+arrows size; Delete; Ctrl+C, X, V, D; Ctrl+Z, Ctrl+Y
// and Ctrl+Shift+Z.

#include "framework/core/Events.h"
#include "framework/windows/Designer.h"
#include "tools/gallery/DesignCommands.h"
#include "tools/gallery/DesignDrag.h"

#include <memory>

class TClassInfo;
class TComponent;
class TCustomForm;
class TDesignOverlay;

class TFormDesigner : public IDesigner {
public:
    TFormDesigner();
    ~TFormDesigner() override;

    bool IsDesignMsg(TControl& sender, TMessage& message) override;

    // The form designed: it gets this designer, and its text now is where undoing stops.
    void Attach(TCustomForm* form);
    TDesignCommands& Commands() { return FCommands; }
    TDesignSelection& Selection() const { return FCommands.Selection(); }
    // Shows the grab handles of the selection while the form is designing, else none.
    void RefreshMarks();
    const TDesignOverlay& Overlay() const { return *FOverlay; }

    // The class the next press places; null: a press selects.
    const TClassInfo* Placing() const { return FPlacing; }
    void SetPlacing(const TClassInfo* info) { FPlacing = info; }
    // Gives up the class to place, raising OnCancelPlacing; nothing when none is chosen.
    void CancelPlacing();

    // After the selection changed.
    TNotifyEvent OnSelect;
    // A press placed a new component.
    TClosure<TComponent*> OnPlace;
    // Escape or a right click gave up the class to place.
    TNotifyEvent OnCancelPlacing;

private:
    void MouseDown(TControl& sender, TPoint at, bool shift);
    void PlaceAt(TControl& sender, TPoint at);
    void KeyDown(unsigned short key, TShiftState shift);
    bool ArrowKey(unsigned short key, TShiftState shift);
    void CommandKey(unsigned short key, TShiftState shift);
    void SelectionChange(TObject* sender);
    void Layout(TObject* sender);

    TDesignCommands FCommands;
    std::unique_ptr<TDesignOverlay> FOverlay;
    TDesignDrag FDrag;
    const TClassInfo* FPlacing = nullptr;
};
