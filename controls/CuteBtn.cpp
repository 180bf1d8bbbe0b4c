#include "controls/CuteBtn.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/DestroyWatch.h"
#include "framework/core/Saturate.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/forms/Menus.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Frame3D.h"
#include "framework/streaming/Registration.h"
#include "framework/windows/Scaling.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>
#include <array>
#include <cstdint>

// Sections: class information; construction and properties; painting; pointer; mouse buttons;
// keyboard and accelerator; click; drop-down.
//
// The look is the panel's BevelOuter: flat (bvNone), raised (bvRaised), sunken (bvLowered);
// "resting" is raised with TabFocusUp, else flat.
//
//   trigger            condition                                          new look
//   MouseEnter         the owner form's active control is being dragged   unchanged
//   MouseEnter         ssLeft held                                        sunken
//   MouseEnter         otherwise                                          raised
//   MouseLeave         focused and TabFocusUp                             unchanged
//   MouseLeave         otherwise                                          flat
//   DoEnter            TabFocusUp                                         raised
//   DoExit             -                                                  flat
//   MouseDown          left button                                        sunken, after the focus
//   MouseUp            left, inside the client rectangle                  raised
//   MouseUp            left, outside, TabFocusUp and the form's active    raised
//   MouseUp            left, otherwise                                    flat
//   KeyDown space      enabled                                            sunken
//   KeyDown Enter      enabled                                            sunken, resting after
//   KeyDown other      space held                                         resting, no click
//   KeyUp space        space held                                         resting, after the click
//   CM_DIALOGCHAR      accelerator accepted                               sunken, resting after

namespace {

// Text rectangle edges stay as far inside the integer range as a control's own, so that the few
// pixels added to them later cannot overflow, whatever BevelWidth and the margins hold.
int Edge(std::int64_t value) {
    return Saturate(value, -TControl::MaxCoordinate, TControl::MaxCoordinate);
}

// The shift state from the key-state table; ssDouble is never set.
TShiftState CurrentShiftState() {
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    constexpr struct {
        unsigned short Vk;
        TShiftStateBit Bit;
    } Keys[] = {{VK_SHIFT, ssShift},  {VK_MENU, ssAlt},      {VK_CONTROL, ssCtrl},
                {VK_LBUTTON, ssLeft}, {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle}};
    unsigned bits = 0;
    for (const auto& key : Keys)
        if (keys[key.Vk] & 0x80)
            bits |= key.Bit;
    return bits;
}

void FrameBy(TCanvas& canvas, TRect& rect, TBevelCut cut, TColor highlight, TColor shadow,
             int width) {
    if (cut == bvLowered)
        Frame3D(canvas, rect, shadow, highlight, width);
    else if (cut == bvRaised)
        Frame3D(canvas, rect, highlight, shadow, width);
}

} // namespace

// ---- class information

const TClassInfo& TCuteButtonTimer::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TCuteButtonTimer>("TCuteButtonTimer", &TTimer::StaticClass(), [](auto& c) {
            c.Field("FCuteButton", &TCuteButtonTimer::FCuteButton);
        });
    return info;
}

