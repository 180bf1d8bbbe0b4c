#include "framework/stdctrls/Edit.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/stdctrls/Clipboard.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"

#include <algorithm>
#include <climits>

// Sections: positions in the text; class information; properties; selection and editing;
// the native window (characters, keys, mouse, edit messages); looks.

namespace {

// Pixels between the client edge and the text.
constexpr int kMargin = 1;

const std::vector<std::string> CharCaseNames{"ecNormal", "ecUpperCase", "ecLowerCase"};

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int Length(const std::string& s) {
    return static_cast<int>(s.size());
}

// The nearest character boundary at or before p, within the text.
int Boundary(const std::string& s, int p) {
    p = std::clamp(p, 0, Length(s));
    while (p > 0 && p < Length(s) && IsContinuation(s[static_cast<std::size_t>(p)]))
        --p;
    return p;
}

int NextPosition(const std::string& s, int p) {
    if (p >= Length(s))
        return Length(s);
    ++p;
    while (p < Length(s) && IsContinuation(s[static_cast<std::size_t>(p)]))
        ++p;
    return p;
}

int PreviousPosition(const std::string& s, int p) {
    return p <= 0 ? 0 : Boundary(s, p - 1);
}

// The bytes of a UTF-8 character that begins with lead.
int SequenceLength(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
}

// Whether the bytes before p end in a character that still lacks continuation bytes.
bool OpensCharacter(const std::string& s, int p) {
    int lead = p;
    while (lead > 0 && p - lead < 3 && IsContinuation(s[static_cast<std::size_t>(lead - 1)]))
        --lead;
    if (lead == 0)
        return false;
    const char c = s[static_cast<std::size_t>(lead - 1)];
    return static_cast<unsigned char>(c) >= 0xC0 && SequenceLength(c) > p - lead + 1;
}

bool IsWordChar(char c) {
    return c != ' ' && c != '\t';
}

int WordStart(const std::string& s, int p) {
    while (p > 0 && !IsWordChar(s[static_cast<std::size_t>(p - 1)]))
        --p;
    while (p > 0 && IsWordChar(s[static_cast<std::size_t>(p - 1)]))
        --p;
    return p;
}

int WordEnd(const std::string& s, int p) {
    while (p < Length(s) && IsWordChar(s[static_cast<std::size_t>(p)]))
        ++p;
    while (p < Length(s) && !IsWordChar(s[static_cast<std::size_t>(p)]))
        ++p;
    return p;
}

int CharacterCount(const std::string& s, int end) {
    return static_cast<int>(
        std::count_if(s.begin(), s.begin() + end, [](char c) { return !IsContinuation(c); }));
}

bool IsKeyDown(int vk) {
    return GetKeyState(vk) < 0;
}

} // namespace

// ---- class information

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TCustomEdit>("TCustomEdit", &TWinControl::StaticClass(), [](auto& c) {
            c.Bool("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true);
            c.Bool("AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize, true);
            c.Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
                   TBorderStyle::bsSingle, BorderStyleNames);
            c.Enum("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, ecNormal,
                   CharCaseNames);
            c.Bool("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection,
                   true);
            c.Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0);
            c.String(
                "PasswordChar",
                [](const TCustomEdit& e) {
                    return e.PasswordChar() ? std::string(1, e.PasswordChar()) : std::string();
                },
                [](TCustomEdit& e, const std::string& v) {
                    e.SetPasswordChar(v.empty() ? '\0' : v[0]);
                },
                "");
            c.Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false);
            c.Int("Cursor", &TCustomEdit::Cursor, &TCustomEdit::SetCursor, crIBeam);
            c.Bool("TabStop", &TCustomEdit::TabStop, &TCustomEdit::SetTabStop, true);
            c.Event("OnChange", &TCustomEdit::OnChange);
        });
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TEdit>("TEdit", &TCustomEdit::StaticClass(),
                             [](auto& c) { c.String("Text", &TEdit::Text, &TEdit::SetText, ""); });
    return info;
}

const TMessageMap& TCustomEdit::StaticMessageMap() {
    static const TMessageMap map(
        &TWinControl::StaticMessageMap(),
        {
            MessageHandler<CM_TEXTCHANGED, &TCustomEdit::CMTextChanged>(),
            MessageHandler<CM_FONTCHANGED, &TCustomEdit::CMFontChanged>(),
            MessageHandler<CM_ENABLEDCHANGED, &TCustomEdit::CMEnabledChanged>(),
        });
    return map;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    FControlStyle = csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight;
    FWidth = 121;
    FHeight = 21;
    FColor = clWindow;
    FParentColor = false;
    SetCursor(crIBeam);
    SetTabStop(true);
}

