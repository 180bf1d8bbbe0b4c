#include "tools/gallery/DesignSelection.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

#include <algorithm>

const TClassInfo& TDesignSelection::StaticClass() {
    static const TClassInfo info = DescribeClass<TDesignSelection>(
        "TDesignSelection", &TComponent::StaticClass(), [](TClassBuilder<TDesignSelection>&) {});
    return info;
}

TDesignSelection::~TDesignSelection() {
    OnChange = {};
    Release();
}

bool TDesignSelection::Contains(const TComponent* component) const {
    return std::find(FItems.begin(), FItems.end(), component) != FItems.end();
}

std::vector<TControl*> TDesignSelection::Controls() const {
    std::vector<TControl*> controls;
    for (TComponent* item : FItems)
        if (auto* control = dynamic_cast<TControl*>(item);
            control && !dynamic_cast<TCustomForm*>(item))
            controls.push_back(control);
    return controls;
}

void TDesignSelection::Set(const std::vector<TComponent*>& items) {
    Release();
    for (TComponent* item : items)
        if (item && !Contains(item)) {
            FItems.push_back(item);
            item->FreeNotification(this);
        }
    OnChange(this);
}

void TDesignSelection::Toggle(TComponent* component) {
    std::vector<TComponent*> items = FItems;
    if (Contains(component))
        std::erase(items, component);
    else
        items.push_back(component);
    Set(items);
}

void TDesignSelection::Release() {
    for (TComponent* item : FItems)
        item->RemoveFreeNotification(this);
    FItems.clear();
}

void TDesignSelection::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (!IsDestruction(component, operation) || !Contains(component))
        return;
    std::erase(FItems, component);
    OnChange(this);
}
