#include "tools/gallery/PropertyInspector.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Form.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/windows/Scaling.h"
#include "tools/gallery/DesignNames.h"

#include <algorithm>

namespace {

constexpr int NameWidth = 112;
constexpr int Gap = 4;
constexpr int RowGap = 2;
constexpr int StatusHeight = 30;

constexpr const char* EmptyHint =
    "Click a control on the form with Design on, or pick one in the chooser above.";

// The component's name, as a row of its own: a rename is checked as the designer checks one (a
// valid identifier that no other component of the form, nor the form, has), and a designed
// component must keep a name.
const TPropInfo& NameProperty() {
    static const TPropInfo prop = [] {
        TPropInfo info;
        info.Name = "Name";
        info.Kind = TPropKind::String;
        info.Get = [](const TObject& o) {
            return TPropValue(static_cast<const TComponent&>(o).Name());
        };
        info.Set = [](TObject& o, const TPropValue& value) {
            const std::string& name = std::get<std::string>(value);
            if (name.empty())
                throw EComponentError("a component needs a name");
            auto& component = static_cast<TComponent&>(o);
            if (const TComponent* form = component.Owner())
                CheckNewName(*form, component, name);
            component.SetName(name);
        };
        return info;
    }();
    return prop;
}

// The entry of object's class that stands for shared: the same one, or one of the same name
// and kind (and names, for enumerations and sets).
const TPropInfo* Counterpart(const TObject& object, const TPropInfo& shared) {
    for (const TPropInfo* prop : object.ClassType().AllProperties())
        if (prop == &shared ||
            (prop->Name == shared.Name && prop->Kind == shared.Kind &&
             (!prop->EnumNames || !shared.EnumNames || *prop->EnumNames == *shared.EnumNames)))
            return prop;
    return nullptr;
}

// Caption and CaptionLines of one control are one multi-line caption (TCaptionEditor).
bool FoldedIntoCaption(const TObject& object, const TPropInfo& prop) {
    const TPropInfo* caption = object.ClassType().FindProperty("Caption");
    return prop.Name == "CaptionLines" && prop.Kind == TPropKind::Strings && caption &&
           caption->Kind == TPropKind::String;
}

} // namespace

const TClassInfo& TPropertyInspector::StaticClass() {
    static const TClassInfo info = DescribeClass<TPropertyInspector>(
        "TPropertyInspector", &TCustomPanel::StaticClass(), [](auto&) {});
    return info;
}

TPropertyInspector::TPropertyInspector(TComponent* owner)
    : TCustomPanel(owner), FRows(new TScrollBox(this)), FHint(new TLabel(this)),
      FStatus(new TLabel(this)) {
    SetBounds(0, 0, 300, 400);
    SetBevelOuter(bvNone);
    FStatus->SetParent(this);
    FStatus->SetAlign(alBottom);
    FStatus->SetAutoSize(false);
    FStatus->SetHeight(StatusHeight);
    FStatus->SetWordWrap(true);
    FStatus->SetShowAccelChar(false);
    FRows->SetParent(this);
    FRows->SetAlign(alClient);
    FRows->SetColor(clBtnFace);
    FRows->HorzScrollBar()->SetVisible(false);
    FRows->VertScrollBar()->SetIncrement(22);
    FRows->OnResize = TNotifyEvent(this, &TPropertyInspector::RowsResize);
    FHint->SetParent(FRows);
    FHint->SetAlign(alClient);
    FHint->SetWordWrap(true);
    FHint->SetShowAccelChar(false);
    FHint->SetCaption(EmptyHint);
}

TPropertyInspector::~TPropertyInspector() {
    FRows->OnResize = {};
    Clear();
}

void TPropertyInspector::Inspect(TComponent* component) {
    Inspect(component ? std::vector<TComponent*>{component} : std::vector<TComponent*>{});
}

void TPropertyInspector::Inspect(const std::vector<TComponent*>& selection) {
    std::vector<TComponent*> components;
    for (TComponent* component : selection)
        if (component && std::ranges::find(components, component) == components.end())
            components.push_back(component);
    if (components == FSelection)
        return;
    Clear();
    SetStatus({});
    FSelection = components;
    FHint->SetVisible(components.empty());
    if (components.empty())
        return;
    for (TComponent* component : components)
        component->FreeNotification(this);
    FRows->VertScrollBar()->SetPosition(0);
    const std::vector<TObject*> targets(components.begin(), components.end());
    if (components.size() == 1)
        AddRow({"Name", {{components.front(), &NameProperty()}}});
    AddRows(targets, "");
    LayoutRows();
    Refresh();
}

TComponent* TPropertyInspector::Inspected() const {
    return FSelection.size() == 1 ? FSelection.front() : nullptr;
}

void TPropertyInspector::Refresh() {
    for (const TRow& row : FRowList)
        row.Editor->Show();
}

TControl* TPropertyInspector::EditorOf(const std::string& propertyName) const {
    const auto row = std::find_if(FRowList.begin(), FRowList.end(),
                                  [&](const TRow& r) { return r.Editor->Edits(propertyName); });
    return row == FRowList.end() ? nullptr : row->Editor->Control();
}

std::vector<std::string> TPropertyInspector::Paths() const {
    std::vector<std::string> paths;
    for (const TRow& row : FRowList)
        paths.push_back(row.Editor->Row().Path);
    return paths;
}

std::string TPropertyInspector::Status() const {
    return FStatus->Caption();
}

std::string TPropertyInspector::Hint() const {
    return FHint->Visible() ? FHint->Caption() : std::string();
}

