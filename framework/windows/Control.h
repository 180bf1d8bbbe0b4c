#pragma once
// TControl: the base of everything that sits on a form: bounds, alignment, visibility, colour
// and font (following the parent's until set), caption, cursor, message dispatch through the
// class's message map, and the framework's mouse and click processing.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/graphics/Types.h"
#include "framework/windows/MessageMap.h"
#include "framework/windows/Messages.h"

#include <memory>
#include <optional>
#include <string>

class TAction;
class TFont;
class TSizeConstraints;
class TWinControl;
class TPopupMenuBase;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TBiDiMode { bdLeftToRight, bdRightToLeft };
enum THelpType { htKeyword, htContext };

// Anchors, a set of these bits: the parent's edges a control keeps its distance to.
inline constexpr unsigned akLeft = 1u << 0;
inline constexpr unsigned akTop = 1u << 1;
inline constexpr unsigned akRight = 1u << 2;
inline constexpr unsigned akBottom = 1u << 3;
using TAnchors = unsigned;

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// ControlStyle: what the control is and how the framework treats it.
inline constexpr unsigned csAcceptsControls = 1u << 0;
// The mouse is captured while a button is held on the control.
inline constexpr unsigned csCaptureMouse = 1u << 1;
// A left press and release make a Click.
inline constexpr unsigned csClickEvents = 1u << 2;
// The control draws a frame of its own; the framework adds none.
inline constexpr unsigned csFramed = 1u << 3;
inline constexpr unsigned csSetCaption = 1u << 4;
// Paint covers the whole client area: nothing is erased beneath it.
inline constexpr unsigned csOpaque = 1u << 5;
// The second press of a double click arrives as WM_LBUTTONDBLCLK.
inline constexpr unsigned csDoubleClicks = 1u << 6;
inline constexpr unsigned csFixedHeight = 1u << 7;
inline constexpr unsigned csReplicatable = 1u << 8;
inline constexpr unsigned csNoStdEvents = 1u << 9;

// ControlState: transient state.
// The left button went down (or double-clicked) on the control.
inline constexpr unsigned csLButtonDown = 1u << 0;
// A left press that may become a Click.
inline constexpr unsigned csClicked = 1u << 1;
inline constexpr unsigned csAlignmentNeeded = 1u << 2;
inline constexpr unsigned csFocusing = 1u << 3;
inline constexpr unsigned csCustomPaint = 1u << 4;

using TMouseWheelEvent = TClosure<TObject*, TShiftState, int, TPoint, bool&>;
// Sender, the point in the sender's client coordinates, Handled (true: no pop-up menu shows).
using TContextPopupEvent = TClosure<TObject*, TPoint, bool&>;

// --- drag and drop (DragDrop.h)
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
class TDragObject;
using TStartDragEvent = TClosure<TObject*, TDragObject*&>;
// Sender, Source, X, Y, State, Accept.
using TDragOverEvent = TClosure<TObject*, TObject*, int, int, TDragState, bool&>;
// Sender, Source, X, Y.
using TDragDropEvent = TClosure<TObject*, TObject*, int, int>;
// Sender, Target, X, Y.
using TEndDragEvent = TClosure<TObject*, TObject*, int, int>;

// The pop-up menu a control shows on a right click; the framework's TPopupMenu derives from it.
class TPopupMenuBase : public TComponent {
    FRAMEWORK_CLASS(TPopupMenuBase)
public:
    explicit TPopupMenuBase(TComponent* owner) : TComponent(owner) {}
    // Shows the menu at a screen point; returns when it has closed.
    virtual void Popup(int x, int y) = 0;
    // Whether a right click on a control that names the menu shows it.
    virtual bool AutoPopup() const { return true; }
    // The control whose right click showed the menu last.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component) { FPopupComponent = component; }

private:
    TComponent* FPopupComponent = nullptr;
};

class TControl : public TComponent {
    FRAMEWORK_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    static const TMessageMap& StaticMessageMap();

