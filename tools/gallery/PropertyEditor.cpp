#include "tools/gallery/PropertyEditor.h"

#include "framework/windows/WinControl.h"
#include "tools/gallery/ChoiceEditors.h"
#include "tools/gallery/EntryEditors.h"

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

bool TPropertyEditor::Apply(const TPropValue& value) {
    return FHost.ApplyChange(FRow, [this, value] { FRow.Prop->Set(*FRow.Target, value); });
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
    switch (row.Prop->Kind) {
    case TPropKind::Integer:
        return std::make_unique<TIntegerEditor>(host, row);
    case TPropKind::Boolean:
        return std::make_unique<TBooleanEditor>(host, row);
    case TPropKind::String:
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
    case TPropKind::Resource:
    case TPropKind::Event:
    case TPropKind::Persistent:
        break;
    }
    return std::make_unique<TReadOnlyEditor>(host, row);
}
