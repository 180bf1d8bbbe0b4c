// TCustomMemo, in sections: the string list over the document; properties; selection and
// clipboard; scrolling; painting; mouse; keyboard and characters; messages.

#include "framework/stdctrls/Memo.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Clipboard.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>

namespace {

constexpr int kMarginX = 2; // between the client edge and the text, left and right
constexpr int kMarginY = 1;
constexpr UINT_PTR kCaretTimer = 0x5C10;
constexpr UINT kCaretBlink = 530;

} // namespace

// --- the string list over the document

class TMemoStrings final : public TStrings {
    FRAMEWORK_CLASS(TMemoStrings)
public:
    explicit TMemoStrings(TCustomMemo& memo) : FMemo(memo) {}

    int Count() const override { return FMemo.FDocument.StringCount(); }
    std::string Get(int index) const override {
        CheckIndex(index, Count());
        return FMemo.FDocument.Line(index);
    }
    void Put(int index, const std::string& text) override {
        CheckIndex(index, Count());
        FMemo.FDocument.ReplaceString(index, text);
        Changed(FMemo.FDocument.Clamp(FMemo.FCaret));
    }
    void Insert(int index, const std::string& text) override {
        CheckIndex(index, Count() + 1);
        Changed(FMemo.FDocument.InsertString(index, text));
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        FMemo.FDocument.DeleteString(index);
        Changed({index, 0});
    }
    void Clear() override {
        FMemo.FDocument.SetText({});
        FMemo.FTopLine = 0;
        FMemo.FLeftOffset = 0;
        Changed({});
    }

protected:
    void UpdateEnded() override {
        if (!FPending)
            return;
        FPending = false;
        FMemo.ScrollCaret();
        FMemo.Changed();
    }

private:
    // The caret goes where the change ended and is scrolled into view.
    void Changed(TTextPos caret) {
        FMemo.FCaret = FMemo.FAnchor = FMemo.FDocument.Clamp(caret);
        FMemo.FDesiredX = -1;
        if (IsUpdating()) {
            FPending = true;
            return;
        }
        FMemo.ScrollCaret();
        FMemo.Changed();
    }

    TCustomMemo& FMemo;
    bool FPending = false;
};

const TClassInfo& TMemoStrings::StaticClass() {
    static const TClassInfo info = DescribeClass<TMemoStrings>(
        "TMemoStrings", &TStrings::StaticClass(), [](TClassBuilder<TMemoStrings>&) {});
    return info;
}

// --- class information

const TClassInfo& TCustomMemo::StaticClass() {
    static const TClassInfo info = DescribeClass<TCustomMemo>(
        "TCustomMemo", &TCustomControl::StaticClass(), [](TClassBuilder<TCustomMemo>&) {});
    return info;
}

