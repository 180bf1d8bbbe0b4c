#include "tools/gallery/UndoStack.h"

void TUndoStack::Record(std::string before, std::string after) {
    FSteps.resize(FDone);
    FSteps.push_back({std::move(before), std::move(after)});
    FDone = FSteps.size();
}

std::string TUndoStack::Undo() {
    if (!CanUndo())
        return {};
    --FDone;
    return FSteps[FDone].Before;
}

std::string TUndoStack::Redo() {
    if (!CanRedo())
        return {};
    ++FDone;
    return FSteps[FDone - 1].After;
}

void TUndoStack::Clear() {
    FSteps.clear();
    FDone = 0;
}
