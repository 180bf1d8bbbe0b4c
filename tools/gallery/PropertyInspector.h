#pragma once
// TPropertyInspector: the published properties of the selected components, base class first,
// each as a name and an editor (PropertyEditor.h); nested objects show their own properties as
// "Font.Name", "Font.Size"... The values are read through the class's property table, the one the
// form reader and writer use. A status line under the rows says why an entry was refused or what
// the setter kept of it.

#include "framework/stdctrls/Panel.h"
#include "tools/gallery/PropertyEditor.h"

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TLabel;
class TScrollBox;

// Shows the properties the selected components share, each with an editor; an edit goes through
// the property's setter of every one of them and the whole list is read again, so clamping shows
// at once. Reading never writes: only a person's edit changes a component.
class TPropertyInspector : public TCustomPanel, private IPropertyEditorHost {
    FRAMEWORK_CLASS(TPropertyInspector)
public:
    explicit TPropertyInspector(TComponent* owner);
    ~TPropertyInspector() override;

    // nullptr: empty. Follows the component's destruction (free notification) to empty.
    void Inspect(TComponent* component);
    // The properties all of selection shares (the same table entry, or the same name and
    // kind), a value shown where they agree; an edit sets it on every one. Null entries and
    // repeats are dropped; a component that is destroyed leaves the selection.
    void Inspect(const std::vector<TComponent*>& selection);
    // The one inspected component; nullptr when none or several are.
    TComponent* Inspected() const;
    const std::vector<TComponent*>& Selection() const { return FSelection; }
    // Re-reads every value (the control changed itself).
    void Refresh();
    // After an edit was applied (a rename included).
    TNotifyEvent OnChange;
    // The row of a property, for tests and the end-to-end script: the editor control (a
    // TNumberEdit, TEdit, TColorButton swatch, TCuteButton, TCheckBox, TMemo), or nullptr.
    TControl* EditorOf(const std::string& propertyName) const;
    // The rows' paths in order ("Name", "Left", ... "Font.Name" ...).
    std::vector<std::string> Paths() const;
    // The box the rows scroll in.
    TScrollBox* Rows() const { return FRows; }
    // The last refusal or note, "Position: 7025 is out of range, stored 100"; empty after an
    // edit taken as typed.
    std::string Status() const;
    // The text shown while nothing is inspected.
    std::string Hint() const;
    // Reads the handler of an event property, when something stands in for the program's own
    // (the event log's logging handlers); by default the one the property holds.
    std::function<std::any(const TObject& target, const TPropInfo& prop)> EventHandlerOf;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TRow {
        TLabel* Name = nullptr;
        std::unique_ptr<TPropertyEditor> Editor;
    };

    void AddRows(const std::vector<TObject*>& targets, const std::string& prefix);
    void AddRow(const TPropertyRow& row);
    void Clear();
    // Places the rows one under another, at the current scroll position.
    void LayoutRows();
    void RowsResize(TObject* sender);
    void SetStatus(const std::string& text);

    // IPropertyEditorHost
    TWinControl& EditorParent() override;
    bool ApplyChange(const TPropertyRow& row, const std::function<void()>& change) override;
    void Refuse(const TPropertyRow& row, const std::string& reason) override;
    void Note(const TPropertyRow& row, const std::string& note) override;
    TComponent* Root() const override;
    void ScrollInView(const TControl& control) override;
    std::any EventHandler(const TPropTarget& target) const override;
    std::string NamedHandler(const TPropTarget& target) const override;
    void NameHandler(const TPropTarget& target, const std::string& name) override;

    TScrollBox* FRows;
    TLabel* FHint;
    TLabel* FStatus;
    std::vector<TComponent*> FSelection;
    std::vector<TRow> FRowList;
    // Handler names given by a double click, by component and event; a component's go with it.
    std::map<std::pair<const TObject*, std::string>, std::string> FHandlerNames;
    bool FApplying = false; // an edit is being applied or refused
};
