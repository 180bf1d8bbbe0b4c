#pragma once
// TColorButton: a push button that paints its own face. The button window is owner-drawn, so
// the native button keeps tracking presses, focus and clicks and asks for its face through the
// parent's draw-item request, which comes back here as CN_DRAWITEM. The face has a colour of
// the designer's choice, a caption of one or several lines placed by alignments and offsets,
// one of three edge styles and an optional focus rectangle; the button also reports the mouse
// entering and leaving it.

#include "framework/core/Strings.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/Button.h"

#include <cstdint>
#include <memory>

// The edge: a classic bevel with the default-button frame, a thin edge shown only under the
// mouse or while pressed, or none.
enum TButtonStyle : std::uint8_t { bsStd, bsIELike, bsNone };
enum TNHAlignment : std::uint8_t { haLeft, haCenter, haRight };
enum TNVAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };

class TColorButton : public TButton {
    FRAMEWORK_CLASS(TColorButton)
    DECLARE_MESSAGE_MAP
public:
    explicit TColorButton(TComponent* owner);
    ~TColorButton() override;

    // Every setter compares, stores and invalidates; an equal value repaints nothing.

    // The caption's lines, drawn while Caption is empty. Changing the list in place does not
    // repaint; the setter copies the lines only when their text differs, and takes null for an
    // empty list.
    TStrings* CaptionLines() const { return FCaptionLines.get(); }
    void SetCaptionLines(const TStrings* value);
    TNHAlignment CapAlignH() const { return FCapAlignH; }
    void SetCapAlignH(TNHAlignment value) { Change(FCapAlignH, value); }
    TNVAlignment CapAlignV() const { return FCapAlignV; }
    void SetCapAlignV(TNVAlignment value) { Change(FCapAlignV, value); }
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetMBStyle(TButtonStyle value) { Change(FButtonStyle, value); }
    // False: in style bsStd a caption aligned to a side moves 1 pixel towards it while the
    // button shows neither the default-button frame nor the focus.
    bool CapFixed() const { return FCapFixed; }
    void SetCapFixed(bool value) { Change(FCapFixed, value); }
    bool Focusline() const { return FFocusline; }
    void SetFocusline(bool value) { Change(FFocusline, value); }
    int CapOffsetH() const { return FCapOffsetH; }
    void SetCapOffsetH(int value) { Change(FCapOffsetH, value); }
    int CapOffsetV() const { return FCapOffsetV; }
    void SetCapOffsetV(int value) { Change(FCapOffsetV, value); }
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { Change(FFrameColor, value); }
    TColor EdgeHighlight() const { return FEdgeHighlight; }
    void SetEdgeHighlight(TColor value) { Change(FEdgeHighlight, value); }
    TColor EdgeShadow() const { return FEdgeShadow; }
    void SetEdgeShadow(TColor value) { Change(FEdgeShadow, value); }

    // Raised when the mouse is taken to have entered or left the button.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // Stores whether the button is to look like the form's default button and repaints at once
    // when that changes. The inherited hook is not called: it would set a push-button style on
    // the window and so end owner drawing.
    void SetButtonStyle(bool ADefault) override;

    // Where the caption goes for a text textHeight pixels high, pressed or focused as given.
    TRect CaptionBox(int textHeight, bool pressed, bool focused) const;

protected:
    void CreateParams(TCreateParams& params) override;
    // The caption's offsets and the distances below, with the bounds and the font.
    void ChangeScale(int m, int d) override;
    // Paints the whole face for every request, off screen, and copies it to the request's DC.
    void DrawItem(const DRAWITEMSTRUCT& item);

    void CNDrawItem(TWMDrawItem& message);
    void CNMeasureItem(TWMMeasureItem& message);
    void CMEnabledChanged(TMessage& message);
    void WMLButtonDblClk(TWMMouse& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void WMMMove(TWMMouse& message);

private:
    template <class V> void Change(V& field, V value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    // The left button went down on the button and nothing else is going on.
    bool OnlyLeftButtonHeld() const { return ControlState() == csLButtonDown; }
    // Caption, or while it is empty the lines joined by CR LF.
    std::string CaptionText() const;
    void DrawCaption(TCanvas& canvas, bool pressed, bool focused) const;
    void DrawEdges(TCanvas& canvas, bool pressed, bool focused) const;
    void DrawFocusLine(TCanvas& canvas, bool focused) const;

    std::unique_ptr<TStringList> FCaptionLines;
    TNHAlignment FCapAlignH = haCenter;
    TNVAlignment FCapAlignV = vaCenter;
    TButtonStyle FButtonStyle = bsStd;
    bool FCapFixed = true;
    bool FFocusline = true;
    int FCapOffsetH = 0;
    int FCapOffsetV = 0;
    // Distances in pixels from the edges: the caption's from the one it is aligned to, the
    // focus line's for bsStd and bsIELike.
    struct TInsets {
        int CaptionTop = 4;
        int CaptionBottom = 5;
        int CaptionSide = 5;
        int FocusStd = 4;
        int FocusIELike = 2;
    };
    TInsets FInsets;
    TColor FFrameColor = clWindowFrame;
    TColor FEdgeHighlight = clBtnHighlight;
    TColor FEdgeShadow = clBtnShadow;
    bool FDefaultLook = false;
    bool FMouseInside = false;
};

namespace ColorBtn {
// Puts TColorButton on the design environment's palette page "Custom".
void Register();
} // namespace ColorBtn
