// TTextEditor, in sections: the text; caret and selection; editing; clipboard and undo;
// messages, keys and characters; the mouse.
//
// Keys and characters:
//   Left, Right (Up, Down single-line)  a character; with Ctrl a word; a selection without
//                                       Shift or Ctrl collapses to its near end
//   Home, End                           the line's ends; with Ctrl (or single-line) the text's
//   Shift                               with a move: extends the selection from its anchor
//   Delete / Backspace                  the selection, or the character after / before
//   Shift+Delete, Ctrl+X                cut      Ctrl+Insert, Ctrl+C   copy
//   Shift+Insert, Ctrl+V                paste    Ctrl+Z                undo
//   Ctrl+A                              select all
//   Enter, Tab                          typed when multi-line and wanted, else left alone
//   other characters from a blank up    typed, unless read-only or over the length limit

#include "framework/stdctrls/TextEditor.h"

#include "framework/core/SysUtils.h"
#include "framework/graphics/TextLayout.h"
#include "framework/stdctrls/Clipboard.h"
#include "framework/windows/Control.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The longest prefix of text within length bytes that ends on a character boundary and not
// inside a CR LF pair.
std::string_view FittingPrefix(std::string_view text, int length) {
    auto end = static_cast<std::size_t>(std::max(length, 0));
    if (end >= text.size())
        return text;
    while (end > 0 && IsContinuation(text[end]))
        --end;
    if (end > 0 && text[end - 1] == '\r' && text[end] == '\n')
        --end;
    return text.substr(0, end);
}

} // namespace

TTextEditor::TTextEditor(TTextEditorClient& client, bool multiLine)
    : FClient(client), FDocument(multiLine) {}

// --- the text

void TTextEditor::SetText(std::string_view text) {
    FDocument.SetText(text);
    FCaret = FAnchor = {};
    FCanUndo = false;
    FModified = false;
}

void TTextEditor::ProgramEdited(TTextPos caret) {
    FCaret = FAnchor = FDocument.Clamp(caret);
    FCanUndo = false;
}

// --- caret and selection

int TTextEditor::OffsetOf(TTextPos pos) const {
    int offset = 0;
    for (int i = 0; i < pos.Line; ++i)
        offset += static_cast<int>(FDocument.Line(i).size()) + 2;
    return offset + pos.Col;
}

TTextPos TTextEditor::PosOf(int offset) const {
    offset = std::max(offset, 0);
    for (int i = 0; i < FDocument.LineCount(); ++i) {
        const int length = static_cast<int>(FDocument.Line(i).size());
        if (offset <= length)
            return FDocument.Clamp({i, offset});
        offset -= length + 2;
        if (offset < 0) // between the CR and the LF
            return {i, length};
    }
    return FDocument.End();
}

int TTextEditor::SelStart() const {
    return OffsetOf(std::min(FCaret, FAnchor));
}

int TTextEditor::SelLength() const {
    return OffsetOf(std::max(FCaret, FAnchor)) - SelStart();
}

void TTextEditor::Select(TTextPos anchor, TTextPos caret) {
    FAnchor = FDocument.Clamp(anchor);
    FCaret = FDocument.Clamp(caret);
    FClient.SelectionMoved();
}

void TTextEditor::SelectOffsets(int anchor, int caret) {
    Select(PosOf(anchor), PosOf(caret));
}

void TTextEditor::MoveCaret(TTextPos pos, bool extend) {
    Select(extend ? FAnchor : pos, pos);
}

// --- editing

void TTextEditor::ReplaceSelection(std::string_view text) {
    const TTextPos from = std::min(FCaret, FAnchor);
    if (from == std::max(FCaret, FAnchor) && text.empty())
        return;
    FUndoText = FDocument.Text();
    FUndoAnchor = FAnchor;
    FUndoCaret = FCaret;
    FCanUndo = true;
    FModified = true;
    FDocument.Erase(FCaret, FAnchor);
    FCaret = FAnchor = FDocument.Insert(from, text);
    FClient.TextEdited();
}

void TTextEditor::Edit(std::string_view text) {
    if (!FReadOnly)
        ReplaceSelection(text);
}

std::string TTextEditor::ApplyCharCase(std::string_view text) const {
    if (FCharCase == ecUpperCase)
        return UpperCase(text);
    if (FCharCase == ecLowerCase)
        return LowerCase(text);
    return std::string(text);
}

int TTextEditor::Room() const {
    if (FMaxLength == 0)
        return INT_MAX;
    return FMaxLength - (FDocument.Length() - SelLength());
}

// Characters arrive one byte at a time; the first byte of a character claims the room for all
// of it, and a continuation byte is taken only where a character is waiting for it.
void TTextEditor::TypeByte(char c) {
    if (IsContinuation(c)) {
        if (FCaret == FAnchor && FDocument.AwaitsContinuation(FCaret))
            Edit(std::string_view(&c, 1));
        return;
    }
    const bool lineBreak = c == '\r';
    const int needs =
        lineBreak ? 2 : static_cast<int>(Utf8SequenceLength(static_cast<unsigned char>(c)));
    if (Room() >= needs)
        Edit(lineBreak ? std::string("\r\n") : ApplyCharCase(std::string_view(&c, 1)));
}

void TTextEditor::DeleteCharacter(bool forward) {
    if (FReadOnly)
        return;
    if (FCaret == FAnchor)
        FAnchor = forward ? FDocument.Next(FCaret) : FDocument.Prev(FCaret);
    ReplaceSelection({});
}

// --- clipboard and undo

void TTextEditor::Copy() const {
    if (!FConcealed && FCaret != FAnchor)
        Clipboard()->SetAsText(SelText());
}

