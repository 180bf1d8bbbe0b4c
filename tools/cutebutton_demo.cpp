// The drop-down button on the desktop host, in a form read from its stored description
// (cutebutton_demo.json): a flat button that clicks when tapped and drops a menu of fruit when
// held for half a second. Once the form is up it prints the screen point of the button's top
// left ("button X Y"), then a line for every click, menu and chosen item, so that a script can
// drive it. Escape closes the form, which ends the program.

#include "controls/CuteBtn.h"
#include "framework/forms/Menus.h"
#include "tools/demo/DemoProgram.h"

namespace {

TNotifyEvent Saying(std::string line) {
    return TNotifyEvent::FromFunction([line = std::move(line)](TObject*) { Say(line); });
}

} // namespace

int main() {
    TDemoProgram demo("CuteButton demo", {&TCuteButton::StaticClass()});
    return demo.Run([&demo] {
        auto* form = demo.CreateForm<TForm>("cutebutton_demo.json");
        auto* button = dynamic_cast<TCuteButton*>(form->FindComponent("CuteButton1"));
        if (!button || !button->DropDownMenu())
            throw EComponentError("the demo form has no drop-down button CuteButton1 with a menu");
        button->OnClick = Saying("click");
        TPopupMenu* menu = button->DropDownMenu();
        menu->OnPopup = Saying("popup");
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            TMenuItem* item = menu->Items()->Items(i);
            item->OnClick = Saying("item " + item->Name());
        }
        TDemoProgram::Show(*form);
        SayPoint("button", *button, {0, 0});
    });
}
