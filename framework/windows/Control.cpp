#include "framework/windows/Control.h"

#include "framework/core/Action.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/DestroyWatch.h"
#include "framework/core/Saturate.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/windows/Designer.h"
#include "framework/windows/DragDrop.h"
#include "framework/windows/ParentForm.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/SizeConstraints.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/WinControl.h"
#include "framework/windows/Window.h"
#include "framework/windows/WindowManager.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

const std::vector<std::string> AlignNames{"alNone",  "alTop",    "alBottom", "alLeft",
                                          "alRight", "alClient", "alCustom"};
const std::vector<std::string> AnchorNames{"akLeft", "akTop", "akRight", "akBottom"};

// Where one axis of a control goes by its anchors (near: left or top, far: right or bottom)
// when the parent's extent changes from base to size; {position, extent}, in 64 bits.
std::pair<std::int64_t, std::int64_t> AnchorAxis(int position, int extent, int base, int size,
                                                 bool nearEdge, bool farEdge) {
    const std::int64_t grown = std::int64_t{size} - base;
    if (farEdge)
        return nearEdge ? std::pair{std::int64_t{position}, extent + grown}
                        : std::pair{position + grown, std::int64_t{extent}};
    if (nearEdge || base <= 0)
        return {position, extent};
    const std::int64_t centreTwice = std::int64_t{position} * 2 + extent;
    return {(centreTwice * size / base - extent) / 2, extent};
}

// Sets a flag for the life of a scope, however the scope ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

int HoldCoordinate(std::int64_t value) {
    return Saturate(value, -TControl::MaxCoordinate, TControl::MaxCoordinate);
}

const std::vector<std::string> DragKindNames{"dkDrag"};
const std::vector<std::string> DragModeNames{"dmManual", "dmAutomatic"};
const std::vector<std::string> BiDiModeNames{"bdLeftToRight", "bdRightToLeft"};
const std::vector<std::string> HelpTypeNames{"htKeyword", "htContext"};

// The parents above control, up to its top-level window.
int ParentCount(const TControl* control) {
    int count = 0;
    for (const TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
        ++count;
    return count;
}

// How many levels of children hang below control.
int LevelsBelow(const TControl* control) {
    int levels = 0;
    if (const auto* window = dynamic_cast<const TWinControl*>(control))
        for (int i = 0; i < window->ControlCount(); ++i)
            levels = std::max(levels, 1 + LevelsBelow(window->Controls(i)));
    return levels;
}

} // namespace

// --- class information

