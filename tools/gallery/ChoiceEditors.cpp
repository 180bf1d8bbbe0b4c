#include "tools/gallery/ChoiceEditors.h"

#include "controls/CuteBtn.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Menus.h"
#include "framework/stdctrls/CheckBox.h"

#include <cstdint>

namespace {

constexpr const char* NoComponent = "(none)";

} // namespace

// ---- TBooleanEditor

TBooleanEditor::TBooleanEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FCheck(Make<TCheckBox>()) {
    FCheck->OnClick = TNotifyEvent(this, &TBooleanEditor::Click);
}

TControl* TBooleanEditor::Control() const {
    return FCheck;
}

void TBooleanEditor::Show() {
    FCheck->SetChecked(std::get<bool>(Value()));
}

// Showing the value clicks too; only a check that differs from the property is an edit.
void TBooleanEditor::Click(TObject*) {
    if (Live() && FCheck->Checked() != std::get<bool>(Value()))
        Apply(FCheck->Checked());
}

// ---- TMenuEditor

TMenuEditor::TMenuEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FButton(Make<TCuteButton>()), FMenu(Make<TPopupMenu>()) {
    FButton->SetAlignment(taLeftJustify);
    FButton->SetMarginX(4);
    FButton->SetDropDownMenu(FMenu);
    FMenu->OnPopup = TNotifyEvent(this, &TMenuEditor::Popup);
}

TControl* TMenuEditor::Control() const {
    return FButton;
}

void TMenuEditor::Show() {
    FButton->SetCaption(Caption());
}

void TMenuEditor::Popup(TObject*) {
    if (!Live())
        return;
    TMenuItem* items = FMenu->Items();
    items->Clear();
    for (const TChoice& choice : Choices()) {
        auto* item = new TMenuItem(FMenu);
        item->SetCaption(choice.Caption);
        item->SetChecked(choice.Checked);
        item->OnClick = TNotifyEvent(this, &TMenuEditor::ItemClick);
        items->Add(item);
    }
}

void TMenuEditor::ItemClick(TObject* sender) {
    if (!Live())
        return;
    const int index = FMenu->Items()->IndexOf(static_cast<TMenuItem*>(sender));
    if (index >= 0)
        Choose(index);
}

// ---- TEnumEditor

std::vector<TMenuEditor::TChoice> TEnumEditor::Choices() const {
    const std::int64_t current = std::get<std::int64_t>(Value());
    std::vector<TChoice> choices;
    for (const std::string& name : *FRow.Prop->EnumNames)
        choices.push_back({name, std::ssize(choices) == current});
    return choices;
}

void TEnumEditor::Choose(int index) {
    Apply(std::int64_t{index});
}

std::string TEnumEditor::Caption() const {
    const std::int64_t current = std::get<std::int64_t>(Value());
    const auto& names = *FRow.Prop->EnumNames;
    return current >= 0 && current < std::ssize(names) ? names[static_cast<std::size_t>(current)]
                                                       : std::to_string(current);
}

// ---- TSetEditor

std::uint64_t TSetEditor::Bits() const {
    return static_cast<std::uint64_t>(std::get<std::int64_t>(Value()));
}

std::vector<TMenuEditor::TChoice> TSetEditor::Choices() const {
    const std::uint64_t bits = Bits();
    std::vector<TChoice> choices;
    for (const std::string& name : *FRow.Prop->EnumNames)
        choices.push_back({name, choices.size() < 64 && ((bits >> choices.size()) & 1) != 0});
    return choices;
}

void TSetEditor::Choose(int index) {
    if (index < 63)
        Apply(static_cast<std::int64_t>(Bits() ^ (std::uint64_t{1} << index)));
}

std::string TSetEditor::Caption() const {
    std::string caption;
    for (const TChoice& choice : Choices())
        if (choice.Checked)
            caption += (caption.empty() ? "" : ", ") + choice.Caption;
    return "[" + caption + "]";
}

// ---- TReferenceEditor

std::vector<TComponent*> TReferenceEditor::Candidates() const {
    std::vector<TComponent*> candidates;
    if (TComponent* root = FHost.Root())
        for (int i = 0; i < root->ComponentCount(); ++i)
            if (FRow.Prop->Accepts(root->Components(i)))
                candidates.push_back(root->Components(i));
    return candidates;
}

std::vector<TMenuEditor::TChoice> TReferenceEditor::Choices() const {
    const TComponent* current = FRow.Prop->GetReference(*FRow.Target);
    std::vector<TChoice> choices{{NoComponent, current == nullptr}};
    for (const TComponent* candidate : Candidates())
        choices.push_back({candidate->Name(), candidate == current});
    return choices;
}

void TReferenceEditor::Choose(int index) {
    const std::vector<TComponent*> candidates = Candidates();
    if (index > std::ssize(candidates))
        return;
    TComponent* chosen = index == 0 ? nullptr : candidates[static_cast<std::size_t>(index - 1)];
    FHost.ApplyChange(FRow, [this, chosen] {
        if (!FRow.Prop->SetReference(*FRow.Target, chosen))
            throw EConvertError(chosen->Name() + " is not of a class the property takes");
    });
}

std::string TReferenceEditor::Caption() const {
    const TComponent* current = FRow.Prop->GetReference(*FRow.Target);
    return current ? current->Name() : NoComponent;
}
