// The numeric edit and the track bar with selection range on the desktop host, from a stored
// form. Prints the screen point at the middle of the numeric edit once the form is up
// ("edit X Y") and the edit's text when the form closes ("text T"), so that a script can type
// into it and read back what it kept. Escape closes the form, which ends the program.

#include "controls/NumberEdit.h"
#include "controls/xTrackBar.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"

#include <cstdio>
#include <exception>

int main() {
    const platform::HostScope desktop(platform::CreateDesktopHost());
    RegisterStandardClasses();
    TApplication application;
    try {
        Application->Initialize();
        Application->SetTitle("Number edit demo");
        RegisterClass(TNumberEdit::StaticClass());
        RegisterClass(TxTrackBar::StaticClass());
        TForm* form = nullptr;
        Application->CreateForm(form);
        ReadComponentResource(form, "numberedit_demo.json");
        auto* edit = dynamic_cast<TNumberEdit*>(form->FindComponent("neNumber"));
        if (!edit)
            throw EComponentError("the demo form has no numeric edit neNumber");

        form->OnKeyDown =
            TKeyEvent::FromFunction([form](TObject*, unsigned short& key, TShiftState) {
                if (key == VK_ESCAPE)
                    form->Close();
            });
        form->OnClose = TCloseEvent::FromFunction([edit](TObject*, TCloseAction&) {
            std::printf("text %s\n", edit->Text().c_str());
            std::fflush(stdout);
        });

        form->Show();
        Application->ProcessMessages();
        const TPoint middle = edit->ClientToScreen({edit->Width() / 2, edit->Height() / 2});
        std::printf("edit %d %d\n", middle.x, middle.y);
        std::fflush(stdout);
        Application->Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "numberedit_demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
