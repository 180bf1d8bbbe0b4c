#pragma once
// TScrollBox: a bordered container whose scroll bars appear when its children reach beyond it.
// Scrolling moves the children (a scrolled child's Left and Top become negative), so a child's
// own coordinates never change. TControlScrollBar is one of its two bars as stored forms and
// programs see it.

#include "framework/core/Component.h"
#include "framework/stdctrls/ScrollBar.h"
#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/windows/WinControl.h"

#include <algorithm>
#include <cstdint>
#include <memory>

class TScrollBox;

class TControlScrollBar : public TPersistent {
    FRAMEWORK_CLASS(TControlScrollBar)
public:
    TControlScrollBar(TScrollBox& control, TScrollBarKind kind) : FControl(control), FKind(kind) {}

    TScrollBarKind Kind() const { return FKind; }
    // Pixels an arrow click scrolls; with Smooth, a tenth of a page click's.
    int Increment() const { return FIncrement; }
    void SetIncrement(int value);
    // Pixels a page click scrolls: nine tenths of what is visible.
    int PageIncrement() const { return FPageIncrement; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    // The length of each arrow button; 0 for the bar's thickness.
    int ButtonSize() const { return FButtonSize; }
    void SetButtonSize(int value);
    // Extra pixels scrolled in beyond the farthest child.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    // The scrolled extent: with the box's AutoScroll, the extent of its children.
    int Range() const { return FRange; }
    void SetRange(int value);
    // Pixels scrolled, 0 .. Range - the visible size.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // The thumb dragged scrolls at once, not only when it is let go.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool value) { FTracking = value; }
    // Allowed to show (and to scroll); it shows only when there is something to scroll.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Showing now.
    bool IsScrollBarVisible() const;

    void Assign(const TPersistent* source) override;

private:
    friend class TScrollBox;
    // Reacts to the bar's WM_HSCROLL or WM_VSCROLL.
    void ScrollMessage(TScrollCode code, int position);
    void MoveBy(std::int64_t delta);
    // After the visible size changed.
    void Update(int visibleSize);
    // A bar that may not show scrolls nothing.
    int MaxPosition() const { return FVisible ? std::max(FRange - FVisibleSize, 0) : 0; }

    TScrollBox& FControl;
    TScrollBarKind FKind;
    int FIncrement = 8;
    int FPageIncrement = 80;
    bool FSmooth = false;
    int FButtonSize = 0;
    int FMargin = 0;
    int FRange = 0;
    int FPosition = 0;
    bool FTracking = false;
    bool FVisible = true;
    int FVisibleSize = 0;
};

class TScrollBox : public TWinControl {
    FRAMEWORK_CLASS(TScrollBox)
    DECLARE_MESSAGE_MAP
public:
    explicit TScrollBox(TComponent* owner);
    ~TScrollBox() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    // The ranges follow the extent of the children.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);
    // bsSingle: a sunken edge; a change recreates the window.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // Moves every child by (dx, dy).
    void ScrollBy(int dx, int dy);
    // Shows and hides the bars and sets their ranges for the children and the box's size.
    void UpdateScrollBars();

    void WndProc(TMessage& message) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void AlignControls(TControl* control, TRect& rect) override;

    void WMHScroll(TMessage& message);
    void WMVScroll(TMessage& message);
    void WMPaint(TWMPaint& message);
    void WMSize(TWMSize& message);
    void CMEnabledChanged(TMessage& message);

private:
    friend class TControlScrollBar;
    // The children's extent along one axis, in unscrolled coordinates.
    int ContentExtent(TScrollBarKind kind) const;
    TControlScrollBar& Bar(TScrollBarKind kind) const {
        return kind == sbHorizontal ? *FHorzScrollBar : *FVertScrollBar;
    }
    int EdgeWidth() const { return FBorderStyle == TBorderStyle::bsSingle ? 2 : 0; }
    void ShowPosition(TScrollBarKind kind);

    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    TWindowScrollBars FBars{*this};
    bool FAutoScroll = true;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FUpdatingBars = false;
    bool FScrolling = false;
};
