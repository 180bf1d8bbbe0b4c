#pragma once
// TDesignSelection: what the designer has selected, in the order it was selected; the first is
// the one that align and size-alike commands follow. A selected component that is destroyed
// leaves the selection.

#include "framework/core/Component.h"
#include "framework/core/Events.h"

#include <vector>

class TControl;

class TDesignSelection : public TComponent {
    FRAMEWORK_CLASS(TDesignSelection)
public:
    explicit TDesignSelection(TComponent* owner) : TComponent(owner) {}
    ~TDesignSelection() override;

    const std::vector<TComponent*>& Items() const { return FItems; }
    // Null when nothing is selected.
    TComponent* First() const { return FItems.empty() ? nullptr : FItems.front(); }
    bool Contains(const TComponent* component) const;
    // The selected controls, leaving out a selected form: the ones that move and size.
    std::vector<TControl*> Controls() const;

    // Duplicates and nulls are left out.
    void Set(const std::vector<TComponent*>& items);
    // Adds a component that is not selected, removes one that is.
    void Toggle(TComponent* component);

    // After every change, a destruction included.
    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Release();

    std::vector<TComponent*> FItems;
};
