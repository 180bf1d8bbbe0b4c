// saruvi-gallery: the design environment of the control library on the desktop, on the form file
// the command line names or the built-in form; with --report it tells a script that drives it
// where things are and what happens (GalleryReport.h).

#include "framework/forms/Application.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/MessageDialog.h"
#include "framework/stdctrls/StandardClasses.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/GalleryOptions.h"
#include "tools/gallery/GalleryReport.h"
#include "tools/gallery/GalleryWindow.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
        if (options.Report)
            StartGalleryReport(*gallery);
        application.Run();
    } catch (...) {
        application.HandleException(&application);
        return 1;
    }
    return 0;
}
