#include "tools/gallery/PropertyEditor.h"

#include "framework/windows/WinControl.h"
#include "tools/gallery/ChoiceEditors.h"
#include "tools/gallery/EntryEditors.h"
#include "tools/gallery/Identifiers.h"
#include "tools/gallery/PickEntryEditors.h"

TPropertyEditor::TPropertyEditor(IPropertyEditorHost& host, TPropertyRow row)
    : FHost(host), FRow(std::move(row)) {}

TPropertyEditor::~TPropertyEditor() {
    DestroyControls();
}

void TPropertyEditor::Place(const TRect& rect) {
    Control()->SetBoundsRect(rect);
}

void TPropertyEditor::DestroyControls() {
    FDestroyed = true;
    // Last made first, so that a menu goes after the button that names it.
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        FComponents.pop_back();
        delete component;
    }
}

TPropValue TPropertyEditor::Value() const {
    TPropValue shared = FRow.Prop().Get(*FRow.Targets.front().Object);
    for (const TPropTarget& target : FRow.Targets)
        if (target.Prop->Get(*target.Object) != shared)
            return {};
    return shared;
}

bool TPropertyEditor::Apply(const TPropValue& value) {
    const bool applied = FHost.ApplyChange(FRow, [this, value] {
        for (const TPropTarget& target : FRow.Targets)
            target.Prop->Set(*target.Object, value);
    });
    if (!Live())
        return applied;
    if (const TPropValue stored = Value(); applied && stored != value) {
        const bool numeric = std::holds_alternative<std::int64_t>(value);
        FHost.Note(FRow, Spell(value) + (numeric ? " is out of range" : " was not taken") +
                             ", stored " + (stored.index() == 0 ? "other values" : Spell(stored)));
    }
    return applied;
}

std::string TPropertyEditor::Spell(const TPropValue& value) const {
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    if (const auto* text = std::get_if<std::string>(&value))
        return "'" + *text + "'";
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? "True" : "False";
    return "the lines";
}

void TPropertyEditor::Adopt(TComponent* component) {
    FComponents.push_back(component);
    if (auto* control = dynamic_cast<TControl*>(component))
        control->SetParent(&FHost.EditorParent());
    if (auto* control = dynamic_cast<TWinControl*>(component))
        control->OnEnter = TNotifyEvent(this, &TPropertyEditor::Entered);
}

void TPropertyEditor::Entered(TObject* sender) {
    if (Live())
        FHost.ScrollInView(*static_cast<TControl*>(sender));
}

std::unique_ptr<TPropertyEditor> MakePropertyEditor(IPropertyEditorHost& host,
                                                    const TPropertyRow& row) {
    switch (row.Prop().Kind) {
    case TPropKind::Integer:
        if (IdentifiersOf(row.Prop().Name))
            return std::make_unique<TIdentifierEditor>(host, row);
        return std::make_unique<TIntegerEditor>(host, row);
    case TPropKind::Boolean:
        return std::make_unique<TBooleanEditor>(host, row);
    case TPropKind::String:
        if (TCaptionEditor::Fits(row))
            return std::make_unique<TCaptionEditor>(host, row);
        return std::make_unique<TStringEditor>(host, row);
    case TPropKind::Color:
        return std::make_unique<TColorEditor>(host, row);
    case TPropKind::Enum:
        return std::make_unique<TEnumEditor>(host, row);
    case TPropKind::Set:
        return std::make_unique<TSetEditor>(host, row);
    case TPropKind::Strings:
        return std::make_unique<TLinesEditor>(host, row);
    case TPropKind::Component:
        return std::make_unique<TReferenceEditor>(host, row);
    case TPropKind::Persistent:
        return TFontEditor::Fits(row) ? std::make_unique<TFontEditor>(host, row) : nullptr;
    case TPropKind::Resource:
    case TPropKind::Event:
        break;
    }
    return std::make_unique<TReadOnlyEditor>(host, row);
}
