#pragma once
// A stand-in for the property inspector, with its interface: it lists the published properties
// of one component with their values and edits integers only (typed into an edit, Enter
// applies). The full inspector takes its place.

#include "framework/core/Events.h"
#include "framework/stdctrls/ScrollBox.h"

#include <string>
#include <vector>

struct TPropInfo;

class TPropertyInspector : public TScrollBox {
    FRAMEWORK_CLASS(TPropertyInspector)
public:
    explicit TPropertyInspector(TComponent* owner);

    void Inspect(TComponent* component);
    TComponent* Inspected() const { return FInspected; }
    void Refresh();
    TNotifyEvent OnChange;
    TControl* EditorOf(const std::string& propertyName) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TRow {
        const TPropInfo* Prop;
        TControl* Value; // an edit for an integer, else a label
    };

    void Rebuild();
    void AddRow(const TPropInfo& prop, int top);
    void EditorKeyDown(TObject* sender, unsigned short& key, TShiftState shift);

    TComponent* FInspected = nullptr;
    std::vector<TRow> FRows;
};
