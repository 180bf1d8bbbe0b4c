#pragma once
// Single-line edit boxes. TCustomEdit is the native edit window: a single-line text editor
// (text, caret and selection, keys and mouse, clipboard commands, one level of undo, length
// limit) and its look (a sunken 3-D edge by default). TEdit publishes Text.

#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/stdctrls/TextEditor.h"
#include "framework/windows/WinControl.h"

#include <cstdint>
#include <string>

// Edit window styles.
enum : std::uint32_t {
    ES_UPPERCASE = 0x0008,
    ES_LOWERCASE = 0x0010,
    ES_PASSWORD = 0x0020,
    ES_AUTOHSCROLL = 0x0080,
    ES_NOHIDESEL = 0x0100,
    ES_READONLY = 0x0800,
};

class TCustomEdit : public TWinControl, private TTextEditorClient {
    FRAMEWORK_CLASS(TCustomEdit)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomEdit(TComponent* owner);

    // Positions count bytes of the text from 0; a selection never splits a character.
    int SelStart() const { return FEditor.SelStart(); }
    // Puts the caret there, selecting nothing.
    void SetSelStart(int value) { FEditor.SelectOffsets(value, value); }
    int SelLength() const { return FEditor.SelLength(); }
    // Selects value bytes from SelStart (fewer at the end of the text).
    void SetSelLength(int value) { FEditor.SetSelLength(value); }
    std::string SelText() const { return FEditor.SelText(); }
    // Replaces the selection, as typing would (but without the length limit, case rule and
    // read-only check).
    void SetSelText(const std::string& value) { FEditor.ReplaceSelection(value); }
    void SelectAll() { FEditor.SelectAll(); }
    // These send WM_CLEAR, WM_COPY, WM_CUT and WM_PASTE, as the keyboard's commands do.
    void ClearSelection() { Perform(WM_CLEAR); }
    void CopyToClipboard() { Perform(WM_COPY); }
    void CutToClipboard() { Perform(WM_CUT); }
    void PasteFromClipboard() { Perform(WM_PASTE); }
    bool CanUndo() const { return FEditor.CanUndo(); }
    // Swaps the text with the one before the last edit (so a second Undo redoes).
    void Undo() { Perform(WM_UNDO); }
    void ClearUndo() { FEditor.ClearUndo(); }

    // The most bytes typing and pasting may bring the text to; 0: no limit. Text assigned by
    // the program is not cut.
    int MaxLength() const { return FEditor.MaxLength(); }
    void SetMaxLength(int value) { FEditor.SetMaxLength(value); }
    bool ReadOnly() const { return FEditor.ReadOnly(); }
    void SetReadOnly(bool value);
    // Select the whole text when the focus arrives from the keyboard.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    // Keeps the height fitted to the font.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Show the selection also while the edit has no focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    // Shown instead of every character when not 0; copying is then refused.
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value);
    // Typed and pasted letters are turned to this case.
    TEditCharCase CharCase() const { return FEditor.CharCase(); }
    void SetCharCase(TEditCharCase value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Set by every change the user makes, cleared when the program assigns the text.
    bool Modified() const { return FEditor.Modified(); }
    void SetModified(bool value) { FEditor.SetModified(value); }
    // Only stored: the text is Unicode (UTF-8) here, with no OEM code page to convert through.
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool value) { FOEMConvert = value; }

    // Raised after every change of the text, by the user or by the program.
    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DoEnter() override;
    // The native behaviour of the edit window.
    void DefaultHandler(TMessage& message) override;

    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);

private:
    // TTextEditorClient
    void TextEdited() override;
    void SelectionMoved() override;
    void SendCommand(UINT message) override { Perform(message); }

    bool HandleMouse(TMessage& message);
    bool HandleWindowMessage(TMessage& message);
    void AdjustHeight();

    // --- looks
    std::string DisplayText() const;
    int TextX(int position) const;
    int AlignOffset() const;
    int PositionAt(int x) const;
    int LineHeight() const;
    void ScrollToCaret();
    void PaintEdit();

    TTextEditor FEditor{*this, false};
    int FScrollX = 0; // pixels of text scrolled out at the left
    bool FAutoSelect = true;
    bool FAutoSize = true;
    bool FHideSelection = true;
    char FPasswordChar = 0;
    bool FOEMConvert = false;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};

class TEdit : public TCustomEdit {
    FRAMEWORK_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