    // --- place
    TWinControl* Parent() const { return FParent; }
    // Raises Exception for the control itself, and for a parent that would give this control or
    // one of its own more than MaxNesting parents.
    virtual void SetParent(TWinControl* parent);
    // Painting walks the parents of every window it paints, and deeper trees cost it dearly.
    static constexpr int MaxNesting = 100;
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // In the parent's client coordinates (a form's: the screen's). A size below 0 is taken as 0;
    // positions and sizes are held to +-MaxCoordinate, so that an edge (a position plus a size),
    // and the few pixels of frame added to it, never overflow; then the size to Constraints.
    virtual void SetBounds(int left, int top, int width, int height);
    static constexpr int MaxCoordinate = 1 << 29;
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    // When the parent resizes, an anchored edge keeps its distance to the parent's edge: both
    // edges of an axis stretch the control, neither keeps its centre where it was in
    // proportion. An aligned control follows its Align instead.
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    // Every size the control takes is held to them; a change applies at once.
    TSizeConstraints* Constraints() const { return FConstraints.get(); }

    // (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    virtual void SetClientSize(int width, int height);
    // The screen position of client (0, 0).
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    // --- state
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent up to a shown form.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    // Stores the value and sends CM_ENABLEDCHANGED.
    virtual void SetEnabled(bool value);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont.get(); }
    // Copies every attribute of font into the control's own.
    void SetFont(const TFont* font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return FText; }
    // Stores the text and sends CM_TEXTCHANGED when it differs.
    void SetText(const std::string& value);

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TPopupMenuBase* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenuBase* menu);
    // The action a click executes when OnClick is unassigned. Linking takes the action's Caption
    // and Enabled (while loading, only where the control still has its defaults), and the
    // control follows their changes; the link goes when the action is destroyed.
    TAction* Action() const { return FAction; }
    void SetAction(TAction* action);

    // --- help and reading order
    // F1 asks for the help of the focused control, or of its nearest parent that has some:
    // HelpContext when HelpType is htContext and it is not 0, HelpKeyword when htKeyword and
    // it is not empty.
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    const std::string& HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const std::string& value) { FHelpKeyword = value; }
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType value) { FHelpType = value; }
    bool HasHelp() const;
    // Right to left: captions and text keep to the right edge, a vertical scroll bar to the left.
    // Follows the parent's until set.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    // A DrawTextA format with DT_LEFT and DT_RIGHT swapped when the control aligns right to left.
    unsigned DrawTextBiDiModeFlags(unsigned format) const;

    unsigned ControlStyle() const { return FControlStyle; }
    void SetControlStyle(unsigned style) { FControlStyle = style; }
    // Turns the csOpaque bit on or off: an opaque control paints every pixel it covers.
    void SetOpaque(bool opaque) {
        FControlStyle = opaque ? FControlStyle | csOpaque : FControlStyle & ~csOpaque;
    }
    unsigned ControlState() const { return FControlState; }
    void SetControlState(unsigned state) { FControlState = state; }

    // --- painting
    // A deferred repaint: painted when the message queue has run empty.
    virtual void Invalidate();
    // Paints what is pending now.
    virtual void Update();
    // Paints at once: an opaque graphic control straight into its parent, others by
    // Invalidate and Update.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // --- messages
    // Hands a message to WndProc at once and returns its result.
    LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
    // Every message of the control passes here first; the base keeps the mouse state.
    virtual void WndProc(TMessage& message);
    // Finds the handler in the class's message map (inherited maps included); else
    // DefaultHandler.
    virtual void Dispatch(TMessage& message);
    // Handles msg as the classes from map upwards would.
    void DispatchInherited(const TMessageMap& map, TMessage& message);
    // What no message map handles: the "native" behaviour.
    virtual void DefaultHandler(TMessage& message);

    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // --- drag and drop (defined in DragDrop.cpp)
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    // Shown while the pointer is over a target that accepts the drop.
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind value) { FDragKind = value; }
    // Makes the control the source of a drag. Not immediate: the drag starts once the pointer
    // has moved threshold pixels (below 0: DefaultDragThreshold) with the left button held, and a
    // release before that is an ordinary click. Does nothing while another drag is going on.
    void BeginDrag(bool immediate, int threshold = -1);
    // Drops on the target under the pointer, or cancels; forgets a drag that has not started.
    void EndDrag(bool drop);
    // BeginDrag was called and the drag has not ended.
    bool Dragging() const;

    // --- stored forms
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    // --- events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnResize;
    TStartDragEvent OnStartDrag;
    // Accept starts true when assigned; a control without a handler refuses every drop.
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    // Target is null when the drag was cancelled or nothing accepted the drop.
    TEndDragEvent OnEndDrag;
    // Raised by WM_CONTEXTMENU before the pop-up menu shows.
    TContextPopupEvent OnContextPopup;

    // The framework calls these; controls override them. Click runs OnClick, or executes the
    // linked Action when OnClick is unassigned.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // True when the wheel turn was used.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    // The drag's calls: on the source as it starts and ends, on the targets under the pointer.
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);
    virtual void DoEndDrag(TObject* target, int x, int y);
    virtual void DoContextPopup(TPoint mousePos, bool& handled);

