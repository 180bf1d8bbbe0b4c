#include "tools/gallery/FormDesigner.h"

#include "framework/core/Exceptions.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/windows/Win32Api.h"
#include "tools/gallery/DesignOverlay.h"
#include "tools/gallery/DesignSelection.h"

TFormDesigner::TFormDesigner()
    : FOverlay(std::make_unique<TDesignOverlay>(nullptr)), FDrag(FCommands, *FOverlay) {
    Selection().OnChange = TNotifyEvent(this, &TFormDesigner::SelectionChange);
    FCommands.OnLayout = TNotifyEvent(this, &TFormDesigner::Layout);
}

TFormDesigner::~TFormDesigner() {
    Selection().OnChange = {};
}

void TFormDesigner::Attach(TCustomForm* form) {
    FOverlay->Clear();
    FCommands.Attach(form);
    if (form)
        form->SetDesigner(this);
}

void TFormDesigner::SelectionChange(TObject*) {
    RefreshMarks();
    OnSelect(nullptr);
}

void TFormDesigner::Layout(TObject*) {
    RefreshMarks();
}

void TFormDesigner::RefreshMarks() {
    TCustomForm* form = FCommands.Form();
    if (form && form->IsDesigning() && !form->IsDestroying())
        FOverlay->ShowHandles(*form, Selection().Controls());
    else
        FOverlay->Clear();
}

bool TFormDesigner::IsDesignMsg(TControl& sender, TMessage& message) {
    TCustomForm* form = GetParentForm(&sender);
    if (!form || form != FCommands.Form())
        return true;
    const TPoint at = form->ScreenToClient(sender.ClientToScreen(LParamToPoint(message.LParam)));
    try {
        switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            MouseDown(sender, at, (message.WParam & MK_SHIFT) != 0);
            break;
        case WM_MOUSEMOVE:
            if (FDrag.Active()) {
                FDrag.Move(at);
                RefreshMarks();
            }
            // The release went elsewhere (the mouse was taken away): the drag ends here.
            if (message.WParam & MK_LBUTTON)
                break;
            [[fallthrough]];
        case WM_LBUTTONUP:
            if (GetCaptureControl() == &sender)
                ReleaseCapture();
            if (FDrag.Active()) {
                FDrag.Finish(at);
                RefreshMarks();
            }
            break;
        case WM_RBUTTONDOWN:
            CancelPlacing();
            break;
        case WM_KEYDOWN:
            // A drag holds the controls it moves: no key but Escape, which gives it up, may
            // touch them under it.
            if (!FDrag.Active())
                KeyDown(static_cast<unsigned short>(message.WParam),
                        KeyDataToShiftState(message.LParam));
            else if (message.WParam == VK_ESCAPE) {
                ReleaseCapture();
                FDrag.Cancel();
                RefreshMarks();
            }
            break;
        default:
            break;
        }
    } catch (const Exception& e) {
        Application->ShowException(e);
    }
    return true;
}

void TFormDesigner::MouseDown(TControl& sender, TPoint at, bool shift) {
    if (FPlacing) {
        PlaceAt(sender, at);
        return;
    }
    TCustomForm& form = *FCommands.Form();
    if (const TDesignMark* mark = FOverlay->MarkOf(&sender)) {
        if (mark->Kind() == TDesignMark::TKind::Handle)
            FDrag.StartSize(*mark->Target, mark->Edges, at);
    } else if (&sender == &form) {
        if (!shift)
            Selection().Set({&form});
        FDrag.StartBand(at, shift);
    } else if (shift) {
        Selection().Toggle(&sender);
    } else {
        // A press on one of several selected keeps them all for a drag; on the one selected it
        // selects it again, so the gallery shows it afresh.
        if (!Selection().Contains(&sender) || Selection().Items().size() == 1)
            Selection().Set({&sender});
        FDrag.StartMove(at);
    }
    // The drag goes on wherever the pointer goes.
    if (FDrag.Active())
        SetCaptureControl(&sender);
}

// Into the control pressed when it takes controls (a panel), else into its parent; only the
// form's client area takes a placement.
void TFormDesigner::PlaceAt(TControl& sender, TPoint at) {
    TCustomForm& form = *FCommands.Form();
    if (!PtInRect(form.ClientRect(), at) || FOverlay->MarkOf(&sender))
        return;
    auto* parent = dynamic_cast<TWinControl*>(&sender);
    if (!parent || !(parent->ControlStyle() & csAcceptsControls))
        parent = sender.Parent();
    const TClassInfo& info = *FPlacing;
    FPlacing = nullptr;
    const TPoint point = parent->ScreenToClient(form.ClientToScreen(at));
    OnPlace(FCommands.Place(info, *parent, point));
}

void TFormDesigner::CancelPlacing() {
    if (!FPlacing)
        return;
    FPlacing = nullptr;
    OnCancelPlacing(nullptr);
}

void TFormDesigner::KeyDown(unsigned short key, TShiftState shift) {
    if (key == VK_ESCAPE)
        CancelPlacing();
    else if (key == VK_DELETE)
        FCommands.Delete();
    else if (!ArrowKey(key, shift))
        CommandKey(key, shift);
}

bool TFormDesigner::ArrowKey(unsigned short key, TShiftState shift) {
    TPoint step;
    switch (key) {
    case VK_LEFT:
        step = {-1, 0};
        break;
    case VK_RIGHT:
        step = {1, 0};
        break;
    case VK_UP:
        step = {0, -1};
        break;
    case VK_DOWN:
        step = {0, 1};
        break;
    default:
        return false;
    }
    if (shift.Contains(ssShift))
        FCommands.Grow(step);
    else if (shift.Contains(ssCtrl) && FCommands.Grid() > 1)
        FCommands.Nudge({step.x * FCommands.Grid(), step.y * FCommands.Grid()});
    else
        FCommands.Nudge(step);
    return true;
}

void TFormDesigner::CommandKey(unsigned short key, TShiftState shift) {
    if (!shift.Contains(ssCtrl))
        return;
    switch (key) {
    case 'C':
        FCommands.Copy();
        break;
    case 'X':
        FCommands.Cut();
        break;
    case 'V':
        FCommands.Paste();
        break;
    case 'D':
        FCommands.Duplicate();
        break;
    case 'Y':
        FCommands.Redo();
        break;
    case 'Z':
        if (shift.Contains(ssShift))
            FCommands.Redo();
        else
            FCommands.Undo();
        break;
    default:
        break;
    }
}
