// saruvi-gallery: the design environment of the control library on the desktop. With --report it
// prints, for a script that drives it, the screen points of the designed form's controls (their
// middles and bounds) and of the Design switch once the windows are up, on every selection the
// selected component and the points of the inspector's editors, and every event of the designed
// form's components as the event log words it, followed by the component's text.

#include "framework/forms/Application.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/StandardClasses.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/EventLog.h"
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

// The line "bounds NAME X Y WIDTH HEIGHT" with the screen point of the control's top left.
void SayBounds(const TControl& control) {
    const TPoint p = control.ClientToScreen({0, 0});
    Say("bounds " + control.Name() + " " + std::to_string(p.x) + " " + std::to_string(p.y) + " " +
        std::to_string(control.Width()) + " " + std::to_string(control.Height()));
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
        if (const auto* control = dynamic_cast<const TControl*>(form.Components(i))) {
            SayMiddle("control " + control->Name(), *control);
            SayBounds(*control);
        }
    Say("ready");
}

// A log of its own on each component, beside the gallery's log of the selected one.
void ReportEvents(TGalleryWindow& gallery) {
    TDesignedForm& form = *gallery.DesignedForm();
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent* component = form.Components(i);
        auto* log = new TEventLog(&gallery, [component](const std::string& line) {
            Say("event " + line);
            if (const auto* control = dynamic_cast<const TControl*>(component))
                Say("text " + control->Name() + " " + control->Text());
        });
        log->Attach(component);
    }
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
            ReportEvents(*gallery);
            ReportWindows(*gallery);
        }
        application.Run();
    } catch (...) {
        application.HandleException(&application);
        return 1;
    }
    return 0;
}
