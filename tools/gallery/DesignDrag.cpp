#include "tools/gallery/DesignDrag.h"

#include "framework/forms/Form.h"
#include "tools/gallery/DesignCommands.h"
#include "tools/gallery/DesignGeometry.h"
#include "tools/gallery/DesignOverlay.h"
#include "tools/gallery/DesignSelection.h"

#include <algorithm>

namespace {

TRect Normalized(TPoint a, TPoint b) {
    return Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

bool Within(const TControl* control, const TControl* ancestor) {
    for (; control; control = control->Parent())
        if (control == ancestor)
            return true;
    return false;
}

} // namespace

TWinControl& TDesignDrag::Form() const {
    return *FCommands.Form();
}

void TDesignDrag::StartMove(TPoint at) {
    FKind = TKind::Move;
    FFrom = at;
    FStarts.clear();
    for (TControl* control : FCommands.Selection().Controls())
        FStarts.push_back({control, control->BoundsRect()});
}

void TDesignDrag::StartSize(TControl& target, unsigned edges, TPoint at) {
    FKind = TKind::Size;
    FFrom = at;
    FEdges = edges;
    FStarts = {{&target, target.BoundsRect()}};
}

void TDesignDrag::StartBand(TPoint at, bool adding) {
    FKind = TKind::Band;
    FFrom = at;
    FAdding = adding;
    FStarts.clear();
}

void TDesignDrag::Move(TPoint at) {
    const TPoint delta{at.x - FFrom.x, at.y - FFrom.y};
    const int grid = FCommands.Grid();
    switch (FKind) {
    case TKind::None:
        return;
    case TKind::Move:
        MoveTo(at);
        break;
    case TKind::Size:
        FStarts.front().Control->SetBoundsRect(
            SizedRect(FStarts.front().Bounds, FEdges, delta, grid));
        ShowGuides(*FStarts.front().Control);
        break;
    case TKind::Band:
        FOverlay.ShowBand(Form(), Normalized(FFrom, at));
        break;
    }
}

void TDesignDrag::MoveTo(TPoint at) {
    if (FStarts.empty())
        return;
    const TRect& first = FStarts.front().Bounds;
    const TRect moved = MovedRect(first, {at.x - FFrom.x, at.y - FFrom.y}, FCommands.Grid());
    for (const TStart& start : FStarts) {
        TRect bounds = start.Bounds;
        OffsetRect(bounds, moved.Left - first.Left, moved.Top - first.Top);
        start.Control->SetBoundsRect(bounds);
    }
    ShowGuides(*FStarts.front().Control);
}

void TDesignDrag::ShowGuides(const TControl& moving) {
    std::vector<TRect> siblings;
    const TWinControl* parent = moving.Parent();
    for (int i = 0; parent && i < parent->ControlCount(); ++i) {
        const TControl* sibling = parent->Controls(i);
        if (!FOverlay.MarkOf(sibling) && sibling->Visible() &&
            std::none_of(FStarts.begin(), FStarts.end(),
                         [&](const TStart& s) { return s.Control == sibling; }))
            siblings.push_back(FormRect(Form(), *sibling));
    }
    FOverlay.ShowGuides(Form(), GuideLines(FormRect(Form(), moving), siblings));
}

void TDesignDrag::Finish(TPoint at) {
    Move(at);
    if (FKind == TKind::Move && at != FFrom)
        DropInto(at);
    else if (FKind == TKind::Band)
        SelectBand(at);
    End();
    FCommands.Commit();
}

void TDesignDrag::Cancel() {
    for (const TStart& start : FStarts)
        start.Control->SetBoundsRect(start.Bounds);
    End();
}

void TDesignDrag::End() {
    FKind = TKind::None;
    FStarts.clear();
    FOverlay.ShowGuides(Form(), {});
    FOverlay.ShowBand(Form(), {});
}

// The innermost container under the point that is not one of those moved or nested in them
// becomes their parent, keeping their place on the form.
void TDesignDrag::DropInto(TPoint at) {
    TWinControl* target = &Form();
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (int i = target->ControlCount() - 1; i >= 0; --i) {
            auto* child = dynamic_cast<TWinControl*>(target->Controls(i));
            if (!child || FOverlay.MarkOf(child) || !child->Visible() ||
                !(child->ControlStyle() & csAcceptsControls) ||
                !PtInRect(FormRect(Form(), *child), at) ||
                std::any_of(FStarts.begin(), FStarts.end(),
                            [&](const TStart& s) { return Within(child, s.Control); }))
                continue;
            target = child;
            deeper = true;
            break;
        }
    }
    const TPoint origin = Form().ScreenToClient(target->ClientToScreen({0, 0}));
    for (const TStart& start : FStarts) {
        TControl& control = *start.Control;
        if (control.Parent() == target)
            continue;
        const TRect onForm = FormRect(Form(), control);
        control.SetParent(target);
        control.SetBoundsRect(
            Bounds(onForm.Left - origin.x, onForm.Top - origin.y, onForm.Width(), onForm.Height()));
    }
}

void TDesignDrag::SelectBand(TPoint at) {
    const TRect band = Normalized(FFrom, at);
    if (band.IsEmpty())
        return;
    std::vector<TComponent*> touched;
    if (FAdding)
        touched = FCommands.Selection().Items();
    for (int i = 0; i < Form().ControlCount(); ++i) {
        TControl* control = Form().Controls(i);
        if (!FOverlay.MarkOf(control) && control->Visible() &&
            !IntersectRect(band, FormRect(Form(), *control)).IsEmpty())
            touched.push_back(control);
    }
    std::erase(touched, static_cast<TComponent*>(&Form()));
    // A band that touches nothing leaves the form selected, as the press did.
    if (!touched.empty())
        FCommands.Selection().Set(touched);
}
