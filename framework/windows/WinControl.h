#pragma once
// TWinControl: a control with a window of the framework's window manager: created on demand
// from CreateParams, parent of other controls (aligned, in tab order), keyboard focus and keys.

#include "framework/windows/Control.h"

#include <cstdint>
#include <string>
#include <vector>

class TBrush;

// Input method states a control asks for; imDisable and imClose turn the input method off while
// the control has the focus, the others leave it on (the desktop's input method chooses the
// conversion mode).
enum TImeMode {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel
};
extern const std::vector<std::string> ImeModeNames;

// What a window is created from; CreateParams fills it, subclasses adjust it.
struct TCreateParams {
    std::string Caption;
    std::uint32_t Style = 0;   // WS_* and the class's own low bits (BS_*, ...)
    std::uint32_t ExStyle = 0; // WS_EX_*
    int X = 0;                 // a child's: in the parent's client area; a top-level's: screen
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr; // a child's parent; a top-level window's owner
    std::string WinClassName;
};

class TWinControl : public TControl {
    FRAMEWORK_CLASS(TWinControl)
    DECLARE_MESSAGE_MAP
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // --- the window
    // Creates the window (and its parents') when there is none yet.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys and recreates the window from CreateParams again; does nothing while there is no
    // window yet.
    void RecreateWnd();

    // --- children, in z-order from the bottom
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }
    int WinControlCount() const;
    TWinControl* WinControls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // True for control itself and any control inside it.
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child at a client point; disabled ones only when allowDisabled,
    // windowed ones only when allowWinControls.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
    // Sends message to every child until one sets a non-zero Result.
    void Broadcast(TMessage& message);
    // Sends msg to every child, with the control as LParam.
    void NotifyControls(UINT msg);

    // --- alignment
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();

    // --- focus and keyboard
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // The control's window has the input focus.
    bool Focused() const;
    // Visible and enabled, and so is every parent up to a visible form.
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // Focus to the next (or previous) control in tab order after current, within this control.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    // This control's windowed children and theirs, in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    // The background brush; its colour follows Color.
    TBrush* Brush() const { return FBrush.get(); }

    // --- border look and input method (published by the controls that use them)
    // A sunken 3-D border, or a flat one-pixel one; follows the parent's until set.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool value);
    TImeMode ImeMode() const { return FImeMode; }
    void SetImeMode(TImeMode value);
    // The desktop's input method framework picks the input method; the name is kept for forms.
    const std::string& ImeName() const { return FImeName; }
    void SetImeName(const std::string& value) { FImeName = value; }

    // --- overrides
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void WndProc(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& visit,
                     TComponent* root) const override;
    void Loaded() override;

    // Paints the graphic children from first (all when null) upward, on dc.
    void PaintControls(HDC dc, TControl* first);

    // --- events
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // The framework calls these; controls override them.
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(unsigned short& key, TShiftState shift);
    virtual void KeyUp(unsigned short& key, TShiftState shift);
    virtual void KeyPress(char& key);

protected:
    // The first steps of destruction: marks the control destroying, leaves the parent and
    // destroys the window. A class whose window's last messages need its own members calls it
    // first in its destructor; otherwise those messages reach only the base classes, after the
    // members are gone.
    void BeginDestruction();
    // Its own values, then the children's, before the children are aligned again.
    void ChangeScale(int m, int d) override;
    void ScaleControls(int m, int d);
    virtual void CreateParams(TCreateParams& params);
    // CreateParams, then CreateWindowHandle.
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    // The window, then the windows of the children.
    virtual void CreateHandle();
    // The children's windows, then this one's.
    void DestroyHandle();
    // Lays out the aligned children inside rect (the client rectangle after AdjustClientRect).
    virtual void AlignControls(TControl* control, TRect& rect);
    // Adds the border a bordered control shows: the sunken edge, or a flat line without Ctl3D.
    void AddBorderStyle(TCreateParams& params) const;
    // The part of the client area that aligned children fill (a panel leaves out its bevels).
    virtual void AdjustClientRect(TRect& /*rect*/) {}
    // The window's own painting on dc, before the graphic children: by default the native
    // painting of DefaultHandler.
    virtual void PaintWindow(HDC dc);

    // Key processing shared by the handlers: the form's key preview, then the virtual method;
    // true when the key was used up.
    bool DoKeyDown(TWMKey& message);
    bool DoKeyUp(TWMKey& message);
    bool DoKeyPress(TWMKey& message);
    // One of the above, then DefaultHandler unless it used the key up.
    void KeyMessage(TWMKey& message, bool (TWinControl::*process)(TWMKey&));

    void WMPaint(TWMPaint& message);
    void WMEraseBkgnd(TWMEraseBkgnd& message);
    void WMSetFocus(TWMSetFocus& message);
    void WMKeyDown(TWMKey& message);
    void WMKeyUp(TWMKey& message);
    void WMChar(TWMKey& message);
    void WMSysKeyDown(TWMKey& message);
    void WMSysKeyUp(TWMKey& message);
    void CNKeyDown(TWMKey& message);
    void CNChar(TWMKey& message);
    void CNSysChar(TWMKey& message);
    void WMDrawItem(TWMDrawItem& message);
    void WMMeasureItem(TWMMeasureItem& message);
    void WMCommand(TWMCommand& message);
    // WM_HSCROLL and WM_VSCROLL from a child scroll bar go back to it.
    void WMScroll(TMessage& message);
    void WMSize(TWMSize& message);
    void WMMove(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMShowHintChanged(TMessage& message);
    // CM_DIALOGKEY, CM_DIALOGCHAR and CM_FOCUSCHANGED go to every child until one takes them.
    void CMBroadcast(TMessage& message);
    void CMEnter(TMessage& message);
    void CMExit(TMessage& message);
    void CMRecreateWnd(TMessage& message);
    void CMCtl3DChanged(TMessage& message);
    void CMParentCtl3DChanged(TMessage& message);
    void CMBiDiModeChanged(TMessage& message);

    // Offers a notification meant for a child window back to it as CN_*; true if it took it.
    bool DoControlMsg(HWND child, TMessage& message);

private:
    friend class TControl;
    friend class TControlCanvas;
    friend class TWindow;
    void RemoveFocus(bool removing);
    // Moves child to position order in the z-order.
    void SetChildOrder(TControl* child, int order);
    // The position among the parent window's children that child's window takes.
    int WindowIndexOf(const TWinControl* child) const;
    // A mouse message over (or captured by) a graphic child goes to it; true if one took it.
    bool RouteToGraphicChild(TMessage& message);
    // Tells the host whether the input method serves the control, when it has the focus.
    void ApplyImeMode();

    HWND FHandle = nullptr;
    std::vector<TControl*> FControls;   // z-order, bottom first
    std::vector<TWinControl*> FTabList; // windowed children in tab order
    std::unique_ptr<TBrush> FBrush;
    bool FTabStop = false;
    int FPendingTabOrder = -1; // from a stored form, applied in Loaded
    int FAlignLevel = 0;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    TImeMode FImeMode = imDontCare;
    std::string FImeName;
};