const TClassInfo& TPopupMenuBase::StaticClass() {
    static const TClassInfo info = DescribeClass<TPopupMenuBase>(
        "TPopupMenuBase", &TComponent::StaticClass(), [](TClassBuilder<TPopupMenuBase>&) {});
    return info;
}

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo info = DescribeClass<
        TControl>("TControl", &TComponent::StaticClass(), [](auto& c) {
        c.Int("Left", &TControl::Left, &TControl::SetLeft, 0).AlwaysPublished = true;
        c.Int("Top", &TControl::Top, &TControl::SetTop, 0).AlwaysPublished = true;
        c.Int("Width", &TControl::Width, &TControl::SetWidth).AlwaysPublished = true;
        c.Int("Height", &TControl::Height, &TControl::SetHeight).AlwaysPublished = true;
        c.Enum("Align", &TControl::Align, &TControl::SetAlign, alNone, AlignNames);
        c.Set("Anchors", &TControl::Anchors, &TControl::SetAnchors, akLeft | akTop, AnchorNames);
        c.String("Caption", &TControl::Caption, &TControl::SetCaption, "");
        c.Color("Color", &TControl::Color, &TControl::SetColor, clWindow).IsStored =
            [](const TObject& o) {
                return !static_cast<const TControl&>(o).ParentColor();
            };
        c.Object("Constraints", &TControl::Constraints);
        c.Int("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault).AlwaysPublished = true;
        c.Int("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, crDrag);
        c.Enum("DragKind", &TControl::DragKind, &TControl::SetDragKind, dkDrag, DragKindNames);
        c.Enum("DragMode", &TControl::DragMode, &TControl::SetDragMode, dmManual, DragModeNames);
        c.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
        c.Object("Font", &TControl::Font).IsStored = [](const TObject& o) {
            return !static_cast<const TControl&>(o).ParentFont();
        };
        c.String("Hint", &TControl::Hint, &TControl::SetHint, "").AlwaysPublished = true;
        c.Int("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext, 0).AlwaysPublished =
            true;
        c.String("HelpKeyword", &TControl::HelpKeyword, &TControl::SetHelpKeyword, "")
            .AlwaysPublished = true;
        c.Enum("HelpType", &TControl::HelpType, &TControl::SetHelpType, htContext, HelpTypeNames)
            .AlwaysPublished = true;
        c.Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, bdLeftToRight,
               BiDiModeNames)
            .IsStored = [](const TObject& o) {
            return !static_cast<const TControl&>(o).ParentBiDiMode();
        };
        c.Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true);
        c.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true);
        c.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
        c.Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true);
        c.Component("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
        c.Component("Action", &TControl::Action, &TControl::SetAction);
        c.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false);
        c.Bool("Visible", &TControl::Visible, &TControl::SetVisible, true);
        c.Event("OnClick", &TControl::OnClick);
        c.Event("OnContextPopup", &TControl::OnContextPopup);
        c.Event("OnDblClick", &TControl::OnDblClick);
        c.Event("OnDragDrop", &TControl::OnDragDrop);
        c.Event("OnDragOver", &TControl::OnDragOver);
        c.Event("OnEndDrag", &TControl::OnEndDrag);
        c.Event("OnMouseDown", &TControl::OnMouseDown);
        c.Event("OnMouseMove", &TControl::OnMouseMove);
        c.Event("OnMouseUp", &TControl::OnMouseUp);
        c.Event("OnStartDrag", &TControl::OnStartDrag);
    });
    return info;
}

const TMessageMap& TControl::StaticMessageMap() {
    static const TMessageMap map(
        nullptr, {
                     MessageHandler<WM_MOUSEMOVE, &TControl::WMMouseMove>(),
                     MessageHandler<WM_LBUTTONDOWN, &TControl::WMLButtonDown>(),
                     MessageHandler<WM_LBUTTONUP, &TControl::WMLButtonUp>(),
                     MessageHandler<WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk>(),
                     MessageHandler<WM_RBUTTONDOWN, &TControl::WMRButtonDown>(),
                     MessageHandler<WM_RBUTTONUP, &TControl::WMRButtonUp>(),
                     MessageHandler<WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk>(),
                     MessageHandler<WM_MBUTTONDOWN, &TControl::WMMButtonDown>(),
                     MessageHandler<WM_MBUTTONUP, &TControl::WMMButtonUp>(),
                     MessageHandler<WM_MBUTTONDBLCLK, &TControl::WMMButtonDblClk>(),
                     MessageHandler<WM_MOUSEWHEEL, &TControl::WMMouseWheel>(),
                     MessageHandler<WM_CONTEXTMENU, &TControl::WMContextMenu>(),
                     MessageHandler<WM_CANCELMODE, &TControl::WMCancelMode>(),
                     MessageHandler<CM_ENABLEDCHANGED, &TControl::CMEnabledChanged>(),
                     MessageHandler<CM_VISIBLECHANGED, &TControl::CMVisibleChanged>(),
                     MessageHandler<CM_COLORCHANGED, &TControl::CMColorChanged>(),
                     MessageHandler<CM_FONTCHANGED, &TControl::CMFontChanged>(),
                     MessageHandler<CM_TEXTCHANGED, &TControl::CMTextChanged>(),
                     MessageHandler<CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged>(),
                     MessageHandler<CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged>(),
                     MessageHandler<CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged>(),
                     MessageHandler<CM_BIDIMODECHANGED, &TControl::CMBiDiModeChanged>(),
                     MessageHandler<CM_PARENTBIDIMODECHANGED, &TControl::CMParentBiDiModeChanged>(),
                     MessageHandler<CM_MOUSEENTER, &TControl::CMMouseEnter>(),
                     MessageHandler<CM_MOUSELEAVE, &TControl::CMMouseLeave>(),
                     MessageHandler<CM_HITTEST, &TControl::CMHitTest>(),
                 });
    return map;
}

