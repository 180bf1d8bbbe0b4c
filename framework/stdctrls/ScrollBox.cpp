#include "framework/stdctrls/ScrollBox.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Saturate.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>
#include <cstdint>

// --- TControlScrollBar

const TClassInfo& TControlScrollBar::StaticClass() {
    static const TClassInfo info = DescribeClass<TControlScrollBar>(
        "TControlScrollBar", &TPersistent::StaticClass(), [](TClassBuilder<TControlScrollBar>& c) {
            using T = TControlScrollBar;
            c.Int("ButtonSize", &T::ButtonSize, &T::SetButtonSize, 0);
            c.Int("Increment", &T::Increment, &T::SetIncrement, 8).IsStored = [](const TObject& o) {
                return !static_cast<const T&>(o).Smooth();
            };
            c.Int("Margin", &T::Margin, &T::SetMargin, 0);
            c.Int("Range", &T::Range, &T::SetRange, 0).IsStored = [](const TObject& o) {
                return !static_cast<const T&>(o).FControl.AutoScroll();
            };
            c.Int("Position", &T::Position, &T::SetPosition, 0);
            c.Bool("Smooth", &T::Smooth, &T::SetSmooth, false);
            c.Bool("Tracking", &T::Tracking, &T::SetTracking, false);
            c.Bool("Visible", &T::Visible, &T::SetVisible, true);
        });
    return info;
}

void TControlScrollBar::SetIncrement(int value) {
    FIncrement = std::max(value, 1);
}

void TControlScrollBar::SetSmooth(bool value) {
    FSmooth = value;
    FControl.UpdateScrollBars();
}

void TControlScrollBar::SetButtonSize(int value) {
    FButtonSize = std::max(value, 0);
    FControl.FBars.Bar(FKind).SetButtonSize(FButtonSize);
    FControl.FBars.Paint();
}

void TControlScrollBar::SetMargin(int value) {
    FMargin = std::max(value, 0);
    FControl.UpdateScrollBars();
}

void TControlScrollBar::SetRange(int value) {
    FRange = std::max(value, 0);
    FControl.SetAutoScroll(false);
    FControl.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
    FVisible = value;
    FControl.UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
    return FControl.FBars.Visible(FKind);
}

void TControlScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, MaxPosition());
    if (value == FPosition)
        return;
    const int delta = FPosition - value;
    FPosition = value;
    if (FKind == sbHorizontal)
        FControl.ScrollBy(delta, 0);
    else
        FControl.ScrollBy(0, delta);
    FControl.ShowPosition(FKind);
}

void TControlScrollBar::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TControlScrollBar*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FIncrement = other->FIncrement;
    FSmooth = other->FSmooth;
    FButtonSize = other->FButtonSize;
    FMargin = other->FMargin;
    FTracking = other->FTracking;
    FVisible = other->FVisible;
    FControl.FBars.Bar(FKind).SetButtonSize(FButtonSize);
    if (!other->FControl.AutoScroll())
        SetRange(other->FRange);
    SetPosition(other->FPosition);
    FControl.UpdateScrollBars();
}

void TControlScrollBar::Update(int visibleSize) {
    FVisibleSize = std::max(visibleSize, 0);
    FPageIncrement = static_cast<int>(std::int64_t{FVisibleSize} * 9 / 10);
    if (FSmooth)
        FIncrement = std::max(FPageIncrement / 10, 1);
    SetPosition(FPosition);
}

// Steps and positions may each be as large as an int; their sum need not be.
void TControlScrollBar::MoveBy(std::int64_t delta) {
    SetPosition(Saturate(FPosition + delta, 0));
}

void TControlScrollBar::ScrollMessage(TScrollCode code, int position) {
    switch (code) {
    case scLineUp:
        MoveBy(-std::int64_t{FIncrement});
        break;
    case scLineDown:
        MoveBy(FIncrement);
        break;
    case scPageUp:
        MoveBy(-std::int64_t{FPageIncrement});
        break;
    case scPageDown:
        MoveBy(FPageIncrement);
        break;
    case scTrack:
        if (FTracking)
            SetPosition(position);
        break;
    case scPosition:
        SetPosition(position);
        break;
    case scTop:
        SetPosition(0);
        break;
    case scBottom:
        SetPosition(MaxPosition());
        break;
    case scEndScroll:
        break;
    }
    // A thumb let go where it does not move the view still has to jump back to the position.
    FControl.ShowPosition(FKind);
}

// --- TScrollBox