protected:
    // What SetBounds makes of the values it is given (see there).
    virtual void LimitBounds(int& left, int& top, int& width, int& height) const;
    // Scales every pixel value the control holds from d pixels per inch to m: its bounds (by
    // their edges), constraints and own font here; a control that keeps more lengths in pixels
    // scales them too. Lines a control draws one pixel wide stay one device pixel wide.
    virtual void ChangeScale(int m, int d);
    // The parts of ChangeScale a control with other bounds rules (a form) reuses.
    void ScaleConstraints(int m, int d);
    void ScaleFont(int m, int d);
    virtual const TMessageMap& MessageMap() const { return StaticMessageMap(); }
    void Notification(TComponent* component, TOperation operation) override;
    virtual void Resize();
    // Asks the parent to lay out its aligned children again.
    void RequestAlign();

    void WMMouseMove(TWMMouse& message);
    void WMLButtonDown(TWMMouse& message);
    void WMLButtonUp(TWMMouse& message);
    void WMLButtonDblClk(TWMMouse& message);
    void WMRButtonDown(TWMMouse& message);
    void WMRButtonUp(TWMMouse& message);
    void WMRButtonDblClk(TWMMouse& message);
    void WMMButtonDown(TWMMouse& message);
    void WMMButtonUp(TWMMouse& message);
    void WMMButtonDblClk(TWMMouse& message);
    void WMMouseWheel(TWMMouseWheel& message);
    void WMContextMenu(TWMContextMenu& message);
    void WMCancelMode(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMParentColorChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void CMParentShowHintChanged(TMessage& message);
    void CMBiDiModeChanged(TMessage& message);
    void CMParentBiDiModeChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMHitTest(TMessage& message);

    // State shared with TWinControl.
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    bool FParentFont = true;
    unsigned FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    unsigned FControlState = 0;

private:
    friend class TWinControl;
    // What the anchors measure from: the control's bounds and its parent's size when the
    // control was last placed other than by its anchors.
    struct TAnchorRules {
        TRect Bounds;
        TPoint ParentSize;
    };
    void UpdateAnchorRules();
    // Places the control by its anchors in a parent of size.
    void AnchorTo(TPoint size);
    void ConstraintsChanged(TObject* sender);
    void FontChanged(TObject* sender);
    void ActionChanged(TObject* sender);
    void DoMouseDown(TWMMouse& message, TMouseButton button, TShiftState shift);
    void DoMouseUp(TWMMouse& message, TMouseButton button);
    void CaptureForPress();
    void ReleasePressCapture();
    // Invalidates the control's rectangle on its parent (erasing unless opaque).
    void InvalidateControl(bool erase);

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TSizeConstraints> FConstraints;
    TAnchors FAnchors = akLeft | akTop;
    std::optional<TAnchorRules> FAnchorRules;
    bool FAnchoring = false;
    std::string FText;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenuBase* FPopupMenu = nullptr;
    TAction* FAction = nullptr;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    TDragKind FDragKind = dkDrag;
    int FHelpContext = 0;
    std::string FHelpKeyword;
    THelpType FHelpType = htContext;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
};

// The shift state of a mouse message's MK_* flags, plus Alt from the key state.
TShiftState KeysToShiftState(UINT keys);
// The shift state of a key message: Shift and Ctrl from the key state, Alt from KeyData.
TShiftState KeyDataToShiftState(LPARAM keyData);
