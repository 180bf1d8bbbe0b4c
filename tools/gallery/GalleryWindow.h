#pragma once
// TGalleryWindow: the design environment's main window, read from gallery_window.json. It
// installs a component palette and registers the control library on it, and works on one
// designed form, a separate window read from gallery.json: the palette places new controls on
// it, the chooser and (while designing) a click select one, the inspector shows and edits the
// selection and the event log lists the events it raises; the Design switch puts the form's
// components into the design state and back; the form is opened from and saved to stored form
// descriptions through the File menu, whose file and unsaved changes the title shows.

#include "framework/forms/Form.h"
#include "framework/streaming/Registration.h"
#include "tools/gallery/FormDesigner.h"
#include "tools/gallery/GalleryDocument.h"
#include "tools/gallery/RecentFiles.h"

#include <memory>
#include <string>

class TButton;
class TCuteButton;
class TDesignedForm;
class TEventLog;
class TFileCommands;
class TMainMenu;
class TMenuItem;
class TMemo;
class TOpenDialog;
class TPaletteBar;
class TPanel;
class TPopupMenu;
class TPropertyInspector;
class TSaveDialog;
class TSpeedButton;

class TGalleryWindow : public TForm {
    FRAMEWORK_CLASS(TGalleryWindow)
    DECLARE_MESSAGE_MAP
public:
    // Registers the control library on its palette and reads gallery.json into the designed
    // form; neither window is shown yet.
    explicit TGalleryWindow(TComponent* owner);
    ~TGalleryWindow() override;

    // Creates the gallery as the program's main form and shows both windows side by side.
    static TGalleryWindow* Start();

    TDesignedForm* DesignedForm() const { return FDesignedForm; }
    const TComponentPalette& Palette() const { return FPalette; }
    TPaletteBar* PaletteBar() const { return FPaletteBar; }
    TPropertyInspector* Inspector() const { return FInspector; }
    // The designed form's file and its modified mark; every change a person makes marks it.
    TGalleryDocument& Document() { return FDocument; }
    TFileCommands& Files() const { return *FFiles; }
    // Keeps the recent files in store from now on (the gallery starts with a list for this run
    // only).
    void KeepRecentFilesIn(const std::string& store);

    // What the selection shows in the inspector and the event log; null selects nothing.
    void Select(TComponent* component);
    TComponent* Selected() const { return FSelected; }
    // What the Design switch does.
    void SetDesigning(bool designing);
    bool Designing() const;

    // Reads the description at path into a fresh designed form that replaces the current one;
    // on failure shows the error box (file, line and key) and keeps the current form. True on
    // success.
    bool OpenForm(const std::string& path);
    // Writes the designed form to path; raises the framework's error when it cannot.
    void SaveForm(const std::string& path);

    // After the selection changed.
    TNotifyEvent OnSelect;

    // --- from the stored description
    TMainMenu* MainMenu = nullptr;
    TMenuItem* FileMenu = nullptr;
    TMenuItem* RecentLine = nullptr;
    TMenuItem* ExitLine = nullptr;
    TPanel* PalettePanel = nullptr;
    TSpeedButton* DesignButton = nullptr;
    TCuteButton* ChooserButton = nullptr;
    TPopupMenu* ChooserMenu = nullptr;
    TButton* OpenButton = nullptr;
    TButton* SaveButton = nullptr;
    TOpenDialog* OpenDialog = nullptr;
    TSaveDialog* SaveDialog = nullptr;
    TMemo* EventMemo = nullptr;
    TPanel* InspectorPanel = nullptr;

    void DesignButtonClick(TObject* sender);
    void OpenButtonClick(TObject* sender);
    void SaveButtonClick(TObject* sender);
    void ChooserMenuPopup(TObject* sender);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void FileMenuClick(TObject* sender);
    void NewItemClick(TObject* sender);
    void OpenItemClick(TObject* sender);
    void SaveItemClick(TObject* sender);
    void SaveAsItemClick(TObject* sender);
    void ExitItemClick(TObject* sender);
    // Closing the designed form only hides it; this brings it back.
    void ShowFormItemClick(TObject* sender);

    // Closing the gallery asks first when the form has unsaved changes.
    bool CloseQuery() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ChooserItemClick(TObject* sender);
    void PaletteChoose(TObject* sender);
    void DesignerSelect(TComponent* component);
    void DesignerPlace(TComponent* component);
    void InspectorChange(TObject* sender);
    void DocumentChange(TObject* sender);
    void NewForm();
    // The recent files between RecentLine and ExitLine, each opening its file.
    void FillRecentItems();
    void RecentItemClick(TObject* sender);
    void LogLine(const std::string& line);
    void WMRefreshInspector(TMessage& message);
    // Takes form as the designed form, freeing the one before.
    void Adopt(TDesignedForm* form);

    TComponentPalette FPalette;
    TFormDesigner FDesigner;
    TGalleryDocument FDocument;
    TRecentFiles FRecent{""};
    std::unique_ptr<TFileCommands> FFiles;
    std::string FProgramName; // the stored caption, which the title ends with
    TPaletteBar* FPaletteBar = nullptr;
    TPropertyInspector* FInspector = nullptr;
    TEventLog* FEventLog = nullptr;
    TDesignedForm* FDesignedForm = nullptr; // owned, freed with the window
    TComponent* FSelected = nullptr;
    bool FRefreshPosted = false;
};
