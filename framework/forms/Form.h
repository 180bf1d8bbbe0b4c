#pragma once
// Forms: top-level windows with a caption, a border style and a position on the screen; the
// keyboard's dialog handling (Tab, Enter, Escape, accelerators), the focused control, closing,
// and the modal show.

#include "framework/windows/ModalResult.h"
#include "framework/windows/ParentForm.h"
#include "framework/windows/WinControl.h"

#include <memory>
#include <string>

class TCanvas;
class TControlCanvas;

// Scoped: a control defines its own unscoped bsNone.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};

// BorderIcons, a set of these bits.
inline constexpr unsigned biSystemMenu = 1u << 0;
inline constexpr unsigned biMinimize = 1u << 1;
inline constexpr unsigned biMaximize = 1u << 2;
inline constexpr unsigned biHelp = 1u << 3;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TClosure<TObject*, TCloseAction&>;
using TCloseQueryEvent = TClosure<TObject*, bool&>;

class TCustomForm : public TWinControl, public IParentForm {
    FRAMEWORK_CLASS(TCustomForm)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Drawing on the client area; Paint (OnPaint) draws on it.
    TCanvas* Canvas() const;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    unsigned BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(unsigned value) { FBorderIcons = value; }
    // Applied each time the form is shown.
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    // A scaled form read from its stored description on a screen of other pixels per inch than
    // it was designed at is scaled to the screen, and again when it moves to a screen of
    // another scale; PixelsPerInch is then the screen's.
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    // Held to MinPixelsPerInch..MaxPixelsPerInch.
    void SetPixelsPerInch(int value);
    static constexpr int MinPixelsPerInch = 24;
    static constexpr int MaxPixelsPerInch = 960;
    bool KeyPreview() const override { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }

    // The control that has (or gets, when the form is activated) the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // The form is the active window of the program.
    bool Active() const { return FActive; }

    TModalResult ModalResult() const { return FModalResult; }
    // While the form is shown modally, a non-zero value ends the modal loop.
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Shows the form and runs a message loop until ModalResult is set or the form closes;
    // meanwhile the program's other forms take no input. Hides the form again and returns
    // ModalResult.
    virtual TModalResult ShowModal();
    bool Modal() const { return FModal; }
    // OnCloseQuery, then OnClose with caHide; the main form's close ends the program. A modal
    // form's close ends its modal loop (with mrCancel unless a result was set).
    void Close();
    virtual bool CloseQuery();
    // Destroys the form once the messages in the queue have been handled.
    void Release();

    TWinControl& FormWindow() override { return *this; }

    // Focus to control (which must be inside the form): the window focus when the form is
    // active, else only ActiveControl.
    void FocusControl(TWinControl* control) override;
    // The window manager's focus moved to control: exit and enter events, CM_FOCUSCHANGED to
    // every control of the form.
    void SetFocusedControl(TWinControl* control) override;
    // Forgets control as the focused and active control (it is hidden, disabled or removed).
    void DefocusControl(TWinControl* control, bool removing) override;
    // Not owned; the design environment sets it for the forms it designs and clears it before
    // it goes.
    IDesigner* Designer() const override { return FDesigner; }
    void SetDesigner(IDesigner* designer) { FDesigner = designer; }

    void SetVisible(bool value) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void GetChildren(const std::function<void(TComponent*)>& visit,
                     TComponent* root) const override;
    // Fires OnCreate once the stored form has been read; a form stored visible is shown.
    void Loaded() override;

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;

protected:
    // A window of its own is never larger than the screen, as a desktop holds it: no desktop
    // could show more, nor keep the pixels of an arbitrarily large one.
    void LimitBounds(int& left, int& top, int& width, int& height) const override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void PaintWindow(HDC dc) override;
    // The position and the client size, not the frame the host adds.
    void ChangeScale(int m, int d) override;
    // Whether the form follows the screen's scale; a design environment keeps its forms in the
    // pixels they were designed at, so that a save writes back what was read.
    virtual bool FollowsScreenScale() const { return FScaled; }
    virtual void Paint();
    virtual void Activate();
    virtual void Deactivate();
    virtual void DoClose(TCloseAction& action);
    virtual void DoShow();
    virtual void DoHide();

    void WMClose(TMessage& message);
    void WMActivate(TMessage& message);
    void CMDialogKey(TWMKey& message);
    void CMRelease(TMessage& message);
    void CMIconChanged(TMessage& message);
    void WMHelp(TMessage& message);
    void WMDpiChanged(TMessage& message);

private:
    void ApplyPosition();
    void ScaleTo(int pixelsPerInch);
    // The modal loop saw a result: OnCloseQuery and OnClose may still refuse.
    void CloseModal();
    void ShowWindowNow();
    void ActivateWindowNow();
    void HideWindowNow();
    void ActivateNext();
    void ApplyIcon();

    std::unique_ptr<TControlCanvas> FCanvas;
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    unsigned FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    bool FScaled = true;
    int FPixelsPerInch = 96;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FModal = false;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    IDesigner* FDesigner = nullptr;
};

class TForm : public TCustomForm {
    FRAMEWORK_CLASS(TForm)
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form the control sits on (its topmost parent, when that is a form), or null.
TCustomForm* GetParentForm(const TControl* control);
// The PixelsPerInch of that form, 96 without one: the scale of the control's pictures.
int FormPixelsPerInch(const TControl* control);
// True when caption marks the character as its accelerator with "&" (letters compared without
// regard to case).
bool IsAccel(unsigned short charCode, const std::string& caption);
