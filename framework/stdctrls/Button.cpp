#include "framework/stdctrls/Button.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/EngravedText.h"
#include "framework/graphics/Frame3D.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"

// The native button window's behaviour, one row per input:
//
//   input                      condition                 effect
//   left press (or dblclk)     -                         focus, capture, tracking, pressed
//   mouse move                 tracking                  pressed while the point is inside
//   left release               tracking                  release capture; if pressed: released,
//                                                        BN_CLICKED
//   capture lost, cancel mode  tracking                  tracking ends, released, no click
//   space down                 not tracking, not held    held, pressed
//   space up                   held                      released, BN_CLICKED
//   focus lost                 -                         tracking and space end, released
//
// Every change of the pressed or focused state paints at once.

namespace {

enum TButtonFaceBit : unsigned {
    bfPressed = 1u << 0,
    bfFocused = 1u << 1,
    bfDefault = 1u << 2, // the window style is BS_DEFPUSHBUTTON
    bfDisabled = 1u << 3,
};

// The classic push button: a black frame when it is the default button, then a raised bevel,
// or a flat shadow frame while pressed; the caption centred, 1 pixel right and down while
// pressed, engraved while disabled; the dotted focus rectangle 4 pixels inside.
void PaintClassicButton(TCanvas& canvas, const TRect& client, const std::string& caption,
                        unsigned face) {
    TRect r = client;
    if (face & bfDefault)
        Frame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
    DrawEdge3D(canvas, r, (face & bfPressed) ? TEdge::Pushed : TEdge::Raised);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);

    TRect text = client;
    if (face & bfPressed)
        OffsetRect(text, 1, 1);
    canvas.Brush()->SetStyle(bsClear);
    constexpr unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (face & bfDisabled) {
        DrawEngravedText(canvas, caption, text, format);
    } else {
        canvas.Font()->SetColor(clBtnText);
        DrawTextA(canvas.Handle(), caption.c_str(), -1, &text, format);
    }

    if (face & bfFocused) {
        TRect focus = client;
        InflateRect(focus, -4, -4);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetColor(clWhite);
        DrawFocusRect(canvas.Handle(), &focus);
    }
}

} // namespace

// ---- TButtonControl ----

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TButtonControl>("TButtonControl", &TWinControl::StaticClass(), [](auto&) {});
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "BUTTON";
}

void TButtonControl::DefaultHandler(TMessage& message) {
    if (HandleMouse(message) || HandleKey(message) || HandleButtonMessage(message))
        return;
    TWinControl::DefaultHandler(message);
}

bool TButtonControl::HandleMouse(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        BeginTracking();
        return true;
    case WM_MOUSEMOVE:
        if (FTracking)
            SetPressed(PtInRect(ClientRect(), LParamToPoint(message.LParam)));
        return true;
    case WM_LBUTTONUP:
        if (FTracking)
            EndTracking(LParamToPoint(message.LParam));
        return true;
    case WM_CAPTURECHANGED:
        if (FTracking && reinterpret_cast<HWND>(message.LParam) != Handle())
            CancelPress();
        return true;
    case WM_CANCELMODE:
        CancelPress();
        return true;
    default:
        return false;
    }
}

