#pragma once
// The gallery's Edit menu: every command of the designer, each item naming its key.

class TComponent;
class TDesignCommands;
class TMenuItem;

// Fills root with the commands' items, owned by owner. A command that fails shows its error.
void FillEditMenu(TMenuItem& root, TComponent* owner, TDesignCommands& commands);
