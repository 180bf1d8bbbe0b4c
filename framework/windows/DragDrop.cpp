#include "framework/windows/DragDrop.h"

#include "framework/core/DestroyWatch.h"
#include "framework/windows/InputRouter.h"
#include "framework/windows/Win32Api.h"

#include <cstdlib>
#include <memory>
#include <utility>

// Sections: the drag; the one in progress and the routing's entry points; TControl's members.

namespace {

TPoint CursorPos() {
    TPoint p;
    GetCursorPos(&p);
    return p;
}

// --- the drag

// Every user callback may end the drag (EndDrag, a destroyed source) or start another: the
// members that call them keep the drag alive and check Live() afterwards.
class TDrag : public std::enable_shared_from_this<TDrag> {
public:
    TDrag(TControl& source, int threshold)
        : FSource(&source), FThreshold(threshold), FStart(CursorPos()) {}

    TControl* Source() const { return FSource; }
    // Past the threshold: the drag holds the capture through a window of its own.
    bool Started() const { return FWindow != nullptr; }
    bool PastThreshold(TPoint screen) const {
        return std::abs(screen.x - FStart.x) >= FThreshold ||
               std::abs(screen.y - FStart.y) >= FThreshold;
    }
    void Start();
    void MoveTo(TPoint screen);
    // A drop reaches the target only when it accepted the last move.
    void Finish(bool drop);
    TCursor Cursor() const;
    void ControlDestroyed(const TControl* control);

private:
    bool Live() const;
    void WindowProc(TMessage& message);
    // The source hears of neither the end nor a target, as it is gone.
    void Abandon();
    void ReleaseInput();
    // What targets see as Source: the drag object from OnStartDrag, else the source control.
    TObject* SourceObject() const {
        return FObject ? static_cast<TObject*>(FObject) : static_cast<TObject*>(FSource);
    }
    bool Ask(TControl& target, TDragState state) const;

    TControl* FSource;
    int FThreshold;
    TPoint FStart;
    TPoint FPos{};
    HWND FWindow = nullptr;
    TDragObject* FObject = nullptr;
    TControl* FTarget = nullptr;
    bool FAccepted = false;
};

std::shared_ptr<TDrag> Current;

bool TDrag::Live() const {
    return Current.get() == this;
}

void TDrag::Start() {
    const auto self = shared_from_this();
    // The press that began the drag ends here: no click, and the capture moves to the drag.
    FSource->Perform(WM_CANCELMODE);
    if (!Live())
        return;
    FWindow = AllocateHWnd([weak = weak_from_this()](TMessage& message) {
        if (const auto drag = weak.lock(); drag && drag->Live())
            drag->WindowProc(message);
    });
    SetCapture(FWindow);
    TDragObject* object = nullptr;
    FSource->DoStartDrag(object);
    if (!Live())
        return;
    FObject = object;
    MoveTo(CursorPos());
}

bool TDrag::Ask(TControl& target, TDragState state) const {
    const TPoint p = target.ScreenToClient(FPos);
    bool accept = false;
    target.DragOver(SourceObject(), p.x, p.y, state, accept);
    return accept;
}

void TDrag::MoveTo(TPoint screen) {
    const auto self = shared_from_this();
    FPos = screen;
    TControl* target = FindDragTarget(screen, false);
    TDragState state = dsDragMove;
    if (target != FTarget) {
        FAccepted = false;
        if (TControl* left = std::exchange(FTarget, nullptr)) {
            Ask(*left, dsDragLeave);
            if (!Live())
                return;
        }
        FTarget = target;
        state = dsDragEnter;
    }
    if (FTarget) {
        const bool accept = Ask(*FTarget, state);
        if (!Live())
            return;
        FAccepted = accept && FTarget;
    }
    RefreshCursor();
}

void TDrag::Finish(bool drop) {
    const auto self = shared_from_this();
    Current.reset();
    ReleaseInput();
    if (!FWindow)
        return;
    FWindow = nullptr;
    RefreshCursor();
    TDestroyWatch source(FSource);
    TControl* target = FTarget;
    const bool dropped = drop && FAccepted && target;
    TPoint p{};
    if (target) {
        TDestroyWatch targetWatch(target);
        p = target->ScreenToClient(FPos);
        bool ignored = false;
        if (dropped)
            target->DragDrop(SourceObject(), p.x, p.y);
        else
            target->DragOver(SourceObject(), p.x, p.y, dsDragLeave, ignored);
        if (!targetWatch.Alive())
            target = nullptr;
    }
    if (source.Alive())
        FSource->DoEndDrag(dropped ? target : nullptr, dropped ? p.x : 0, dropped ? p.y : 0);
}

void TDrag::Abandon() {
    Current.reset();
    ReleaseInput();
    FWindow = nullptr;
}

// The window goes with its capture; its procedure hears no more, the drag being over.
void TDrag::ReleaseInput() {
    if (FWindow) {
        if (GetCapture() == FWindow)
            ReleaseCapture();
        DeallocateHWnd(FWindow);
    } else if (FSource->MouseCapture()) {
        FSource->SetMouseCapture(false);
    }
}

TCursor TDrag::Cursor() const {
    if (!FObject)
        return FAccepted ? FSource->DragCursor() : crNoDrop;
    const TPoint p = FTarget ? FTarget->ScreenToClient(FPos) : FPos;
    return FObject->GetDragCursor(FAccepted, p.x, p.y);
}

void TDrag::ControlDestroyed(const TControl* control) {
    if (control == FTarget) {
        FTarget = nullptr;
        FAccepted = false;
    }
    if (control == FSource)
        Abandon();
}

void TDrag::WindowProc(TMessage& message) {
    TPoint p = LParamToPoint(message.LParam);
    ClientToScreen(FWindow, &p);
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        MoveTo(p);
        break;
    case WM_LBUTTONUP:
        // The host need not report a move to the point of the release.
        if (p != FPos)
            MoveTo(p);
        if (Live())
            Finish(true);
        break;
    case WM_CAPTURECHANGED:
        Finish(false);
        break;
    default:
        break;
    }
}

} // namespace