// --- life

TControl::TControl(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>()) {
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
    FConstraints->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl() {
    MarkDestroying();
    WindowManager().ControlDestroyed(this);
    SetParent(nullptr);
    DragControlDestroyed(this);
    FFont->OnChange = nullptr;
}

// --- place

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent)
        return;
    if (parent == this)
        throw Exception("A control cannot have itself as its parent");
    if (parent && ParentCount(parent) + 1 + LevelsBelow(this) > MaxNesting)
        throw Exception("Controls nest at most " + std::to_string(MaxNesting) + " deep");
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    UpdateAnchorRules();
}

void TControl::LimitBounds(int& left, int& top, int& width, int& height) const {
    left = std::clamp(left, -MaxCoordinate, MaxCoordinate);
    top = std::clamp(top, -MaxCoordinate, MaxCoordinate);
    width = std::clamp(width, 0, MaxCoordinate);
    height = std::clamp(height, 0, MaxCoordinate);
    FConstraints->Apply(width, height);
}

void TControl::ChangeScale(int m, int d) {
    ScaleConstraints(m, d);
    const auto [left, width] = ScaleSpan(FLeft, FWidth, m, d);
    const auto [top, height] = ScaleSpan(FTop, FHeight, m, d);
    SetBounds(left, top, width, height);
    ScaleFont(m, d);
}

void TControl::ScaleConstraints(int m, int d) {
    FConstraints->Scale(m, d);
}

