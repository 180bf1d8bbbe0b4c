#include "framework/windows/ParentForm.h"

#include "framework/windows/WinControl.h"

IParentForm* ParentFormOf(const TControl* control) {
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<IParentForm*>(const_cast<TControl*>(control));
}
