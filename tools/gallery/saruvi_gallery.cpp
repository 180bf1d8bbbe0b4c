// saruvi-gallery: the design environment of the control library on the desktop. With --report it
// prints, for a script that drives it, the screen points of the designed form's controls and of
// the Design switch once the windows are up, and on every selection the selected component and
// the points of the inspector's editors.

#include "framework/forms/Application.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/StandardClasses.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/PropertyInspector.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The line "what X Y" with the screen point of the control's middle.
void SayMiddle(const std::string& what, const TControl& control) {
    const TPoint p = control.ClientToScreen({control.Width() / 2, control.Height() / 2});
    Say(what + " " + std::to_string(p.x) + " " + std::to_string(p.y));
}

void ReportSelection(TGalleryWindow& gallery) {
    TComponent* selected = gallery.Selected();
    Say("selected " + (selected ? selected->Name() : std::string()));
    if (!selected)
        return;
    for (const std::string& path : gallery.Inspector()->Paths())
        SayMiddle("editor " + path, *gallery.Inspector()->EditorOf(path));
}

void ReportWindows(TGalleryWindow& gallery) {
    SayMiddle("design", *gallery.DesignButton);
    const TDesignedForm& form = *gallery.DesignedForm();
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto* control = dynamic_cast<const TControl*>(form.Components(i)))
            SayMiddle("control " + control->Name(), *control);
    Say("ready");
}

} // namespace

int main(int argc, char** argv) {
    const bool report = argc > 1 && std::string_view(argv[1]) == "--report";
    const platform::HostScope desktop(platform::CreateDesktopHost());
    TApplication application;
    try {
        application.Initialize();
        application.SetTitle("Saruvi control gallery");
        RegisterStandardClasses();
        TGalleryWindow* gallery = TGalleryWindow::Start();
        if (report) {
            gallery->OnSelect =
                TNotifyEvent::FromFunction([gallery](TObject*) { ReportSelection(*gallery); });
            application.ProcessMessages();
            ReportWindows(*gallery);
        }
        application.Run();
    } catch (...) {
        application.HandleException(&application);
        return 1;
    }
    return 0;
}
