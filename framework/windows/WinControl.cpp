#include "framework/windows/WinControl.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/DestroyWatch.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/windows/ParentForm.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>

// --- class information and message map

const std::vector<std::string> ImeModeNames{"imDisable", "imClose",   "imOpen",     "imDontCare",
                                            "imSAlpha",  "imAlpha",   "imHira",     "imSKata",
                                            "imKata",    "imChinese", "imSHanguel", "imHanguel"};

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TWinControl>("TWinControl", &TControl::StaticClass(), [](auto& c) {
            c.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1);
            c.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
            c.Event("OnEnter", &TWinControl::OnEnter);
            c.Event("OnExit", &TWinControl::OnExit);
            c.Event("OnKeyDown", &TWinControl::OnKeyDown);
            c.Event("OnKeyPress", &TWinControl::OnKeyPress);
            c.Event("OnKeyUp", &TWinControl::OnKeyUp);
        });
    return info;
}

const TMessageMap& TWinControl::StaticMessageMap() {
    static const TMessageMap map(
        &TControl::StaticMessageMap(),
        {
            MessageHandler<WM_PAINT, &TWinControl::WMPaint>(),
            MessageHandler<WM_ERASEBKGND, &TWinControl::WMEraseBkgnd>(),
            MessageHandler<WM_SETFOCUS, &TWinControl::WMSetFocus>(),
            MessageHandler<WM_KEYDOWN, &TWinControl::WMKeyDown>(),
            MessageHandler<WM_KEYUP, &TWinControl::WMKeyUp>(),
            MessageHandler<WM_CHAR, &TWinControl::WMChar>(),
            MessageHandler<WM_SYSKEYDOWN, &TWinControl::WMSysKeyDown>(),
            MessageHandler<WM_SYSKEYUP, &TWinControl::WMSysKeyUp>(),
            MessageHandler<CN_KEYDOWN, &TWinControl::CNKeyDown>(),
            MessageHandler<CN_CHAR, &TWinControl::CNChar>(),
            MessageHandler<CN_SYSCHAR, &TWinControl::CNSysChar>(),
            MessageHandler<WM_DRAWITEM, &TWinControl::WMDrawItem>(),
            MessageHandler<WM_MEASUREITEM, &TWinControl::WMMeasureItem>(),
            MessageHandler<WM_COMMAND, &TWinControl::WMCommand>(),
            MessageHandler<WM_HSCROLL, &TWinControl::WMScroll>(),
            MessageHandler<WM_VSCROLL, &TWinControl::WMScroll>(),
            MessageHandler<WM_SIZE, &TWinControl::WMSize>(),
            MessageHandler<WM_MOVE, &TWinControl::WMMove>(),
            MessageHandler<CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged>(),
            MessageHandler<CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged>(),
            MessageHandler<CM_COLORCHANGED, &TWinControl::CMColorChanged>(),
            MessageHandler<CM_FONTCHANGED, &TWinControl::CMFontChanged>(),
            MessageHandler<CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged>(),
            MessageHandler<CM_DIALOGKEY, &TWinControl::CMBroadcast>(),
            MessageHandler<CM_DIALOGCHAR, &TWinControl::CMBroadcast>(),
            MessageHandler<CM_FOCUSCHANGED, &TWinControl::CMBroadcast>(),
            MessageHandler<CM_ENTER, &TWinControl::CMEnter>(),
            MessageHandler<CM_EXIT, &TWinControl::CMExit>(),
            MessageHandler<CM_RECREATEWND, &TWinControl::CMRecreateWnd>(),
            MessageHandler<CM_CTL3DCHANGED, &TWinControl::CMCtl3DChanged>(),
            MessageHandler<CM_PARENTCTL3DCHANGED, &TWinControl::CMParentCtl3DChanged>(),
            MessageHandler<CM_BIDIMODECHANGED, &TWinControl::CMBiDiModeChanged>(),
        });
    return map;
}

// --- life

TWinControl::TWinControl(TComponent* owner) : TControl(owner), FBrush(std::make_unique<TBrush>()) {
    FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
    BeginDestruction();
    // Children go with their parent, whoever owns them.
    while (!FControls.empty())
        delete FControls.back();
}

void TWinControl::BeginDestruction() {
    MarkDestroying();
    // Leaves the parent while the parent still sees a windowed control.
    SetParent(nullptr);
    DestroyHandle();
}

