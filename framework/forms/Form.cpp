#include "framework/forms/Form.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Bitmap.h"
#include "framework/platform/Host.h"
#include "framework/windows/ControlCanvas.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/SizeConstraints.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>
#include <cctype>

namespace {

const std::vector<std::string> BorderStyleNames{"bsNone",   "bsSingle",     "bsSizeable",
                                                "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const std::vector<std::string> PositionNames{
    "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
    "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
const std::vector<std::string> BorderIconNames{"biSystemMenu", "biMinimize", "biMaximize",
                                               "biHelp"};

// Runs the message loop's undo steps of a modal show, however the loop ends.
class TModalScope {
public:
    TModalScope(TCustomForm& form, bool& modal) : FForm(form), FModal(modal) {
        FModal = true;
        FPreviousActive = WindowManager().ActiveWindow();
        HWND own = form.Handle();
        for (HWND top : WindowManager().TopLevels())
            if (top != own && top->Control() && top->Visible() && top->Enabled()) {
                top->SetEnabled(false);
                FDisabled.push_back(top);
            }
        FHost = own->HostWindow();
        if (FHost)
            FHost->SetModal(true);
        FOwn = own;
    }
    ~TModalScope() {
        FForm.Hide();
        for (HWND top : FDisabled)
            if (WindowManager().IsWindow(top))
                top->SetEnabled(true);
        if (WindowManager().IsWindow(FOwn) && FHost)
            FHost->SetModal(false);
        FModal = false;
        if (WindowManager().IsWindow(FPreviousActive) && FPreviousActive->Visible())
            WindowManager().SetActiveWindow(FPreviousActive);
    }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

private:
    TCustomForm& FForm;
    bool& FModal;
    HWND FPreviousActive = nullptr;
    HWND FOwn = nullptr;
    platform::IHostWindow* FHost = nullptr;
    std::vector<HWND> FDisabled;
};

// The desktop stops the user's resizing where Constraints would; the window's own size is kept
// within them by the framework.
void ApplyMinSize(TCustomForm& form) {
    platform::IHostWindow* host = form.Parent() ? nullptr : form.Handle()->HostWindow();
    if (!host)
        return;
    const TRect frame = host->FrameExtents();
    const int minWidth = form.Constraints()->MinWidth();
    const int minHeight = form.Constraints()->MinHeight();
    host->SetMinClientSize(minWidth > 0 ? std::max(minWidth - frame.Left - frame.Right, 0) : 0,
                           minHeight > 0 ? std::max(minHeight - frame.Top - frame.Bottom, 0) : 0);
}

} // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TCustomForm>("TCustomForm", &TWinControl::StaticClass(), [](auto& c) {
            c.Component("ActiveControl", &TCustomForm::ActiveControl,
                        &TCustomForm::SetActiveControl);
            c.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
                  biSystemMenu | biMinimize | biMaximize, BorderIconNames);
            c.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
                   TFormBorderStyle::bsSizeable, BorderStyleNames);
            c.Int("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
            c.Bool("ParentColor", &TCustomForm::ParentColor, &TCustomForm::SetParentColor, false);
            c.Bool("ParentFont", &TCustomForm::ParentFont, &TCustomForm::SetParentFont, false);
            c.Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
            c.Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, false);
            c.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition, poDesigned,
                   PositionNames);
            c.Bool("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled, true);
            c.Int("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch, 96);
            c.Bool("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible, false);
            c.Event("OnActivate", &TCustomForm::OnActivate);
            c.Event("OnClose", &TCustomForm::OnClose);
            c.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
            c.Event("OnCreate", &TCustomForm::OnCreate);
            c.Event("OnDeactivate", &TCustomForm::OnDeactivate);
            c.Event("OnHide", &TCustomForm::OnHide);
            c.Event("OnPaint", &TCustomForm::OnPaint);
            c.Event("OnShow", &TCustomForm::OnShow);
        });
    return info;
}

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TForm>("TForm", &TCustomForm::StaticClass(), [](TClassBuilder<TForm>&) {});
    return info;
}

