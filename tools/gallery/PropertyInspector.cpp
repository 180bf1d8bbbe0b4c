#include "tools/gallery/PropertyInspector.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Application.h"
#include "framework/stdctrls/Label.h"

#include <algorithm>

namespace {

constexpr int NameWidth = 112;
constexpr int Gap = 4;
constexpr int RowGap = 2;

} // namespace

const TClassInfo& TPropertyInspector::StaticClass() {
    static const TClassInfo info = DescribeClass<TPropertyInspector>(
        "TPropertyInspector", &TScrollBox::StaticClass(), [](auto&) {});
    return info;
}

TPropertyInspector::TPropertyInspector(TComponent* owner) : TScrollBox(owner) {
    SetBounds(0, 0, 300, 400);
    SetColor(clBtnFace);
    HorzScrollBar()->SetVisible(false);
    VertScrollBar()->SetIncrement(22);
}

TPropertyInspector::~TPropertyInspector() {
    Clear();
}

void TPropertyInspector::Inspect(TComponent* component) {
    if (component == FInspected)
        return;
    Clear();
    FInspected = component;
    if (!component)
        return;
    component->FreeNotification(this);
    VertScrollBar()->SetPosition(0);
    AddRows(*component, "");
    LayoutRows();
    Refresh();
}

void TPropertyInspector::Refresh() {
    for (const TRow& row : FRows)
        row.Editor->Show();
}

TControl* TPropertyInspector::EditorOf(const std::string& propertyName) const {
    const auto row = std::find_if(FRows.begin(), FRows.end(), [&](const TRow& r) {
        return r.Editor->Row().Path == propertyName;
    });
    return row == FRows.end() ? nullptr : row->Editor->Control();
}

void TPropertyInspector::AddRows(TObject& target, const std::string& prefix) {
    for (const TPropInfo* prop : target.ClassType().AllProperties()) {
        const std::string path = prefix + prop->Name;
        if (prop->Kind != TPropKind::Persistent) {
            AddRow({path, &target, prop});
        } else if (TPersistent* nested = prop->Object(target)) {
            AddRows(*nested, path + ".");
        }
    }
}

void TPropertyInspector::AddRow(TPropertyRow row) {
    auto* name = new TLabel(this);
    name->SetParent(this);
    name->SetAutoSize(false);
    name->SetCaption(row.Path);
    name->SetShowAccelChar(false);
    FRows.push_back({name, MakePropertyEditor(*this, row)});
}

void TPropertyInspector::Clear() {
    if (FInspected && !FInspected->IsDestroying())
        FInspected->RemoveFreeNotification(this);
    FInspected = nullptr;
    // The editors stop listening before any of their controls goes: a control losing the focus
    // as it is destroyed must not apply its entry to a component that is gone.
    for (TRow& row : FRows)
        row.Editor->DestroyControls();
    for (TRow& row : FRows)
        delete row.Name;
    FRows.clear();
}

void TPropertyInspector::LayoutRows() {
    const auto place = [this] {
        const int width = std::max(ClientWidth() - NameWidth - 3 * Gap, 40);
        int top = Gap - VertScrollBar()->Position();
        for (const TRow& row : FRows) {
            const int height = row.Editor->RowHeight();
            row.Name->SetBounds(Gap, top + 3, NameWidth, height - 3);
            row.Editor->Place(Bounds(NameWidth + 2 * Gap, top, width, height));
            top += height + RowGap;
        }
    };
    // The rows' heights decide whether the scroll bar shows, and the bar the width left to them.
    place();
    UpdateScrollBars();
    place();
}

void TPropertyInspector::Resize() {
    TScrollBox::Resize();
    LayoutRows();
}

void TPropertyInspector::Notification(TComponent* component, TOperation operation) {
    TScrollBox::Notification(component, operation);
    if (operation == opRemove && component == FInspected)
        Clear();
}

bool TPropertyInspector::ApplyChange(const TPropertyRow& row, const std::function<void()>& change) {
    if (FApplying || !FInspected)
        return false;
    try {
        FApplying = true;
        change();
        FApplying = false;
    } catch (const std::exception& e) {
        FApplying = false;
        Refuse(row, e.what());
        return false;
    }
    Refresh();
    OnChange(this);
    return true;
}

// The old values are back before the message shows, so that an editor that loses the focus to
// the message box has nothing left to apply.
void TPropertyInspector::Refuse(const TPropertyRow& row, const std::string& reason) {
    if (FApplying)
        return;
    FApplying = true;
    Refresh();
    if (Application)
        Application->ShowException(EConvertError(row.Path + ": " + reason));
    FApplying = false;
}

TComponent* TPropertyInspector::Root() const {
    if (!FInspected)
        return nullptr;
    return FInspected->Owner() ? FInspected->Owner() : FInspected;
}

std::any TPropertyInspector::EventHandler(const TPropertyRow& row) const {
    return EventHandlerOf ? EventHandlerOf(*row.Target, *row.Prop)
                          : row.Prop->GetEvent(*row.Target);
}

void TPropertyInspector::ScrollInView(const TControl& control) {
    TControlScrollBar& bar = *VertScrollBar();
    if (control.Top() < 0)
        bar.SetPosition(bar.Position() + control.Top() - Gap);
    else if (control.Top() + control.Height() > ClientHeight())
        bar.SetPosition(bar.Position() + control.Top() + control.Height() - ClientHeight() + Gap);
}