const TClassInfo& TMemo::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TMemo>("TMemo", &TCustomMemo::StaticClass(), [](TClassBuilder<TMemo>& c) {
            c.Bool("ParentColor", &TMemo::ParentColor, &TMemo::SetParentColor, false);
            c.Int("Cursor", &TMemo::Cursor, &TMemo::SetCursor, crIBeam);
            c.Enum("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle,
                   TBorderStyle::bsSingle, BorderStyleNames);
            c.Bool("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection, true);
            c.Strings("Lines", &TMemo::Lines);
            c.Int("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength, 0);
            c.Bool("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly, false);
            c.Enum("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars, ssNone,
                   ScrollStyleNames);
            c.Bool("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns, true);
            c.Bool("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs, false);
            c.Event("OnChange", &TMemo::OnChange);
        });
    return info;
}

const TMessageMap& TCustomMemo::StaticMessageMap() {
    static const TMessageMap map(
        &TCustomControl::StaticMessageMap(),
        {
            MessageHandler<WM_HSCROLL, &TCustomMemo::WMHScroll>(),
            MessageHandler<WM_VSCROLL, &TCustomMemo::WMVScroll>(),
            MessageHandler<WM_PAINT, &TCustomMemo::WMPaint>(),
            MessageHandler<WM_SIZE, &TCustomMemo::WMSize>(),
            MessageHandler<CM_FONTCHANGED, &TCustomMemo::CMFontChanged>(),
            MessageHandler<CM_ENABLEDCHANGED, &TCustomMemo::CMEnabledChanged>(),
        });
    return map;
}

// --- life and properties

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomControl(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
    FWidth = 185;
    FHeight = 89;
    SetColor(clWindow);
    SetCursor(crIBeam);
    SetTabStop(true);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetMemoText(const std::string& text) {
    FDocument.SetText(text);
    FCaret = FAnchor = {};
    FTopLine = 0;
    FLeftOffset = 0;
    Changed();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
    if (value == FScrollBars)
        return;
    FScrollBars = value;
    FBars.SetVisible(value == ssHorizontal || value == ssBoth,
                     value == ssVertical || value == ssBoth);
    UpdateScrollBars();
}

void TCustomMemo::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomMemo::SetHideSelection(bool value) {
    if (value == FHideSelection)
        return;
    FHideSelection = value;
    Invalidate();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= FBars.Style();
    if (FBorderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomMemo::Changed() {
    UpdateScrollBars();
    Invalidate();
    if (OnChange)
        OnChange(this);
}

// --- selection and clipboard

int TCustomMemo::OffsetOf(TTextPos pos) const {
    int offset = 0;
    for (int i = 0; i < pos.Line; ++i)
        offset += static_cast<int>(FDocument.Line(i).size()) + 2;
    return offset + pos.Col;
}

TTextPos TCustomMemo::PosOf(int offset) const {
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

int TCustomMemo::SelStart() const {
    return OffsetOf(std::min(FCaret, FAnchor));
}

void TCustomMemo::SetSelStart(int value) {
    MoveCaret(PosOf(value), false);
}

int TCustomMemo::SelLength() const {
    return OffsetOf(std::max(FCaret, FAnchor)) - OffsetOf(std::min(FCaret, FAnchor));
}

void TCustomMemo::SetSelLength(int value) {
    const int start = SelStart();
    FAnchor = PosOf(start);
    MoveCaret(PosOf(start + std::max(value, 0)), true);
}

std::string TCustomMemo::SelText() const {
    return FDocument.TextRange(FAnchor, FCaret);
}

void TCustomMemo::SetSelText(const std::string& text) {
    if (!FReadOnly && ReplaceSelection(text))
        Changed();
}

void TCustomMemo::SelectAll() {
    FAnchor = {};
    MoveCaret(FDocument.End(), true);
}

void TCustomMemo::ClearSelection() {
    SetSelText({});
}

void TCustomMemo::CopyToClipboard() const {
    if (FCaret != FAnchor)
        Clipboard()->SetAsText(SelText());
}

void TCustomMemo::CutToClipboard() {
    if (FReadOnly)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomMemo::PasteFromClipboard() {
    if (!FReadOnly && Clipboard()->HasFormat(CF_TEXT))
        SetSelText(Clipboard()->AsText());
}

bool TCustomMemo::ReplaceSelection(std::string_view text) {
    const TTextPos from = std::min(FCaret, FAnchor);
    const TTextPos to = std::max(FCaret, FAnchor);
    if (from == to && text.empty())
        return false;
    if (FMaxLength > 0) {
        const auto length = static_cast<std::int64_t>(FDocument.Text().size()) - SelLength();
        if (length + static_cast<std::int64_t>(text.size()) > FMaxLength)
            return false;
    }
    FDocument.Erase(from, to);
    FCaret = FAnchor = FDocument.Insert(from, text);
    FDesiredX = -1;
    ScrollCaret();
    return true;
}

// --- scrolling

int TCustomMemo::LineHeight() const {
    FMeasure.SetFont(Font());
    return std::max(FMeasure.TextHeight("W"), 1);
}

TRect TCustomMemo::TextArea() const {
    TRect area = ClientRect();
    area.Left += kMarginX;
    area.Right = std::max(area.Left, area.Right - kMarginX);
    area.Top += kMarginY;
    return area;
}

int TCustomMemo::VisibleLines() const {
    const TRect area = TextArea();
    return std::max(area.Height() / LineHeight(), 1);
}

int TCustomMemo::TextX(int line, int col) const {
    FMeasure.SetFont(Font());
    return TextArea().Left - FLeftOffset +
           FMeasure.TextWidth(FDocument.Line(line).substr(0, static_cast<std::size_t>(col)));
}

void TCustomMemo::SetTopLine(int value) {
    value = std::clamp(value, 0, std::max(FDocument.LineCount() - VisibleLines(), 0));
    if (value == FTopLine)
        return;
    FTopLine = value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomMemo::ScrollCaret() {
    const int visible = VisibleLines();
    if (FCaret.Line < FTopLine)
        FTopLine = FCaret.Line;
    else if (FCaret.Line >= FTopLine + visible)
        FTopLine = FCaret.Line - visible + 1;
    const TRect area = TextArea();
    const int x = TextX(FCaret.Line, FCaret.Col) + FLeftOffset - area.Left;
    const int width = std::max(area.Width(), 1);
    if (x < FLeftOffset)
        FLeftOffset = std::max(x - width / 4, 0);
    else if (x >= FLeftOffset + width)
        FLeftOffset = x - width * 3 / 4;
    UpdateScrollBars();
    Invalidate();
}

void TCustomMemo::UpdateScrollBars() {
    if (FBars.Visible(sbVertical))
        FBars.Bar(sbVertical).SetParams(FDocument.LineCount(), VisibleLines(), FTopLine);
    if (FBars.Visible(sbHorizontal)) {
        FMeasure.SetFont(Font());
        int widest = 0;
        for (int i = 0; i < FDocument.LineCount(); ++i)
            widest = std::max(widest, FMeasure.TextWidth(FDocument.Line(i)));
        const TRect area = TextArea();
        FBars.Bar(sbHorizontal).SetParams(widest + 1, area.Width(), FLeftOffset);
    }
}

void TCustomMemo::WMVScroll(TMessage& message) {
    const int page = std::max(VisibleLines() - 1, 1);
    switch (static_cast<TScrollCode>(LOWORD(message.WParam))) {
    case scLineUp:
        SetTopLine(FTopLine - 1);
        break;
    case scLineDown:
        SetTopLine(FTopLine + 1);
        break;
    case scPageUp:
        SetTopLine(FTopLine - page);
        break;
    case scPageDown:
        SetTopLine(FTopLine + page);
        break;
    case scTrack:
    case scPosition:
        SetTopLine(HIWORD(message.WParam));
        break;
    case scTop:
        SetTopLine(0);
        break;
    case scBottom:
        SetTopLine(FDocument.LineCount());
        break;
    case scEndScroll:
        break;
    }
}

void TCustomMemo::WMHScroll(TMessage& message) {
    FMeasure.SetFont(Font());
    const int line = std::max(FMeasure.TextWidth("x"), 1);
    const int page = std::max(TextArea().Width(), 1);
    const TScrollBarEngine& bar = FBars.Bar(sbHorizontal);
    int offset = FLeftOffset;
    switch (static_cast<TScrollCode>(LOWORD(message.WParam))) {
    case scLineUp:
        offset -= line;
        break;
    case scLineDown:
        offset += line;
        break;
    case scPageUp:
        offset -= page;
        break;
    case scPageDown:
        offset += page;
        break;
    case scTrack:
    case scPosition:
        offset = HIWORD(message.WParam);
        break;
    case scTop:
        offset = 0;
        break;
    case scBottom:
        offset = bar.MaxPosition();
        break;
    case scEndScroll:
        break;
    }
    offset = std::clamp(offset, 0, bar.MaxPosition());
    if (offset == FLeftOffset)
        return;
    FLeftOffset = offset;
    UpdateScrollBars();
    Invalidate();
}

bool TCustomMemo::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    // Three lines a notch, as the desktop scrolls.
    SetTopLine(FTopLine - wheelDelta * 3 / 120);
    return true;
}

// --- painting

TRect TCustomMemo::CaretRect() const {
    const int x = TextX(FCaret.Line, FCaret.Col);
    const int y = TextArea().Top + (FCaret.Line - FTopLine) * LineHeight();
    return {x, y, x + 1, y + LineHeight()};
}

void TCustomMemo::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    const TRect area = TextArea();
    const int height = LineHeight();
    const TTextPos selFrom = std::min(FCaret, FAnchor);
    const TTextPos selTo = std::max(FCaret, FAnchor);
    const bool showSelection = selFrom != selTo && (Focused() || !FHideSelection);
    const int last = std::min(FDocument.LineCount(), FTopLine + area.Height() / height + 2);
    for (int i = FTopLine; i < last; ++i) {
        const std::string& line = FDocument.Line(i);
        const int y = area.Top + (i - FTopLine) * height;
        const int x = area.Left - FLeftOffset;
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
        canvas.TextOut(x, y, line);
        if (!showSelection || i < selFrom.Line || i > selTo.Line)
            continue;
        const int from = i == selFrom.Line ? selFrom.Col : 0;
        const int to = i == selTo.Line ? selTo.Col : static_cast<int>(line.size());
        if (from == to)
            continue;
        canvas.Brush()->SetColor(clHighlight);
        canvas.Font()->SetColor(clHighlightText);
        canvas.TextOut(
            x + canvas.TextWidth(line.substr(0, static_cast<std::size_t>(from))), y,
            line.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
    }
    if (FCaretShown && Focused()) {
        const TRect caret = CaretRect();
        canvas.Pen()->SetMode(pmNot);
        canvas.MoveTo(caret.Left, caret.Top);
        canvas.LineTo(caret.Left, caret.Bottom);
        canvas.Pen()->SetMode(pmCopy);
    }
}

void TCustomMemo::WMPaint(TWMPaint& message) {
    DispatchInherited(TCustomControl::StaticMessageMap(), message.Message);
    FBars.Paint();
}

void TCustomMemo::WMSize(TWMSize& message) {
    DispatchInherited(TCustomControl::StaticMessageMap(), message.Message);
    SetTopLine(FTopLine);
    UpdateScrollBars();
}

void TCustomMemo::CMFontChanged(TMessage& message) {
    DispatchInherited(TCustomControl::StaticMessageMap(), message);
    UpdateScrollBars();
}

void TCustomMemo::CMEnabledChanged(TMessage& message) {
    DispatchInherited(TCustomControl::StaticMessageMap(), message);
    FBars.SetDisabled(!Enabled());
}

void TCustomMemo::ShowCaret(bool visible) {
    FCaretShown = visible;
    if (!HandleAllocated())
        return;
    if (visible && Focused())
        SetTimer(Handle(), kCaretTimer, kCaretBlink, nullptr);
    const TRect caret = CaretRect();
    InvalidateRect(Handle(), &caret, false);
}

// --- mouse

TTextPos TCustomMemo::PosAt(int x, int y) const {
    const TRect area = TextArea();
    const int height = LineHeight();
    const int row = y >= area.Top ? (y - area.Top) / height : -1 - (area.Top - y - 1) / height;
    const int line = std::clamp(FTopLine + row, 0, FDocument.LineCount() - 1);
    const std::string& text = FDocument.Line(line);
    FMeasure.SetFont(Font());
    int left = area.Left - FLeftOffset;
    TTextPos pos{line, 0};
    while (pos.Col < static_cast<int>(text.size())) {
        const TTextPos next = FDocument.Next(pos);
        const int right = area.Left - FLeftOffset +
                          FMeasure.TextWidth(text.substr(0, static_cast<std::size_t>(next.Col)));
        if (x < (left + right) / 2)
            break;
        left = right;
        pos = next;
    }
    return pos;
}

void TCustomMemo::MoveCaret(TTextPos pos, bool extend) {
    FCaret = FDocument.Clamp(pos);
    if (!extend)
        FAnchor = FCaret;
    ScrollCaret();
    ShowCaret(true);
    Invalidate();
}

void TCustomMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Focused() && CanFocus())
        SetFocus();
    if (button == mbLeft) {
        if (shift.Contains(ssDouble)) {
            const auto [first, second] = FDocument.WordAt(PosAt(x, y));
            FAnchor = first;
            MoveCaret(second, true);
        } else {
            MoveCaret(PosAt(x, y), shift.Contains(ssShift));
            FSelecting = true;
        }
        FDesiredX = -1;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomMemo::MouseMove(TShiftState shift, int x, int y) {
    if (FSelecting) {
        // Dragging above or below the text scrolls it a line at a time.
        const TRect area = TextArea();
        if (y < area.Top)
            SetTopLine(FTopLine - 1);
        else if (y >= area.Bottom)
            SetTopLine(FTopLine + 1);
        MoveCaret(PosAt(x, y), true);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        FSelecting = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

// --- keyboard and characters

void TCustomMemo::KeyNavigate(unsigned short key, TShiftState shift) {
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    const bool collapse = !extend && FCaret != FAnchor;
    TTextPos pos = FCaret;
    const bool vertical = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    if (vertical && FDesiredX < 0)
        FDesiredX = TextX(FCaret.Line, FCaret.Col) + FLeftOffset;
    if (!vertical)
        FDesiredX = -1;
    switch (key) {
    case VK_LEFT:
        pos = collapse ? std::min(FCaret, FAnchor)
                       : (ctrl ? FDocument.PrevWord(FCaret) : FDocument.Prev(FCaret));
        break;
    case VK_RIGHT:
        pos = collapse ? std::max(FCaret, FAnchor)
                       : (ctrl ? FDocument.NextWord(FCaret) : FDocument.Next(FCaret));
        break;
    case VK_HOME:
        pos = ctrl ? TTextPos{} : TTextPos{FCaret.Line, 0};
        break;
    case VK_END:
        pos = ctrl ? FDocument.End()
                   : TTextPos{FCaret.Line, static_cast<int>(FDocument.Line(FCaret.Line).size())};
        break;
    default: {
        const int page = std::max(VisibleLines() - 1, 1);
        const int step = key == VK_UP ? -1 : key == VK_DOWN ? 1 : key == VK_PRIOR ? -page : page;
        const int line = std::clamp(FCaret.Line + step, 0, FDocument.LineCount() - 1);
        if (key == VK_PRIOR || key == VK_NEXT)
            SetTopLine(FTopLine + step);
        const int desired = FDesiredX;
        pos = PosAt(desired - FLeftOffset, TextArea().Top + (line - FTopLine) * LineHeight());
        FDesiredX = desired;
        break;
    }
    }
    const int desired = FDesiredX;
    MoveCaret(pos, extend);
    FDesiredX = desired;
}

void TCustomMemo::TypeChar(char c) {
    if (FReadOnly)
        return;
    const std::string text = c == '\r' ? std::string("\r\n") : std::string(1, c);
    if (ReplaceSelection(text)) {
        ShowCaret(true);
        Changed();
    }
}

void TCustomMemo::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS |
                         (FWantReturns ? DLGC_WANTALLKEYS : 0) | (FWantTabs ? DLGC_WANTTAB : 0);
        return;
    case WM_KEYDOWN: {
        const auto key = static_cast<unsigned short>(message.WParam);
        const TShiftState shift = KeyDataToShiftState(message.LParam);
        switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            KeyNavigate(key, shift);
            break;
        case VK_DELETE:
            if (shift.Contains(ssShift)) {
                CutToClipboard();
            } else if (!FReadOnly) {
                if (FCaret == FAnchor)
                    FCaret = FDocument.Next(FCaret);
                if (ReplaceSelection({}))
                    Changed();
            }
            break;
        case VK_INSERT:
            if (shift.Contains(ssCtrl))
                CopyToClipboard();
            else if (shift.Contains(ssShift))
                PasteFromClipboard();
            break;
        default:
            break;
        }
        return;
    }
    case WM_CHAR: {
        const char c = static_cast<char>(message.WParam);
        switch (c) {
        case '\x01': // Ctrl+A
            SelectAll();
            break;
        case '\x03': // Ctrl+C
            CopyToClipboard();
            break;
        case '\x16': // Ctrl+V
            PasteFromClipboard();
            break;
        case '\x18': // Ctrl+X
            CutToClipboard();
            break;
        case '\b':
            if (!FReadOnly) {
                if (FCaret == FAnchor)
                    FCaret = FDocument.Prev(FCaret);
                if (ReplaceSelection({}))
                    Changed();
            }
            break;
        case '\t':
            if (FWantTabs)
                TypeChar(c);
            break;
        case '\r':
            if (FWantReturns)
                TypeChar(c);
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != '\x7f')
                TypeChar(c);
            break;
        }
        return;
    }
    case WM_SETFOCUS:
        ShowCaret(true);
        Invalidate();
        break;
    case WM_KILLFOCUS:
        if (HandleAllocated())
            KillTimer(Handle(), kCaretTimer);
        ShowCaret(false);
        FSelecting = false;
        Invalidate();
        break;
    case WM_TIMER:
        if (message.WParam == kCaretTimer) {
            ShowCaret(!FCaretShown);
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomMemo::WndProc(TMessage& message) {
    if (FBars.HandleMessage(message))
        return;
    TCustomControl::WndProc(message);
}
