#include "tools/gallery/GalleryOptions.h"

TGalleryOptions ParseGalleryOptions(const std::vector<std::string>& args) {
    TGalleryOptions options;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            options.Help = true;
        } else if (!optionsEnded && arg == "--report") {
            options.Report = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            options.Error = "unknown option " + arg + " (see --help)";
            return options;
        } else if (!options.File.empty()) {
            options.Error = "one form file at a time, not also " + arg;
            return options;
        } else {
            options.File = arg;
        }
    }
    return options;
}

std::string GalleryUsage(const std::string& program) {
    return "Usage: " + program +
           " [--report] [FORM.json]\n"
           "The design environment of the Saruvi control library: place the controls on a form,\n"
           "edit their properties, watch their events, and save the form as a description.\n"
           "\n"
           "  FORM.json   open this form description instead of the built-in form\n"
           "  --report    print the screen points of the windows' controls, for test scripts\n"
           "  --help      print this help and exit\n"
           "\n"
           "Recent files are kept in $XDG_CONFIG_HOME/saruvi/gallery-recent.\n";
}