const TClassInfo& TScrollBox::StaticClass() {
    static const TClassInfo info = DescribeClass<TScrollBox>(
        "TScrollBox", &TWinControl::StaticClass(), [](TClassBuilder<TScrollBox>& c) {
            c.Bool("AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll, true);
            c.Enum("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle,
                   TBorderStyle::bsSingle, BorderStyleNames);
            c.Object("HorzScrollBar", &TScrollBox::HorzScrollBar);
            c.Object("VertScrollBar", &TScrollBox::VertScrollBar);
        });
    return info;
}

const TMessageMap& TScrollBox::StaticMessageMap() {
    static const TMessageMap map(
        &TWinControl::StaticMessageMap(),
        {
            MessageHandler<WM_HSCROLL, &TScrollBox::WMHScroll>(),
            MessageHandler<WM_VSCROLL, &TScrollBox::WMVScroll>(),
            MessageHandler<WM_PAINT, &TScrollBox::WMPaint>(),
            MessageHandler<WM_SIZE, &TScrollBox::WMSize>(),
            MessageHandler<CM_ENABLEDCHANGED, &TScrollBox::CMEnabledChanged>(),
        });
    return map;
}

TScrollBox::TScrollBox(TComponent* owner)
    : TWinControl(owner), FHorzScrollBar(std::make_unique<TControlScrollBar>(*this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(*this, sbVertical)) {
    FControlStyle =
        csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    FWidth = 185;
    FHeight = 41;
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::SetAutoScroll(bool value) {
    if (value == FAutoScroll)
        return;
    FAutoScroll = value;
    UpdateScrollBars();
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= FBars.Style();
    if (FBorderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::Loaded() {
    TWinControl::Loaded();
    UpdateScrollBars();
}

int TScrollBox::ContentExtent(TScrollBarKind kind) const {
    const TControlScrollBar& bar = Bar(kind);
    std::int64_t extent = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (!child->Visible())
            continue;
        const std::int64_t end = kind == sbHorizontal
                                     ? std::int64_t{child->Left()} + child->Width()
                                     : std::int64_t{child->Top()} + child->Height();
        extent = std::max(extent, end + bar.Position() + bar.Margin());
    }
    return Saturate(extent);
}

// Each bar shows when the content is wider (or taller) than what the box shows of it; a bar
// that shows takes room from the other direction, which may make the other bar needed too.
void TScrollBox::UpdateScrollBars() {
    if (FUpdatingBars || FScrolling || IsLoading() || IsDestroying())
        return;
    FUpdatingBars = true;
    if (FAutoScroll) {
        FHorzScrollBar->FRange = ContentExtent(sbHorizontal);
        FVertScrollBar->FRange = ContentExtent(sbVertical);
    }
    const int width = std::max(Width() - 2 * EdgeWidth(), 0);
    const int height = std::max(Height() - 2 * EdgeWidth(), 0);
    auto needs = [](const TControlScrollBar& bar, int room) {
        return bar.Visible() && bar.Range() > room;
    };
    bool horz = needs(*FHorzScrollBar, width);
    bool vert = needs(*FVertScrollBar, height);
    vert = vert || (horz && needs(*FVertScrollBar, height - ScrollBarSize));
    horz = horz || (vert && needs(*FHorzScrollBar, width - ScrollBarSize));
    FBars.SetVisible(horz, vert);
    FHorzScrollBar->Update(width - (vert ? ScrollBarSize : 0));
    FVertScrollBar->Update(height - (horz ? ScrollBarSize : 0));
    ShowPosition(sbHorizontal);
    ShowPosition(sbVertical);
    FUpdatingBars = false;
}

void TScrollBox::ShowPosition(TScrollBarKind kind) {
    const TControlScrollBar& bar = Bar(kind);
    FBars.Bar(kind).SetParams(bar.Range(), bar.FVisibleSize, bar.Position());
}

void TScrollBox::ScrollBy(int dx, int dy) {
    if (dx == 0 && dy == 0)
        return;
    FScrolling = true;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    }
    EnableAlign();
    FScrolling = false;
    Invalidate();
}

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
    TWinControl::AlignControls(control, rect);
    UpdateScrollBars();
}

void TScrollBox::WndProc(TMessage& message) {
    if (FBars.HandleMessage(message))
        return;
    const bool press = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN ||
                       message.Msg == WM_MBUTTONDOWN;
    // The wheel goes to the focused window: a press inside gives the box the focus (unless a
    // child of it has it), so that the wheel then scrolls it.
    if (press && !IsDesigning() && !ContainsControl(FindControl(GetFocus())) && CanFocus())
        SetFocus();
    TWinControl::WndProc(message);
}

void TScrollBox::WMHScroll(TMessage& message) {
    FHorzScrollBar->ScrollMessage(static_cast<TScrollCode>(LOWORD(message.WParam)),
                                  HIWORD(message.WParam));
}

void TScrollBox::WMVScroll(TMessage& message) {
    FVertScrollBar->ScrollMessage(static_cast<TScrollCode>(LOWORD(message.WParam)),
                                  HIWORD(message.WParam));
}

// Children change size and place without telling their parent; what they cover is settled
// whenever the box paints.
void TScrollBox::WMPaint(TWMPaint& message) {
    UpdateScrollBars();
    DispatchInherited(TWinControl::StaticMessageMap(), message.Message);
    FBars.Paint();
}

void TScrollBox::WMSize(TWMSize& message) {
    DispatchInherited(TWinControl::StaticMessageMap(), message.Message);
    UpdateScrollBars();
}

void TScrollBox::CMEnabledChanged(TMessage& message) {
    DispatchInherited(TWinControl::StaticMessageMap(), message);
    FBars.SetDisabled(!Enabled());
}

bool TScrollBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TWinControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    UpdateScrollBars();
    const bool horizontal = shift.Contains(ssShift) || !FVertScrollBar->IsScrollBarVisible();
    TControlScrollBar& bar = horizontal ? *FHorzScrollBar : *FVertScrollBar;
    if (!bar.IsScrollBarVisible())
        return false;
    // Three lines a notch, as the desktop scrolls.
    const std::int64_t lines = std::int64_t{wheelDelta} * 3 / 120;
    bar.SetPosition(Saturate(bar.Position() - lines * bar.Increment(), 0));
    return true;
}
