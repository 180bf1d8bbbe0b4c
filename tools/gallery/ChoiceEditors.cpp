#include "tools/gallery/ChoiceEditors.h"

#include "controls/CuteBtn.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Menus.h"
#include "framework/graphics/Font.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/FontDialog.h"

#include <algorithm>
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
    // Targets that differ show unchecked: a click checks them all.
    const TPropValue value = Value();
    FCheck->SetChecked(value.index() != 0 && std::get<bool>(value));
}

// Showing the value clicks too; only a check that differs from the property is an edit.
void TBooleanEditor::Click(TObject*) {
    if (Live() && TPropValue(FCheck->Checked()) != Value())
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
        item->SetSwatch(choice.Swatch);
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
    const TPropValue current = Value();
    std::vector<TChoice> choices;
    for (const std::string& name : *FRow.Prop().EnumNames)
        choices.push_back({name, TPropValue(std::int64_t{std::ssize(choices)}) == current, {}});
    return choices;
}

void TEnumEditor::Choose(int index) {
    Apply(std::int64_t{index});
}

std::string TEnumEditor::Caption() const {
    const TPropValue value = Value();
    if (value.index() == 0)
        return {};
    const std::int64_t current = std::get<std::int64_t>(value);
    const auto& names = *FRow.Prop().EnumNames;
    return current >= 0 && current < std::ssize(names) ? names[static_cast<std::size_t>(current)]
                                                       : std::to_string(current);
}

// ---- TSetEditor

// Where the targets differ, the members they all have.
std::uint64_t TSetEditor::Bits() const {
    std::uint64_t bits = ~std::uint64_t{0};
    for (const TPropTarget& target : FRow.Targets)
        bits &=
            static_cast<std::uint64_t>(std::get<std::int64_t>(target.Prop->Get(*target.Object)));
    return bits;
}

std::vector<TMenuEditor::TChoice> TSetEditor::Choices() const {
    const std::uint64_t bits = Bits();
    std::vector<TChoice> choices;
    for (const std::string& name : *FRow.Prop().EnumNames)
        choices.push_back({name, choices.size() < 64 && ((bits >> choices.size()) & 1) != 0, {}});
    return choices;
}

void TSetEditor::Choose(int index) {
    if (index < 63)
        Apply(static_cast<std::int64_t>(Bits() ^ (std::uint64_t{1} << index)));
}

std::string TSetEditor::Caption() const {
    if (Value().index() == 0)
        return {};
    std::string caption;
    for (const TChoice& choice : Choices())
        if (choice.Checked)
            caption += (caption.empty() ? "" : ", ") + choice.Caption;
    return "[" + caption + "]";
}

// ---- TReferenceEditor

std::vector<TComponent*> TReferenceEditor::Candidates() const {
    std::vector<TComponent*> candidates;
    const auto fits = [this](const TComponent* c) {
        return std::ranges::all_of(FRow.Targets,
                                   [c](const TPropTarget& t) { return t.Prop->Accepts(c); });
    };
    if (TComponent* root = FHost.Root())
        for (int i = 0; i < root->ComponentCount(); ++i)
            if (fits(root->Components(i)))
                candidates.push_back(root->Components(i));
    return candidates;
}

// The component every target names, nullopt when they differ.
std::optional<TComponent*> TReferenceEditor::Current() const {
    TComponent* first = FRow.Prop().GetReference(*FRow.Targets.front().Object);
    for (const TPropTarget& target : FRow.Targets)
        if (target.Prop->GetReference(*target.Object) != first)
            return std::nullopt;
    return first;
}

std::vector<TMenuEditor::TChoice> TReferenceEditor::Choices() const {
    const std::optional<TComponent*> current = Current();
    std::vector<TChoice> choices{{NoComponent, current == nullptr, {}}};
    for (TComponent* candidate : Candidates())
        choices.push_back({candidate->Name(), current == candidate, {}});
    return choices;
}

void TReferenceEditor::Choose(int index) {
    const std::vector<TComponent*> candidates = Candidates();
    if (index > std::ssize(candidates))
        return;
    TComponent* chosen = index == 0 ? nullptr : candidates[static_cast<std::size_t>(index - 1)];
    FHost.ApplyChange(FRow, [this, chosen] {
        for (const TPropTarget& target : FRow.Targets)
            if (!target.Prop->SetReference(*target.Object, chosen))
                throw EConvertError(chosen->Name() + " is not of a class the property takes");
    });
}

std::string TReferenceEditor::Caption() const {
    const std::optional<TComponent*> current = Current();
    if (!current)
        return {};
    return *current ? (*current)->Name() : NoComponent;
}

// ---- TFontEditor

TFontEditor::TFontEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FButton(Make<TButton>()) {
    FButton->OnClick = TNotifyEvent(this, &TFontEditor::Click);
}

bool TFontEditor::Fits(const TPropertyRow& row) {
    return std::ranges::all_of(row.Targets, [](const TPropTarget& target) {
        return target.Prop->Kind == TPropKind::Persistent &&
               dynamic_cast<TFont*>(target.Prop->Object(*target.Object)) != nullptr;
    });
}

TControl* TFontEditor::Control() const {
    return FButton;
}

TFont* TFontEditor::FontOf(const TPropTarget& target) const {
    return static_cast<TFont*>(target.Prop->Object(*target.Object));
}

void TFontEditor::Show() {
    const TFont& font = *FontOf(FRow.Targets.front());
    FButton->SetCaption(font.Name() + ", " + std::to_string(font.Size()) + " pt...");
}

void TFontEditor::Click(TObject*) {
    if (!Live())
        return;
    TFontDialog dialog(nullptr);
    dialog.Font()->Assign(FontOf(FRow.Targets.front()));
    if (!dialog.Execute())
        return;
    const TFont& chosen = *dialog.Font();
    FHost.ApplyChange(FRow, [this, &chosen] {
        for (const TPropTarget& target : FRow.Targets) {
            TFont& font = *FontOf(target);
            font.SetName(chosen.Name());
            font.SetSize(chosen.Size());
            font.SetStyle(chosen.Style());
            font.SetColor(chosen.Color());
        }
    });
}
