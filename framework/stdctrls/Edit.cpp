#include "framework/stdctrls/Edit.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"

#include <algorithm>

// Sections: class information; properties; the editor's changes; the native window (the
// editor's messages, mouse, focus and paint); looks.

namespace {

// Pixels between the client edge and the text.
constexpr int Margin = 1;

const std::vector<std::string> CharCaseNames{"ecNormal", "ecUpperCase", "ecLowerCase"};

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int CharacterCount(const std::string& s, int end) {
    return static_cast<int>(
        std::count_if(s.begin(), s.begin() + end, [](char c) { return !IsContinuation(c); }));
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
            c.Bool("Ctl3D", &TCustomEdit::Ctl3D, &TCustomEdit::SetCtl3D, true).IsStored =
                [](const TObject& o) {
                    return !static_cast<const TCustomEdit&>(o).ParentCtl3D();
                };
            c.Bool("ParentCtl3D", &TCustomEdit::ParentCtl3D, &TCustomEdit::SetParentCtl3D, true);
            c.Bool("ParentColor", &TCustomEdit::ParentColor, &TCustomEdit::SetParentColor, false);
            c.Enum("ImeMode", &TCustomEdit::ImeMode, &TCustomEdit::SetImeMode, imDontCare,
                   ImeModeNames);
            c.String("ImeName", &TCustomEdit::ImeName, &TCustomEdit::SetImeName, "");
            c.Bool("OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::SetOEMConvert, false);
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

void TCustomEdit::SetReadOnly(bool value) {
    if (value == ReadOnly())
        return;
    FEditor.SetReadOnly(value);
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
    FEditor.SetConcealed(value != 0);
    FScrollX = 0;
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    if (value == CharCase())
        return;
    FEditor.SetCharCase(value);
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
        AddBorderStyle(params);
    if (ReadOnly())
        params.Style |= ES_READONLY;
    if (FPasswordChar)
        params.Style |= ES_PASSWORD;
    if (!FHideSelection)
        params.Style |= ES_NOHIDESEL;
    if (CharCase() == ecUpperCase)
        params.Style |= ES_UPPERCASE;
    else if (CharCase() == ecLowerCase)
        params.Style |= ES_LOWERCASE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
    if (!FAutoSize || IsLoading())
        return;
    const int edge = FBorderStyle == TBorderStyle::bsNone ? 0 : Ctl3D() ? 2 : 1;
    SetHeight(LineHeight() + 2 * Margin + 2 * edge + 2);
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
    // Text that does not come from the editor comes from the program.
    if (Text() != FEditor.Document().Line(0)) {
        FEditor.SetText(Text());
        FScrollX = 0;
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

// ---- the editor's changes

void TCustomEdit::TextEdited() {
    SetText(FEditor.Document().Line(0));
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::SelectionMoved() {
    ScrollToCaret();
    Invalidate();
}

// ---- the native window

void TCustomEdit::DefaultHandler(TMessage& message) {
    if (FEditor.HandleMessage(message) || HandleMouse(message) || HandleWindowMessage(message))
        return;
    TWinControl::DefaultHandler(message);
}

bool TCustomEdit::HandleMouse(TMessage& message) {
    const TWMMouse mouse(message);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        if (!Focused())
            ::SetFocus(Handle());
        FEditor.MouseDown({0, PositionAt(mouse.XPos)}, (mouse.Keys & MK_SHIFT) != 0);
        SetCapture(Handle());
        return true;
    case WM_LBUTTONDBLCLK:
        FEditor.SelectWordAt({0, PositionAt(mouse.XPos)});
        return true;
    case WM_MOUSEMOVE:
        FEditor.MouseDrag({0, PositionAt(mouse.XPos)});
        return true;
    case WM_LBUTTONUP:
        // Also when the focus left during the press and ended the selecting.
        if (GetCapture() == Handle())
            ReleaseCapture();
        FEditor.MouseUp();
        return true;
    case WM_CAPTURECHANGED:
        FEditor.MouseUp();
        return true;
    default:
        return false;
    }
}

bool TCustomEdit::HandleWindowMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FEditor.MouseUp();
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
    return std::string(
        static_cast<std::size_t>(CharacterCount(Text(), static_cast<int>(Text().size()))),
        FPasswordChar);
}

int TCustomEdit::LineHeight() const {
    return CurrentFontEngine().Metrics(Font()->Resolved()).Height();
}

// The client x of the boundary before text position `position`.
int TCustomEdit::TextX(int position) const {
    const int shown = FPasswordChar ? CharacterCount(Text(), position) : position;
    const std::string prefix = DisplayText().substr(0, static_cast<std::size_t>(shown));
    return Margin - FScrollX + AlignOffset() +
           CurrentFontEngine().TextWidth(Font()->Resolved(), prefix);
}

// Right to left, text that fits ends where the caret at its end still shows.
int TCustomEdit::AlignOffset() const {
    if (!UseRightToLeftAlignment())
        return 0;
    const int textWidth = CurrentFontEngine().TextWidth(Font()->Resolved(), DisplayText());
    return std::max(0, ClientWidth() - 2 * Margin - 1 - textWidth);
}

// The text position whose boundary lies nearest to client x.
int TCustomEdit::PositionAt(int x) const {
    const TTextDocument& text = FEditor.Document();
    int best = 0;
    int bestDistance = std::abs(TextX(0) - x);
    for (TTextPos p; p != text.End();) {
        p = text.Next(p);
        const int distance = std::abs(TextX(p.Col) - x);
        if (distance < bestDistance) {
            best = p.Col;
            bestDistance = distance;
        }
    }
    return best;
}

void TCustomEdit::ScrollToCaret() {
    const int width = ClientWidth() - 2 * Margin;
    if (width <= 0)
        return;
    const int x = TextX(FEditor.Caret().Col) + FScrollX - Margin;
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
    const TRect inner{Margin, 0, std::max(Margin, client.Right - Margin), client.Bottom};
    const std::string shown = DisplayText();
    const int x = TextX(0);
    const int y = Margin;
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
        const int caretX = TextX(FEditor.Caret().Col);
        canvas.Brush()->SetColor(clWindowText);
        canvas.FillRect(IntersectRect(client, {caretX, y, caretX + 1, y + height}));
    }
}
