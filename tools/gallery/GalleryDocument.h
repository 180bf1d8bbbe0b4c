#pragma once
// TGalleryDocument: what the gallery knows of the form it works on as a file: the file it was
// read from or written to (none for the built-in form or after New) and whether a person changed
// the form since; the window titles show both.

#include "framework/core/Events.h"

#include <string>

class TGalleryDocument {
public:
    // The full path, empty while the form has no file.
    const std::string& FileName() const { return FFileName; }
    bool Modified() const { return FModified; }
    // The name a person knows the form by: the file's own name, or "Untitled".
    std::string DisplayName() const;
    // "gallery.json* - Saruvi control gallery": the name, a mark while changed, the program.
    std::string Title(const std::string& program) const;

    // Every change a person makes to the form: an edit, a placement, a move, an undo.
    void MarkModified();
    // The form was read from or written to path: it is that file's, unchanged.
    void SetFile(const std::string& path);
    // The form was replaced by one with no file.
    void Clear() { SetFile({}); }

    // After the file or the modified mark changed.
    TNotifyEvent OnChange;

private:
    void Changed();

    std::string FFileName;
    bool FModified = false;
};