// --- the window

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    CreateHandle();
}

// Children still being read from a stored form get their windows in their own Loaded, once
// their properties (and so their window parameters) are complete.
void TWinControl::CreateHandle() {
    if (FHandle)
        return;
    CreateWnd();
    for (TControl* child : std::vector<TControl*>(FControls))
        if (auto* window = dynamic_cast<TWinControl*>(child); window && !window->IsLoading())
            window->CreateHandle();
    // The window's border may leave a smaller client area than the bounds did.
    Realign();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params = {};
    params.Caption = Text();
    if (FParent)
        params.Style = WS_CHILD | WS_CLIPSIBLINGS | (FVisible ? WS_VISIBLE : 0u);
    if (FControlStyle & csAcceptsControls) {
        params.Style |= WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!FEnabled)
        params.Style |= WS_DISABLED;
    if (FTabStop)
        params.Style |= WS_TABSTOP;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.WndParent = FParent ? FParent->FHandle : nullptr;
    params.WinClassName = ClassName();
    if (UseRightToLeftAlignment())
        params.ExStyle |= WS_EX_LEFTSCROLLBAR;
}

void TWinControl::AddBorderStyle(TCreateParams& params) const {
    if (FCtl3D)
        params.ExStyle |= WS_EX_CLIENTEDGE;
    else
        params.Style |= WS_BORDER;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    CreateWindowHandle(params);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    FHandle = new TWindow(this, params, [this](TMessage& m) { WndProc(m); });
    if (FParent)
        FHandle->SetZOrder(static_cast<std::size_t>(FParent->WindowIndexOf(this)));
    FHandle->Send(WM_CREATE, 0, 0);
}

void TWinControl::DestroyHandle() {
    if (!FHandle)
        return;
    for (TControl* child : std::vector<TControl*>(FControls))
        if (auto* window = dynamic_cast<TWinControl*>(child))
            window->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    HWND window = FHandle;
    FHandle = nullptr;
    delete window;
}

void TWinControl::RecreateWnd() {
    if (FHandle)
        Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd(TMessage&) {
    const bool wasFocused = Focused();
    const bool topLevelShown = !FParent && FHandle->Visible();
    DestroyHandle();
    CreateHandle();
    if (topLevelShown)
        FHandle->SetVisible(true);
    if (wasFocused)
        ::SetFocus(FHandle);
}

int TWinControl::WindowIndexOf(const TWinControl* child) const {
    int index = 0;
    for (TControl* c : FControls) {
        if (c == child)
            break;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->FHandle)
            ++index;
    }
    return index;
}

// --- children

int TWinControl::WinControlCount() const {
    return static_cast<int>(std::count_if(FControls.begin(), FControls.end(), [](TControl* c) {
        return dynamic_cast<TWinControl*>(c) != nullptr;
    }));
}

TWinControl* TWinControl::WinControls(int index) const {
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && index-- == 0)
            return w;
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    control->FParent = this;
    FControls.push_back(control);
    auto* window = dynamic_cast<TWinControl*>(control);
    if (window)
        FTabList.push_back(window);
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->Perform(CM_PARENTCTL3DCHANGED);
    control->Perform(CM_PARENTBIDIMODECHANGED);
    if (window && FHandle && !window->IsLoading())
        window->CreateHandle();
    else
        control->Invalidate();
    if (control->Align() != alNone)
        Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
        window->RemoveFocus(true);
        window->DestroyHandle();
        std::erase(FTabList, window);
    } else {
        control->InvalidateControl(true);
    }
    std::erase(FControls, control);
    control->FParent = nullptr;
    if (control->Align() != alNone)
        Realign();
}

