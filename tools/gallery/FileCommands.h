#pragma once
// TFileCommands: the gallery's file commands (New, Open..., a recent file, Save, Save As...) and
// the question "Save changes?" before anything that would throw away unsaved changes. They keep
// the document's file and modified mark and the recent files up to date; a command the person
// cancels, or that fails (the error shown), leaves the form and its file as they were.

#include <functional>
#include <string>

class TGalleryDocument;
class TOpenDialog;
class TRecentFiles;
class TSaveDialog;

class TFileCommands {
public:
    // What the gallery does with its designed form.
    struct TForms {
        std::function<void()> New;
        // Shows its own error; false when the form could not be read.
        std::function<bool(const std::string&)> Open;
        // Raises the framework's error when the file cannot be written.
        std::function<void(const std::string&)> Save;
    };

    TFileCommands(TGalleryDocument& document, TRecentFiles& recent, TOpenDialog& openDialog,
                  TSaveDialog& saveDialog, TForms forms);

    // Each is true when it did what it says.
    bool New();
    bool Open();
    bool OpenFile(const std::string& path);
    // Save As... while the form has no file.
    bool Save();
    bool SaveAs();
    // Asks "Save changes?" when the form has unsaved changes: true when they may go, saved or
    // discarded.
    bool MayDiscard();

private:
    bool Read(const std::string& path);
    bool SaveTo(const std::string& path);

    TGalleryDocument& FDocument;
    TRecentFiles& FRecent;
    TOpenDialog& FOpenDialog;
    TSaveDialog& FSaveDialog;
    TForms FForms;
};
