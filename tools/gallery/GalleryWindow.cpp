#include "tools/gallery/GalleryWindow.h"

#include "controls/CuteBtn.h"
#include "controls/Library.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/MainMenu.h"
#include "framework/forms/MenuBar.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/MessageDialog.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/windows/Win32Api.h"
#include "tools/gallery/DesignSelection.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/EditMenu.h"
#include "tools/gallery/EventLog.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/FormFile.h"
#include "tools/gallery/PaletteBar.h"
#include "tools/gallery/PropertyInspector.h"

namespace {

// The event log keeps the newest lines only.
constexpr int MaxLogLines = 1000;

constexpr UINT WM_REFRESHINSPECTOR = WM_USER + 1;

// The spacing of the design grid when it is on.
constexpr int DesignGrid = 8;

std::string Describe(const TComponent* component) {
    return component ? component->Name() + ": " + component->ClassName()
                     : std::string("(nothing selected)");
}

} // namespace

const TMessageMap& TGalleryWindow::StaticMessageMap() {
    static const TMessageMap map(
        &TCustomForm::StaticMessageMap(),
        {MessageHandler<WM_REFRESHINSPECTOR, &TGalleryWindow::WMRefreshInspector>()});
    return map;
}

const TClassInfo& TGalleryWindow::StaticClass() {
    static const TClassInfo info = DescribeClass<TGalleryWindow>(
        "TGalleryWindow", &TForm::StaticClass(), [](TClassBuilder<TGalleryWindow>& c) {
            c.Field("MainMenu", &TGalleryWindow::MainMenu);
            c.Field("MenuBar", &TGalleryWindow::MenuBar);
            c.Field("FileMenu", &TGalleryWindow::FileMenu);
            c.Field("RecentLine", &TGalleryWindow::RecentLine);
            c.Field("ExitLine", &TGalleryWindow::ExitLine);
            c.Field("PalettePanel", &TGalleryWindow::PalettePanel);
            c.Field("DesignButton", &TGalleryWindow::DesignButton);
            c.Field("ChooserButton", &TGalleryWindow::ChooserButton);
            c.Field("ChooserMenu", &TGalleryWindow::ChooserMenu);
            c.Field("OpenButton", &TGalleryWindow::OpenButton);
            c.Field("SaveButton", &TGalleryWindow::SaveButton);
            c.Field("OpenDialog", &TGalleryWindow::OpenDialog);
            c.Field("SaveDialog", &TGalleryWindow::SaveDialog);
            c.Field("EventMemo", &TGalleryWindow::EventMemo);
            c.Field("InspectorPanel", &TGalleryWindow::InspectorPanel);
            c.Field("EditMenu", &TGalleryWindow::EditMenu);
            c.Field("GridCheck", &TGalleryWindow::GridCheck);
            c.Method("DesignButtonClick", &TGalleryWindow::DesignButtonClick);
            c.Method("OpenButtonClick", &TGalleryWindow::OpenButtonClick);
            c.Method("SaveButtonClick", &TGalleryWindow::SaveButtonClick);
            c.Method("ChooserMenuPopup", &TGalleryWindow::ChooserMenuPopup);
            c.Method("GridCheckClick", &TGalleryWindow::GridCheckClick);
            c.Method("GalleryKeyDown", &TGalleryWindow::GalleryKeyDown);
            c.Method("FileMenuClick", &TGalleryWindow::FileMenuClick);
            c.Method("NewItemClick", &TGalleryWindow::NewItemClick);
            c.Method("OpenItemClick", &TGalleryWindow::OpenItemClick);
            c.Method("SaveItemClick", &TGalleryWindow::SaveItemClick);
            c.Method("SaveAsItemClick", &TGalleryWindow::SaveAsItemClick);
            c.Method("ExitItemClick", &TGalleryWindow::ExitItemClick);
            c.Method("ShowFormItemClick", &TGalleryWindow::ShowFormItemClick);
        });
    return info;
}

// --- life

