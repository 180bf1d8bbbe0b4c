// saruvi-gallery: the design environment of the control library on the desktop, on the form file
// the command line names or the built-in form. With --report it
// prints, for a script that drives it, the screen points of the designed form's controls and of
// the Design switch once the windows are up, and on every selection the selected component and
// the points of the inspector's editors.

#include "framework/forms/Application.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/MessageDialog.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/StandardClasses.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/GalleryOptions.h"
#include "tools/gallery/GalleryWindow.h"
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
void SayMiddle(const std::string& what, const TControl& control) {
    const TPoint p = control.ClientToScreen({control.Width() / 2, control.Height() / 2});
    Say(what + " " + std::to_string(p.x) + " " + std::to_string(p.y));
}

void ReportSelection(TGalleryWindow& gallery) {
    TComponent* selected = gallery.Selected();
    Say("selected " + (selected ? selected->Name() : std::string()));
    if (!selected)
        return;
    for (const TPropInfo* prop : selected->ClassType().AllProperties())
        if (const TControl* editor = gallery.Inspector()->EditorOf(prop->Name))
            SayMiddle("editor " + prop->Name, *editor);
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