void TWinControl::SetChildOrder(TControl* child, int order) {
    auto it = std::find(FControls.begin(), FControls.end(), child);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    const auto index = static_cast<std::size_t>(std::clamp(order, 0, ControlCount()));
    FControls.insert(FControls.begin() + static_cast<std::ptrdiff_t>(index), child);
    auto* window = dynamic_cast<TWinControl*>(child);
    if (window && window->FHandle)
        window->FHandle->SetZOrder(static_cast<std::size_t>(WindowIndexOf(window)));
    child->Invalidate();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (; control; control = control->Parent())
        if (control == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        if (!c->Visible() || (!allowDisabled && !c->Enabled()) || !PtInRect(c->BoundsRect(), pos))
            return false;
        const TPoint local{pos.x - c->Left(), pos.y - c->Top()};
        return c->Perform(CM_HITTEST, 0, PointToLParam(local)) != 0;
    };
    if (allowWinControls)
        for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
            if (dynamic_cast<TWinControl*>(*it) && hit(*it))
                return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (!dynamic_cast<TWinControl*>(*it) && hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (TControl* child : std::vector<TControl*>(FControls)) {
        if (std::find(FControls.begin(), FControls.end(), child) == FControls.end())
            continue;
        child->WndProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    TMessage message{msg, 0, reinterpret_cast<LPARAM>(this), 0};
    Broadcast(message);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& visit,
                              TComponent* root) const {
    for (TControl* c : FControls)
        if (c->Owner() == root)
            visit(c);
}

void TWinControl::Loaded() {
    TComponent::Loaded();
    // Stored tab orders are applied together, lowest first, once the last sibling being read
    // has loaded: applied one at a time in creation order, a later control's lower order would
    // push an earlier one out of the place it was given.
    std::vector<TWinControl*> pending;
    if (FPendingTabOrder >= 0)
        for (TControl* control : FParent ? FParent->FControls : std::vector<TControl*>{this}) {
            auto* sibling = dynamic_cast<TWinControl*>(control);
            if (!sibling || sibling->FPendingTabOrder < 0)
                continue;
            if (sibling->IsLoading()) {
                pending.clear();
                break;
            }
            pending.push_back(sibling);
        }
    std::stable_sort(pending.begin(), pending.end(),
                     [](const TWinControl* a, const TWinControl* b) {
                         return a->FPendingTabOrder < b->FPendingTabOrder;
                     });
    for (TWinControl* control : pending)
        control->SetTabOrder(std::exchange(control->FPendingTabOrder, -1));
    if (FControlState & csAlignmentNeeded)
        Realign();
    if (FParent && FParent->FHandle && !FHandle)
        CreateHandle();
}

// --- alignment

void TWinControl::ChangeScale(int m, int d) {
    DisableAlign();
    TControl::ChangeScale(m, d);
    ScaleControls(m, d);
    EnableAlign();
}

// After the control's own bounds, so that each child's anchors measure from the scaled parent.
void TWinControl::ScaleControls(int m, int d) {
    for (TControl* child : std::vector<TControl*>(FControls))
        child->ChangeScale(m, d);
}

void TWinControl::EnableAlign() {
    if (--FAlignLevel == 0 && (FControlState & csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || IsLoading() || IsDestroying()) {
        FControlState |= csAlignmentNeeded;
        return;
    }
    ++FAlignLevel;
    for (TControl* c : std::vector<TControl*>(FControls))
        c->AnchorTo({FWidth, FHeight});
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(nullptr, rect);
    --FAlignLevel;
    FControlState &= ~csAlignmentNeeded;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> aligned;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible())
                aligned.push_back(c);
        std::stable_sort(aligned.begin(), aligned.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop:
                return a->Top() < b->Top();
            case alBottom:
                return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft:
                return a->Left() < b->Left();
            case alRight:
                return a->Left() + a->Width() > b->Left() + b->Width();
            default:
                return false;
            }
        });
        for (TControl* c : aligned) {
            const int w = std::max(0, rect.Width());
            const int h = std::max(0, rect.Height());
            switch (align) {
            case alTop:
                c->SetBounds(rect.Left, rect.Top, w, c->Height());
                rect.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - c->Height(), w, c->Height());
                rect.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.Left, rect.Top, c->Width(), h);
                rect.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), h);
                rect.Right -= c->Width();
                break;
            default:
                c->SetBounds(rect.Left, rect.Top, w, h);
                break;
            }
        }
    }
}

// --- geometry and painting

void TWinControl::SetBounds(int left, int top, int width, int height) {
    LimitBounds(left, top, width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    const bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FHandle)
        FHandle->SetBounds(Bounds(left, top, width, height));
    UpdateAnchorRules();
    RequestAlign();
    if (resized) {
        const TRect client = ClientRect();
        Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    }
}

TRect TWinControl::ClientRect() const {
    if (FHandle)
        return FHandle->ClientRect();
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle)
        return FHandle->ScreenOrigin();
    return TControl::ClientOrigin();
}