const TMessageMap& TCustomForm::StaticMessageMap() {
    static const TMessageMap map(&TWinControl::StaticMessageMap(),
                                 {
                                     MessageHandler<WM_CLOSE, &TCustomForm::WMClose>(),
                                     MessageHandler<WM_ACTIVATE, &TCustomForm::WMActivate>(),
                                     MessageHandler<CM_DIALOGKEY, &TCustomForm::CMDialogKey>(),
                                     MessageHandler<CM_RELEASE, &TCustomForm::CMRelease>(),
                                     MessageHandler<CM_ICONCHANGED, &TCustomForm::CMIconChanged>(),
                                     MessageHandler<WM_HELP, &TCustomForm::WMHelp>(),
                                     MessageHandler<WM_DPICHANGED, &TCustomForm::WMDpiChanged>(),
                                 });
    return map;
}

// --- life

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {
    FVisible = false;
    FControlStyle =
        csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    FColor = clBtnFace;
    FParentColor = false;
    FParentFont = false;
    FWidth = 320;
    FHeight = 240;
    Brush()->SetColor(FColor);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    MarkDestroying();
    if (FActive && HandleAllocated()) {
        Handle()->SetVisible(false);
        ActivateNext();
    }
    if (Screen)
        Screen->RemoveForm(this);
    if (Application && Application->FMainForm == this)
        Application->FMainForm = nullptr;
}

// --- window

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style &= ~(WS_CHILD | WS_VISIBLE);
    switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
        params.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    }
    if (FBorderStyle == TFormBorderStyle::bsSizeable ||
        FBorderStyle == TFormBorderStyle::bsSingle) {
        if (FBorderIcons & biMinimize)
            params.Style |= WS_MINIMIZEBOX;
        if (FBorderIcons & biMaximize)
            params.Style |= WS_MAXIMIZEBOX;
    }
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main != this && main->HandleAllocated())
        params.WndParent = main->Handle();
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    ApplyIcon();
    ApplyMinSize(*this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

TRect TCustomForm::ClientRect() const {
    if (!HandleAllocated() && !IsDestroying())
        const_cast<TCustomForm*>(this)->HandleNeeded();
    return TWinControl::ClientRect();
}

TPoint TCustomForm::ClientOrigin() const {
    if (!HandleAllocated() && !IsDestroying())
        const_cast<TCustomForm*>(this)->HandleNeeded();
    return TWinControl::ClientOrigin();
}

TCanvas* TCustomForm::Canvas() const {
    if (!FCanvas->Painting())
        FCanvas->Bind();
    return FCanvas.get();
}

void TCustomForm::PaintWindow(HDC dc) {
    FCanvas->PaintOn(dc, [this] { Paint(); });
}

void TCustomForm::Paint() {
    OnPaint(this);
}

void TCustomForm::ApplyIcon() {
    const TBitmap* icon = Application ? Application->Icon() : nullptr;
    if (!icon || icon->Empty() || !HandleAllocated())
        return;
    if (platform::IHostWindow* host = Handle()->HostWindow())
        host->SetIcon(icon->Pixels());
}

void TCustomForm::CMIconChanged(TMessage&) {
    ApplyIcon();
}

// LParam: the control that had the focus when F1 was pressed.
void TCustomForm::WMHelp(TMessage& message) {
    if (Application)
        Application->HelpFor(reinterpret_cast<TControl*>(message.LParam));
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& visit,
                              TComponent* root) const {
    TComponent::GetChildren(visit, root);
    TWinControl::GetChildren(visit, root);
}

void TCustomForm::Loaded() {
    // Still loading: the children align once, at the scaled size.
    if (Screen)
        ScaleTo(Screen->PixelsPerInch());
    TWinControl::Loaded();
    OnCreate(this);
    if (FVisible)
        ShowWindowNow();
}

// --- scale

void TCustomForm::SetPixelsPerInch(int value) {
    FPixelsPerInch = std::clamp(value, MinPixelsPerInch, MaxPixelsPerInch);
}

void TCustomForm::ScaleTo(int pixelsPerInch) {
    pixelsPerInch = std::clamp(pixelsPerInch, MinPixelsPerInch, MaxPixelsPerInch);
    if (!FollowsScreenScale() || pixelsPerInch == FPixelsPerInch)
        return;
    // The controls' pictures are chosen for the new value while they scale.
    ChangeScale(pixelsPerInch, std::exchange(FPixelsPerInch, pixelsPerInch));
}

void TCustomForm::ChangeScale(int m, int d) {
    DisableAlign();
    ScaleConstraints(m, d);
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    SetBounds(ScaleLength(FLeft, m, d), ScaleLength(FTop, m, d), FWidth, FHeight);
    SetClientSize(ScaleLength(clientWidth, m, d), ScaleLength(clientHeight, m, d));
    ScaleFont(m, d);
    ScaleControls(m, d);
    EnableAlign();
}

void TCustomForm::WMDpiChanged(TMessage& message) {
    ScaleTo(LOWORD(message.WParam));
}

// --- showing

void TCustomForm::SetVisible(bool value) {
    const bool shown = HandleAllocated() && Handle()->Visible();
    if (value == FVisible && value == shown)
        return;
    FVisible = value;
    if (IsLoading())
        return;
    if (value)
        ShowWindowNow();
    else
        HideWindowNow();
}

void TCustomForm::ApplyPosition() {
    TRect area = platform::HasHost() ? platform::Host().ScreenRect() : TRect{};
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        auto* other =
            FPosition == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!other && Application)
            other = Application->MainForm();
        if (other && other != this && other->Visible())
            area = other->BoundsRect();
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - FWidth) / 2, area.Top + (area.Height() - FHeight) / 2,
              FWidth, FHeight);
}

