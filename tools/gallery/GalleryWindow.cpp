#include "tools/gallery/GalleryWindow.h"

#include "controls/CuteBtn.h"
#include "controls/Library.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/windows/Win32Api.h"
#include "tools/gallery/DesignedForm.h"
#include "tools/gallery/EventLog.h"
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

    auto form = std::make_unique<TDesignedForm>(nullptr);
    ReadComponentResource(form.get(), "gallery.json");
    Adopt(form.release());
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
        Application->ShowException(e);
        return false;
    }
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

void TGalleryWindow::OpenButtonClick(TObject*) {
    if (OpenDialog->Execute())
        OpenForm(OpenDialog->FileName());
}

void TGalleryWindow::SaveButtonClick(TObject*) {
    if (SaveDialog->Execute())
        SaveForm(SaveDialog->FileName());
}
