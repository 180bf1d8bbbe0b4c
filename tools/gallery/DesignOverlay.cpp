#include "tools/gallery/DesignOverlay.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"

#include <limits>

namespace {

constexpr int HandleSize = 6;

constexpr unsigned HandleEdges[] = {geLeft | geTop,    geTop,    geRight | geTop,   geLeft, geRight,
                                    geLeft | geBottom, geBottom, geRight | geBottom};

TCursor CursorOf(unsigned edges) {
    switch (edges) {
    case geLeft | geTop:
    case geRight | geBottom:
        return crSizeNWSE;
    case geRight | geTop:
    case geLeft | geBottom:
        return crSizeNESW;
    case geLeft:
    case geRight:
        return crSizeWE;
    default:
        return crSizeNS;
    }
}

// One coordinate of a handle: at the low edge, the middle or the high edge.
int HandleAt(int low, int high, bool lowEdge, bool highEdge) {
    const int centre = lowEdge ? low : highEdge ? high - 1 : (low + high) / 2;
    return centre - HandleSize / 2;
}

} // namespace

const TClassInfo& TDesignMark::StaticClass() {
    static const TClassInfo info = DescribeClass<TDesignMark>(
        "TDesignMark", &TCustomControl::StaticClass(), [](TClassBuilder<TDesignMark>&) {});
    return info;
}

TDesignMark::TDesignMark(TComponent* owner, TKind kind) : TCustomControl(owner), FKind(kind) {
    // The designer gets the marks' input, so that pressing a handle sizes its control.
    SetDesigning(true);
}

void TDesignMark::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
}

const TClassInfo& TDesignOverlay::StaticClass() {
    static const TClassInfo info = DescribeClass<TDesignOverlay>(
        "TDesignOverlay", &TComponent::StaticClass(), [](TClassBuilder<TDesignOverlay>&) {});
    return info;
}

void TDesignOverlay::ShowHandles(TWinControl& form, const std::vector<TControl*>& controls) {
    // The marks are kept and moved rather than made anew: the one being dragged holds the mouse.
    std::vector<TDesignMark*> marks = Marks(TDesignMark::TKind::Handle);
    const std::size_t needed = controls.size() * std::size(HandleEdges);
    for (; marks.size() > needed; marks.pop_back())
        delete marks.back();
    while (marks.size() < needed)
        marks.push_back(Add(form, TDesignMark::TKind::Handle, {}, clBlack));
    auto mark = marks.begin();
    for (TControl* control : controls) {
        const TRect r = FormRect(form, *control);
        for (unsigned edges : HandleEdges) {
            const int x = HandleAt(r.Left, r.Right, edges & geLeft, edges & geRight);
            const int y = HandleAt(r.Top, r.Bottom, edges & geTop, edges & geBottom);
            TDesignMark& handle = **mark++;
            handle.Target = control;
            handle.Edges = edges;
            handle.SetCursor(CursorOf(edges));
            handle.SetColor(control == controls.front() ? clBlack : clGray);
            handle.SetBoundsRect(Bounds(x, y, HandleSize, HandleSize));
            handle.BringToFront();
            // Last in the tab order too, so that the form's controls keep the numbers they store.
            handle.SetTabOrder(std::numeric_limits<int>::max());
        }
    }
}

void TDesignOverlay::ShowGuides(TWinControl& form, const std::vector<TRect>& lines) {
    Remove(TDesignMark::TKind::Guide);
    for (const TRect& line : lines)
        Add(form, TDesignMark::TKind::Guide, line, clBlue);
}

void TDesignOverlay::ShowBand(TWinControl& form, const TRect& band) {
    Remove(TDesignMark::TKind::Band);
    if (band.IsEmpty())
        return;
    const TRect edges[] = {Rect(band.Left, band.Top, band.Right, band.Top + 1),
                           Rect(band.Left, band.Bottom - 1, band.Right, band.Bottom),
                           Rect(band.Left, band.Top, band.Left + 1, band.Bottom),
                           Rect(band.Right - 1, band.Top, band.Right, band.Bottom)};
    for (const TRect& edge : edges)
        Add(form, TDesignMark::TKind::Band, edge, clBlack);
}

void TDesignOverlay::Clear() {
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
}

const TDesignMark* TDesignOverlay::MarkOf(const TControl* control) const {
    for (int i = 0; i < ComponentCount(); ++i)
        if (Components(i) == control)
            return static_cast<const TDesignMark*>(control);
    return nullptr;
}

std::vector<const TDesignMark*> TDesignOverlay::Handles() const {
    const std::vector<TDesignMark*> handles = Marks(TDesignMark::TKind::Handle);
    return {handles.begin(), handles.end()};
}

std::vector<TDesignMark*> TDesignOverlay::Marks(TDesignMark::TKind kind) const {
    std::vector<TDesignMark*> marks;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* mark = static_cast<TDesignMark*>(Components(i)); mark->Kind() == kind)
            marks.push_back(mark);
    return marks;
}

void TDesignOverlay::Remove(TDesignMark::TKind kind) {
    for (TDesignMark* mark : Marks(kind))
        delete mark;
}

TDesignMark* TDesignOverlay::Add(TWinControl& form, TDesignMark::TKind kind, const TRect& rect,
                                 TColor color) {
    auto* mark = new TDesignMark(this, kind);
    mark->SetColor(color);
    mark->SetBoundsRect(rect);
    mark->SetParent(&form);
    return mark;
}

TRect FormRect(const TWinControl& form, const TControl& control) {
    const TRect bounds = control.BoundsRect();
    if (!control.Parent() || control.Parent() == &form)
        return bounds;
    const TPoint origin = form.ScreenToClient(control.Parent()->ClientToScreen(bounds.TopLeft()));
    return Bounds(origin.x, origin.y, bounds.Width(), bounds.Height());
}