void TCustomForm::ShowWindowNow() {
    HWND window = Handle();
    ApplyPosition();
    DoShow();
    window->SetVisible(true);
    ActivateWindowNow();
}

void TCustomForm::ActivateWindowNow() {
    HWND window = Handle();
    if (platform::IHostWindow* host = window->HostWindow())
        host->Activate();
    if (window->Enabled())
        WindowManager().SetActiveWindow(window);
}

void TCustomForm::HideWindowNow() {
    if (!HandleAllocated())
        return;
    HWND window = Handle();
    if (!window->Visible())
        return;
    DoHide();
    window->SetVisible(false);
    if (WindowManager().ActiveWindow() == window)
        ActivateNext();
}

// The window behind becomes the active one.
void TCustomForm::ActivateNext() {
    WindowManager().SetActiveWindow(nullptr);
    const auto& tops = WindowManager().TopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if ((*it)->Control() && (*it)->Visible() && (*it)->Enabled()) {
            WindowManager().SetActiveWindow(*it);
            break;
        }
}

void TCustomForm::DoShow() {
    OnShow(this);
}
void TCustomForm::DoHide() {
    OnHide(this);
}

// --- activation and focus

void TCustomForm::WMActivate(TMessage& message) {
    if (message.WParam == 0) {
        FActive = false;
        Deactivate();
        return;
    }
    FActive = true;
    if (Screen)
        Screen->SetActiveForm(this);
    if (!FActiveControl)
        FActiveControl = FindNextControl(nullptr, true, true, false);
    const bool toControl = FActiveControl && FActiveControl->CanFocus();
    ::SetFocus(toControl ? FActiveControl->Handle() : Handle());
    Activate();
}

void TCustomForm::Activate() {
    OnActivate(this);
}
void TCustomForm::Deactivate() {
    OnDeactivate(this);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == FActiveControl)
        return;
    if (control && (control == this || GetParentForm(control) != this))
        return;
    // A form not on the screen yet remembers the control for when it is shown.
    const bool shown = HandleAllocated() && Handle()->Visible();
    if (shown && control && !IsLoading() && !control->CanFocus())
        return;
    FActiveControl = control;
    if (!control || IsLoading())
        return;
    if (FActive)
        ::SetFocus(control->Handle());
}

