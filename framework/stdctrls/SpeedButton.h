#pragma once
// TSpeedButton: a windowless tool button with a glyph and a caption. A flat one shows no edge
// until the pointer is over it; every one looks sunken while pressed and clicks on a release
// inside. With a GroupIndex it stays down, one button of its group at a time.

#include "framework/graphics/Bitmap.h"
#include "framework/windows/GraphicControl.h"

#include <memory>
#include <string>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline const std::vector<std::string> ButtonLayoutNames{"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                        "blGlyphBottom"};

// The look a speed button is painted in.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
    FRAMEWORK_CLASS(TSpeedButton)
    DECLARE_MESSAGE_MAP
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    // NumGlyphs images side by side: normal, disabled, pressed, down. The colour of the
    // bottom-left pixel is transparent. A glyph whose width is 2 to 4 times its height sets
    // NumGlyphs to that multiple.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* glyph);
    // The embedded resource the glyph was loaded from in a stored form.
    const std::string& GlyphResource() const { return FGlyphResource; }
    void SetGlyphResource(const std::string& name);
    // 1 to 4.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // Paints no background where there is no edge: the parent shows through.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // Pixels from the edge to the glyph; -1 centres glyph and caption together.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    // Pixels between glyph and caption; -1 spreads them evenly.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);

    // Buttons of one non-zero group index on one parent stay down one at a time.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // The down button of a group may be clicked up again.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);

    // What Paint shows now.
    TButtonState State() const { return FState; }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    // The margin and spacing; a glyph from a resource is loaded again for the new scale.
    void ChangeScale(int m, int d) override;

    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMButtonPressed(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMDialogChar(TWMKey& message);
    void WMLButtonDblClk(TWMMouse& message);

private:
    void GlyphChanged(TObject*);
    // The pointer is over the button now (the hover check may not have run yet).
    void UpdateTracking();
    // Tells the other buttons of the group that this one went down.
    void UpdateExclusive();
    bool InClient(int x, int y) const { return PtInRect(ClientRect(), {x, y}); }
    void DrawGlyph(TCanvas& canvas, TPoint at) const;
    void DrawCaption(TCanvas& canvas, TRect bounds) const;

    std::unique_ptr<TBitmap> FGlyph;
    std::string FGlyphResource;
    int FNumGlyphs = 1;
    bool FFlat = false;
    bool FTransparent = true;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    TButtonState FState = bsUp;
    bool FDragging = false;
    bool FMouseInControl = false;
};
