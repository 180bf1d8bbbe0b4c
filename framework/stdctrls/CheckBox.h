#pragma once
// TCheckBox: the classic check box. The native button window tracks presses of the left button
// and the space key; each click it reports toggles Checked. The box is the sunken 13 x 13 square
// with its check mark, the caption stands beside it, and the focus shows as a dotted rectangle
// around the caption.

#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/StdCtrlTypes.h"

class TCheckBox : public TButtonControl {
    FRAMEWORK_CLASS(TCheckBox)
    DECLARE_MESSAGE_MAP
public:
    explicit TCheckBox(TComponent* owner);

    // A change repaints and raises OnClick, whether the user or the program made it; a stored
    // form being read raises nothing.
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    void Toggle() { SetChecked(!FChecked); }
    // taRightJustify (the default): the caption right of the box; otherwise left of it. Right
    // to left swaps the sides.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    // Where the box stands in the client area.
    TRect BoxRect() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;

    void CNCommand(TWMCommand& message);
    void CMDialogChar(TWMKey& message);

private:
    bool CaptionLeft() const;

    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};
