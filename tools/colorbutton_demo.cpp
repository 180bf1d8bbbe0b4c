// A form of colour buttons on the desktop host, read from its stored description: a default
// button, one whose thin edge shows under the pointer, one with a caption of three lines, a
// disabled one and an edit box. A label names the last event; Escape closes the form, which
// ends the program. Once the form is up it prints the screen points of the hover button's
// middle, top-left and bottom-right pixels, so that a script can watch its edge.

#include "controls/ColorBtn.h"
#include "framework/stdctrls/Label.h"
#include "tools/demo/DemoProgram.h"

#include <cstdio>
#include <string>

namespace {

void ShowEvents(TForm* form, TLabel* label) {
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* button = dynamic_cast<TColorButton*>(form->Components(i));
        if (!button)
            continue;
        const auto show = [label, button](const char* what) {
            return TNotifyEvent::FromFunction([label, button, what](TObject*) {
                label->SetCaption(std::string(what) + " " + button->Name());
            });
        };
        button->OnMouseEnter = show("Entered");
        button->OnMouseLeave = show("Left");
        button->OnClick = show("Clicked");
    }
}

} // namespace

int main() {
    TDemoProgram demo("Colour buttons", {&TColorButton::StaticClass()});
    return demo.Run([&demo] {
        auto* form = demo.CreateForm<TForm>("colorbutton_demo.json");
        ShowEvents(form, static_cast<TLabel*>(form->FindComponent("EventLabel")));
        TDemoProgram::Show(*form);
        const auto* hover = static_cast<TControl*>(form->FindComponent("HoverButton"));
        const TPoint middle = hover->ClientToScreen({hover->Width() / 2, hover->Height() / 2});
        const TPoint first = hover->ClientToScreen({0, 0});
        const TPoint last = hover->ClientToScreen({hover->Width() - 1, hover->Height() - 1});
        std::printf("hover %d %d %d %d %d %d\n", middle.x, middle.y, first.x, first.y, last.x,
                    last.y);
        std::fflush(stdout);
    });
}