void TWinControl::Invalidate() {
    if (FHandle)
        FHandle->Invalidate(nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::Update() {
    if (FHandle) {
        FHandle->PaintTree();
        WindowManager().FlushAll();
    }
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    if (!FHandle || !dc)
        return;
    auto it = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
    const TPoint origin = FHandle->SurfaceOrigin();
    const std::vector<TControl*> painting(it, FControls.end());
    for (TControl* c : painting) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        TRect r = c->BoundsRect();
        OffsetRect(r, origin.x, origin.y);
        if (!IntersectRect(r, dc->Clip).IsEmpty())
            c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::WMPaint(TWMPaint& message) {
    FControlState |= csCustomPaint;
    PaintWindow(message.DC);
    FControlState &= ~csCustomPaint;
    PaintControls(message.DC, nullptr);
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& message) {
    if (message.DC && FBrush->Style() != bsClear)
        message.DC->FillSolid(ClientRect(), ColorToRGB(FBrush->Color()));
    message.Result = 1;
}

// A top-level window resized by the host (the user dragging its frame) is held to the
// control's limits, and its children are anchored and aligned anew.
void TWinControl::WMSize(TWMSize&) {
    if (FHandle && !FHandle->IsChild()) {
        const TRect b = FHandle->Bounds();
        int left = b.Left;
        int top = b.Top;
        int width = b.Width();
        int height = b.Height();
        LimitBounds(left, top, width, height);
        if (width != b.Width() || height != b.Height())
            FHandle->SetBounds(Bounds(b.Left, b.Top, width, height));
        FWidth = width;
        FHeight = height;
    }
    Realign();
    Resize();
}

void TWinControl::WMMove(TMessage&) {
    if (FHandle && !FHandle->IsChild()) {
        FLeft = FHandle->Bounds().Left;
        FTop = FHandle->Bounds().Top;
    }
}

// --- notifications

void TWinControl::CMEnabledChanged(TMessage&) {
    if (!FEnabled && FParent)
        RemoveFocus(false);
    if (FHandle)
        FHandle->SetEnabled(FEnabled);
    Invalidate();
}

void TWinControl::CMVisibleChanged(TMessage&) {
    if (!FVisible && FParent)
        RemoveFocus(false);
    if (FHandle && FParent)
        FHandle->SetVisible(FVisible);
}

void TWinControl::CMColorChanged(TMessage&) {
    FBrush->SetColor(FColor);
    NotifyControls(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TWinControl::CMFontChanged(TMessage&) {
    NotifyControls(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TWinControl::CMShowHintChanged(TMessage&) {
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::SetCtl3D(bool value) {
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    FParentCtl3D = false;
    Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool value) {
    if (value == FParentCtl3D)
        return;
    FParentCtl3D = value;
    if (FParent && value)
        Perform(CM_PARENTCTL3DCHANGED);
}

// The border is part of the window's style.
void TWinControl::CMCtl3DChanged(TMessage&) {
    NotifyControls(CM_PARENTCTL3DCHANGED);
    RecreateWnd();
}

void TWinControl::CMParentCtl3DChanged(TMessage&) {
    if (FParentCtl3D && FParent) {
        SetCtl3D(FParent->Ctl3D());
        FParentCtl3D = true;
    }
}

// Only the side of a vertical scroll bar depends on the window's style; the client area keeps
// its size.
void TWinControl::CMBiDiModeChanged(TMessage&) {
    NotifyControls(CM_PARENTBIDIMODECHANGED);
    if (FHandle) {
        const std::uint32_t rest = FHandle->ExStyle() & ~WS_EX_LEFTSCROLLBAR;
        FHandle->SetExStyle(UseRightToLeftAlignment() ? rest | WS_EX_LEFTSCROLLBAR : rest);
    }
    Invalidate();
}

void TWinControl::SetImeMode(TImeMode value) {
    FImeMode = value;
    if (Focused())
        ApplyImeMode();
}

void TWinControl::ApplyImeMode() {
    if (platform::IHostWindow* host = FHandle->HostWindow())
        host->SetInputMethodEnabled(FImeMode != imDisable && FImeMode != imClose);
}

void TWinControl::CMBroadcast(TMessage& message) {
    Broadcast(message);
}

bool TWinControl::DoControlMsg(HWND child, TMessage& message) {
    TWinControl* control = FindControl(child);
    if (!control || control == this)
        return false;
    message.Result = control->Perform(message.Msg + CN_BASE, message.WParam, message.LParam);
    return true;
}

void TWinControl::WMDrawItem(TWMDrawItem& message) {
    if (!message.DrawItemStruct || !DoControlMsg(message.DrawItemStruct->hwndItem, message.Message))
        DefaultHandler(message.Message);
}

void TWinControl::WMMeasureItem(TWMMeasureItem& message) {
    HWND child = nullptr;
    if (FHandle && message.MeasureItemStruct)
        for (HWND w : FHandle->Children())
            if (w->Id() == static_cast<int>(message.MeasureItemStruct->CtlID))
                child = w;
    if (!DoControlMsg(child, message.Message))
        DefaultHandler(message.Message);
}

void TWinControl::WMCommand(TWMCommand& message) {
    if (!DoControlMsg(message.Ctl, message.Message))
        DefaultHandler(message.Message);
}

void TWinControl::WMScroll(TMessage& message) {
    if (!DoControlMsg(reinterpret_cast<HWND>(message.LParam), message))
        DefaultHandler(message);
}

// --- mouse routing to graphic children

void TWinControl::WndProc(TMessage& message) {
    const bool mouse = message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MBUTTONDBLCLK;
    if (mouse && RouteToGraphicChild(message))
        return;
    TControl::WndProc(message);
}

bool TWinControl::RouteToGraphicChild(TMessage& message) {
    TControl* target = nullptr;
    const TPoint pos = LParamToPoint(message.LParam);
    if (FHandle && WindowManager().Capture() == FHandle) {
        TControl* captured = WindowManager().CaptureControl();
        if (captured && captured->Parent() == this)
            target = captured;
    } else {
        target = ControlAtPos(pos, false);
    }
    if (!target)
        return false;
    const TPoint local{pos.x - target->Left(), pos.y - target->Top()};
    message.Result = target->Perform(message.Msg, message.WParam, PointToLParam(local));
    return true;
}

// --- focus

int TWinControl::TabOrder() const {
    if (FPendingTabOrder >= 0)
        return FPendingTabOrder;
    if (!FParent)
        return -1;
    const auto& list = FParent->FTabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (IsLoading()) {
        FPendingTabOrder = value;
        return;
    }
    if (!FParent || value < 0)
        return;
    auto& list = FParent->FTabList;
    std::erase(list, this);
    const auto index = static_cast<std::size_t>(
        std::min<std::size_t>(static_cast<std::size_t>(value), list.size()));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), this);
}

void TWinControl::SetTabStop(bool value) {
    if (value == FTabStop)
        return;
    FTabStop = value;
    if (FHandle)
        FHandle->SetStyle(value ? FHandle->Style() | WS_TABSTOP : FHandle->Style() & ~WS_TABSTOP);
}

bool TWinControl::Focused() const {
    return FHandle && WindowManager().Focus() == FHandle;
}

bool TWinControl::CanFocus() const {
    const TControl* c = this;
    for (; c->Parent(); c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    // c is the top: a form (or another top-level control) that must be shown and enabled.
    return c->Showing() && c->Enabled();
}

void TWinControl::SetFocus() {
    if (IParentForm* form = ParentFormOf(this))
        form->FocusControl(this);
    else if (CanFocus())
        ::SetFocus(Handle());
}

void TWinControl::RemoveFocus(bool removing) {
    if (IParentForm* form = ParentFormOf(this))
        form->DefocusControl(this, removing);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* w : FTabList) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const auto count = list.size();
    auto found = std::find(list.begin(), list.end(), current);
    std::size_t start = found != list.end() ? static_cast<std::size_t>(found - list.begin())
                                            : (goForward ? count - 1 : 0);
    std::size_t i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[i];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) &&
            (!checkParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::WMSetFocus(TWMSetFocus& message) {
    DefaultHandler(message.Message);
    ApplyImeMode();
    if (IParentForm* form = ParentFormOf(this))
        form->SetFocusedControl(this);
}

void TWinControl::CMEnter(TMessage&) {
    DoEnter();
}
void TWinControl::CMExit(TMessage&) {
    DoExit();
}
void TWinControl::DoEnter() {
    OnEnter(this);
}
void TWinControl::DoExit() {
    OnExit(this);
}

// --- keyboard

void TWinControl::KeyDown(unsigned short& key, TShiftState shift) {
    OnKeyDown(this, key, shift);
}
void TWinControl::KeyUp(unsigned short& key, TShiftState shift) {
    OnKeyUp(this, key, shift);
}
void TWinControl::KeyPress(char& key) {
    OnKeyPress(this, key);
}

namespace {

// The form that previews the keys of control, if any.
TWinControl* PreviewForm(TWinControl* control) {
    IParentForm* form = ParentFormOf(control);
    if (!form || &form->FormWindow() == control || !form->KeyPreview())
        return nullptr;
    return &form->FormWindow();
}

} // namespace

bool TWinControl::DoKeyDown(TWMKey& message) {
    if (auto* form = PreviewForm(this); form && form->DoKeyDown(message))
        return true;
    unsigned short key = message.CharCode;
    if (!(FControlStyle & csNoStdEvents))
        KeyDown(key, KeyDataToShiftState(message.KeyData));
    message.CharCode = key;
    message.Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& message) {
    if (auto* form = PreviewForm(this); form && form->DoKeyUp(message))
        return true;
    unsigned short key = message.CharCode;
    if (!(FControlStyle & csNoStdEvents))
        KeyUp(key, KeyDataToShiftState(message.KeyData));
    message.CharCode = key;
    message.Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TWMKey& message) {
    if (auto* form = PreviewForm(this); form && form->DoKeyPress(message))
        return true;
    char key = static_cast<char>(message.CharCode);
    if (!(FControlStyle & csNoStdEvents))
        KeyPress(key);
    message.CharCode = static_cast<unsigned char>(key);
    message.Message.WParam = static_cast<unsigned char>(key);
    return key == 0;
}

// The key handlers may destroy the control (a click on Enter); the native handling is then gone
// with it.
void TWinControl::KeyMessage(TWMKey& message, bool (TWinControl::*process)(TWMKey&)) {
    TDestroyWatch watch(this);
    if (!(this->*process)(message) && watch.Alive())
        DefaultHandler(message.Message);
}

// F1 that no handler used asks the form for help, as Win32 turns it into WM_HELP.
void TWinControl::WMKeyDown(TWMKey& message) {
    TDestroyWatch watch(this);
    KeyMessage(message, &TWinControl::DoKeyDown);
    if (message.CharCode == VK_F1 && watch.Alive())
        if (IParentForm* form = ParentFormOf(this))
            form->FormWindow().Perform(WM_HELP, 0, reinterpret_cast<LPARAM>(this));
}

void TWinControl::WMKeyUp(TWMKey& message) {
    KeyMessage(message, &TWinControl::DoKeyUp);
}

void TWinControl::WMChar(TWMKey& message) {
    KeyMessage(message, &TWinControl::DoKeyPress);
}

void TWinControl::WMSysKeyDown(TWMKey& message) {
    KeyMessage(message, &TWinControl::DoKeyDown);
}

void TWinControl::WMSysKeyUp(TWMKey& message) {
    KeyMessage(message, &TWinControl::DoKeyUp);
}

void TWinControl::CNKeyDown(TWMKey& message) {
    message.Result = 1;
    LRESULT mask = 0;
    switch (message.CharCode) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (mask != 0 && !IsDesigning() && Perform(CM_WANTSPECIALKEY, message.CharCode) == 0 &&
        (Perform(WM_GETDLGCODE) & mask) == 0)
        if (IParentForm* form = ParentFormOf(this);
            form &&
            form->FormWindow().Perform(CM_DIALOGKEY, message.CharCode, message.KeyData) != 0)
            return;
    message.Result = 0;
}

void TWinControl::CNChar(TWMKey& message) {
    message.Result = 1;
    if (!IsDesigning() && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0)
        if (IParentForm* form = ParentFormOf(this);
            form &&
            form->FormWindow().Perform(CM_DIALOGCHAR, message.CharCode, message.KeyData) != 0)
            return;
    message.Result = 0;
}

void TWinControl::CNSysChar(TWMKey& message) {
    if (IsDesigning() || message.CharCode == VK_SPACE)
        return;
    if (IParentForm* form = ParentFormOf(this))
        message.Result =
            form->FormWindow().Perform(CM_DIALOGCHAR, message.CharCode, message.KeyData);
}
