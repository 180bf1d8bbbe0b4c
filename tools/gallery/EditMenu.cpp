#include "tools/gallery/EditMenu.h"

#include "framework/core/Exceptions.h"
#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "tools/gallery/DesignCommands.h"

#include <functional>

namespace {

struct TEditItem {
    const char* Caption;
    std::function<void(TDesignCommands&)> Run;
};

const TEditItem EditItems[] = {
    {"&Undo  Ctrl+Z",
     [](TDesignCommands& c) {
         c.Undo();
     }},
    {"&Redo  Ctrl+Y",
     [](TDesignCommands& c) {
         c.Redo();
     }},
    {"-", nullptr},
    {"Cu&t  Ctrl+X",
     [](TDesignCommands& c) {
         c.Cut();
     }},
    {"&Copy  Ctrl+C",
     [](TDesignCommands& c) {
         c.Copy();
     }},
    {"&Paste  Ctrl+V",
     [](TDesignCommands& c) {
         c.Paste();
     }},
    {"Duplicat&e  Ctrl+D",
     [](TDesignCommands& c) {
         c.Duplicate();
     }},
    {"&Delete  Del",
     [](TDesignCommands& c) {
         c.Delete();
     }},
    {"-", nullptr},
    {"Align &left edges",
     [](TDesignCommands& c) {
         c.Align(TAlignEdge::Left);
     }},
    {"Align t&op edges",
     [](TDesignCommands& c) {
         c.Align(TAlignEdge::Top);
     }},
    {"Align r&ight edges",
     [](TDesignCommands& c) {
         c.Align(TAlignEdge::Right);
     }},
    {"Align &bottom edges",
     [](TDesignCommands& c) {
         c.Align(TAlignEdge::Bottom);
     }},
    {"Same &width",
     [](TDesignCommands& c) {
         c.SizeAlike(true, false);
     }},
    {"Same &height",
     [](TDesignCommands& c) {
         c.SizeAlike(false, true);
     }},
    {"-", nullptr},
    {"Bring to &front",
     [](TDesignCommands& c) {
         c.BringToFront();
     }},
    {"Send to bac&k",
     [](TDesignCommands& c) {
         c.SendToBack();
     }},
    {"T&ab order as selected",
     [](TDesignCommands& c) {
         c.TabOrderBySelection();
     }},
};

} // namespace

void FillEditMenu(TMenuItem& root, TComponent* owner, TDesignCommands& commands) {
    for (const TEditItem& entry : EditItems) {
        auto* item = new TMenuItem(owner);
        item->SetCaption(entry.Caption);
        if (entry.Run)
            item->OnClick = TNotifyEvent::FromFunction([&commands, run = entry.Run](TObject*) {
                try {
                    run(commands);
                } catch (const Exception& e) {
                    Application->ShowException(e);
                }
            });
        root.Add(item);
    }
}
