#include "tools/gallery/FileCommands.h"

#include "framework/core/Exceptions.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/MessageDialog.h"
#include "tools/gallery/GalleryDocument.h"
#include "tools/gallery/RecentFiles.h"

#include <filesystem>
#include <utility>

TFileCommands::TFileCommands(TGalleryDocument& document, TRecentFiles& recent,
                             TOpenDialog& openDialog, TSaveDialog& saveDialog, TForms forms)
    : FDocument(document), FRecent(recent), FOpenDialog(openDialog), FSaveDialog(saveDialog),
      FForms(std::move(forms)) {}

bool TFileCommands::MayDiscard() {
    if (!FDocument.Modified())
        return true;
    switch (MessageDlg("Save changes to " + FDocument.DisplayName() + "?", mtConfirmation,
                       mbSave | mbDiscard | mbCancel)) {
    case mrSave:
        return Save();
    case mrDiscard:
        return true;
    default:
        return false;
    }
}

bool TFileCommands::New() {
    if (!MayDiscard())
        return false;
    FForms.New();
    FDocument.Clear();
    return true;
}

bool TFileCommands::Open() {
    if (!MayDiscard())
        return false;
    if (!FDocument.FileName().empty())
        FOpenDialog.SetInitialDir(
            std::filesystem::path(FDocument.FileName()).parent_path().string());
    return FOpenDialog.Execute() && Read(FOpenDialog.FileName());
}

bool TFileCommands::OpenFile(const std::string& path) {
    return MayDiscard() && Read(path);
}

bool TFileCommands::Read(const std::string& path) {
    if (!FForms.Open(path))
        return false;
    FDocument.SetFile(path);
    FRecent.Add(path);
    return true;
}

bool TFileCommands::Save() {
    return FDocument.FileName().empty() ? SaveAs() : SaveTo(FDocument.FileName());
}

bool TFileCommands::SaveAs() {
    FSaveDialog.SetFileName(FDocument.FileName());
    return FSaveDialog.Execute() && SaveTo(FSaveDialog.FileName());
}

bool TFileCommands::SaveTo(const std::string& path) {
    try {
        FForms.Save(path);
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, mbOK);
        return false;
    }
    FDocument.SetFile(path);
    FRecent.Add(path);
    return true;
}
