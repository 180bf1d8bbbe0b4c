#pragma once
// TLabel: a line (or, word-wrapped, lines) of text on its parent, sized to the text while
// AutoSize is on; an '&' marks the accelerator that focuses FocusControl.

#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/windows/GraphicControl.h"

class TCustomLabel : public TGraphicControl {
    FRAMEWORK_CLASS(TCustomLabel)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomLabel(TComponent* owner);

    // Each setter that changes what the text needs resizes an auto-sized label and repaints.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    // A transparent label paints no background: its parent shows through around the text.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The control the accelerator focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);

    void Loaded() override;

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Sizes the label to its text (keeping the right edge of a right-justified one).
    void AdjustBounds();

    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMDialogChar(TWMKey& message);

private:
    unsigned TextFlags() const;
    void DrawCaption(TCanvas& canvas, TRect& rect, unsigned flags) const;

    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    FRAMEWORK_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