const TClassInfo& TCuteButton::StaticClass() {
    using B = TCuteButton;
    static const TClassInfo info =
        DescribeClass<B>("TCuteButton", &TCustomPanel::StaticClass(), [](auto& c) {
            c.PublishInherited(
                {"Action",         "Caption",     "Enabled",     "Font",      "ParentFont",
                 "ParentShowHint", "PopupMenu",   "ShowHint",    "TabOrder",  "Visible",
                 "OnClick",        "OnEnter",     "OnExit",      "OnKeyDown", "OnKeyPress",
                 "OnKeyUp",        "OnMouseDown", "OnMouseMove", "OnMouseUp", "Anchors",
                 "Constraints",    "DragCursor",  "DragKind",    "DragMode",  "OnDragDrop",
                 "OnDragOver",     "OnEndDrag",   "OnStartDrag", "BiDiMode",  "ParentBiDiMode"});
            c.Int("Width", &B::Width, &B::SetWidth, 75);
            c.Int("Height", &B::Height, &B::SetHeight, 25);
            c.Color("Color", &B::Color, &B::SetColor, clBtnFace).IsStored = [](const TObject& o) {
                return !static_cast<const B&>(o).ParentColor();
            };
            c.Bool("ParentColor", &B::ParentColor, &B::SetParentColor, false);
            c.Bool("TabStop", &B::TabStop, &B::SetTabStop, true);
            c.Enum("Alignment", &B::Alignment, &B::SetAlignment, taCenter, AlignmentNames);
            c.Int("BevelWidth", &B::BevelWidth, &B::SetBevelWidth, 1);
            c.Enum("BorderStyle", &B::BorderStyle, &B::SetBorderStyle, TBorderStyle::bsNone,
                   BorderStyleNames);
            // The background brush follows Color; it is stored only when set apart from it.
            c.Object("Brush", &B::Brush).IsStored = [](const TObject& o) {
                const auto& button = static_cast<const B&>(o);
                return button.Brush()->Color() != button.Color() ||
                       button.Brush()->Style() != bsSolid;
            };
            c.Color("BevelHighlightColor", &B::BevelHighlightColor, &B::SetBevelHighlight,
                    clBtnHighlight);
            c.Color("BevelShadowColor", &B::BevelShadowColor, &B::SetBevelShadow, clBtnShadow);
            c.Color("DisabledColor", &B::DisabledColor, &B::SetDisabledColor, clGray);
            c.Int("DropDownDelay", &B::DropDownDelay, &B::SetDropDownDelay, 0);
            c.Component("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu);
            c.Bool("EgnoreContClick", &B::EgnoreContClick, &B::SetEgnoreContClick);
            c.Bool("Flat", &B::Flat, &B::SetFlat);
            c.Enum("Layout", &B::Layout, &B::SetLayout, tlCenter, TextLayoutNames);
            c.Int("MarginX", &B::MarginX, &B::SetMarginX, -1);
            c.Int("MarginY", &B::MarginY, &B::SetMarginY, -1);
            c.Bool("ShowFocusRect", &B::ShowFocusRect, &B::SetShowFocusRect);
            c.Bool("TabFocusUp", &B::TabFocusUp, &B::SetTabFocusUp, true);
            c.Bool("UseDisabledColor", &B::UseDisabledColor, &B::SetUseDisabledColor);
            c.Event("OnMouseEnter", &B::OnMouseEnter);
            c.Event("OnMouseLeave", &B::OnMouseLeave);
        });
    return info;
}

const TMessageMap& TCuteButton::StaticMessageMap() {
    static const TMessageMap map(
        &TCustomPanel::StaticMessageMap(),
        {
            MessageHandler<CM_DIALOGCHAR, &TCuteButton::CMDialogChar>(),
            MessageHandler<CM_ENABLEDCHANGED, &TCuteButton::CMEnabledChanged>(),
            MessageHandler<CM_MOUSEENTER, &TCuteButton::CMMouseEnter>(),
            MessageHandler<CM_MOUSELEAVE, &TCuteButton::CMMouseLeave>(),
        });
    return map;
}

void CuteBtn::Register() {
    RegisterComponents("Custom", {&TCuteButton::StaticClass()});
}

// ---- construction and properties

TCuteButton::TCuteButton(TComponent* owner) : TCustomPanel(owner) {
    FControlStyle &= ~csAcceptsControls;
    FBevelOuter = bvNone;
    FBevelInner = bvRaised;
    FHeight = 25;
    FWidth = 75;
    SetTabStop(true);
    Brush()->OnChange = TNotifyEvent(this, &TCuteButton::BrushChanged);
}

void TCuteButton::SetBevelHighlight(TColor value) {
    if (value == FBevelHighlightColor)
        return;
    FBevelHighlightColor = value;
    Invalidate();
}

void TCuteButton::SetBevelShadow(TColor value) {
    if (value == FBevelShadowColor)
        return;
    FBevelShadowColor = value;
    Invalidate();
}

void TCuteButton::SetDisabledColor(TColor value) {
    if (value == FDisabledColor)
        return;
    FDisabledColor = value;
    RepaintIfDisabled();
}

void TCuteButton::SetUseDisabledColor(bool value) {
    if (value == FUseDisabledColor)
        return;
    FUseDisabledColor = value;
    RepaintIfDisabled();
}

void TCuteButton::RepaintIfDisabled() {
    if (!Enabled())
        Invalidate();
}

void TCuteButton::SetDropDownMenu(TPopupMenu* value) {
    if (value == FDropDownMenu)
        return;
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = value;
    if (FDropDownMenu)
        FDropDownMenu->FreeNotification(this);
    Invalidate();
}

void TCuteButton::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (IsDestruction(component, operation) && component == FDropDownMenu)
        FDropDownMenu = nullptr;
}