void TPropertyInspector::AddRows(const std::vector<TObject*>& targets, const std::string& prefix) {
    const TObject& first = *targets.front();
    for (const TPropInfo* prop : first.ClassType().AllProperties()) {
        if (FoldedIntoCaption(first, *prop))
            continue;
        TPropertyRow row{prefix + prop->Name, {}};
        for (TObject* target : targets)
            if (const TPropInfo* counterpart = Counterpart(*target, *prop))
                row.Targets.push_back({target, counterpart});
        if (row.Targets.size() != targets.size())
            continue;
        AddRow(row);
        if (prop->Kind != TPropKind::Persistent)
            continue;
        std::vector<TObject*> nested;
        for (const TPropTarget& target : row.Targets)
            if (TPersistent* object = target.Prop->Object(*target.Object))
                nested.push_back(object);
        if (nested.size() == targets.size())
            AddRows(nested, row.Path + ".");
    }
}

void TPropertyInspector::AddRow(const TPropertyRow& row) {
    std::unique_ptr<TPropertyEditor> editor = MakePropertyEditor(*this, row);
    if (!editor)
        return;
    auto* name = new TLabel(this);
    name->SetParent(FRows);
    name->SetAutoSize(false);
    name->SetCaption(row.Path);
    name->SetShowAccelChar(false);
    FRowList.push_back({name, std::move(editor)});
}

void TPropertyInspector::Clear() {
    // A component with named handlers is still followed, to forget them when it goes.
    const auto named = [this](const TComponent* c) {
        return std::ranges::any_of(FHandlerNames,
                                   [c](const auto& n) { return n.first.first == c; });
    };
    for (TComponent* component : FSelection)
        if (!component->IsDestroying() && !named(component))
            component->RemoveFreeNotification(this);
    FSelection.clear();
    FHint->SetVisible(true);
    // The editors stop listening before any of their controls goes: a control losing the focus
    // as it is destroyed must not apply its entry to a component that is gone.
    for (TRow& row : FRowList)
        row.Editor->DestroyControls();
    for (TRow& row : FRowList)
        delete row.Name;
    FRowList.clear();
}

void TPropertyInspector::LayoutRows() {
    // The lengths are the gallery's design pixels, scaled as its stored form is.
    const auto px = [ppi = FormPixelsPerInch(this)](int length) {
        return ScaleLength(length, ppi, 96);
    };
    const auto place = [this, &px] {
        const int nameWidth = px(NameWidth);
        const int gap = px(Gap);
        const int width = std::max(FRows->ClientWidth() - nameWidth - 3 * gap, px(40));
        int top = gap - FRows->VertScrollBar()->Position();
        for (const TRow& row : FRowList) {
            const int height = px(row.Editor->RowHeight());
            row.Name->SetBounds(gap, top + px(3), nameWidth, height - px(3));
            row.Editor->Place(Bounds(nameWidth + 2 * gap, top, width, height));
            top += height + px(RowGap);
        }
    };
    // The rows' heights decide whether the scroll bar shows, and the bar the width left to them.
    place();
    FRows->UpdateScrollBars();
    place();
}

void TPropertyInspector::RowsResize(TObject*) {
    LayoutRows();
}

void TPropertyInspector::SetStatus(const std::string& text) {
    FStatus->SetCaption(text);
}

void TPropertyInspector::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation == opRemove)
        std::erase_if(FHandlerNames,
                      [component](const auto& named) { return named.first.first == component; });
    if (operation != opRemove || std::ranges::find(FSelection, component) == FSelection.end())
        return;
    std::vector<TComponent*> rest;
    std::ranges::copy_if(FSelection, std::back_inserter(rest),
                         [component](const TComponent* c) { return c != component; });
    Clear();
    if (!IsDestroying())
        Inspect(rest);
}

TWinControl& TPropertyInspector::EditorParent() {
    return *FRows;
}

bool TPropertyInspector::ApplyChange(const TPropertyRow& row, const std::function<void()>& change) {
    if (FApplying || FSelection.empty())
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
    SetStatus({});
    Refresh();
    OnChange(this);
    return true;
}

// The old values are back before the note shows, so that an editor that loses the focus
// afterwards has nothing left to apply.
void TPropertyInspector::Refuse(const TPropertyRow& row, const std::string& reason) {
    if (FApplying)
        return;
    FApplying = true;
    Refresh();
    SetStatus(row.Path + ": " + reason);
    FApplying = false;
}

void TPropertyInspector::Note(const TPropertyRow& row, const std::string& note) {
    SetStatus(row.Path + ": " + note);
}

TComponent* TPropertyInspector::Root() const {
    if (FSelection.empty())
        return nullptr;
    TComponent* first = FSelection.front();
    return first->Owner() ? first->Owner() : first;
}

std::any TPropertyInspector::EventHandler(const TPropTarget& target) const {
    return EventHandlerOf ? EventHandlerOf(*target.Object, *target.Prop)
                          : target.Prop->GetEvent(*target.Object);
}

void TPropertyInspector::ScrollInView(const TControl& control) {
    TControlScrollBar& bar = *FRows->VertScrollBar();
    if (control.Top() < 0)
        bar.SetPosition(bar.Position() + control.Top() - Gap);
    else if (control.Top() + control.Height() > FRows->ClientHeight())
        bar.SetPosition(bar.Position() + control.Top() + control.Height() - FRows->ClientHeight() +
                        Gap);
}

std::string TPropertyInspector::NamedHandler(const TPropTarget& target) const {
    const auto named = FHandlerNames.find({target.Object, target.Prop->Name});
    return named == FHandlerNames.end() ? std::string() : named->second;
}

void TPropertyInspector::NameHandler(const TPropTarget& target, const std::string& name) {
    auto* component = dynamic_cast<TComponent*>(target.Object);
    if (!component)
        return;
    component->FreeNotification(this);
    FHandlerNames[{target.Object, target.Prop->Name}] = name;
}
