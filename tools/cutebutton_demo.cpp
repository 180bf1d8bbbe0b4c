// The drop-down button on the desktop host, in a form read from its stored description
// (cutebutton_demo.json): a flat button that clicks when tapped and drops a menu of fruit when
// held for half a second. Once the form is up it prints the screen point of the button's top
// left ("button X Y"), then a line for every click, menu and chosen item, so that a script can
// drive it. Escape closes the form, which ends the program.

#include "controls/CuteBtn.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/forms/Menus.h"
#include "framework/streaming/FormReader.h"

#include <cstdio>
#include <string>

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

TNotifyEvent Saying(std::string line) {
    return TNotifyEvent::FromFunction([line = std::move(line)](TObject*) { Say(line); });
}

} // namespace

int main() {
    const platform::HostScope desktop(platform::CreateDesktopHost());
    RegisterStandardClasses();
    TApplication application;
    Application->Initialize();
    Application->SetTitle("CuteButton demo");
    RegisterClass(TCuteButton::StaticClass());
    TForm* form = nullptr;
    Application->CreateForm(form);
    ReadComponentResource(form, "cutebutton_demo.json");
    form->OnKeyDown = TKeyEvent::FromFunction([form](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE)
            form->Close();
    });

    auto* button = dynamic_cast<TCuteButton*>(form->FindComponent("CuteButton1"));
    if (!button || !button->DropDownMenu())
        return 1;
    button->OnClick = Saying("click");
    TPopupMenu* menu = button->DropDownMenu();
    menu->OnPopup = Saying("popup");
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        TMenuItem* item = menu->Items()->Items(i);
        item->OnClick = Saying("item " + item->Name());
    }

    form->Show();
    Application->ProcessMessages();
    const TPoint corner = button->ClientToScreen({0, 0});
    Say("button " + std::to_string(corner.x) + " " + std::to_string(corner.y));
    Application->Run();
    return 0;
}
