#pragma once
// TStrokeBar: a horizontal bar showing Value within Min..Max, which the user sets by stroking
// the pointer over it. Moving into the bar band captures the mouse; the end of the bar then
// follows the pointer (raising OnChanging) until a left click commits or a right click cancels.
// Around the bar: a caption, the two limits, the value in inverse colours and up to two bevels.

#include "framework/windows/CustomControl.h"

#include <cstdint>
#include <string>

enum TStrokeBarBevel : std::uint8_t { sbNone, sbLowered, sbRaised };

class TStrokeBar : public TCustomControl {
    FRAMEWORK_CLASS(TStrokeBar)
    DECLARE_MESSAGE_MAP
public:
    explicit TStrokeBar(TComponent* owner);
    ~TStrokeBar() override;

    // Every setter stores, clamps and draws at once, also when the value is unchanged. A "full
    // repaint" redraws the whole control, a "bar repaint" only the bar band.

    // The control's own caption text, not the window text; full repaint.
    std::string GetCaption() const { return FCaptionText; }
    void SetCaption(const std::string& value);
    bool ShowLimit() const { return FShowLimit; }
    void SetShowLimit(bool value);
    bool ShowValue() const { return FShowValue; }
    void SetShowValue(bool value);
    // Each margin is lowered so that the two never overlap; neither has a lower bound.
    int MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int value);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int value);
    // Max is raised to Min, Min lowered to Max; both pull Value into the range but leave the
    // committed value (what a cancel restores) alone.
    int Max() const { return FMax; }
    void SetMax(int value);
    int Min() const { return FMin; }
    void SetMin(int value);
    // Clamped to the range; becomes the committed value. Raises no event.
    int Value() const { return FValue; }
    void SetValue(int value);
    TColor BackBarColor() const { return FBackBarColor; }
    void SetBackBarColor(TColor value);
    TColor BackGroundColor() const { return FBackGroundColor; }
    void SetBackGroundColor(TColor value);
    TColor BarColor() const { return FBarColor; }
    void SetBarColor(TColor value);
    // The bar's colour while it follows the pointer.
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    TStrokeBarBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TStrokeBarBevel value);
    TStrokeBarBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TStrokeBarBevel value);
    void SetEnabled(bool value) override;
    // The framework's font setter, then the canvas takes the font; full repaint. The canvas
    // font changes nowhere else but in Loaded and ChangeScale.
    void SetFont(const TFont* font);
    // Recomputes the bar position from Value; full repaint. Other size changes do neither.
    void SetWidth(int value);
    // The column just right of the filled part of the bar.
    int BarEnd() const { return FXPos; }

    // Raised on every pointer move while tracking, after Value and the bar have changed.
    TNotifyEvent OnChanging;

    void Loaded() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    // The margins and the font; the bar goes where the value belongs at the scaled width.
    void ChangeScale(int m, int d) override;

private:
    void CMMouseLeave(TMessage& message);
    void EnterMouse();
    void CalcValue();
    void CalcXPos();
    void SetXPos(int x);
    void DrawStroke(TColor color);
    void DrawBar(TColor color);
    void DrawBevel(int inset, TStrokeBarBevel style);
    // Height - MarginBottom: the row below the bar band.
    int BandBottom() const;

    std::string FCaptionText;
    bool FShowLimit = true;
    bool FShowValue = true;
    int FMarginBottom = 16;
    int FMarginTop = 16;
    int FMax = 100;
    int FMin = 0;
    int FValue = 0;
    TColor FBackBarColor = clWhite;
    TColor FBackGroundColor = clWindow;
    TColor FBarColor = clNavy;
    TColor FHighlightColor = clBlue;
    TStrokeBarBevel FBevelInner = sbNone;
    TStrokeBarBevel FBevelOuter = sbNone;

    int FXPos = 0;           // the filled part covers columns 0 .. FXPos - 1
    int FCommittedValue = 0; // what a right click restores
    bool FTracking = false;  // the mouse is captured and the bar follows the pointer
    bool FEntered = false;   // tracking started and no mouse-leave has come since, out of it
};

namespace StrokeBar {
// Puts TStrokeBar on the palette page "Custom" of the installed design environment.
void Register();
} // namespace StrokeBar
