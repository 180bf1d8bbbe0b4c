#include "tools/gallery/FormDesigner.h"

#include "framework/core/Exceptions.h"
#include "framework/forms/Form.h"

bool TFormDesigner::IsDesignMsg(TControl& sender, TMessage& message) {
    if (message.Msg != WM_LBUTTONDOWN)
        return true;
    TCustomForm* form = GetParentForm(&sender);
    if (!form)
        return true;
    if (FPlacing) {
        const TPoint at =
            form->ScreenToClient(sender.ClientToScreen(LParamToPoint(message.LParam)));
        const TClassInfo& info = *FPlacing;
        FPlacing = nullptr;
        OnPlace(Place(*form, info, at));
    } else {
        OnSelect(&sender);
    }
    return true;
}

TComponent* TFormDesigner::Place(TCustomForm& form, const TClassInfo& info, TPoint at) {
    if (!info.Create)
        throw EComponentError("class " + info.Name + " cannot be created by name");
    TComponent* component = info.Create(&form);
    try {
        component->SetName(UniqueName(form, info));
        if (auto* control = dynamic_cast<TControl*>(component)) {
            control->SetBounds(at.x, at.y, control->Width(), control->Height());
            control->SetParent(&form);
        }
    } catch (...) {
        delete component;
        throw;
    }
    component->SetDesigning(form.IsDesigning());
    return component;
}

std::string TFormDesigner::UniqueName(const TComponent& owner, const TClassInfo& info) {
    std::string base = info.Name;
    if (base.size() > 1 && (base.front() == 'T' || base.front() == 't'))
        base.erase(0, 1);
    for (int number = 1;; ++number) {
        std::string name = base + std::to_string(number);
        if (!owner.FindComponent(name) && owner.Name() != name)
            return name;
    }
}