void TCuteButton::SetFlat(bool value) {
    if (value == FFlat)
        return;
    FFlat = value;
    SetBevelInner(value ? bvNone : bvRaised);
}

void TCuteButton::SetLayout(TTextLayout value) {
    if (value == FLayout)
        return;
    FLayout = value;
    Invalidate();
}

void TCuteButton::SetMarginX(int value) {
    value = std::max(value, -1);
    if (value == FMarginX)
        return;
    FMarginX = value;
    Invalidate();
}

void TCuteButton::SetMarginY(int value) {
    value = std::max(value, -1);
    if (value == FMarginY)
        return;
    FMarginY = value;
    Invalidate();
}

void TCuteButton::ChangeScale(int m, int d) {
    for (int* margin : {&FMarginX, &FMarginY})
        if (*margin != -1)
            *margin = std::max(ScaleLength(*margin, m, d), 0);
    TCustomPanel::ChangeScale(m, d);
}

void TCuteButton::SetShowFocusRect(bool value) {
    if (value == FShowFocusRect)
        return;
    FShowFocusRect = value;
    Invalidate();
}

void TCuteButton::CMEnabledChanged(TMessage& message) {
    if (!Enabled())
        CancelKeyPress();
    DispatchInherited(TCustomPanel::StaticMessageMap(), message);
    Invalidate();
}

void TCuteButton::BrushChanged(TObject*) {
    Invalidate();
}

// ---- painting

void TCuteButton::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    TRect r = client;

    canvas.SetBrush(Brush());
    TColor fill = Color();
    if (FUseDisabledColor && !Enabled()) {
        fill = FDisabledColor;
        canvas.Brush()->SetColor(fill);
    }
    SetBkColor(canvas.Handle(), ColorToRGB(fill));
    SetBkMode(canvas.Handle(), TRANSPARENT);
    canvas.FillRect(r);

    const int w = BevelWidth();
    FrameBy(canvas, r, FBevelOuter, FBevelHighlightColor, FBevelShadowColor, w);
    FrameBy(canvas, r, FBevelInner, FBevelHighlightColor, FBevelShadowColor, w);

    // The text rectangle does not depend on which frames were drawn.
    const std::int64_t inset = FFlat ? std::int64_t{w} : 2 * std::int64_t{w};
    std::int64_t left = client.Left + inset;
    std::int64_t top = client.Top + inset;
    std::int64_t right = client.Right - inset;
    std::int64_t bottom = client.Bottom - inset;
    if (FAlignment == taLeftJustify && FMarginX != -1)
        left += FMarginX;
    else if (FAlignment == taRightJustify && FMarginX != -1)
        right -= FMarginX;
    if (FLayout == tlTop && FMarginY != -1)
        top += FMarginY;
    else if (FLayout == tlBottom && FMarginY != -1)
        bottom -= FMarginY;
    // Sunken, the caption's box shrinks from its top left rather than moving.
    if (FBevelOuter == bvLowered) {
        left += 2;
        top += 2;
    }
    TRect text{Edge(left), Edge(top), Edge(right), Edge(bottom)};

    static constexpr unsigned Horizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static constexpr unsigned Vertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    const unsigned format = DT_SINGLELINE | Horizontal[FAlignment] | Vertical[FLayout];

    canvas.SetFont(Font());
    if (!Enabled()) {
        canvas.Font()->SetColor(clBtnHighlight);
        OffsetRect(text, 1, 1);
        DrawTextA(canvas.Handle(), Caption().c_str(), -1, &text, format);
        OffsetRect(text, -1, -1);
        canvas.Font()->SetColor(clBtnShadow);
    }
    DrawTextA(canvas.Handle(), Caption().c_str(), -1, &text, format);

    if (FShowFocusRect && Focused()) {
        InflateRect(text, -2, -2);
        canvas.DrawFocusRect(text);
    }
}

