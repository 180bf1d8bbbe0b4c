#pragma once
// TDesignCommands: what a person does to the designed form, each one step of the undo stack:
// place, delete, cut, copy, paste, duplicate, rename, align, size alike, move and size by
// keys, bring to front, send to back, tab order; and undo and redo themselves. A step is the
// form's stored text before and after; restoring reads the text into the form in place and
// selects again what was selected, by name.

#include "framework/core/Events.h"
#include "tools/gallery/DesignGeometry.h"
#include "tools/gallery/UndoStack.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TClassInfo;
class TComponent;
class TControl;
class TCustomForm;
class TDesignSelection;
class TWinControl;

class TDesignCommands {
public:
    TDesignCommands();
    ~TDesignCommands();

    // The form the commands work on; its text now is where undoing stops. Null: none.
    void Attach(TCustomForm* form);
    TCustomForm* Form() const { return FForm; }
    TDesignSelection& Selection() const { return *FSelection; }
    // Snapping and the step of Ctrl+arrows; 0 or 1: none.
    int Grid() const { return FGrid; }
    void SetGrid(int grid) { FGrid = grid; }

    // Records whatever changed the form since the last step as one step; the designer calls it
    // when a drag ends, the inspector after each edit.
    void Commit();
    // Takes the form as it is now as the state before the next step, without recording one:
    // what the form did to itself while it ran is not a person's design change.
    void Rebase();
    void Undo();
    void Redo();

    // A new instance of info on the form, named uniquely, at point of parent's client area.
    TComponent* Place(const TClassInfo& info, TWinControl& parent, TPoint point);
    // Renames after CheckNewName.
    void Rename(TComponent& component, const std::string& name);
    // Removes the selected components but the form.
    void Delete();
    void Copy();
    void Cut();
    // Pastes the clipboard's form text into the selected container or else the form and selects
    // what it pasted; raises EReadError, changing nothing, for a text that is not a form's.
    void Paste();
    void Duplicate();
    // Line up or size the selected controls to the first selected.
    void Align(TAlignEdge edge);
    void SizeAlike(bool width, bool height);
    // Moves or sizes the selected controls by delta.
    void Nudge(TPoint delta);
    void Grow(TPoint delta);
    void BringToFront();
    void SendToBack();
    // Gives the selected windowed controls of one parent the tab orders from 0 in the order
    // they were selected.
    void TabOrderBySelection();

    // Writes the form's stored text; the gallery sets it to write while its event log is
    // detached. By default the form writer's.
    std::function<std::string()> WriteForm;
    // After a command changed the place or size of controls, or read the form anew.
    TNotifyEvent OnLayout;
    // After a step was recorded, undone or redone: the form changed as a person sees it.
    TNotifyEvent OnChange;

private:
    std::string Text() const;
    void Restore(const std::string& text, const std::vector<std::string>& select);
    // The form stands as "" in these lists of names, which survive its being read anew.
    void Reselect(const std::vector<std::string>& names);
    std::vector<std::string> SelectedNames() const;
    TWinControl& PasteTarget() const;
    void PasteText(const std::string& text);

    TCustomForm* FForm = nullptr;
    std::unique_ptr<TDesignSelection> FSelection;
    TUndoStack FSteps;
    std::string FBaseline;
    int FGrid = 8;
};
