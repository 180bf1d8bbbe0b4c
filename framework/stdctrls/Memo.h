#pragma once
// TMemo: a multi-line text box drawn by the framework: lines of text, a caret, a selection made
// with the mouse or the keyboard, copying and pasting through the clipboard, typing unless
// read-only, and scroll bars (the vertical one always shown with ssVertical, inactive until the
// lines overflow). Lines added by a program keep the newest line in view.

#include "framework/core/Events.h"
#include "framework/core/Strings.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/TextDocument.h"
#include "framework/stdctrls/ScrollBar.h"
#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/windows/CustomControl.h"

#include <memory>
#include <string>

class TCustomMemo : public TCustomControl {
    FRAMEWORK_CLASS(TCustomMemo)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    // Changes through the list repaint the memo, raise OnChange and move the caret after the
    // change, scrolling it into view.
    TStrings* Lines() const { return FLines.get(); }
    // The whole text, lines joined with CR LF.
    std::string MemoText() const { return FDocument.Text(); }
    void SetMemoText(const std::string& text);

    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Enter types a line break rather than pressing the form's default button.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    // The selection shows only while the memo has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    // Typing stops at this many bytes; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }

    // --- selection, as byte offsets into MemoText
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection (unless read-only, which a program's call ignores too).
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();

    // The caret and the other end of the selection.
    TTextPos CaretPos() const { return FCaret; }
    TTextPos AnchorPos() const { return FAnchor; }
    // The first line shown, and the pixels scrolled to the right.
    int TopLine() const { return FTopLine; }
    void SetTopLine(int value);
    int LeftOffset() const { return FLeftOffset; }
    // Lines that fit whole in the text area.
    int VisibleLines() const;
    // Scrolls the caret into view.
    void ScrollCaret();

    TNotifyEvent OnChange;

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

    void WMHScroll(TMessage& message);
    void WMVScroll(TMessage& message);
    void WMPaint(TWMPaint& message);
    void WMSize(TWMSize& message);
    void CMFontChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);

private:
    friend class TMemoStrings;
    // The document changed: scroll bars, repaint, OnChange.
    void Changed();
    void UpdateScrollBars();
    int LineHeight() const;
    int TextX(int line, int col) const;
    TTextPos PosAt(int x, int y) const;
    TRect TextArea() const;
    TRect CaretRect() const;
    void MoveCaret(TTextPos pos, bool extend);
    // Replaces the selection with text; true when anything changed.
    bool ReplaceSelection(std::string_view text);
    int OffsetOf(TTextPos pos) const;
    TTextPos PosOf(int offset) const;
    void KeyNavigate(unsigned short key, TShiftState shift);
    void TypeChar(char c);
    void ShowCaret(bool visible);

    TTextDocument FDocument;
    std::unique_ptr<TStrings> FLines;
    TWindowScrollBars FBars{*this};
    mutable TCanvas FMeasure; // measures text in the memo's font
    TScrollStyle FScrollBars = ssNone;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FReadOnly = false;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FHideSelection = true;
    int FMaxLength = 0;
    TTextPos FCaret;
    TTextPos FAnchor;
    int FDesiredX = -1; // where up and down keep the caret, in document pixels
    int FTopLine = 0;
    int FLeftOffset = 0;
    bool FSelecting = false;
    bool FCaretShown = false;
};

class TMemo : public TCustomMemo {
    FRAMEWORK_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};
