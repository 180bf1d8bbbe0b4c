#pragma once
// TFormDesigner: the designer of the designed form. While the form is designing it takes every
// mouse and key message of the form and its controls, so that they do not react: a left press
// places the class chosen on the palette at that point, or else selects what it hit.

#include "framework/core/Events.h"
#include "framework/windows/Designer.h"

#include <string>

class TClassInfo;
class TComponent;
class TCustomForm;

class TFormDesigner : public IDesigner {
public:
    bool IsDesignMsg(TControl& sender, TMessage& message) override;

    // The class the next press places; null: a press selects.
    const TClassInfo* Placing() const { return FPlacing; }
    void SetPlacing(const TClassInfo* info) { FPlacing = info; }

    // A new instance of info owned by form, named uniquely, at the form's client point, with
    // its constructor's defaults otherwise; designing like the form.
    static TComponent* Place(TCustomForm& form, const TClassInfo& info, TPoint at);
    // The class name without its T and the lowest number from 1 that no component of owner
    // has: StrokeBar1, StrokeBar2...
    static std::string UniqueName(const TComponent& owner, const TClassInfo& info);

    // A press selected a component.
    TClosure<TComponent*> OnSelect;
    // A press placed a new component.
    TClosure<TComponent*> OnPlace;

private:
    const TClassInfo* FPlacing = nullptr;
};
