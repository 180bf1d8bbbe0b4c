// A form with a panel and a label on the desktop host. A left click on the panel turns it from
// blue to red; Escape closes the form, which ends the program. Prints the screen point at the
// middle of the panel once the form is up, so that a script can click it.

#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Panel.h"

#include <cstdio>

int main() {
    const platform::HostScope desktop(platform::CreateDesktopHost());
    TApplication application;
    Application->Initialize();
    Application->SetTitle("Qt smoke");
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("Qt smoke");
    form->SetBounds(40, 40, 300, 220);
    form->SetClientWidth(240);
    form->SetClientHeight(160);
    form->SetKeyPreview(true);
    form->OnKeyDown = TKeyEvent::FromFunction([form](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE)
            form->Close();
    });

    auto* panel = new TPanel(form);
    panel->SetBounds(20, 20, 200, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clBlue);
    panel->SetParent(form);
    panel->OnClick = TNotifyEvent::FromFunction([panel](TObject*) { panel->SetColor(clRed); });

    auto* label = new TLabel(form);
    label->SetLeft(20);
    label->SetTop(130);
    label->SetCaption("Click the panel");
    label->SetParent(form);

    form->Show();
    Application->ProcessMessages();
    const TPoint middle = panel->ClientToScreen({100, 50});
    std::printf("panel %d %d\n", middle.x, middle.y);
    std::fflush(stdout);
    Application->Run();
    return 0;
}
