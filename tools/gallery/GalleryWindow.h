#pragma once
// TGalleryWindow: the design environment's main window, read from gallery_window.json. It
// installs a component palette and registers the control library on it, and works on one
// designed form, a separate window read from gallery.json: the palette places new controls on
// it, the chooser and (while designing) a click select one, the inspector shows and edits the
// first selected and the event log lists the events it raises; the Design switch puts the form's
// components into the design state and back, where the form designer (FormDesigner.h) moves,
// sizes and edits them, each change a step to undo, with its commands also on the Edit menu; the
// form is opened from and saved to stored form descriptions through the File menu, whose file and
// unsaved changes the title shows.

#include "framework/forms/Form.h"
#include "framework/streaming/Registration.h"
#include "tools/gallery/FormDesigner.h"
#include "tools/gallery/GalleryDocument.h"
#include "tools/gallery/RecentFiles.h"

#include <memory>
#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TCuteButton;
class TDesignedForm;
class TEventLog;
class TFileCommands;
class TMainMenu;
class TMenuBar;
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

    // Selects just component; null selects nothing. The first selected is what the inspector
    // shows and the event log follows.
    void Select(TComponent* component);
    void SetSelection(const std::vector<TComponent*>& components);
    const std::vector<TComponent*>& Selection() const;
    TComponent* Selected() const;
    TFormDesigner& Designer() { return FDesigner; }
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
    // After the designed form changed by a person's edit, an undo or a redo.
    TNotifyEvent OnFormChange;

    // --- from the stored description
    TMainMenu* MainMenu = nullptr;
    TMenuBar* MenuBar = nullptr;
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
    TMenuItem* EditMenu = nullptr;
    TCheckBox* GridCheck = nullptr;

    void DesignButtonClick(TObject* sender);
    void OpenButtonClick(TObject* sender);
    void SaveButtonClick(TObject* sender);
    void ChooserMenuPopup(TObject* sender);
    void GridCheckClick(TObject* sender);
    // The menu's short cuts; Escape gives up a class chosen on the palette.
    void GalleryKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
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

private:
    void ChooserItemClick(TObject* sender);
    void PaletteChoose(TObject* sender);
    void DesignerSelect(TObject* sender);
    void DesignerPlace(TComponent* component);
    void CancelPlacing(TObject* sender);
    void InspectorChange(TObject* sender);
    void FormChange(TObject* sender);
    // The designed form's stored text, with the form's own event handlers in it.
    std::string FormText();
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
    bool FRefreshPosted = false;
};
