#pragma once
// TxGauge: a passive progress gauge. A bar fills from the left in proportion to Position within
// Min..Max; the percentage, centred, changes colour exactly at the edge of the fill; one of five
// frames surrounds it. Each picture is composed off screen and copied in one piece.

#include "framework/graphics/Types.h"
#include "framework/windows/GraphicControl.h"

#include <cstdint>

class TBitmap;

enum TGaugeBorders : std::uint8_t { gbNone, gbSingle, gbSunken, gbDeepSunken, gbRaised };

class TxGauge : public TGraphicControl {
    FRAMEWORK_CLASS(TxGauge)
public:
    explicit TxGauge(TComponent* owner);

    // These setters do nothing for the value already held, else store it and repaint at once.
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    // The fill left of the bar edge, and right of it.
    TColor BarForeColor() const { return FBarForeColor; }
    void SetBarForeColor(TColor value);
    TColor BarBackColor() const { return FBarBackColor; }
    void SetBarBackColor(TColor value);
    // The text where it lies over the remaining part, and over the filled part.
    TColor TextForeColor() const { return FTextForeColor; }
    void SetTextForeColor(TColor value);
    TColor TextBackColor() const { return FTextBackColor; }
    void SetTextBackColor(TColor value);
    TGaugeBorders Border() const { return FBorder; }
    void SetBorderStyle(TGaugeBorders value);

    // Min is pulled down to Max, Max up to Min; both pull Position into the range. An equal
    // value does nothing.
    int Min() const { return FMin; }
    void SetMinValue(int value);
    int Max() const { return FMax; }
    void SetMaxValue(int value);
    // Clamped to the range; repaints even when unchanged.
    int Position() const { return FPosition; }
    void SetPosition(int value);

protected:
    void Paint() override;

private:
    template <class V> void Change(V& field, V value);
    void CalculatePercentDone();
    void CalculatePixelWidth();
    void PaintBar(TBitmap* bitmap);
    void PaintText(TBitmap* bitmap);
    void PaintBorder(TBitmap* bitmap);

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    bool FShowText = true;
    TGaugeBorders FBorder = gbSunken;
    TColor FBarForeColor = clHighlight;
    TColor FBarBackColor = clBtnFace;
    TColor FTextForeColor = clHighlight;
    TColor FTextBackColor = clBtnFace;

    // Worked out at the start of each paint; meaningless between paints.
    float FPercentDone = 0.0f; // single precision: one third shows as 33%, fills 49 of 150
    int FPixelWidth = 0;
    TRect FBarRect{};
    TRect FBackRect{};
};

namespace xGauge {
// Puts TxGauge on the palette page "Custom" of the installed design environment.
void Register();
} // namespace xGauge
