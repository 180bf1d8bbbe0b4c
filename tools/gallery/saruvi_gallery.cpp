// saruvi-gallery: the design environment of the control library on the desktop, on the form file
// the command line names or the built-in form. With --report it prints, for a script that drives
// it, once the windows are up: the screen points of the Design switch, the Edit menu's button, the
// palette's buttons, the form's client origin and the designed form's controls (their middles and
// bounds); on every selection the selected component and the points of the inspector's editors;
// after every change of the form the bounds of its controls; and every event of the designed
// form's components as the event log words it, followed by the component's text.

#include "framework/forms/Application.h"
#include "framework/forms/MenuBar.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/MessageDialog.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/StandardClasses.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/EventLog.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/GalleryOptions.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/PaletteBar.h"
#include "tools/gallery/PropertyInspector.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The line "what X Y" with the screen point of the control's middle.
void SayPoint(const std::string& what, const TControl& control, TPoint client) {
    const TPoint p = control.ClientToScreen(client);
    Say(what + " " + std::to_string(p.x) + " " + std::to_string(p.y));
}

void SayMiddle(const std::string& what, const TControl& control) {
    SayPoint(what, control, {control.Width() / 2, control.Height() / 2});
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

// "layout NAME LEFT TOP WIDTH HEIGHT" per control, then "changed".
void ReportLayout(TGalleryWindow& gallery) {
    const TDesignedForm& form = *gallery.DesignedForm();
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto* c = dynamic_cast<const TControl*>(form.Components(i)))
            Say("layout " + c->Name() + " " + std::to_string(c->Left()) + " " +
                std::to_string(c->Top()) + " " + std::to_string(c->Width()) + " " +
                std::to_string(c->Height()));
    Say("changed");
}

void ReportWindows(TGalleryWindow& gallery) {
    SayMiddle("design", *gallery.DesignButton);
    // The Edit menu's title, the bar's second.
    const TRect edit = gallery.MenuBar->TitleRect(1);
    SayPoint("edit", *gallery.MenuBar,
             {(edit.Left + edit.Right) / 2, (edit.Top + edit.Bottom) / 2});
    for (const auto& page : gallery.Palette().Pages())
        for (const TClassInfo* info : page.Classes)
            if (const TControl* button = gallery.PaletteBar()->ButtonOf(*info))
                SayMiddle("palette " + info->Name, *button);
    const TDesignedForm& form = *gallery.DesignedForm();
    const TPoint origin = form.ClientToScreen({0, 0});
    Say("form " + std::to_string(origin.x) + " " + std::to_string(origin.y));
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
    const std::string program = argc > 0 ? argv[0] : "saruvi-gallery";
    const TGalleryOptions options =
        ParseGalleryOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (!options.Error.empty()) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), options.Error.c_str());
        return 2;
    }
    if (options.Help) {
        std::printf("%s", GalleryUsage(program).c_str());
        return 0;
    }
    const platform::HostScope desktop(platform::CreateDesktopHost());
    TApplication application;
    try {
        application.Initialize();
        application.SetTitle("Saruvi control gallery");
        application.OnException = TExceptionEvent::FromFunction(
            [](TObject*, const Exception& e) { MessageDlg(e.Message(), mtError, mbOK); });
        RegisterStandardClasses();
        TGalleryWindow* gallery = TGalleryWindow::Start();
        gallery->KeepRecentFilesIn(
            TRecentFiles::DefaultStore(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
        if (!options.File.empty())
            gallery->Files().OpenFile(options.File);
        if (options.Report) {
            gallery->OnSelect =
                TNotifyEvent::FromFunction([gallery](TObject*) { ReportSelection(*gallery); });
            gallery->OnFormChange =
                TNotifyEvent::FromFunction([gallery](TObject*) { ReportLayout(*gallery); });
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