TGalleryWindow::TGalleryWindow(TComponent* owner) : TForm(owner) {
    FPalette.Install();
    RegisterControlLibrary();
    RegisterClass(TDesignedForm::StaticClass());
    ReadComponentResource(this, "gallery_window.json");

    FPaletteBar = new TPaletteBar(this);
    FPaletteBar->SetAlign(alClient);
    FPaletteBar->SetParent(PalettePanel);
    FPaletteBar->Fill(FPalette);
    FPaletteBar->OnChoose = TNotifyEvent(this, &TGalleryWindow::PaletteChoose);
    FInspector = new TPropertyInspector(this);
    FInspector->SetAlign(alClient);
    FInspector->SetParent(InspectorPanel);
    FEventLog = new TEventLog(this, [this](const std::string& line) { LogLine(line); });
    FInspector->EventHandlerOf = [this](const TObject& target, const TPropInfo& prop) {
        return FEventLog->HandlerOf(target, prop);
    };
    FDesigner.OnSelect = TNotifyEvent(this, &TGalleryWindow::DesignerSelect);
    FDesigner.OnPlace = TClosure<TComponent*>(this, &TGalleryWindow::DesignerPlace);
    FDesigner.OnCancelPlacing = TNotifyEvent(this, &TGalleryWindow::CancelPlacing);
    FDesigner.Commands().WriteForm = [this] {
        return FormText();
    };
    FDesigner.Commands().OnChange = TNotifyEvent(this, &TGalleryWindow::FormChange);
    FInspector->OnChange = TNotifyEvent(this, &TGalleryWindow::InspectorChange);
    FillEditMenu(*EditMenu, this, FDesigner.Commands());

    OpenDialog->SetDrawnByFramework(true);
    SaveDialog->SetDrawnByFramework(true);
    FProgramName = Caption();
    FDocument.OnChange = TNotifyEvent(this, &TGalleryWindow::DocumentChange);
    FFiles = std::make_unique<TFileCommands>(
        FDocument, FRecent, *OpenDialog, *SaveDialog,
        TFileCommands::TForms{[this] { NewForm(); },
                              [this](const std::string& path) { return OpenForm(path); },
                              [this](const std::string& path) {
                                  SaveForm(path);
                              }});
    auto form = std::make_unique<TDesignedForm>(nullptr);
    ReadComponentResource(form.get(), "gallery.json");
    Adopt(form.release());
    DocumentChange(this);
}

TGalleryWindow::~TGalleryWindow() {
    FDesigner.OnSelect = {};
    FDesigner.Commands().OnChange = {};
    FEventLog->Detach();
    FInspector->Inspect(nullptr);
    FDesigner.Attach(nullptr);
    delete FDesignedForm;
}

TGalleryWindow* TGalleryWindow::Start() {
    TGalleryWindow* window = nullptr;
    Application->CreateForm(window);
    window->FDesignedForm->Show();
    window->Show();
    return window;
}

void TGalleryWindow::KeepRecentFilesIn(const std::string& store) {
    FRecent = TRecentFiles(store);
}

bool TGalleryWindow::CloseQuery() {
    return TForm::CloseQuery() && FFiles->MayDiscard();
}

void TGalleryWindow::DocumentChange(TObject*) {
    SetCaption(FDocument.Title(FProgramName));
}

void TGalleryWindow::Adopt(TDesignedForm* form) {
    TDesignedForm* previous = FDesignedForm;
    FDesignedForm = form;
    FDesignedForm->SetGridDots(GridCheck->Checked() ? DesignGrid : 0);
    FDesigner.Attach(form);
    delete previous;
}

// --- selection

void TGalleryWindow::Select(TComponent* component) {
    SetSelection(component ? std::vector<TComponent*>{component} : std::vector<TComponent*>{});
}

void TGalleryWindow::SetSelection(const std::vector<TComponent*>& components) {
    FDesigner.Selection().Set(components);
}

const std::vector<TComponent*>& TGalleryWindow::Selection() const {
    return FDesigner.Selection().Items();
}

