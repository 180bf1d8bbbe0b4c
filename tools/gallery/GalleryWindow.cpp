#include "tools/gallery/GalleryWindow.h"

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "controls/xTrackBar.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/MainMenu.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/MessageDialog.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/windows/Win32Api.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/EventLog.h"
#include "tools/gallery/FileCommands.h"
#include "tools/gallery/FormFile.h"
#include "tools/gallery/PaletteBar.h"
#include "tools/gallery/PropertyInspector.h"

namespace {

// The event log keeps the newest lines only.
constexpr int MaxLogLines = 1000;

constexpr UINT WM_REFRESHINSPECTOR = WM_USER + 1;

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
            c.Method("DesignButtonClick", &TGalleryWindow::DesignButtonClick);
            c.Method("OpenButtonClick", &TGalleryWindow::OpenButtonClick);
            c.Method("SaveButtonClick", &TGalleryWindow::SaveButtonClick);
            c.Method("ChooserMenuPopup", &TGalleryWindow::ChooserMenuPopup);
            c.Method("FormKeyDown", &TGalleryWindow::FormKeyDown);
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
    StrokeBar::Register();
    xGauge::Register();
    ColorBtn::Register();
    CuteBtn::Register();
    NumberEdit::Register();
    xTrackBar::Register();
    RegisterClass(TDesignedForm::StaticClass());
    ReadComponentResource(this, "gallery_window.json");

    FPaletteBar = new TPaletteBar(this);
    FPaletteBar->Fill(FPalette);
    FPaletteBar->SetAlign(alClient);
    FPaletteBar->SetParent(PalettePanel);
    FPaletteBar->OnChoose = TNotifyEvent(this, &TGalleryWindow::PaletteChoose);
    FInspector = new TPropertyInspector(this);
    FInspector->SetAlign(alClient);
    FInspector->SetParent(InspectorPanel);
    FEventLog = new TEventLog(this, [this](const std::string& line) { LogLine(line); });
    FInspector->EventHandlerOf = [this](const TObject& target, const TPropInfo& prop) {
        return FEventLog->HandlerOf(target, prop);
    };
    FDesigner.OnSelect = TClosure<TComponent*>(this, &TGalleryWindow::DesignerSelect);
    FDesigner.OnPlace = TClosure<TComponent*>(this, &TGalleryWindow::DesignerPlace);
    FInspector->OnChange = TNotifyEvent(this, &TGalleryWindow::InspectorChange);

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
    FEventLog->Detach();
    FInspector->Inspect(nullptr);
    if (FSelected)
        FSelected->RemoveFreeNotification(this);
    FSelected = nullptr;
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
    Select(nullptr);
    TDesignedForm* previous = FDesignedForm;
    FDesignedForm = form;
    FDesignedForm->SetDesigner(&FDesigner);
    delete previous;
}

// --- selection

void TGalleryWindow::Select(TComponent* component) {
    if (FSelected)
        FSelected->RemoveFreeNotification(this);
    FSelected = component;
    if (FSelected)
        FSelected->FreeNotification(this);
    FEventLog->Attach(component);
    FInspector->Inspect(component);
    ChooserButton->SetCaption(Describe(component));
    OnSelect(this);
}

void TGalleryWindow::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != opRemove || component != FSelected)
        return;
    FSelected = nullptr;
    if (!IsDestroying())
        ChooserButton->SetCaption(Describe(nullptr));
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
        item->SetChecked(component == FSelected);
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

void TGalleryWindow::DesignerSelect(TComponent* component) {
    Select(component);
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

void TGalleryWindow::DesignerPlace(TComponent* component) {
    FPaletteBar->ClearChoice();
    Select(component);
    FDocument.MarkModified();
}

void TGalleryWindow::InspectorChange(TObject*) {
    FDocument.MarkModified();
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
    WriteFormFile(path, text);
}

// --- the menu

void TGalleryWindow::FormKeyDown(TObject*, unsigned short& key, TShiftState shift) {
    if (MainMenu->IsShortCut(key, shift))
        key = 0;
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
