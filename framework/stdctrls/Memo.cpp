// TCustomMemo, in sections: the string list over the document; properties; the editor's
// changes; scrolling; painting; mouse; keys and messages.

#include "framework/stdctrls/Memo.h"

#include "framework/core/ClassBuilder.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>

namespace {

constexpr int MarginX = 2; // between the client edge and the text, left and right
constexpr int MarginY = 1;
constexpr UINT_PTR CaretTimer = 0x5C10;
constexpr UINT CaretBlink = 530;

} // namespace

// --- the string list over the document

class TMemoStrings final : public TStrings {
    FRAMEWORK_CLASS(TMemoStrings)
public:
    explicit TMemoStrings(TCustomMemo& memo) : FMemo(memo) {}

    int Count() const override { return FMemo.Document().StringCount(); }
    std::string Get(int index) const override {
        CheckIndex(index, Count());
        return FMemo.Document().Line(index);
    }
    void Put(int index, const std::string& text) override {
        CheckIndex(index, Count());
        FMemo.FEditor.ProgramDocument().ReplaceString(index, text);
        Changed(FMemo.CaretPos());
    }
    void Insert(int index, const std::string& text) override {
        CheckIndex(index, Count() + 1);
        Changed(FMemo.FEditor.ProgramDocument().InsertString(index, text));
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        FMemo.FEditor.ProgramDocument().DeleteString(index);
        Changed({index, 0});
    }
    void Clear() override {
        FMemo.FEditor.ProgramDocument().SetText({});
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
        FMemo.FEditor.ProgramEdited(caret);
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
            c.Bool("Ctl3D", &TMemo::Ctl3D, &TMemo::SetCtl3D, true).IsStored = [](const TObject& o) {
                return !static_cast<const TMemo&>(o).ParentCtl3D();
            };
            c.Bool("ParentCtl3D", &TMemo::ParentCtl3D, &TMemo::SetParentCtl3D, true);
            c.Enum("ImeMode", &TMemo::ImeMode, &TMemo::SetImeMode, imDontCare, ImeModeNames);
            c.String("ImeName", &TMemo::ImeName, &TMemo::SetImeName, "");
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
    FEditor.SetText(text);
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
        AddBorderStyle(params);
}

void TCustomMemo::Changed() {
    UpdateScrollBars();
    Invalidate();
    if (OnChange)
        OnChange(this);
}

// --- the editor's changes

void TCustomMemo::TextEdited() {
    FDesiredX = -1;
    ScrollCaret();
    ShowCaret(true);
    Changed();
}

void TCustomMemo::SelectionMoved() {
    FDesiredX = -1;
    ScrollCaret();
    ShowCaret(true);
}

// --- scrolling

int TCustomMemo::LineHeight() const {
    FMeasure.SetFont(Font());
    return std::max(FMeasure.TextHeight("W"), 1);
}

TRect TCustomMemo::TextArea() const {
    TRect area = ClientRect();
    area.Left += MarginX;
    area.Right = std::max(area.Left, area.Right - MarginX);
    area.Top += MarginY;
    return area;
}

int TCustomMemo::VisibleLines() const {
    const TRect area = TextArea();
    return std::max(area.Height() / LineHeight(), 1);
}

int TCustomMemo::TextX(int line, int col) const {
    FMeasure.SetFont(Font());
    const std::string& text = Document().Line(line);
    const TRect area = TextArea();
    // Right to left, a line that fits ends where the caret at its end still shows.
    const int indent =
        UseRightToLeftAlignment() ? std::max(0, area.Width() - 1 - FMeasure.TextWidth(text)) : 0;
    return area.Left - FLeftOffset + indent +
           FMeasure.TextWidth(text.substr(0, static_cast<std::size_t>(col)));
}

void TCustomMemo::SetTopLine(int value) {
    value = std::clamp(value, 0, std::max(Document().LineCount() - VisibleLines(), 0));
    if (value == FTopLine)
        return;
    FTopLine = value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomMemo::ScrollCaret() {
    const int visible = VisibleLines();
    if (CaretPos().Line < FTopLine)
        FTopLine = CaretPos().Line;
    else if (CaretPos().Line >= FTopLine + visible)
        FTopLine = CaretPos().Line - visible + 1;
    const TRect area = TextArea();
    const int x = TextX(CaretPos().Line, CaretPos().Col) + FLeftOffset - area.Left;
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
        FBars.Bar(sbVertical).SetParams(Document().LineCount(), VisibleLines(), FTopLine);
    if (FBars.Visible(sbHorizontal)) {
        FMeasure.SetFont(Font());
        int widest = 0;
        for (int i = 0; i < Document().LineCount(); ++i)
            widest = std::max(widest, FMeasure.TextWidth(Document().Line(i)));
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
        SetTopLine(Document().LineCount());
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
    const int x = TextX(CaretPos().Line, CaretPos().Col);
    const int y = TextArea().Top + (CaretPos().Line - FTopLine) * LineHeight();
    return {x, y, x + 1, y + LineHeight()};
}

void TCustomMemo::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    const TRect area = TextArea();
    const int height = LineHeight();
    const TTextPos selFrom = std::min(CaretPos(), AnchorPos());
    const TTextPos selTo = std::max(CaretPos(), AnchorPos());
    const bool showSelection = selFrom != selTo && (Focused() || !FHideSelection);
    const int last = std::min(Document().LineCount(), FTopLine + area.Height() / height + 2);
    for (int i = FTopLine; i < last; ++i) {
        const std::string& line = Document().Line(i);
        const int y = area.Top + (i - FTopLine) * height;
        const int x = TextX(i, 0);
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
        SetTimer(Handle(), CaretTimer, CaretBlink, nullptr);
    const TRect caret = CaretRect();
    InvalidateRect(Handle(), &caret, false);
}

// --- mouse

TTextPos TCustomMemo::PosAt(int x, int y) const {
    const TRect area = TextArea();
    const int height = LineHeight();
    const int row = y >= area.Top ? (y - area.Top) / height : -1 - (area.Top - y - 1) / height;
    const int line = std::clamp(FTopLine + row, 0, Document().LineCount() - 1);
    const std::string& text = Document().Line(line);
    int left = TextX(line, 0);
    TTextPos pos{line, 0};
    while (pos.Col < static_cast<int>(text.size())) {
        const TTextPos next = Document().Next(pos);
        const int right = TextX(line, next.Col);
        if (x < (left + right) / 2)
            break;
        left = right;
        pos = next;
    }
    return pos;
}

void TCustomMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Focused() && CanFocus())
        SetFocus();
    if (button == mbLeft) {
        if (shift.Contains(ssDouble))
            FEditor.SelectWordAt(PosAt(x, y));
        else
            FEditor.MouseDown(PosAt(x, y), shift.Contains(ssShift));
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomMemo::MouseMove(TShiftState shift, int x, int y) {
    if (FEditor.MouseSelecting()) {
        // Dragging above or below the text scrolls it a line at a time.
        const TRect area = TextArea();
        if (y < area.Top)
            SetTopLine(FTopLine - 1);
        else if (y >= area.Bottom)
            SetTopLine(FTopLine + 1);
        FEditor.MouseDrag(PosAt(x, y));
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        FEditor.MouseUp();
    TCustomControl::MouseUp(button, shift, x, y);
}

// --- keys and messages

bool TCustomMemo::VerticalMove(const TWMKey& message) {
    const unsigned short key = message.CharCode;
    if (key != VK_UP && key != VK_DOWN && key != VK_PRIOR && key != VK_NEXT)
        return false;
    const TTextPos caret = CaretPos();
    const int desired = FDesiredX < 0 ? TextX(caret.Line, caret.Col) + FLeftOffset : FDesiredX;
    const int page = std::max(VisibleLines() - 1, 1);
    const int step = key == VK_UP ? -1 : key == VK_DOWN ? 1 : key == VK_PRIOR ? -page : page;
    const int line = std::clamp(caret.Line + step, 0, Document().LineCount() - 1);
    if (key == VK_PRIOR || key == VK_NEXT)
        SetTopLine(FTopLine + step);
    const TTextPos pos =
        PosAt(desired - FLeftOffset, TextArea().Top + (line - FTopLine) * LineHeight());
    FEditor.MoveCaret(pos, KeyDataToShiftState(message.KeyData).Contains(ssShift));
    FDesiredX = desired;
    return true;
}

void TCustomMemo::DefaultHandler(TMessage& message) {
    if (FEditor.HandleMessage(message))
        return;
    switch (message.Msg) {
    case WM_KEYDOWN:
        if (VerticalMove(TWMKey(message)))
            return;
        break;
    case WM_SETFOCUS:
        ShowCaret(true);
        Invalidate();
        break;
    case WM_KILLFOCUS:
        if (HandleAllocated())
            KillTimer(Handle(), CaretTimer);
        ShowCaret(false);
        FEditor.MouseUp();
        Invalidate();
        break;
    case WM_TIMER:
        if (message.WParam == CaretTimer) {
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