TComponent* TGalleryWindow::Selected() const {
    return FDesigner.Selection().First();
}

void TGalleryWindow::DesignerSelect(TObject*) {
    TComponent* first = Selected();
    FEventLog->Attach(first);
    FInspector->Inspect(Selection());
    const std::size_t count = Selection().size();
    ChooserButton->SetCaption(count > 1 ? std::to_string(count) + " components selected"
                                        : Describe(first));
    OnSelect(this);
}

void TGalleryWindow::ChooserMenuPopup(TObject*) {
    TMenuItem* root = ChooserMenu->Items();
    root->Clear();
    // Tag -1 stands for the form itself, any other the index among its components.
    for (int index = -1; index < FDesignedForm->ComponentCount(); ++index) {
        auto* item = new TMenuItem(ChooserMenu);
        TComponent* component = index < 0 ? FDesignedForm : FDesignedForm->Components(index);
        item->SetCaption(Describe(component));
        item->SetTag(index);
        item->SetChecked(FDesigner.Selection().Contains(component));
        item->OnClick = TNotifyEvent(this, &TGalleryWindow::ChooserItemClick);
        root->Add(item);
    }
}

void TGalleryWindow::ChooserItemClick(TObject* sender) {
    const auto index = static_cast<TComponent*>(sender)->Tag();
    if (index < 0)
        Select(FDesignedForm);
    else if (index < FDesignedForm->ComponentCount())
        Select(FDesignedForm->Components(static_cast<int>(index)));
}

// --- designing and placing

bool TGalleryWindow::Designing() const {
    return FDesignedForm->IsDesigning();
}

void TGalleryWindow::SetDesigning(bool designing) {
    // A control that holds the mouse (a stroke in progress) lets go before input goes to the
    // designer.
    if (TControl* captured = GetCaptureControl();
        designing && captured && FDesignedForm->ContainsControl(captured))
        captured->Perform(WM_CANCELMODE);
    FDesignedForm->SetDesigning(designing);
    if (!designing) {
        FPaletteBar->ClearChoice();
        FDesigner.SetPlacing(nullptr);
    }
    DesignButton->SetDown(designing);
    // What the form did to itself while it ran is not a step to undo.
    if (designing)
        FDesigner.Commands().Rebase();
    FDesigner.RefreshMarks();
    // Some controls look different while designing.
    FDesignedForm->Invalidate();
    for (int i = 0; i < FDesignedForm->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(FDesignedForm->Components(i)))
            control->Invalidate();
}

void TGalleryWindow::DesignButtonClick(TObject*) {
    SetDesigning(DesignButton->Down());
}

void TGalleryWindow::PaletteChoose(TObject*) {
    const TClassInfo* chosen = FPaletteBar->Chosen();
    FDesigner.SetPlacing(chosen);
    if (chosen && !Designing())
        SetDesigning(true);
}

void TGalleryWindow::DesignerPlace(TComponent*) {
    FPaletteBar->ClearChoice();
}

void TGalleryWindow::CancelPlacing(TObject*) {
    FPaletteBar->ClearChoice();
}

void TGalleryWindow::GridCheckClick(TObject*) {
    const int grid = GridCheck->Checked() ? DesignGrid : 0;
    FDesigner.Commands().SetGrid(grid);
    FDesignedForm->SetGridDots(grid);
}

void TGalleryWindow::InspectorChange(TObject*) {
    FDesigner.Commands().Commit();
    FDesigner.RefreshMarks();
}

void TGalleryWindow::FormChange(TObject*) {
    FDocument.MarkModified();
    OnFormChange(this);
}

// --- the event log

void TGalleryWindow::LogLine(const std::string& line) {
    TStrings* lines = EventMemo->Lines();
    lines->Add(line);
    while (lines->Count() > MaxLogLines)
        lines->Delete(0);
    // The inspector reads the values again once the event is over and its handlers have run.
    if (!FRefreshPosted && HandleAllocated())
        FRefreshPosted = PostMessage(Handle(), WM_REFRESHINSPECTOR, 0, 0);
}

