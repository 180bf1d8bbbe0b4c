#pragma once
// TDesignOverlay: what the designer draws over the designed form: eight grab handles around each
// selected control, guide lines where a dragged edge lines up with a sibling's, and the rubber
// band. Each mark is a small window of its own on top of the form's children, so that no control
// covers it; the marks belong to the overlay, not to the form, so the form writer leaves them
// out.

#include "framework/core/Component.h"
#include "framework/windows/CustomControl.h"
#include "tools/gallery/DesignGeometry.h"

#include <vector>

class TDesignMark : public TCustomControl {
    FRAMEWORK_CLASS(TDesignMark)
public:
    enum class TKind { Handle, Guide, Band };

    TDesignMark(TComponent* owner, TKind kind);

    TKind Kind() const { return FKind; }
    // A handle's control and the TGrabEdge bits it moves.
    TControl* Target = nullptr;
    unsigned Edges = 0;

protected:
    void Paint() override;

private:
    TKind FKind;
};

class TDesignOverlay : public TComponent {
    FRAMEWORK_CLASS(TDesignOverlay)
public:
    explicit TDesignOverlay(TComponent* owner) : TComponent(owner) {}

    // Replaces the handles with those of controls on form; the first control's are dark, the
    // others' grey, as only they follow it in align commands.
    void ShowHandles(TWinControl& form, const std::vector<TControl*>& controls);
    // Replaces the guide lines, rectangles in form's client coordinates.
    void ShowGuides(TWinControl& form, const std::vector<TRect>& lines);
    // An empty rectangle takes the band away.
    void ShowBand(TWinControl& form, const TRect& band);
    void Clear();

    // The mark that control is, or null.
    const TDesignMark* MarkOf(const TControl* control) const;
    std::vector<const TDesignMark*> Handles() const;

private:
    std::vector<TDesignMark*> Marks(TDesignMark::TKind kind) const;
    void Remove(TDesignMark::TKind kind);
    TDesignMark* Add(TWinControl& form, TDesignMark::TKind kind, const TRect& rect, TColor color);
};

// The bounds of control in form's client coordinates, whatever it is nested in.
TRect FormRect(const TWinControl& form, const TControl& control);
