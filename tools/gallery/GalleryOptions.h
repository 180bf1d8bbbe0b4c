#pragma once
// The gallery's command line: saruvi-gallery [--report] [FORM.json], or --help.

#include <string>
#include <vector>

struct TGalleryOptions {
    bool Help = false;
    // Prints the screen points a script drives the gallery by.
    bool Report = false;
    // A form description to open at start; empty for the built-in form.
    std::string File;
    // Set when the command line makes no sense: one line saying why.
    std::string Error;
};

// args without the program's name.
TGalleryOptions ParseGalleryOptions(const std::vector<std::string>& args);

// What --help prints.
std::string GalleryUsage(const std::string& program);