// --- the one in progress, and the routing's entry points

TCursor TDragObject::GetDragCursor(bool accepted, int, int) {
    return accepted ? crDrag : crNoDrop;
}

bool DragSourceMouse(TControl& control, const TMessage& message) {
    const std::shared_ptr<TDrag> drag = Current;
    if (!drag || drag->Started() || drag->Source() != &control)
        return false;
    if (message.Msg == WM_LBUTTONUP) {
        drag->Finish(false);
        return false;
    }
    if (message.Msg != WM_MOUSEMOVE ||
        !drag->PastThreshold(control.ClientToScreen(LParamToPoint(message.LParam))))
        return false;
    drag->Start();
    return true;
}

bool DragKeyDown(unsigned short key) {
    const std::shared_ptr<TDrag> drag = Current;
    if (key != VK_ESCAPE || !drag || !drag->Started())
        return false;
    drag->Finish(false);
    return true;
}

TCursor DragCursorShown() {
    return Current && Current->Started() ? Current->Cursor() : crDefault;
}

void DragControlDestroyed(const TControl* control) {
    if (const std::shared_ptr<TDrag> drag = Current)
        drag->ControlDestroyed(control);
}

// --- TControl's members

void TControl::BeginDrag(bool immediate, int threshold) {
    if (Current)
        return;
    const auto drag =
        std::make_shared<TDrag>(*this, threshold < 0 ? DefaultDragThreshold : threshold);
    Current = drag;
    if (immediate)
        drag->Start();
    else
        SetMouseCapture(true); // the moves that pass the threshold must reach the control
}

void TControl::EndDrag(bool drop) {
    if (const std::shared_ptr<TDrag> drag = Current; drag && drag->Source() == this)
        drag->Finish(drop);
}

bool TControl::Dragging() const {
    return Current && Current->Source() == this;
}

// The handlers are called through copies: a handler may destroy the control and them with it.
void TControl::DoStartDrag(TDragObject*& dragObject) {
    if (const TStartDragEvent onStartDrag = OnStartDrag)
        onStartDrag(this, dragObject);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    const TDragOverEvent onDragOver = OnDragOver;
    accept = static_cast<bool>(onDragOver);
    if (onDragOver)
        onDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
    if (const TDragDropEvent onDragDrop = OnDragDrop)
        onDragDrop(this, source, x, y);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
    if (const TEndDragEvent onEndDrag = OnEndDrag)
        onEndDrag(this, target, x, y);
}
