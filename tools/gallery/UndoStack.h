#pragma once
// TUndoStack: the designer's steps, each the form's stored text before and after one change a
// person made. Undo hands back the text before the newest step done, Redo the text after the
// oldest step undone; a new step drops the steps undone. Depth is limited only by memory.

#include <string>
#include <vector>

class TUndoStack {
public:
    void Record(std::string before, std::string after);
    bool CanUndo() const { return FDone > 0; }
    bool CanRedo() const { return FDone < FSteps.size(); }
    // The text to restore; empty when there is nothing to undo or redo.
    std::string Undo();
    std::string Redo();
    void Clear();

private:
    struct TStep {
        std::string Before;
        std::string After;
    };

    std::vector<TStep> FSteps;
    std::size_t FDone = 0; // steps done; those past it were undone
};
