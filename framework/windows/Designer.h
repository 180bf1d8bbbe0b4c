#pragma once
// The hook a design environment puts into a form: while a control of the form is designing, its
// mouse and key messages go to the form's designer first, which takes them (to select or place
// a control) or lets the control have them. Forms hold the designer; controls reach it through
// IParentForm.

#include "framework/windows/Messages.h"

class TControl;

class IDesigner {
public:
    // True when the designer took the message; the control then does not see it.
    virtual bool IsDesignMsg(TControl& sender, TMessage& message) = 0;

protected:
    virtual ~IDesigner() = default;
};

// Whether message is one the designer is asked about: a mouse or a key message.
inline bool IsDesignInput(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}
