#include "tools/gallery/DesignCommands.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Form.h"
#include "framework/stdctrls/Clipboard.h"
#include "framework/streaming/FormWriter.h"
#include "tools/gallery/ComponentText.h"
#include "tools/gallery/DesignNames.h"
#include "tools/gallery/DesignOverlay.h"
#include "tools/gallery/DesignSelection.h"
#include "tools/gallery/FormReload.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// How far a pasted copy lies from its original when no grid gives the step.
constexpr int PasteOffset = 8;

bool IsContainer(const TComponent* component) {
    const auto* control = dynamic_cast<const TWinControl*>(component);
    return control && (control->ControlStyle() & csAcceptsControls);
}

} // namespace

TDesignCommands::TDesignCommands() : FSelection(std::make_unique<TDesignSelection>(nullptr)) {}

TDesignCommands::~TDesignCommands() = default;

void TDesignCommands::Attach(TCustomForm* form) {
    FSelection->Set({});
    FForm = form;
    FSteps.Clear();
    FBaseline = form ? Text() : std::string();
}

// --- steps

std::string TDesignCommands::Text() const {
    return WriteForm ? WriteForm() : WriteComponent(FForm);
}

void TDesignCommands::Commit() {
    if (!FForm)
        return;
    std::string after = Text();
    if (after == FBaseline)
        return;
    FSteps.Record(std::exchange(FBaseline, after), after);
    OnChange(nullptr);
}

void TDesignCommands::Rebase() {
    if (FForm)
        FBaseline = Text();
}

void TDesignCommands::Undo() {
    Commit();
    if (!FSteps.CanUndo())
        return;
    FBaseline = FSteps.Undo();
    Restore(FBaseline, SelectedNames());
    OnChange(nullptr);
}

void TDesignCommands::Redo() {
    Commit();
    if (!FSteps.CanRedo())
        return;
    FBaseline = FSteps.Redo();
    Restore(FBaseline, SelectedNames());
    OnChange(nullptr);
}

void TDesignCommands::Restore(const std::string& text, const std::vector<std::string>& select) {
    FSelection->Set({});
    ReloadForm(*FForm, text);
    Reselect(select);
    OnLayout(nullptr);
}

void TDesignCommands::Reselect(const std::vector<std::string>& names) {
    std::vector<TComponent*> items;
    for (const std::string& name : names)
        items.push_back(name.empty() ? FForm : FForm->FindComponent(name));
    FSelection->Set(items);
}

std::vector<std::string> TDesignCommands::SelectedNames() const {
    std::vector<std::string> names;
    for (const TComponent* item : FSelection->Items())
        names.push_back(item == FForm ? std::string() : item->Name());
    return names;
}

// --- components

TComponent* TDesignCommands::Place(const TClassInfo& info, TWinControl& parent, TPoint point) {
    if (!info.Create)
        throw EComponentError("class " + info.Name + " cannot be created by name");
    TComponent* component = info.Create(FForm);
    try {
        component->SetName(UniqueName(*FForm, info.Name));
        if (auto* control = dynamic_cast<TControl*>(component)) {
            control->SetBounds(point.x, point.y, control->Width(), control->Height());
            control->SetParent(&parent);
        }
    } catch (...) {
        delete component;
        throw;
    }
    component->SetDesigning(FForm->IsDesigning());
    FSelection->Set({component});
    Commit();
    return component;
}

void TDesignCommands::Rename(TComponent& component, const std::string& name) {
    CheckNewName(*FForm, component, name);
    component.SetName(name);
    Commit();
}

void TDesignCommands::Delete() {
    // A container takes what is nested in it along, so each is looked up again by name; the
    // form, named "" here, is not among its own components.
    for (const std::string& name : SelectedNames())
        delete FForm->FindComponent(name);
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::Copy() {
    std::vector<std::string> names = SelectedNames();
    std::erase(names, std::string());
    if (!names.empty())
        Clipboard()->SetAsText(ExtractComponents(Text(), names));
}

void TDesignCommands::Cut() {
    Copy();
    Delete();
}

void TDesignCommands::Paste() {
    PasteText(Clipboard()->AsText());
}

void TDesignCommands::Duplicate() {
    std::vector<std::string> names = SelectedNames();
    std::erase(names, std::string());
    if (!names.empty())
        PasteText(ExtractComponents(Text(), names));
}

TWinControl& TDesignCommands::PasteTarget() const {
    TComponent* first = FSelection->First();
    return IsContainer(first) ? static_cast<TWinControl&>(*first) : *FForm;
}

void TDesignCommands::PasteText(const std::string& text) {
    Commit();
    const std::string before = FBaseline;
    const std::vector<std::string> selected = SelectedNames();
    TPasted pasted;
    try {
        pasted = InsertComponents(
            before, text, PasteTarget().Name(),
            [this](const std::string& className, const std::vector<std::string>& taken) {
                return UniqueName(*FForm, className, taken);
            },
            FGrid > 1 ? FGrid : PasteOffset);
        Restore(pasted.FormText, pasted.Names);
    } catch (const Exception& e) {
        if (!pasted.FormText.empty())
            Restore(before, selected);
        throw EReadError("The clipboard holds no form components to paste: " + e.Message());
    }
    Commit();
}

// --- layout

void TDesignCommands::Align(TAlignEdge edge) {
    const std::vector<TControl*> controls = FSelection->Controls();
    if (controls.size() < 2)
        return;
    const TRect to = FormRect(*FForm, *controls.front());
    for (TControl* control : controls) {
        const TRect now = FormRect(*FForm, *control);
        const TRect aligned = AlignedRect(now, to, edge);
        TRect bounds = control->BoundsRect();
        OffsetRect(bounds, aligned.Left - now.Left, aligned.Top - now.Top);
        control->SetBoundsRect(bounds);
    }
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::SizeAlike(bool width, bool height) {
    const std::vector<TControl*> controls = FSelection->Controls();
    if (controls.empty())
        return;
    const TControl& to = *controls.front();
    for (TControl* control : controls)
        control->SetBounds(control->Left(), control->Top(), width ? to.Width() : control->Width(),
                           height ? to.Height() : control->Height());
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::Nudge(TPoint delta) {
    for (TControl* control : FSelection->Controls()) {
        TRect bounds = control->BoundsRect();
        OffsetRect(bounds, delta.x, delta.y);
        control->SetBoundsRect(bounds);
    }
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::Grow(TPoint delta) {
    for (TControl* control : FSelection->Controls())
        control->SetBounds(control->Left(), control->Top(), std::max(1, control->Width() + delta.x),
                           std::max(1, control->Height() + delta.y));
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::BringToFront() {
    for (TControl* control : FSelection->Controls())
        control->BringToFront();
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::SendToBack() {
    const std::vector<TControl*> controls = FSelection->Controls();
    // Backwards, so that the first selected ends up at the very back.
    for (auto control = controls.rbegin(); control != controls.rend(); ++control)
        (*control)->SendToBack();
    Commit();
    OnLayout(nullptr);
}

void TDesignCommands::TabOrderBySelection() {
    std::map<const TWinControl*, int> next;
    for (TControl* control : FSelection->Controls())
        if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->Parent())
            windowed->SetTabOrder(next[windowed->Parent()]++);
    Commit();
}