void TTextEditor::Cut() {
    if (FReadOnly || FConcealed || FCaret == FAnchor)
        return;
    Copy();
    ReplaceSelection({});
}

void TTextEditor::Paste() {
    if (FReadOnly || !Clipboard()->HasFormat(CF_TEXT))
        return;
    std::string text = Clipboard()->AsText();
    if (!FDocument.MultiLine())
        text.erase(std::min(text.find_first_of("\r\n"), text.size()));
    text = ApplyCharCase(text);
    ReplaceSelection(FittingPrefix(text, Room()));
}

void TTextEditor::Clear() {
    Edit({});
}

void TTextEditor::Undo() {
    if (!FCanUndo || FReadOnly)
        return;
    const std::string text = std::exchange(FUndoText, FDocument.Text());
    const TTextPos anchor = std::exchange(FUndoAnchor, FAnchor);
    const TTextPos caret = std::exchange(FUndoCaret, FCaret);
    FDocument.SetText(text);
    FAnchor = FDocument.Clamp(anchor);
    FCaret = FDocument.Clamp(caret);
    FClient.TextEdited();
}

// --- messages, keys and characters

bool TTextEditor::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_CHAR:
        KeyChar(static_cast<char>(message.WParam));
        return true;
    case WM_KEYDOWN:
        return KeyDown(static_cast<unsigned short>(message.WParam),
                       KeyDataToShiftState(message.LParam));
    case WM_GETDLGCODE:
        message.Result = DialogCode();
        return true;
    case EM_GETSEL:
        message.Result = MAKELPARAM(SelStart(), SelStart() + SelLength());
        return true;
    case EM_SETSEL:
        SelectOffsets(static_cast<int>(message.WParam), static_cast<int>(message.LParam));
        return true;
    case EM_REPLACESEL:
        ReplaceSelection(reinterpret_cast<const char*>(message.LParam));
        return true;
    case EM_CANUNDO:
        message.Result = FCanUndo ? 1 : 0;
        return true;
    case EM_UNDO:
    case WM_UNDO:
        Undo();
        message.Result = 1;
        return true;
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        return true;
    case WM_CUT:
        Cut();
        return true;
    case WM_COPY:
        Copy();
        return true;
    case WM_PASTE:
        Paste();
        return true;
    case WM_CLEAR:
        Clear();
        return true;
    default:
        return false;
    }
}

LRESULT TTextEditor::DialogCode() const {
    LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    if (FDocument.MultiLine() && FWantReturns)
        code |= DLGC_WANTALLKEYS;
    if (FDocument.MultiLine() && FWantTabs)
        code |= DLGC_WANTTAB;
    return code;
}

void TTextEditor::KeyChar(char c) {
    switch (c) {
    case '\x01': // Ctrl+A
        SelectAll();
        break;
    case '\x03': // Ctrl+C
        FClient.SendCommand(WM_COPY);
        break;
    case '\x16': // Ctrl+V
        FClient.SendCommand(WM_PASTE);
        break;
    case '\x18': // Ctrl+X
        FClient.SendCommand(WM_CUT);
        break;
    case '\x1A': // Ctrl+Z
        FClient.SendCommand(WM_UNDO);
        break;
    case '\b':
        DeleteCharacter(false);
        break;
    case '\t':
    case '\r':
        if (FDocument.MultiLine() && (c == '\t' ? FWantTabs : FWantReturns))
            TypeByte(c);
        break;
    default:
        if (static_cast<unsigned char>(c) >= ' ' && c != '\x7F')
            TypeByte(c);
        break;
    }
}

bool TTextEditor::KeyDown(unsigned short key, TShiftState shift) {
    const bool single = !FDocument.MultiLine();
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (!single)
            return false;
        MoveHorizontally(key == VK_DOWN, shift);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        MoveHorizontally(key == VK_RIGHT, shift);
        return true;
    case VK_HOME:
        MoveCaret(ctrl ? TTextPos{} : TTextPos{FCaret.Line, 0}, extend);
        return true;
    case VK_END:
        MoveCaret(ctrl ? FDocument.End() : FDocument.Clamp({FCaret.Line, INT_MAX}), extend);
        return true;
    case VK_DELETE:
        if (extend)
            FClient.SendCommand(WM_CUT);
        else
            DeleteCharacter(true);
        return true;
    case VK_INSERT:
        if (ctrl)
            FClient.SendCommand(WM_COPY);
        else if (extend)
            FClient.SendCommand(WM_PASTE);
        return true;
    default:
        return false;
    }
}

void TTextEditor::MoveHorizontally(bool forward, TShiftState shift) {
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    if (!extend && !ctrl && FCaret != FAnchor) {
        MoveCaret(forward ? std::max(FCaret, FAnchor) : std::min(FCaret, FAnchor), false);
        return;
    }
    TTextPos pos;
    if (ctrl)
        pos = forward ? FDocument.NextWord(FCaret) : FDocument.PrevWord(FCaret);
    else
        pos = forward ? FDocument.Next(FCaret) : FDocument.Prev(FCaret);
    MoveCaret(pos, extend);
}

// --- the mouse

void TTextEditor::MouseDown(TTextPos pos, bool extend) {
    MoveCaret(pos, extend);
    FMouseSelecting = true;
}

void TTextEditor::SelectWordAt(TTextPos pos) {
    const auto [first, second] = FDocument.WordAt(pos);
    Select(first, second);
}

void TTextEditor::MouseDrag(TTextPos pos) {
    if (FMouseSelecting)
        MoveCaret(pos, true);
}