// A font that follows the parent's is scaled with the parent's.
void TControl::ScaleFont(int m, int d) {
    if (!FParentFont)
        FFont->SetHeight(ScaleLength(FFont->Height(), m, d));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    LimitBounds(left, top, width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    const bool resized = width != FWidth || height != FHeight;
    InvalidateControl(true);
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    InvalidateControl(!(FControlStyle & csOpaque));
    UpdateAnchorRules();
    RequestAlign();
    if (resized)
        Resize();
}

void TControl::SetAlign(TAlign value) {
    if (value == FAlign)
        return;
    FAlign = value;
    RequestAlign();
}

// --- anchors and constraints

void TControl::SetAnchors(TAnchors value) {
    if (value == FAnchors)
        return;
    FAnchors = value;
    UpdateAnchorRules();
}

// The parent's outer size is measured: its client area grows and shrinks with it, and does not
// change under the children when the parent's window, with its border, is created only later.
// Left and top alone never move the control, so it keeps no rules for them.
void TControl::UpdateAnchorRules() {
    if (FAnchoring)
        return;
    FAnchorRules.reset();
    if (FParent && FAnchors != (akLeft | akTop))
        FAnchorRules = TAnchorRules{BoundsRect(), {FParent->Width(), FParent->Height()}};
}

void TControl::AnchorTo(TPoint size) {
    if (!FAnchorRules || FAlign != alNone)
        return;
    const TRect& from = FAnchorRules->Bounds;
    const TPoint base = FAnchorRules->ParentSize;
    const auto [left, width] = AnchorAxis(from.Left, from.Width(), base.x, size.x,
                                          (FAnchors & akLeft) != 0, (FAnchors & akRight) != 0);
    const auto [top, height] = AnchorAxis(from.Top, from.Height(), base.y, size.y,
                                          (FAnchors & akTop) != 0, (FAnchors & akBottom) != 0);
    const TFlagScope anchoring(FAnchoring);
    SetBounds(HoldCoordinate(left), HoldCoordinate(top), HoldCoordinate(width),
              HoldCoordinate(height));
}

void TControl::ConstraintsChanged(TObject*) {
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::RequestAlign() {
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::Resize() {
    OnResize(this);
}

TRect TControl::ClientRect() const {
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(int width, int height) {
    const TRect client = ClientRect();
    // The frame is added in 64 bits: SetBounds holds the sum to its limits.
    const auto outer = [](int size, int clientSize, int wanted) {
        return Saturate(std::int64_t{size} - clientSize + wanted);
    };
    SetBounds(FLeft, FTop, outer(FWidth, client.Width(), width),
              outer(FHeight, client.Height(), height));
}

TPoint TControl::ClientOrigin() const {
    if (!FParent)
        return {FLeft, FTop};
    const TPoint p = FParent->ClientOrigin();
    return {p.x + FLeft, p.y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

// --- state

void TControl::SetVisible(bool value) {
    if (value == FVisible)
        return;
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    RequestAlign();
}

bool TControl::Showing() const {
    if (!FVisible)
        return false;
    if (FParent)
        return FParent->Showing();
    const auto* own = dynamic_cast<const TWinControl*>(this);
    return own && own->FHandle && own->FHandle->Visible();
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled)
        return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor value) {
    if (value == FColor)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (value == FParentColor)
        return;
    FParentColor = value;
    if (FParent && value)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(const TFont* font) {
    FFont->Assign(font);
}

void TControl::FontChanged(TObject*) {
    FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value) {
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (FParent && value)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const std::string& value) {
    if (value == FText)
        return;
    FText = value;
    if (auto* own = dynamic_cast<TWinControl*>(this); own && own->FHandle)
        own->FHandle->SetText(value);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor value) {
    if (value == FCursor)
        return;
    FCursor = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value) {
    if (value == FShowHint)
        return;
    FShowHint = value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
    if (value == FParentShowHint)
        return;
    FParentShowHint = value;
    if (FParent && value)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenuBase* menu) {
    if (menu == FPopupMenu)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = menu;
    if (FPopupMenu)
        FPopupMenu->FreeNotification(this);
}

void TControl::SetAction(TAction* action) {
    if (action == FAction)
        return;
    if (FAction)
        FAction->RemoveClient(this);
    FAction = action;
    if (!FAction)
        return;
    FAction->AddClient(this, TNotifyEvent(this, &TControl::ActionChanged));
    ActionChanged(FAction);
}

void TControl::ActionChanged(TObject*) {
    const bool keepOwn = IsLoading();
    if (!keepOwn || FText.empty())
        SetCaption(FAction->Caption());
    if (!keepOwn || FEnabled)
        SetEnabled(FAction->Enabled());
}

bool TControl::HasHelp() const {
    return FHelpType == htContext ? FHelpContext != 0 : !FHelpKeyword.empty();
}

void TControl::SetBiDiMode(TBiDiMode value) {
    if (value == FBiDiMode)
        return;
    FBiDiMode = value;
    FParentBiDiMode = false;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
    if (value == FParentBiDiMode)
        return;
    FParentBiDiMode = value;
    if (FParent && value)
        Perform(CM_PARENTBIDIMODECHANGED);
}

unsigned TControl::DrawTextBiDiModeFlags(unsigned format) const {
    if (!UseRightToLeftAlignment() || (format & DT_CENTER))
        return format;
    return format & DT_RIGHT ? format & ~DT_RIGHT : format | DT_RIGHT;
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (!IsDestruction(component, operation))
        return;
    if (component == FPopupMenu)
        FPopupMenu = nullptr;
    if (component == FAction)
        FAction = nullptr;
}

// --- painting

void TControl::InvalidateControl(bool erase) {
    if (!FVisible || !FParent || !FParent->FHandle)
        return;
    const TRect r = BoundsRect();
    FParent->FHandle->Invalidate(&r, erase && !(FParent->FControlStyle & csOpaque));
}

void TControl::Invalidate() {
    InvalidateControl(!(FControlStyle & csOpaque));
}

void TControl::Update() {
    if (FParent)
        FParent->Update();
}

void TControl::Repaint() {
    if (!FVisible || !FParent || !FParent->FHandle)
        return;
    if (!(FControlStyle & csOpaque)) {
        Invalidate();
        Update();
        return;
    }
    TCanvas& dc = FParent->FHandle->DC();
    dc.IntersectClipRect(BoundsRect());
    FParent->PaintControls(dc.Handle(), this);
    dc.ResetClipRect();
    WindowManager().FlushAll();
}

void TControl::BringToFront() {
    if (FParent)
        FParent->SetChildOrder(this, FParent->ControlCount());
}

void TControl::SendToBack() {
    if (FParent)
        FParent->SetChildOrder(this, 0);
}

// --- messages

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage message{msg, wparam, lparam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    if (IsDesigning() && IsDesignInput(message.Msg))
        if (IParentForm* form = ParentFormOf(this))
            if (IDesigner* designer = form->Designer();
                designer && designer->IsDesignMsg(*this, message))
                return;
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
        if (DragSourceMouse(*this, message))
            return;
        const bool doubleClick = message.Msg == WM_LBUTTONDBLCLK ||
                                 message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK;
        if (doubleClick && !(FControlStyle & csDoubleClicks))
            message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)
            FControlState |= csLButtonDown;
        else if (message.Msg == WM_LBUTTONUP)
            FControlState &= ~csLButtonDown;
    }
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message) {
    if (const TMessageEntry* entry = MessageMap().Find(message.Msg))
        entry->Call(*this, message);
    else
        DefaultHandler(message);
}

void TControl::DispatchInherited(const TMessageMap& map, TMessage& message) {
    if (const TMessageEntry* entry = map.Find(message.Msg))
        entry->Call(*this, message);
    else
        DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (value != MouseCapture())
        SetCaptureControl(value ? this : nullptr);
    else if (value)
        WindowManager().SetPressCapture(false);
}

// The capture a press takes for csCaptureMouse ends with that button's release. A control that
// asks for the capture meanwhile (one that starts tracking the pointer during the press) keeps
// it beyond the release; one that holds it already when the press comes keeps it as it was.
void TControl::CaptureForPress() {
    if (!(FControlStyle & csCaptureMouse) || MouseCapture())
        return;
    SetMouseCapture(true);
    WindowManager().SetPressCapture(true);
}

void TControl::ReleasePressCapture() {
    if ((FControlStyle & csCaptureMouse) && MouseCapture() && WindowManager().PressCapture())
        SetMouseCapture(false);
}

// --- mouse

// Called through a copy: a handler that destroys the control destroys OnClick with it.
void TControl::Click() {
    if (const TNotifyEvent onClick = OnClick)
        onClick(this);
    else if (FAction)
        FAction->Execute();
}
void TControl::DblClick() {
    OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    return handled;
}

void TControl::DoMouseDown(TWMMouse& message, TMouseButton button, TShiftState shift) {
    if (!(FControlStyle & csNoStdEvents))
        MouseDown(button, KeysToShiftState(message.Keys) | shift, message.XPos, message.YPos);
}

void TControl::DoMouseUp(TWMMouse& message, TMouseButton button) {
    if (!(FControlStyle & csNoStdEvents))
        MouseUp(button, KeysToShiftState(message.Keys), message.XPos, message.YPos);
}

void TControl::WMMouseMove(TWMMouse& message) {
    DefaultHandler(message.Message);
    if (!(FControlStyle & csNoStdEvents))
        MouseMove(KeysToShiftState(message.Keys), message.XPos, message.YPos);
}

void TControl::WMLButtonDown(TWMMouse& message) {
    DefaultHandler(message.Message);
    CaptureForPress();
    if (FControlStyle & csClickEvents)
        FControlState |= csClicked;
    if (FDragMode == dmAutomatic && !IsDesigning())
        BeginDrag(false);
    DoMouseDown(message, mbLeft, {});
}

void TControl::WMLButtonUp(TWMMouse& message) {
    DefaultHandler(message.Message);
    ReleasePressCapture();
    if (FControlState & csClicked) {
        FControlState &= ~csClicked;
        if (PtInRect(ClientRect(), message.Pos())) {
            TDestroyWatch watch(this);
            Click();
            if (!watch.Alive())
                return;
        }
    }
    DoMouseUp(message, mbLeft);
}

void TControl::WMLButtonDblClk(TWMMouse& message) {
    DefaultHandler(message.Message);
    CaptureForPress();
    if (FControlStyle & csClickEvents)
        DblClick();
    DoMouseDown(message, mbLeft, ssDouble);
}

void TControl::WMRButtonDown(TWMMouse& message) {
    DefaultHandler(message.Message);
    DoMouseDown(message, mbRight, {});
}

void TControl::WMRButtonUp(TWMMouse& message) {
    DefaultHandler(message.Message);
    DoMouseUp(message, mbRight);
    const TPoint screen = ClientToScreen(message.Pos());
    Perform(WM_CONTEXTMENU, 0, MAKELPARAM(screen.x, screen.y));
}

void TControl::WMRButtonDblClk(TWMMouse& message) {
    DefaultHandler(message.Message);
    DoMouseDown(message, mbRight, ssDouble);
}

void TControl::WMMButtonDown(TWMMouse& message) {
    DefaultHandler(message.Message);
    DoMouseDown(message, mbMiddle, {});
}

void TControl::WMMButtonUp(TWMMouse& message) {
    DefaultHandler(message.Message);
    DoMouseUp(message, mbMiddle);
}

void TControl::WMMButtonDblClk(TWMMouse& message) {
    DefaultHandler(message.Message);
    DoMouseDown(message, mbMiddle, ssDouble);
}

void TControl::WMMouseWheel(TWMMouseWheel& message) {
    const TShiftState shift = KeysToShiftState(message.Keys);
    if (DoMouseWheel(shift, message.WheelDelta, {message.XPos, message.YPos}))
        message.Result = 1;
    else if (FParent)
        message.Result =
            FParent->Perform(WM_MOUSEWHEEL, message.Message.WParam, message.Message.LParam);
}

// Called through a copy, as Click is.
void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
    if (const TContextPopupEvent onContextPopup = OnContextPopup)
        onContextPopup(this, mousePos, handled);
}

void TControl::WMContextMenu(TWMContextMenu& message) {
    bool handled = false;
    TDestroyWatch watch(this);
    DoContextPopup(ScreenToClient({message.XPos, message.YPos}), handled);
    if (handled || !watch.Alive()) {
        message.Result = 1;
        return;
    }
    if (FPopupMenu && FPopupMenu->AutoPopup()) {
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(message.XPos, message.YPos);
        message.Result = 1;
    } else if (FParent) {
        message.Result =
            FParent->Perform(WM_CONTEXTMENU, message.Message.WParam, message.Message.LParam);
    }
}

void TControl::WMCancelMode(TMessage&) {
    if (MouseCapture())
        SetMouseCapture(false);
    FControlState &= ~(csClicked | csLButtonDown);
}

// --- notifications

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&) {
    if (FParent && FParent->FHandle) {
        const TRect r = BoundsRect();
        FParent->FHandle->Invalidate(&r, true);
    }
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}
void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}
void TControl::CMTextChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentColorChanged(TMessage&) {
    if (FParentColor && FParent) {
        SetColor(FParent->Color());
        FParentColor = true;
    }
}

void TControl::CMParentFontChanged(TMessage&) {
    if (FParentFont && FParent) {
        FFont->Assign(FParent->Font());
        FParentFont = true;
    }
}

void TControl::CMParentShowHintChanged(TMessage&) {
    if (FParentShowHint && FParent) {
        FShowHint = FParent->ShowHint();
        FParentShowHint = true;
    }
}

void TControl::CMBiDiModeChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
    if (FParentBiDiMode && FParent) {
        SetBiDiMode(FParent->BiDiMode());
        FParentBiDiMode = true;
    }
}

void TControl::CMMouseEnter(TMessage& message) {
    if (FParent)
        FParent->Perform(CM_MOUSEENTER, 0,
                         message.LParam ? message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMMouseLeave(TMessage& message) {
    if (FParent)
        FParent->Perform(CM_MOUSELEAVE, 0,
                         message.LParam ? message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMHitTest(TMessage& message) {
    message.Result = 1;
}

// --- stored forms

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* window = dynamic_cast<TWinControl*>(parent))
        SetParent(window);
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

// --- shift states

TShiftState KeysToShiftState(UINT keys) {
    unsigned bits = 0;
    if (keys & MK_SHIFT)
        bits |= ssShift;
    if (keys & MK_CONTROL)
        bits |= ssCtrl;
    if (keys & MK_LBUTTON)
        bits |= ssLeft;
    if (keys & MK_RBUTTON)
        bits |= ssRight;
    if (keys & MK_MBUTTON)
        bits |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        bits |= ssAlt;
    return bits;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
    unsigned bits = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        bits |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        bits |= ssCtrl;
    if (keyData & KF_ALTDOWN_BIT)
        bits |= ssAlt;
    return bits;
}