bool TButtonControl::HandleKey(TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
        if (message.WParam == VK_SPACE && !FTracking && !FSpaceDown) {
            FSpaceDown = true;
            SetPressed(true);
        }
        return true;
    case WM_KEYUP:
        if (message.WParam == VK_SPACE && FSpaceDown) {
            FSpaceDown = false;
            SetPressed(false);
            NotifyClicked();
        }
        return true;
    case WM_SETFOCUS:
        Redraw(ODA_FOCUS);
        return true;
    case WM_KILLFOCUS:
        CancelPress();
        Redraw(ODA_FOCUS);
        return true;
    case WM_GETDLGCODE:
        message.Result = DLGC_BUTTON;
        if ((GetWindowLong(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            message.Result |= DLGC_DEFPUSHBUTTON;
        else
            message.Result |= DLGC_UNDEFPUSHBUTTON;
        return true;
    default:
        return false;
    }
}

bool TButtonControl::HandleButtonMessage(TMessage& message) {
    switch (message.Msg) {
    case BM_GETSTATE:
        message.Result = 0;
        if (FPressed)
            message.Result |= BST_PUSHED;
        if (Focused())
            message.Result |= BST_FOCUS;
        return true;
    case BM_SETSTATE:
        SetPressed(message.WParam != 0);
        return true;
    case BM_SETSTYLE: {
        const std::uint32_t style = GetWindowLong(Handle(), GWL_STYLE);
        SetWindowLong(Handle(), GWL_STYLE,
                      (style & ~BS_TYPEMASK) |
                          (static_cast<std::uint32_t>(message.WParam) & BS_TYPEMASK));
        if (message.LParam)
            Redraw(ODA_DRAWENTIRE);
        return true;
    }
    case BM_CLICK:
        NotifyClicked();
        return true;
    case WM_ENABLE:
        Invalidate();
        return true;
    case WM_PAINT:
        PaintFace(reinterpret_cast<HDC>(message.WParam));
        return true;
    default:
        return false;
    }
}

void TButtonControl::BeginTracking() {
    if (!Focused())
        ::SetFocus(Handle());
    SetCapture(Handle());
    FTracking = true;
    SetPressed(true);
}

void TButtonControl::EndTracking(TPoint releasedAt) {
    FTracking = false;
    const bool clicked = FPressed && PtInRect(ClientRect(), releasedAt);
    if (GetCapture() == Handle())
        ReleaseCapture();
    SetPressed(false);
    if (clicked)
        NotifyClicked();
}

void TButtonControl::CancelPress() {
    const bool tracking = FTracking;
    FTracking = false;
    FSpaceDown = false;
    if (tracking && GetCapture() == Handle())
        ReleaseCapture();
    SetPressed(false);
}

void TButtonControl::SetPressed(bool pressed) {
    if (FPressed == pressed)
        return;
    FPressed = pressed;
    Redraw(ODA_SELECT);
}

// The parent hands the notification back as CN_COMMAND; the click handler that runs there may
// destroy the button, so callers touch nothing after this.
void TButtonControl::NotifyClicked() {
    const HWND window = Handle();
    SendMessage(GetParent(window), WM_COMMAND,
                MAKEWPARAM(static_cast<int>(GetWindowLong(window, GWL_ID)), BN_CLICKED),
                reinterpret_cast<LPARAM>(window));
}

bool TButtonControl::OwnerDrawn() {
    return (GetWindowLong(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

void TButtonControl::Redraw(UINT action) {
    if (!HandleAllocated())
        return;
    FDrawAction = action;
    Repaint();
    FDrawAction = ODA_DRAWENTIRE;
}

void TButtonControl::PaintFace(HDC dc) {
    const HWND window = Handle();
    if (OwnerDrawn()) {
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = GetWindowLong(window, GWL_ID);
        item.itemAction = FDrawAction;
        if (FPressed)
            item.itemState |= ODS_SELECTED;
        if (Focused())
            item.itemState |= ODS_FOCUS;
        if (!IsWindowEnabled(window))
            item.itemState |= ODS_DISABLED;
        item.hwndItem = window;
        item.hDC = dc;
        GetClientRect(window, &item.rcItem);
        SendMessage(GetParent(window), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    unsigned face = 0;
    if (FPressed)
        face |= bfPressed;
    if (Focused())
        face |= bfFocused;
    if (!IsWindowEnabled(window))
        face |= bfDisabled;
    if ((GetWindowLong(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        face |= bfDefault;
    TCanvas& canvas = window->DC();
    canvas.SetFont(Font());
    PaintClassicButton(canvas, ClientRect(), Caption(), face);
}

// ---- TButton ----

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TButton>("TButton", &TButtonControl::StaticClass(), [](auto& c) {
            c.PublishInherited({"Action",      "Align",       "Caption",        "Enabled",
                                "Font",        "ParentFont",  "ParentShowHint", "PopupMenu",
                                "ShowHint",    "TabOrder",    "Visible",        "OnClick",
                                "OnEnter",     "OnExit",      "OnKeyDown",      "OnKeyPress",
                                "OnKeyUp",     "OnMouseDown", "OnMouseMove",    "OnMouseUp",
                                "Anchors",     "Constraints", "DragCursor",     "DragKind",
                                "DragMode",    "OnDragDrop",  "OnDragOver",     "OnEndDrag",
                                "OnStartDrag", "BiDiMode",    "ParentBiDiMode", "OnContextPopup"});
            c.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel, false);
            c.Bool("Default", &TButton::Default, &TButton::SetDefault, false);
            c.Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone);
            c.Bool("TabStop", &TButton::TabStop, &TButton::SetTabStop, true);
        });
    return info;
}

const TMessageMap& TButton::StaticMessageMap() {
    static const TMessageMap map(&TButtonControl::StaticMessageMap(),
                                 {
                                     MessageHandler<CM_DIALOGKEY, &TButton::CMDialogKey>(),
                                     MessageHandler<CM_DIALOGCHAR, &TButton::CMDialogChar>(),
                                     MessageHandler<CM_FOCUSCHANGED, &TButton::CMFocusChanged>(),
                                     MessageHandler<CN_COMMAND, &TButton::CNCommand>(),
                                 });
    return map;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    FControlStyle = csSetCaption | csDoubleClicks;
    FWidth = 75;
    FHeight = 25;
    SetTabStop(true);
}

void TButton::SetDefault(bool value) {
    FDefault = value;
    if (!HandleAllocated())
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::SetButtonStyle(bool ADefault) {
    if (!HandleAllocated())
        return;
    const std::uint32_t style = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((GetWindowLong(Handle(), GWL_STYLE) & BS_TYPEMASK) != style)
        SendMessage(Handle(), BM_SETSTYLE, style, 1);
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWnd() {
    TButtonControl::CreateWnd();
    FActive = FDefault;
}

void TButton::CMDialogKey(TWMKey& message) {
    const bool pressesMe =
        (message.CharCode == VK_RETURN && FActive) || (message.CharCode == VK_ESCAPE && FCancel);
    if (pressesMe && KeyDataToShiftState(message.KeyData) == TShiftState() && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    DispatchInherited(TButtonControl::StaticMessageMap(), message.Message);
}

void TButton::CMDialogChar(TWMKey& message) {
    if (IsAccel(message.CharCode, Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    DispatchInherited(TButtonControl::StaticMessageMap(), message.Message);
}

void TButton::CMFocusChanged(TCMFocusChanged& message) {
    if (dynamic_cast<TButton*>(message.Sender))
        FActive = message.Sender == this;
    else
        FActive = FDefault;
    SetButtonStyle(FActive);
    DispatchInherited(TButtonControl::StaticMessageMap(), message.Message);
}

void TButton::CNCommand(TWMCommand& message) {
    if (message.NotifyCode == BN_CLICKED)
        Click();
}
