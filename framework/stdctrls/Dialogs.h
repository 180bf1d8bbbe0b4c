#pragma once
// TOpenDialog and TSaveDialog: the file-open and file-save dialogs, with the filter, initial
// directory and default extension they are shown with and the file name the user chose. Each
// shows the desktop's own dialog, or the framework's (FileDialogForm.h) when told to.

#include "framework/core/Component.h"
#include "framework/core/Events.h"

#include <optional>
#include <string>

namespace platform {
struct FileDialogSpec;
}

// Options, a set of these bits.
enum TOpenOptionBit : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
    FRAMEWORK_CLASS(TOpenDialog)
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    // Shows the dialog and waits for it; true with FileName set to the chosen file's full path,
    // false (FileName unchanged) when the user cancels.
    bool Execute();

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    // Alternating descriptions and patterns: "Bitmap image (*.bmp)|*.bmp|All Files (*.*)|*.*".
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    // The filter shown first, counted from 1 (0 also means the first).
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    // Added to a typed name that has no extension.
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& value) { FInitialDir = value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }
    // Shows the framework's own dialog, drawn like the program's forms, instead of the
    // desktop's.
    bool DrawnByFramework() const { return FDrawnByFramework; }
    void SetDrawnByFramework(bool value) { FDrawnByFramework = value; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    // The dialog of this kind; nothing when the user cancels.
    virtual std::optional<std::string> RunDialog(const platform::FileDialogSpec& desc) const;

private:
    std::string FFileName;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FDefaultExt;
    std::string FInitialDir;
    std::string FTitle;
    TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
    bool FDrawnByFramework = false;
};

// The file-save dialog: the same settings; with ofOverwritePrompt in Options it asks before the
// user chooses a file that exists.
class TSaveDialog : public TOpenDialog {
    FRAMEWORK_CLASS(TSaveDialog)
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

protected:
    std::optional<std::string> RunDialog(const platform::FileDialogSpec& desc) const override;
};