// ---- pointer

TPoint TCuteButton::CursorPos() const {
    TPoint p;
    GetCursorPos(&p);
    return ScreenToClient(p);
}

void TCuteButton::CMMouseEnter(TMessage& message) {
    DispatchInherited(TCustomPanel::StaticMessageMap(), message);
    const TPoint p = CursorPos();
    MouseEnter(CurrentShiftState(), p.x, p.y);
}

void TCuteButton::CMMouseLeave(TMessage& message) {
    DispatchInherited(TCustomPanel::StaticMessageMap(), message);
    const TPoint p = CursorPos();
    MouseLeave(CurrentShiftState(), p.x, p.y);
}

void TCuteButton::MouseEnter(TShiftState shift, int x, int y) {
    if (const auto* form = dynamic_cast<const TCustomForm*>(Owner()))
        if (form->ActiveControl() && form->ActiveControl()->Dragging())
            return;
    TDestroyWatch watch(this);
    const TMouseMoveEvent onMouseEnter = OnMouseEnter; // outlives a handler that destroys us
    onMouseEnter(this, shift, x, y);
    if (watch.Alive())
        SetLook(shift.Contains(ssLeft) ? bvLowered : bvRaised);
}

void TCuteButton::MouseLeave(TShiftState shift, int x, int y) {
    TDestroyWatch watch(this);
    const TMouseMoveEvent onMouseLeave = OnMouseLeave;
    onMouseLeave(this, shift, x, y);
    if (watch.Alive() && !(Focused() && FTabFocusUp))
        SetLook(bvNone);
}

// Without a change of look nothing would repaint, and the focus rectangle would not show.
void TCuteButton::DoEnter() {
    if (FTabFocusUp)
        SetLook(bvRaised);
    else if (FShowFocusRect)
        Invalidate();
    TCustomPanel::DoEnter();
}

void TCuteButton::DoExit() {
    CancelKeyPress();
    TDestroyWatch watch(this);
    TCustomPanel::DoExit();
    if (watch.Alive())
        SetLook(bvNone);
}

// ---- mouse buttons

void TCuteButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TDestroyWatch watch(this);
    SetFocus();
    if (!watch.Alive())
        return;
    if (button == mbLeft)
        SetLook(bvLowered);
    TCustomPanel::MouseDown(button, shift, x, y);
    if (watch.Alive() && FDropDownMenu && button == mbLeft) {
        FKeyboardDrop = false;
        DoDropDown();
    }
}

void TCuteButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        const TCustomForm* form = GetParentForm(this);
        const bool active = FTabFocusUp && form && form->ActiveControl() == this;
        SetLook(PtInRect(ClientRect(), {x, y}) || active ? bvRaised : bvNone);
    }
    TDestroyWatch watch(this);
    TCustomPanel::MouseUp(button, shift, x, y);
    if (!watch.Alive())
        return;
    EndDropDownPress();
    // Another button's release leaves the capture to a left press still held here; without
    // it the left release would go elsewhere and leave the button sunken.
    if (button == mbLeft || GetKeyState(VK_LBUTTON) >= 0)
        ReleaseCapture();
}

// ---- keyboard and accelerator

void TCuteButton::KeyDown(unsigned short& key, TShiftState shift) {
    TDestroyWatch watch(this);
    TCustomPanel::KeyDown(key, shift);
    if (!watch.Alive() || !Enabled())
        return;
    if (key == VK_SPACE) {
        FSpaceHeld = true;
        SetLook(bvLowered);
        if (FDropDownMenu) {
            FKeyboardDrop = true;
            DoDropDown();
        }
    } else if (key == VK_RETURN) {
        SetLook(bvLowered);
        if (PressFromKeyboard())
            SetRestingLook();
    } else if (FSpaceHeld) {
        FSpaceHeld = false;
        SetRestingLook();
    }
}

