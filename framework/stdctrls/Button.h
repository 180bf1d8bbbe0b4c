#pragma once
// Push buttons. TButtonControl is the native button window: it tracks presses of the left
// button and the space key, shows focus, notifies its parent of a click (WM_COMMAND,
// BN_CLICKED) and paints itself, or asks its parent to paint it (WM_DRAWITEM) when its window
// style is BS_OWNERDRAW. TButton adds the dialog roles: Default, Cancel, ModalResult and the
// accelerator of its caption.

#include "framework/windows/ModalResult.h"
#include "framework/windows/WinControl.h"

// Button notification codes (the high word of WM_COMMAND's WParam).
enum : UINT { BN_CLICKED = 0 };

// BM_GETSTATE bits.
enum : LRESULT { BST_PUSHED = 0x0004, BST_FOCUS = 0x0008 };

class TButtonControl : public TWinControl {
    FRAMEWORK_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent* owner);

    // Shown pressed: the left button is held over it, or space is held while it has the focus.
    bool Pressed() const { return FPressed; }

protected:
    void CreateParams(TCreateParams& params) override;
    // The native behaviour of the button window (see the state table in the source).
    void DefaultHandler(TMessage& message) override;

private:
    bool HandleMouse(TMessage& message);
    bool HandleKey(TMessage& message);
    bool HandleButtonMessage(TMessage& message);
    void BeginTracking();
    void EndTracking(TPoint releasedAt);
    void CancelPress();
    void SetPressed(bool pressed);
    void NotifyClicked();
    bool OwnerDrawn();
    // Paints at once, telling an owner-drawing parent what changed (ODA_*).
    void Redraw(UINT action);
    void PaintFace(HDC dc);

    bool FPressed = false;
    bool FTracking = false;  // the left button went down on the button and is still held
    bool FSpaceDown = false; // space went down while the button had the focus
    UINT FDrawAction = ODA_DRAWENTIRE;
};

class TButton : public TButtonControl {
    FRAMEWORK_CLASS(TButton)
    DECLARE_MESSAGE_MAP
public:
    explicit TButton(TComponent* owner);

    // Enter presses the default button while no other button has the focus.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    // Escape presses a cancel button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Click hands it to the parent form, whose modal show it ends when it is not mrNone.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    void Click() override;

    // Called on every focus change in the form: true when the button is to look like the
    // form's default button. The base switches the window between BS_DEFPUSHBUTTON and
    // BS_PUSHBUTTON.
    virtual void SetButtonStyle(bool ADefault);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

    void CMDialogKey(TWMKey& message);
    void CMDialogChar(TWMKey& message);
    void CMFocusChanged(TCMFocusChanged& message);
    void CNCommand(TWMCommand& message);

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false; // looks like the default button since the last focus change
    TModalResult FModalResult = mrNone;
};
