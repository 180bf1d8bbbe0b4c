#include "tools/gallery/PropertyInspector.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Label.h"
#include "framework/streaming/PropertyJson.h"

#include <charconv>

namespace {

constexpr int RowHeight = 22;

std::string ValueText(const TComponent& component, const TPropInfo& prop) {
    switch (prop.Kind) {
    case TPropKind::Persistent:
        return "(object)";
    case TPropKind::Event:
        return "(event)";
    default:
        return ValueToJson(prop, prop.Get(component)).dump();
    }
}

} // namespace

const TClassInfo& TPropertyInspector::StaticClass() {
    static const TClassInfo info = DescribeClass<TPropertyInspector>(
        "TPropertyInspector", &TScrollBox::StaticClass(), [](auto&) {});
    return info;
}

TPropertyInspector::TPropertyInspector(TComponent* owner) : TScrollBox(owner) {}

void TPropertyInspector::Inspect(TComponent* component) {
    if (FInspected)
        FInspected->RemoveFreeNotification(this);
    FInspected = component;
    if (FInspected)
        FInspected->FreeNotification(this);
    Rebuild();
}

void TPropertyInspector::Refresh() {
    for (const TRow& row : FRows)
        row.Value->SetText(FInspected ? ValueText(*FInspected, *row.Prop) : std::string());
}

TControl* TPropertyInspector::EditorOf(const std::string& propertyName) const {
    for (const TRow& row : FRows)
        if (row.Prop->Name == propertyName && dynamic_cast<TEdit*>(row.Value))
            return row.Value;
    return nullptr;
}

void TPropertyInspector::Notification(TComponent* component, TOperation operation) {
    TScrollBox::Notification(component, operation);
    if (operation == opRemove && component == FInspected) {
        FInspected = nullptr;
        Rebuild();
    }
}

void TPropertyInspector::Rebuild() {
    if (IsDestroying())
        return;
    FRows.clear();
    while (ControlCount() > 0)
        delete Controls(ControlCount() - 1);
    if (!FInspected)
        return;
    int top = 2;
    for (const TPropInfo* prop : FInspected->ClassType().AllProperties()) {
        AddRow(*prop, top);
        top += RowHeight;
    }
}

void TPropertyInspector::AddRow(const TPropInfo& prop, int top) {
    auto* name = new TLabel(this);
    name->SetBounds(4, top + 3, 130, 16);
    name->SetCaption(prop.Name);
    name->SetParent(this);
    TControl* value = nullptr;
    if (prop.Kind == TPropKind::Integer && prop.Set) {
        auto* edit = new TEdit(this);
        edit->SetBounds(136, top, 120, 21);
        edit->OnKeyDown = TKeyEvent(this, &TPropertyInspector::EditorKeyDown);
        value = edit;
    } else {
        value = new TLabel(this);
        value->SetBounds(136, top + 3, 200, 16);
    }
    value->SetText(ValueText(*FInspected, prop));
    value->SetParent(this);
    FRows.push_back({&prop, value});
}

void TPropertyInspector::EditorKeyDown(TObject* sender, unsigned short& key, TShiftState) {
    if (key != VK_RETURN || !FInspected)
        return;
    for (const TRow& row : FRows) {
        if (row.Value != sender)
            continue;
        const std::string text = row.Value->Text();
        std::int64_t number = 0;
        const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (fault != std::errc() || end != text.data() + text.size())
            throw EConvertError("'" + text + "' is not a number for " + row.Prop->Name);
        row.Prop->Set(*FInspected, TPropValue(number));
        key = 0;
        Refresh();
        OnChange(this);
        return;
    }
}
