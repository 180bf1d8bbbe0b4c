#pragma once
// Single-line edit boxes. TCustomEdit is the native edit window: the text with a caret and a
// selection, editing from the keyboard and the mouse, the clipboard commands and one level of
// undo, its length limit and its look (a sunken 3-D edge by default). TEdit publishes Text.

#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/windows/WinControl.h"

#include <cstdint>
#include <string>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Edit window styles.
enum : std::uint32_t {
    ES_UPPERCASE = 0x0008,
    ES_LOWERCASE = 0x0010,
    ES_PASSWORD = 0x0020,
    ES_AUTOHSCROLL = 0x0080,
    ES_NOHIDESEL = 0x0100,
    ES_READONLY = 0x0800,
};

// Edit messages.
enum : UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_REPLACESEL = 0x00C2,
    EM_CANUNDO = 0x00C6,
    EM_UNDO = 0x00C7,
    EM_EMPTYUNDOBUFFER = 0x00CD,
};

class TCustomEdit : public TWinControl {
    FRAMEWORK_CLASS(TCustomEdit)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomEdit(TComponent* owner);

    // Positions count bytes of the text from 0; a selection never splits a character.
    int SelStart() const;
    // Puts the caret there, selecting nothing.
    void SetSelStart(int value);
    int SelLength() const;
    // Selects value bytes from SelStart (fewer at the end of the text).
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection, as typing would (but without the length limit and case rule).
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection() { SetSelText({}); }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FCanUndo; }
    // Swaps the text with the one before the last edit (so a second Undo redoes).
    void Undo();
    void ClearUndo() { FCanUndo = false; }

    // The most bytes typing and pasting may bring the text to; 0: no limit. Text assigned by
    // the program is not cut.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
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
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Set by every change the user makes, cleared when the program assigns the text.
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

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
    struct TSelection {
        int Anchor = 0; // where the selection started
        int Caret = 0;  // where it ends; the caret stands here
    };

    bool HandleChar(TMessage& message);
    bool HandleKeyDown(TMessage& message);
    bool HandleMouse(TMessage& message);
    bool HandleEditMessage(TMessage& message);

    void MoveCaret(int position, bool extend);
    void SetSelection(int anchor, int caret);
    // Replaces the selection with text and leaves the caret after it, keeping the undo state.
    void ReplaceSelection(const std::string& text);
    // Sets the text as the user's edit: the selection and the undo state stay as prepared.
    void SetEditedText(const std::string& text);
    std::string ApplyCharCase(const std::string& text) const;
    // The bytes typing or pasting may still add in place of the selection.
    int Room() const;
    void TypeByte(char c);
    void Backspace();
    void DeleteForward();
    void AdjustHeight();

    // --- looks
    std::string DisplayText() const;
    int TextX(int position) const;
    int PositionAt(int x) const;
    int LineHeight() const;
    void ScrollToCaret();
    void PaintEdit();

    TSelection FSelection;
    int FScrollX = 0; // pixels of text scrolled out at the left
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    bool FHideSelection = true;
    char FPasswordChar = 0;
    TEditCharCase FCharCase = ecNormal;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FModified = false;
    bool FEditing = false; // the text is being changed by the edit itself
    bool FMouseSelecting = false;
    bool FCanUndo = false;
    std::string FUndoText;
    TSelection FUndoSelection;
};

class TEdit : public TCustomEdit {
    FRAMEWORK_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
