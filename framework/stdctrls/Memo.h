#pragma once
// TMemo: a multi-line text box drawn by the framework: the edit box's text editor in its
// multi-line mode (caret, selection, keys and mouse, clipboard commands, one level of undo),
// lines of text on screen, and scroll bars (the vertical one always shown with ssVertical,
// inactive until the lines overflow). Lines added by a program keep the newest line in view.

#include "framework/core/Events.h"
#include "framework/core/Strings.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/ScrollBar.h"
#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/stdctrls/TextEditor.h"
#include "framework/windows/CustomControl.h"

#include <memory>
#include <string>

class TCustomMemo : public TCustomControl, private TTextEditorClient {
    FRAMEWORK_CLASS(TCustomMemo)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    // Changes through the list repaint the memo, raise OnChange and move the caret after the
    // change, scrolling it into view.
    TStrings* Lines() const { return FLines.get(); }
    // The whole text, lines joined with CR LF.
    std::string MemoText() const { return FEditor.Text(); }
    void SetMemoText(const std::string& text);

    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool ReadOnly() const { return FEditor.ReadOnly(); }
    void SetReadOnly(bool value) { FEditor.SetReadOnly(value); }
    // Enter types a line break rather than pressing the form's default button.
    bool WantReturns() const { return FEditor.WantReturns(); }
    void SetWantReturns(bool value) { FEditor.SetWantReturns(value); }
    bool WantTabs() const { return FEditor.WantTabs(); }
    void SetWantTabs(bool value) { FEditor.SetWantTabs(value); }
    // The selection shows only while the memo has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    // The most bytes typing and pasting may bring the text to; 0 for no limit.
    int MaxLength() const { return FEditor.MaxLength(); }
    void SetMaxLength(int value) { FEditor.SetMaxLength(value); }

    // --- selection, as byte offsets into MemoText
    int SelStart() const { return FEditor.SelStart(); }
    void SetSelStart(int value) { FEditor.SelectOffsets(value, value); }
    int SelLength() const { return FEditor.SelLength(); }
    void SetSelLength(int value) { FEditor.SetSelLength(value); }
    std::string SelText() const { return FEditor.SelText(); }
    // Replaces the selection, also in a read-only memo (read-only stops the user only).
    void SetSelText(const std::string& text) { FEditor.ReplaceSelection(text); }
    void SelectAll() { FEditor.SelectAll(); }
    // These send WM_CLEAR, WM_COPY, WM_CUT and WM_PASTE, as the keyboard's commands do.
    void ClearSelection() { Perform(WM_CLEAR); }
    void CopyToClipboard() { Perform(WM_COPY); }
    void CutToClipboard() { Perform(WM_CUT); }
    void PasteFromClipboard() { Perform(WM_PASTE); }
    bool CanUndo() const { return FEditor.CanUndo(); }
    // Swaps the text with the one before the user's last edit.
    void Undo() { Perform(WM_UNDO); }
    // Set by every change the user makes, cleared when the program assigns the text.
    bool Modified() const { return FEditor.Modified(); }
    void SetModified(bool value) { FEditor.SetModified(value); }

    // The caret and the other end of the selection.
    TTextPos CaretPos() const { return FEditor.Caret(); }
    TTextPos AnchorPos() const { return FEditor.Anchor(); }
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
    // TTextEditorClient
    void TextEdited() override;
    void SelectionMoved() override;
    void SendCommand(UINT message) override { Perform(message); }

    const TTextDocument& Document() const { return FEditor.Document(); }
    // The document changed: scroll bars, repaint, OnChange.
    void Changed();
    void UpdateScrollBars();
    int LineHeight() const;
    int TextX(int line, int col) const;
    TTextPos PosAt(int x, int y) const;
    TRect TextArea() const;
    TRect CaretRect() const;
    // Up, Down, Page Up and Page Down: the caret keeps its x across lines.
    bool VerticalMove(const TWMKey& message);
    void ShowCaret(bool visible);

    TTextEditor FEditor{*this, true};
    std::unique_ptr<TStrings> FLines;
    TWindowScrollBars FBars{*this};
    mutable TCanvas FMeasure; // measures text in the memo's font
    TScrollStyle FScrollBars = ssNone;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FHideSelection = true;
    int FDesiredX = -1; // where up and down keep the caret, in document pixels
    int FTopLine = 0;
    int FLeftOffset = 0;
    bool FCaretShown = false;
};

class TMemo : public TCustomMemo {
    FRAMEWORK_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};