// A stroke or a click changed the selection itself; an entry being typed in the inspector is
// left as it is.
void TGalleryWindow::WMRefreshInspector(TMessage&) {
    FRefreshPosted = false;
    if (!FInspector->ContainsControl(FindControl(GetFocus())))
        FInspector->Refresh();
}

// --- opening and saving

bool TGalleryWindow::OpenForm(const std::string& path) {
    try {
        const std::string text = ReadFormFile(path);
        auto form = std::make_unique<TDesignedForm>(nullptr);
        form->SetDesigning(Designing());
        ReadComponent(form.get(), text, path);
        Adopt(form.release());
        FDesignedForm->Show();
        return true;
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, mbOK);
        return false;
    }
}

// The form New gives: the designed form with nothing on it, as it stands in the built-in one.
void TGalleryWindow::NewForm() {
    auto form = std::make_unique<TDesignedForm>(nullptr);
    form->SetDesigning(Designing());
    ReadComponentResource(form.get(), "gallery.json");
    while (form->ComponentCount() > 0)
        delete form->Components(form->ComponentCount() - 1);
    Adopt(form.release());
    FDesignedForm->Show();
}

void TGalleryWindow::SaveForm(const std::string& path) {
    WriteFormFile(path, FormText());
}

std::string TGalleryWindow::FormText() {
    // The log's own handlers stand in the events while it is attached; the writer must see the
    // form's.
    TComponent* logged = FEventLog->Attached();
    FEventLog->Detach();
    std::string text;
    try {
        text = WriteComponent(FDesignedForm);
    } catch (...) {
        FEventLog->Attach(logged);
        throw;
    }
    FEventLog->Attach(logged);
    return text;
}

// --- the menu

void TGalleryWindow::GalleryKeyDown(TObject*, unsigned short& key, TShiftState shift) {
    // Escape gives up a class chosen on the palette, also while the gallery has the keys.
    if ((key == VK_ESCAPE && FDesigner.Placing()) || MainMenu->IsShortCut(key, shift)) {
        if (key == VK_ESCAPE)
            FDesigner.CancelPlacing();
        key = 0;
    }
}

void TGalleryWindow::FileMenuClick(TObject*) {
    FillRecentItems();
}

void TGalleryWindow::FillRecentItems() {
    const int first = FileMenu->IndexOf(RecentLine) + 1;
    while (FileMenu->Items(first) != ExitLine)
        delete FileMenu->Items(first);
    const std::vector<std::string> files = FRecent.Items();
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* item = new TMenuItem(this);
        item->SetCaption("&" + std::to_string(i + 1) + " " + files[i]);
        item->SetTag(static_cast<int>(i));
        item->OnClick = TNotifyEvent(this, &TGalleryWindow::RecentItemClick);
        FileMenu->Insert(first + static_cast<int>(i), item);
    }
    RecentLine->SetVisible(!files.empty());
}

void TGalleryWindow::RecentItemClick(TObject* sender) {
    const auto index = static_cast<std::size_t>(static_cast<TComponent*>(sender)->Tag());
    const std::vector<std::string> files = FRecent.Items();
    if (index < files.size())
        FFiles->OpenFile(files[index]);
}

void TGalleryWindow::NewItemClick(TObject*) {
    FFiles->New();
}

void TGalleryWindow::OpenItemClick(TObject*) {
    FFiles->Open();
}

void TGalleryWindow::SaveItemClick(TObject*) {
    FFiles->Save();
}

void TGalleryWindow::SaveAsItemClick(TObject*) {
    FFiles->SaveAs();
}

void TGalleryWindow::ExitItemClick(TObject*) {
    Close();
}

void TGalleryWindow::ShowFormItemClick(TObject*) {
    FDesignedForm->Show();
}

void TGalleryWindow::OpenButtonClick(TObject*) {
    FFiles->Open();
}

void TGalleryWindow::SaveButtonClick(TObject*) {
    FFiles->SaveAs();
}