// Focusing a control of a form behind another brings the form to the front, as a click would;
// otherwise the control that had the focus would never hear it leave.
void TCustomForm::FocusControl(TWinControl* control) {
    const bool wasActive = FActive;
    SetActiveControl(control);
    if (!wasActive && control == FActiveControl && HandleAllocated() && Handle()->Visible())
        ActivateWindowNow();
    else if (FActive && control == FActiveControl && control->CanFocus() && !control->Focused())
        ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    FActiveControl = control == this ? nullptr : control;
    if (Screen)
        Screen->SetActiveControl(control);
    if (control->ControlState() & csFocusing)
        return;
    control->SetControlState(control->ControlState() | csFocusing);
    // A handler that moves the focus elsewhere ends this round: the new focus has its own.
    auto stillFocused = [control] {
        return control->Focused();
    };
    if (!FFocusedControl)
        FFocusedControl = this;
    while (FFocusedControl && FFocusedControl != control &&
           !FFocusedControl->ContainsControl(control)) {
        TWinControl* leaving = FFocusedControl;
        FFocusedControl = FFocusedControl->Parent();
        leaving->Perform(CM_EXIT);
        if (!stillFocused())
            break;
    }
    while (stillFocused() && FFocusedControl != control) {
        TWinControl* entering = control;
        while (entering->Parent() != FFocusedControl)
            entering = entering->Parent();
        FFocusedControl = entering;
        entering->Perform(CM_ENTER);
    }
    if (stillFocused())
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    control->SetControlState(control->ControlState() & ~csFocusing);
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (IsDestroying())
        return;
    if (removing && FFocusedControl && control->ContainsControl(FFocusedControl))
        FFocusedControl = control->Parent();
    if (FActiveControl && control->ContainsControl(FActiveControl)) {
        FActiveControl = nullptr;
        HWND focus = GetFocus();
        if (FActive && HandleAllocated() && focus && FindControl(focus) &&
            control->ContainsControl(FindControl(focus)))
            ::SetFocus(Handle());
    }
}

// --- keys

void TCustomForm::CMDialogKey(TWMKey& message) {
    if (GetKeyState(VK_MENU) >= 0) {
        if (message.CharCode == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
            message.Result = 1;
            return;
        }
        const bool arrow = message.CharCode >= VK_LEFT && message.CharCode <= VK_DOWN;
        if (arrow && FActiveControl && FActiveControl->Parent()) {
            FActiveControl->Parent()->SelectNext(
                FActiveControl, message.CharCode == VK_RIGHT || message.CharCode == VK_DOWN, false);
            message.Result = 1;
            return;
        }
    }
    DispatchInherited(TWinControl::StaticMessageMap(), message.Message);
}

// --- closing

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
    OnClose(this, action);
}

void TCustomForm::Close() {
    if (FModal) {
        if (FModalResult == mrNone)
            FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caFree)
        Release();
    else
        Hide();
}

void TCustomForm::WMClose(TMessage&) {
    Close();
}

void TCustomForm::Release() {
    if (HandleAllocated())
        PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&) {
    delete this;
}

void TCustomForm::LimitBounds(int& left, int& top, int& width, int& height) const {
    TWinControl::LimitBounds(left, top, width, height);
    if (Parent() || !platform::HasHost())
        return;
    const TRect screen = platform::Host().ScreenRect();
    width = std::min(width, std::max(screen.Width(), 0));
    height = std::min(height, std::max(screen.Height(), 0));
}

TModalResult TCustomForm::ShowModal() {
    if (FVisible || !FEnabled || FModal)
        throw Exception("Cannot make a visible window modal");
    if (HWND capture = GetCapture())
        SendMessage(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    TModalResult result = mrNone;
    {
        TModalScope scope(*this, FModal);
        FModalResult = mrNone;
        Show();
        while (FModalResult == mrNone) {
            Application->HandleMessage();
            // A modal form hidden by the program could never be closed by the user, while every
            // other window waits for it.
            if (Application->Terminated() || !FVisible)
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                CloseModal();
        }
        result = FModalResult;
    }
    return result;
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

// --- helpers

int FormPixelsPerInch(const TControl* control) {
    const TCustomForm* form = GetParentForm(control);
    return form ? form->PixelsPerInch() : 96;
}

TCustomForm* GetParentForm(const TControl* control) {
    return dynamic_cast<TCustomForm*>(ParentFormOf(control));
}

bool IsAccel(unsigned short charCode, const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto hot = static_cast<unsigned char>(caption[i + 1]);
        return charCode < 0x80 && hot < 0x80 &&
               std::toupper(hot) == std::toupper(static_cast<unsigned char>(charCode));
    }
    return false;
}
