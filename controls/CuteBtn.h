#pragma once
// TCuteButton: a push button that draws itself flat, lights up raised while the pointer is over
// it (or while it has the focus), and sinks while pressed; its whole look is the panel's outer
// bevel. The caption stands at any of nine places, with optional margins. It can drop a pop-up
// menu under itself, at once or after being held for DropDownDelay milliseconds, and answers to
// space (click on release), Enter (click at once) and the accelerator of its caption.

#include "framework/forms/Timer.h"
#include "framework/stdctrls/Panel.h"

class TPopupMenu;
class TCuteButton;

// The delay timer of a drop-down, started by the button it names.
class TCuteButtonTimer : public TTimer {
    FRAMEWORK_CLASS(TCuteButtonTimer)
public:
    explicit TCuteButtonTimer(TComponent* owner) : TTimer(owner) {}

    TCuteButton* FCuteButton = nullptr;
};

class TCuteButton : public TCustomPanel {
    FRAMEWORK_CLASS(TCuteButton)
    DECLARE_MESSAGE_MAP
public:
    explicit TCuteButton(TComponent* owner);

    // --- published properties; the setters that repaint skip equal values
    TColor BevelHighlightColor() const { return FBevelHighlightColor; }
    void SetBevelHighlight(TColor value);
    TColor BevelShadowColor() const { return FBevelShadowColor; }
    void SetBevelShadow(TColor value);
    // The background of a disabled button when UseDisabledColor is set; a change repaints only
    // while the button is disabled.
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor value);
    // Milliseconds the left button or space must be held before the menu drops; 0 or less
    // drops it at once. Read at the next press.
    int DropDownDelay() const { return FDropDownDelay; }
    void SetDropDownDelay(int value) { FDropDownDelay = value; }
    // Not owned; cleared when the menu is destroyed.
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    // Swallows clicks that arrive while the OnClick handler still runs.
    bool EgnoreContClick() const { return FEgnoreContClick; }
    void SetEgnoreContClick(bool value) { FEgnoreContClick = value; }
    // Leaves out the permanent inner raised frame.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    // Pixels between the caption and the edge it is aligned to; -1 (and anything below it) is
    // none. Ignored for a centred caption.
    int MarginX() const { return FMarginX; }
    void SetMarginX(int value);
    int MarginY() const { return FMarginY; }
    void SetMarginY(int value);
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value);
    // Raised while focused, and keyboard actions end raised rather than flat.
    bool TabFocusUp() const { return FTabFocusUp; }
    void SetTabFocusUp(bool value) { FTabFocusUp = value; }
    // A change repaints only while the button is disabled.
    bool UseDisabledColor() const { return FUseDisabledColor; }
    void SetUseDisabledColor(bool value);

    TMouseMoveEvent OnMouseEnter;
    TMouseMoveEvent OnMouseLeave;

    // --- behaviour
    // Swallowed after a drop-down; with EgnoreContClick, OnClick is unassigned while it runs.
    void Click() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void MouseEnter(TShiftState shift, int x, int y);
    virtual void MouseLeave(TShiftState shift, int x, int y);
    // Drops the menu now, or starts the delay timer.
    virtual void DoDropDown();
    // Shows DropDownMenu under the button, waits for it to close, then simulates the release of
    // the key or mouse button that opened it.
    virtual void DropDown();

    // OnTimer of the delay timer; any other sender raises EInvalidCast.
    void FTimerTimer(TObject* sender);

protected:
    void Paint() override;
    // The margins that are set, with the bevels and the bounds.
    void ChangeScale(int m, int d) override;
    void Notification(TComponent* component, TOperation operation) override;

    void CMDialogChar(TWMKey& message);
    void CMEnabledChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void BrushChanged(TObject* sender);

private:
    void SetLook(TBevelCut look) { SetBevelOuter(look); }
    // Raised when TabFocusUp is set, else flat: where keyboard actions end.
    void SetRestingLook() { SetLook(FTabFocusUp ? bvRaised : bvNone); }
    // Enter and the accelerator: the menu for a delay of exactly 0, else a click; false when the
    // button did not survive it.
    bool PressFromKeyboard();
    // A pointer message's position: the cursor in client coordinates.
    TPoint CursorPos() const;
    void RepaintIfDisabled();
    // Any release ends the press that may still drop the menu: its timer and its keyboard flag.
    void EndDropDownPress();
    // The focus went or the button was disabled while space was down: no click, no drop-down.
    void CancelKeyPress();

    TColor FBevelShadowColor = clBtnShadow;
    TColor FBevelHighlightColor = clBtnHighlight;
    TColor FDisabledColor = clGray;
    int FDropDownDelay = 0;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FMenuOpen = false; // from just before the menu shows until its simulated release
    bool FEgnoreContClick = false;
    bool FFlat = false;
    bool FSpaceHeld = false; // a space key-down not yet released or cancelled
    bool FTabFocusUp = true;
    TTextLayout FLayout = tlCenter;
    bool FShowFocusRect = false;
    bool FUseDisabledColor = false;
    bool FKeyboardDrop = false; // the press that may open the menu came from space
    int FMarginX = -1;
    int FMarginY = -1;
    TCuteButtonTimer* FTimer = nullptr; // owned; only while a delayed drop-down is pending
};

namespace CuteBtn {
// Puts TCuteButton on the palette page "Custom"; raises EComponentError with no design
// environment installed.
void Register();
} // namespace CuteBtn
