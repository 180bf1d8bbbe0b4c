#include "tools/gallery/GalleryDocument.h"

#include <filesystem>

std::string TGalleryDocument::DisplayName() const {
    return FFileName.empty() ? std::string("Untitled")
                             : std::filesystem::path(FFileName).filename().string();
}

std::string TGalleryDocument::Title(const std::string& program) const {
    return DisplayName() + (FModified ? "*" : "") + " - " + program;
}

void TGalleryDocument::MarkModified() {
    if (FModified)
        return;
    FModified = true;
    Changed();
}

void TGalleryDocument::SetFile(const std::string& path) {
    FFileName = path;
    FModified = false;
    Changed();
}

void TGalleryDocument::Changed() {
    OnChange(nullptr);
}
