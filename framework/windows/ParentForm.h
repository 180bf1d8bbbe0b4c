#pragma once
// What the controls of a form need of it: focus bookkeeping, key preview and the dialog keys.
// Forms are a layer above the controls, so a control reaches the form it sits on through this;
// TCustomForm implements it.

class IDesigner;
class TControl;
class TWinControl;

class IParentForm {
public:
    // The form's own window, which takes the dialog keys and characters its controls pass up.
    virtual TWinControl& FormWindow() = 0;
    virtual bool KeyPreview() const = 0;
    virtual void FocusControl(TWinControl* control) = 0;
    virtual void SetFocusedControl(TWinControl* control) = 0;
    virtual void DefocusControl(TWinControl* control, bool removing) = 0;
    // The design environment that takes the input of the form's designing controls, or null.
    virtual IDesigner* Designer() const = 0;

protected:
    ~IParentForm() = default;
};

// The form control sits on (its topmost parent, when that is a form), or null.
IParentForm* ParentFormOf(const TControl* control);
