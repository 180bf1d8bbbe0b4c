#pragma once
// The editing core of the edit box and the memo: the text, the caret and the selection, the
// clipboard commands, one level of undo, and what keys, characters and the mouse do to them.
// It draws nothing and knows no layout: the control that owns it paints, maps points to text
// positions, and moves the caret up and down lines. A single-line editor is the same core with
// a one-line document: Enter and Tab are not typed, Up and Down act as Left and Right, and
// pasting keeps the first line.

#include "framework/core/Events.h"
#include "framework/stdctrls/TextDocument.h"
#include "framework/windows/Messages.h"

#include <algorithm>
#include <string>
#include <string_view>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Edit messages.
enum : UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_REPLACESEL = 0x00C2,
    EM_CANUNDO = 0x00C6,
    EM_UNDO = 0x00C7,
    EM_EMPTYUNDOBUFFER = 0x00CD,
};

// What the control owning an editor does when the editor changes something.
class TTextEditorClient {
public:
    // The editor changed the text (the caret already stands after the change).
    virtual void TextEdited() = 0;
    // The caret or the selection was set, moved or not.
    virtual void SelectionMoved() = 0;
    // Sends WM_CUT, WM_COPY, WM_PASTE or WM_UNDO to the control's window: keyboard commands go
    // through the window so that a derived control sees and may screen them.
    virtual void SendCommand(UINT message) = 0;

protected:
    ~TTextEditorClient() = default;
};

class TTextEditor {
public:
    TTextEditor(TTextEditorClient& client, bool multiLine);

    // --- the text
    const TTextDocument& Document() const { return FDocument; }
    std::string Text() const { return FDocument.Text(); }
    // The program's text: the caret goes to the start, nothing can be undone, not modified.
    void SetText(std::string_view text);
    // The program changes the document itself (a memo's string list), then reports where the
    // caret goes; nothing can be undone afterwards.
    TTextDocument& ProgramDocument() { return FDocument; }
    void ProgramEdited(TTextPos caret);

    // --- caret and selection; offsets count bytes of Text()
    TTextPos Caret() const { return FCaret; }
    TTextPos Anchor() const { return FAnchor; }
    int SelStart() const;
    int SelLength() const;
    std::string SelText() const { return FDocument.TextRange(FAnchor, FCaret); }
    void Select(TTextPos anchor, TTextPos caret);
    void SelectOffsets(int anchor, int caret);
    // Selects length bytes from SelStart (fewer at the end of the text).
    void SetSelLength(int length) { SelectOffsets(SelStart(), SelStart() + std::max(length, 0)); }
    void MoveCaret(TTextPos pos, bool extend);
    void SelectAll() { Select({}, FDocument.End()); }
    int OffsetOf(TTextPos pos) const;
    TTextPos PosOf(int offset) const;

    // --- editing by the program: no length limit, case rule or read-only check
    void ReplaceSelection(std::string_view text);

    // --- the commands behind the window's clipboard and undo messages
    // Nothing happens without a selection or, for cut and copy, in a password edit.
    void Copy() const;
    void Cut();
    // Pastes what fits of the clipboard's text.
    void Paste();
    // Deletes the selection unless read-only.
    void Clear();
    bool CanUndo() const { return FCanUndo; }
    // Swaps the text and the selection with those before the last edit (so a second Undo
    // redoes).
    void Undo();
    void ClearUndo() { FCanUndo = false; }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    // --- input
    // The native handling of the edit messages, clipboard commands, keys and characters; false
    // for a message the editor leaves to its control (in a multi-line editor Up, Down, Page Up
    // and Page Down, which need the layout).
    bool HandleMessage(TMessage& message);
    // A press of the left button at pos; extend keeps the anchor (Shift).
    void MouseDown(TTextPos pos, bool extend);
    // Selects the word at pos (a double click).
    void SelectWordAt(TTextPos pos);
    // Moves the caret with the mouse while its button is held since MouseDown.
    void MouseDrag(TTextPos pos);
    void MouseUp() { FMouseSelecting = false; }
    bool MouseSelecting() const { return FMouseSelecting; }

    // --- options
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // The most bytes typing and pasting may bring the text to; 0: no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value) { FCharCase = value; }
    // A concealed text (a password) cannot be copied or cut.
    bool Concealed() const { return FConcealed; }
    void SetConcealed(bool value) { FConcealed = value; }
    // Multi-line only: Enter types a line break, Tab a tab.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }

private:
    // The user's edit: replaces the selection, keeping what it replaced for Undo.
    void Edit(std::string_view text);
    void KeyChar(char c);
    bool KeyDown(unsigned short key, TShiftState shift);
    void MoveHorizontally(bool forward, TShiftState shift);
    void TypeByte(char c);
    // Deletes the selection, or the character before or after the caret.
    void DeleteCharacter(bool forward);
    std::string ApplyCharCase(std::string_view text) const;
    // The bytes typing or pasting may still put in place of the selection.
    int Room() const;
    LRESULT DialogCode() const;

    TTextEditorClient& FClient;
    TTextDocument FDocument;
    TTextPos FCaret;
    TTextPos FAnchor;
    bool FMouseSelecting = false;
    bool FModified = false;
    bool FCanUndo = false;
    std::string FUndoText;
    TTextPos FUndoAnchor;
    TTextPos FUndoCaret;
    bool FReadOnly = false;
    int FMaxLength = 0;
    TEditCharCase FCharCase = ecNormal;
    bool FConcealed = false;
    bool FWantReturns = true;
    bool FWantTabs = false;
};