// ---- properties

void TCustomEdit::SetMaxLength(int value) {
    FMaxLength = std::max(value, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    Invalidate();
}

void TCustomEdit::SetAutoSize(bool value) {
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustHeight();
}

void TCustomEdit::SetHideSelection(bool value) {
    if (value == FHideSelection)
        return;
    FHideSelection = value;
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char value) {
    if (value == FPasswordChar)
        return;
    FPasswordChar = value;
    FScrollX = 0;
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    if (value == FCharCase)
        return;
    FCharCase = value;
    RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    AdjustHeight();
    RecreateWnd();
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "EDIT";
    params.Style |= ES_AUTOHSCROLL;
    if (FBorderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
    if (FReadOnly)
        params.Style |= ES_READONLY;
    if (FPasswordChar)
        params.Style |= ES_PASSWORD;
    if (!FHideSelection)
        params.Style |= ES_NOHIDESEL;
    if (FCharCase == ecUpperCase)
        params.Style |= ES_UPPERCASE;
    else if (FCharCase == ecLowerCase)
        params.Style |= ES_LOWERCASE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
    if (!FAutoSize || IsLoading())
        return;
    const int edge = FBorderStyle == TBorderStyle::bsSingle ? 2 : 0;
    SetHeight(LineHeight() + 2 * kMargin + 2 * edge + 2);
}

void TCustomEdit::Change() {
    OnChange(this);
}

void TCustomEdit::DoEnter() {
    if (FAutoSelect && !(FControlState & csLButtonDown))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::CMTextChanged(TMessage& message) {
    DispatchInherited(TWinControl::StaticMessageMap(), message);
    if (!FEditing) {
        // Text from the program: the caret goes to the start and nothing can be undone.
        FSelection = {};
        FCanUndo = false;
        FScrollX = 0;
        FModified = false;
    }
    Change();
}

void TCustomEdit::CMFontChanged(TMessage& message) {
    DispatchInherited(TWinControl::StaticMessageMap(), message);
    AdjustHeight();
}

void TCustomEdit::CMEnabledChanged(TMessage& message) {
    DispatchInherited(TWinControl::StaticMessageMap(), message);
    Invalidate();
}

// ---- selection and editing

int TCustomEdit::SelStart() const {
    return std::min(FSelection.Anchor, FSelection.Caret);
}

int TCustomEdit::SelLength() const {
    return std::abs(FSelection.Caret - FSelection.Anchor);
}

void TCustomEdit::SetSelStart(int value) {
    SetSelection(value, value);
}

void TCustomEdit::SetSelLength(int value) {
    const int start = SelStart();
    SetSelection(start, start + std::max(value, 0));
}

std::string TCustomEdit::SelText() const {
    return Text().substr(static_cast<std::size_t>(SelStart()),
                         static_cast<std::size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const std::string& value) {
    ReplaceSelection(value);
}

void TCustomEdit::SelectAll() {
    SetSelection(0, Length(Text()));
}

void TCustomEdit::SetSelection(int anchor, int caret) {
    const TSelection selection{Boundary(Text(), anchor), Boundary(Text(), caret)};
    if (selection.Anchor == FSelection.Anchor && selection.Caret == FSelection.Caret)
        return;
    FSelection = selection;
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::MoveCaret(int position, bool extend) {
    SetSelection(extend ? FSelection.Anchor : position, position);
}

void TCustomEdit::ReplaceSelection(const std::string& text) {
    const std::string before = Text();
    const auto start = static_cast<std::size_t>(SelStart());
    std::string after = before;
    after.replace(start, static_cast<std::size_t>(SelLength()), text);
    FUndoText = before;
    FUndoSelection = FSelection;
    FCanUndo = true;
    FModified = true;
    const int caret = static_cast<int>(start + text.size());
    FSelection = {caret, caret};
    SetEditedText(after);
}

std::string TCustomEdit::ApplyCharCase(const std::string& text) const {
    if (FCharCase == ecUpperCase)
        return UpperCase(text);
    if (FCharCase == ecLowerCase)
        return LowerCase(text);
    return text;
}

int TCustomEdit::Room() const {
    if (FMaxLength == 0)
        return INT_MAX;
    return FMaxLength - (Length(Text()) - SelLength());
}

// Characters arrive one byte at a time; the first byte of a character claims the room for all
// of it, and a continuation byte is taken only where a character is waiting for it.
void TCustomEdit::TypeByte(char c) {
    if (FReadOnly)
        return;
    const bool fits =
        IsContinuation(c) ? OpensCharacter(Text(), SelStart()) : Room() >= SequenceLength(c);
    if (fits)
        ReplaceSelection(ApplyCharCase(std::string(1, c)));
}

void TCustomEdit::Backspace() {
    if (SelLength() == 0)
        FSelection.Anchor = PreviousPosition(Text(), FSelection.Caret);
    if (SelLength() > 0)
        ReplaceSelection({});
}

void TCustomEdit::DeleteForward() {
    if (SelLength() == 0)
        FSelection.Anchor = NextPosition(Text(), FSelection.Caret);
    if (SelLength() > 0)
        ReplaceSelection({});
}

void TCustomEdit::CopyToClipboard() {
    if (FPasswordChar == 0 && SelLength() > 0)
        Clipboard()->SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
    if (FReadOnly || FPasswordChar != 0 || SelLength() == 0)
        return;
    CopyToClipboard();
    ReplaceSelection({});
}

void TCustomEdit::PasteFromClipboard() {
    if (FReadOnly || !Clipboard()->HasFormat(CF_TEXT))
        return;
    std::string text = Clipboard()->AsText();
    // A single-line edit keeps only the first line.
    text = ApplyCharCase(text.substr(0, text.find_first_of("\r\n")));
    if (Room() < Length(text))
        text.resize(static_cast<std::size_t>(Boundary(text, std::max(Room(), 0))));
    if (!text.empty())
        ReplaceSelection(text);
}

void TCustomEdit::Undo() {
    if (!FCanUndo || FReadOnly)
        return;
    std::string text = std::move(FUndoText);
    const TSelection selection = FUndoSelection;
    FUndoText = Text();
    FUndoSelection = FSelection;
    FSelection = selection;
    SetEditedText(text);
}

void TCustomEdit::SetEditedText(const std::string& text) {
    FEditing = true;
    try {
        SetText(text);
    } catch (...) {
        FEditing = false;
        throw;
    }
    FEditing = false;
    ScrollToCaret();
    Invalidate();
}

// ---- the native window

void TCustomEdit::DefaultHandler(TMessage& message) {
    if (HandleChar(message) || HandleKeyDown(message) || HandleMouse(message) ||
        HandleEditMessage(message))
        return;
    TWinControl::DefaultHandler(message);
}

bool TCustomEdit::HandleChar(TMessage& message) {
    if (message.Msg != WM_CHAR)
        return false;
    const char key = static_cast<char>(message.WParam);
    switch (key) {
    case 3: // Ctrl+C
        CopyToClipboard();
        break;
    case 8:
        if (!FReadOnly)
            Backspace();
        break;
    case 22: // Ctrl+V
        PasteFromClipboard();
        break;
    case 24: // Ctrl+X
        CutToClipboard();
        break;
    case 26: // Ctrl+Z
        Undo();
        break;
    default:
        if (static_cast<unsigned char>(key) >= ' ' && key != 127)
            TypeByte(key);
        break;
    }
    return true;
}

bool TCustomEdit::HandleKeyDown(TMessage& message) {
    if (message.Msg != WM_KEYDOWN)
        return false;
    const std::string& text = Text();
    const bool shift = IsKeyDown(VK_SHIFT);
    const bool ctrl = IsKeyDown(VK_CONTROL);
    const int caret = FSelection.Caret;
    switch (message.WParam) {
    case VK_LEFT:
    case VK_UP:
        if (!shift && SelLength() > 0 && !ctrl)
            MoveCaret(SelStart(), false);
        else
            MoveCaret(ctrl ? WordStart(text, caret) : PreviousPosition(text, caret), shift);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (!shift && SelLength() > 0 && !ctrl)
            MoveCaret(SelStart() + SelLength(), false);
        else
            MoveCaret(ctrl ? WordEnd(text, caret) : NextPosition(text, caret), shift);
        break;
    case VK_HOME:
        MoveCaret(0, shift);
        break;
    case VK_END:
        MoveCaret(Length(text), shift);
        break;
    case VK_DELETE:
        if (shift)
            CutToClipboard();
        else if (!FReadOnly)
            DeleteForward();
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        break;
    default:
        return false;
    }
    return true;
}

bool TCustomEdit::HandleMouse(TMessage& message) {
    const int x = GET_X_LPARAM(message.LParam);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        if (!Focused())
            ::SetFocus(Handle());
        MoveCaret(PositionAt(x), (message.WParam & MK_SHIFT) != 0);
        SetCapture(Handle());
        FMouseSelecting = true;
        return true;
    case WM_LBUTTONDBLCLK: {
        const int at = PositionAt(x);
        SetSelection(WordStart(Text(), NextPosition(Text(), at)), WordEnd(Text(), at));
        return true;
    }
    case WM_MOUSEMOVE:
        if (FMouseSelecting)
            MoveCaret(PositionAt(x), true);
        return true;
    case WM_LBUTTONUP:
        if (FMouseSelecting) {
            FMouseSelecting = false;
            if (GetCapture() == Handle())
                ReleaseCapture();
        }
        return true;
    case WM_CAPTURECHANGED:
        FMouseSelecting = false;
        return true;
    default:
        return false;
    }
}

bool TCustomEdit::HandleEditMessage(TMessage& message) {
    switch (message.Msg) {
    case EM_GETSEL:
        message.Result = MAKELPARAM(SelStart(), SelStart() + SelLength());
        return true;
    case EM_SETSEL:
        SetSelection(static_cast<int>(message.WParam), static_cast<int>(message.LParam));
        return true;
    case EM_REPLACESEL:
        ReplaceSelection(reinterpret_cast<const char*>(message.LParam));
        return true;
    case EM_CANUNDO:
        message.Result = FCanUndo ? 1 : 0;
        return true;
    case EM_UNDO:
        Undo();
        message.Result = 1;
        return true;
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        return true;
    case WM_CUT:
        CutToClipboard();
        return true;
    case WM_COPY:
        CopyToClipboard();
        return true;
    case WM_PASTE:
        PasteFromClipboard();
        return true;
    case WM_UNDO:
        Undo();
        return true;
    case WM_CLEAR:
        if (!FReadOnly)
            ClearSelection();
        return true;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FMouseSelecting = false;
        Invalidate();
        return true;
    case WM_PAINT:
        PaintEdit();
        return true;
    default:
        return false;
    }
}

// ---- looks

std::string TCustomEdit::DisplayText() const {
    if (FPasswordChar == 0)
        return Text();
    return std::string(static_cast<std::size_t>(CharacterCount(Text(), Length(Text()))),
                       FPasswordChar);
}

int TCustomEdit::LineHeight() const {
    return CurrentFontEngine().Metrics(Font()->Resolved()).Height();
}

// The client x of the boundary before text position `position`.
int TCustomEdit::TextX(int position) const {
    const int shown = FPasswordChar ? CharacterCount(Text(), position) : position;
    const std::string prefix = DisplayText().substr(0, static_cast<std::size_t>(shown));
    return kMargin - FScrollX + CurrentFontEngine().TextWidth(Font()->Resolved(), prefix);
}

// The text position whose boundary lies nearest to client x.
int TCustomEdit::PositionAt(int x) const {
    const std::string& text = Text();
    int best = 0;
    int bestDistance = std::abs(TextX(0) - x);
    for (int p = 0; p < Length(text);) {
        p = NextPosition(text, p);
        const int distance = std::abs(TextX(p) - x);
        if (distance < bestDistance) {
            best = p;
            bestDistance = distance;
        }
    }
    return best;
}

void TCustomEdit::ScrollToCaret() {
    const int width = ClientWidth() - 2 * kMargin;
    if (width <= 0)
        return;
    const int x = TextX(FSelection.Caret) + FScrollX - kMargin;
    if (x < FScrollX)
        FScrollX = x;
    else if (x >= FScrollX + width)
        FScrollX = x - width + 1;
}

void TCustomEdit::PaintEdit() {
    const HWND window = Handle();
    TCanvas& canvas = window->DC();
    const bool enabled = IsWindowEnabled(window);
    const TRect client = ClientRect();
    canvas.Brush()->SetColor(enabled ? Color() : clBtnFace);
    canvas.FillRect(client);

    canvas.SetFont(Font());
    canvas.Font()->SetColor(enabled ? Font()->Color() : clGrayText);
    canvas.Brush()->SetStyle(bsClear);
    const TRect inner{kMargin, 0, std::max(kMargin, client.Right - kMargin), client.Bottom};
    const std::string shown = DisplayText();
    const int x = TextX(0);
    const int y = kMargin;
    const int height = LineHeight();
    canvas.TextRect(inner, x, y, shown);

    const bool focused = Focused();
    if (SelLength() > 0 && (focused || !FHideSelection)) {
        const TRect selected = IntersectRect(
            inner, {TextX(SelStart()), y, TextX(SelStart() + SelLength()), y + height});
        canvas.Brush()->SetColor(clHighlight);
        canvas.FillRect(selected);
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(clHighlightText);
        canvas.TextRect(selected, x, y, shown);
    }
    if (focused) {
        const int caretX = TextX(FSelection.Caret);
        canvas.Brush()->SetColor(clWindowText);
        canvas.FillRect(IntersectRect(client, {caretX, y, caretX + 1, y + height}));
    }
}
