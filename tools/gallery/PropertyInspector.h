#pragma once
// TPropertyInspector: the published properties of one component, base class first, each as a
// name and an editor (PropertyEditor.h); nested objects show their own properties as
// "Font.Name", "Font.Size"... The values are read through the class's property table, the one the
// form reader and writer use.

#include "framework/stdctrls/ScrollBox.h"
#include "tools/gallery/PropertyEditor.h"

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TLabel;

// Shows the published properties of one component, base class first, each with an editor;
// an edit goes through the property's setter and the whole list is read again, so clamping
// shows at once. A value the property cannot take is refused with a message box naming the
// property and why, and nothing changes.
class TPropertyInspector : public TScrollBox, private IPropertyEditorHost {
    FRAMEWORK_CLASS(TPropertyInspector)
public:
    explicit TPropertyInspector(TComponent* owner);
    ~TPropertyInspector() override;

    // nullptr: empty. Follows the component's destruction (free notification) to empty.
    void Inspect(TComponent* component);
    TComponent* Inspected() const { return FInspected; }
    // Re-reads every value (the control changed itself).
    void Refresh();
    // After an edit was applied.
    TNotifyEvent OnChange;
    // The row of a property, for tests and the end-to-end script: the editor control (a
    // TNumberEdit, TEdit, TColorButton swatch, TCuteButton, TCheckBox, TMemo), or nullptr.
    TControl* EditorOf(const std::string& propertyName) const;
    // Reads the handler of an event property, when something stands in for the program's own
    // (the event log's logging handlers); by default the one the property holds.
    std::function<std::any(const TObject& target, const TPropInfo& prop)> EventHandlerOf;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;

private:
    struct TRow {
        TLabel* Name = nullptr;
        std::unique_ptr<TPropertyEditor> Editor;
    };

    void AddRows(TObject& target, const std::string& prefix);
    void AddRow(TPropertyRow row);
    void Clear();
    // Places the rows one under another, at the current scroll position.
    void LayoutRows();

    // IPropertyEditorHost
    TWinControl& EditorParent() override { return *this; }
    bool ApplyChange(const TPropertyRow& row, const std::function<void()>& change) override;
    void Refuse(const TPropertyRow& row, const std::string& reason) override;
    TComponent* Root() const override;
    void ScrollInView(const TControl& control) override;
    std::any EventHandler(const TPropertyRow& row) const override;

    TComponent* FInspected = nullptr;
    std::vector<TRow> FRows;
    bool FApplying = false; // an edit is being applied or refused
};