void TCuteButton::KeyUp(unsigned short& key, TShiftState shift) {
    TDestroyWatch watch(this);
    TCustomPanel::KeyUp(key, shift);
    if (!watch.Alive())
        return;
    EndDropDownPress();
    if (FSpaceHeld && key == VK_SPACE) {
        FSpaceHeld = false;
        Click();
        if (watch.Alive())
            SetRestingLook();
    }
}

void TCuteButton::CMDialogChar(TWMKey& message) {
    const bool accepted =
        IsAccel(message.CharCode, Caption()) && Enabled() && Parent() && Parent()->Visible();
    if (!accepted) {
        DispatchInherited(TCustomPanel::StaticMessageMap(), message.Message);
        return;
    }
    message.Result = 1;
    SetLook(bvLowered);
    if (PressFromKeyboard())
        SetRestingLook();
}

bool TCuteButton::PressFromKeyboard() {
    TDestroyWatch watch(this);
    if (FDropDownMenu && FDropDownDelay == 0)
        DropDown();
    else
        Click();
    return watch.Alive();
}

// ---- click

void TCuteButton::Click() {
    if (FMenuOpen) {
        FMenuOpen = false;
        return;
    }
    if (!FEgnoreContClick) {
        TCustomPanel::Click();
        return;
    }
    const TNotifyEvent handler = OnClick;
    OnClick = nullptr;
    TDestroyWatch watch(this);
    TCustomPanel::Click(); // with no OnClick, only a linked action runs
    if (watch.Alive() && handler) {
        handler(this);
        // Clicks queued meanwhile are handled now, and find no OnClick.
        if (watch.Alive() && Application)
            Application->ProcessMessages();
    }
    if (watch.Alive())
        OnClick = handler;
}

// ---- drop-down

void TCuteButton::DoDropDown() {
    if (FDropDownDelay <= 0) {
        DropDown();
        return;
    }
    if (FTimer)
        return; // a repeated press or an auto-repeated key does not restart it
    FTimer = new TCuteButtonTimer(this);
    FTimer->FCuteButton = this;
    FTimer->SetInterval(static_cast<unsigned>(FDropDownDelay));
    FTimer->SetOnTimer(TNotifyEvent(this, &TCuteButton::FTimerTimer));
    FTimer->SetEnabled(true);
}

void TCuteButton::EndDropDownPress() {
    delete FTimer;
    FTimer = nullptr;
    FKeyboardDrop = false;
}

void TCuteButton::CancelKeyPress() {
    FSpaceHeld = false;
    if (FKeyboardDrop)
        EndDropDownPress();
}

void TCuteButton::FTimerTimer(TObject* sender) {
    auto* timer = dynamic_cast<TCuteButtonTimer*>(sender);
    if (!timer)
        throw EInvalidCast(msg::InvalidCast);
    if (timer->FCuteButton)
        timer->FCuteButton->FTimer = nullptr;
    // It fires once only; nothing of it is touched once its handler returns.
    delete timer;
    if (FKeyboardDrop) {
        DropDown();
    } else if (GetCaptureControl() == this) {
        TDestroyWatch watch(this);
        DropDown();
        if (watch.Alive())
            ReleaseCapture();
    }
}

void TCuteButton::DropDown() {
    if (!FDropDownMenu)
        return;
    const TPoint at = ClientToScreen({0, Height()});
    // Taken now: a release that reaches the button while the menu shows clears the flag, yet
    // the menu still ends with the release of the press that opened it.
    const bool fromKeyboard = FKeyboardDrop;
    FMenuOpen = true;
    TDestroyWatch watch(this);
    // Pending repaints show the sunken look before the menu opens.
    if (Application)
        Application->ProcessMessages();
    if (!watch.Alive())
        return;
    // The menu may have been destroyed meanwhile; the release is simulated all the same.
    if (FDropDownMenu)
        FDropDownMenu->Popup(at.x, at.y);
    if (!watch.Alive())
        return;
    if (fromKeyboard) {
        unsigned short key = VK_SPACE;
        KeyUp(key, {});
    } else {
        // The menu took the physical release: the press that opened it is over.
        FControlState &= ~(csClicked | csLButtonDown);
        MouseUp(mbLeft, {}, 0, 0);
    }
    if (watch.Alive())
        FMenuOpen = false;
}
