// The numeric edit and the track bar with selection range on the desktop host, from a stored
// form. Prints the screen point at the middle of the numeric edit once the form is up
// ("edit X Y") and the edit's text when the form closes ("text T"), so that a script can type
// into it and read back what it kept. Escape closes the form, which ends the program.

#include "controls/NumberEdit.h"
#include "controls/xTrackBar.h"
#include "tools/demo/DemoProgram.h"

int main() {
    TDemoProgram demo("Number edit demo",
                      {&TNumberEdit::StaticClass(), &TxTrackBar::StaticClass()});
    return demo.Run([&demo] {
        auto* form = demo.CreateForm<TForm>("numberedit_demo.json");
        auto* edit = dynamic_cast<TNumberEdit*>(form->FindComponent("neNumber"));
        if (!edit)
            throw EComponentError("the demo form has no numeric edit neNumber");
        form->OnClose = TCloseEvent::FromFunction(
            [edit](TObject*, TCloseAction&) { Say("text " + edit->Text()); });
        TDemoProgram::Show(*form);
        SayPoint("edit", *edit, {edit->Width() / 2, edit->Height() / 2});
    });
}
