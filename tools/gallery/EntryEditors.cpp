#include "tools/gallery/EntryEditors.h"

#include "controls/ColorBtn.h"
#include "framework/core/SysUtils.h"
#include "framework/streaming/PropertyJson.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <variant>

namespace {

// The 32-bit number text holds, or why it holds none.
std::variant<std::int64_t, std::string> ParseInteger(const std::string& text) {
    const std::string trimmed = Trim(text);
    const std::size_t sign = trimmed.starts_with('-') ? 1 : 0;
    const bool digits = trimmed.size() > sign &&
                        std::all_of(trimmed.begin() + static_cast<std::ptrdiff_t>(sign),
                                    trimmed.end(), [](char c) { return std::isdigit(c) != 0; });
    if (!digits)
        return "'" + text + "' is not a number";
    std::int64_t value = 0;
    const auto [stop, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (error != std::errc() || stop != trimmed.data() + trimmed.size() || value < INT32_MIN ||
        value > INT32_MAX)
        return trimmed + " is out of the 32-bit range (-2147483648 to 2147483647)";
    return value;
}

} // namespace

// ---- TIntegerEntry

void TIntegerEntry::KeyPress(char& key) {
    const char typed = key;
    TCommitEntry::KeyPress(key);
    if (static_cast<unsigned char>(typed) < ' ')
        return;
    FTyped += typed;
    FRefused = FRefused || key == 0;
}

void TIntegerEntry::Reset() {
    FTyped.clear();
    FRefused = false;
}

std::string TIntegerEntry::Entry() const {
    return FRefused ? FTyped : Text();
}

// ---- TIntegerEditor

TIntegerEditor::TIntegerEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FEdit(Make<TIntegerEntry>()) {
    FEdit->OnCommit = TNotifyEvent(this, &TIntegerEditor::Commit);
}

TControl* TIntegerEditor::Control() const {
    return FEdit;
}

void TIntegerEditor::Show() {
    FShown = IntToStr(std::get<std::int64_t>(Value()));
    FEdit->SetText(FShown);
    FEdit->Reset();
}

void TIntegerEditor::Commit(TObject*) {
    const std::string entry = FEdit->Entry();
    if (!Live() || entry == FShown)
        return;
    const auto parsed = ParseInteger(entry);
    if (const auto* reason = std::get_if<std::string>(&parsed))
        Refuse(*reason);
    else
        Apply(std::get<std::int64_t>(parsed));
}

// ---- TStringEditor

TStringEditor::TStringEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FEdit(Make<TCommitEntry<TEdit>>()) {
    FEdit->OnCommit = TNotifyEvent(this, &TStringEditor::Commit);
}

TControl* TStringEditor::Control() const {
    return FEdit;
}

void TStringEditor::Show() {
    FShown = std::get<std::string>(Value());
    FEdit->SetText(FShown);
}

void TStringEditor::Commit(TObject*) {
    if (Live() && FEdit->Text() != FShown)
        Apply(FEdit->Text());
}

// ---- TColorEditor

TColorEditor::TColorEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FSwatch(Make<TColorButton>()),
      FEdit(Make<TCommitEntry<TEdit>>()) {
    FSwatch->SetTabStop(false);
    FSwatch->OnClick = TNotifyEvent(this, &TColorEditor::SwatchClick);
    FEdit->OnCommit = TNotifyEvent(this, &TColorEditor::Commit);
}

TControl* TColorEditor::Control() const {
    return FSwatch;
}

void TColorEditor::Place(const TRect& rect) {
    const int side = rect.Height();
    FSwatch->SetBounds(rect.Left, rect.Top, side, side);
    FEdit->SetBounds(rect.Left + side + 3, rect.Top, rect.Width() - side - 3, side);
}

void TColorEditor::Show() {
    const auto color = static_cast<TColor>(std::get<std::int64_t>(Value()));
    FSwatch->SetColor(color);
    FShown = ColorToString(color);
    FEdit->SetText(FShown);
}

void TColorEditor::SwatchClick(TObject*) {
    if (!Live())
        return;
    FEdit->SetFocus();
    FEdit->SelectAll();
}

void TColorEditor::Commit(TObject*) {
    if (!Live() || FEdit->Text() == FShown)
        return;
    if (const auto color = StringToColor(Trim(FEdit->Text())))
        Apply(static_cast<std::int64_t>(*color));
    else
        Refuse("'" + FEdit->Text() + "' is neither a colour name (clRed) nor hex (0x0000FF)");
}

// ---- TLinesEditor

TLinesEditor::TLinesEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FMemo(Make<TCommitEntry<TMemo>>()) {
    FMemo->CommitOnCtrlEnter = true;
    FMemo->SetScrollBars(ssVertical);
    FMemo->OnCommit = TNotifyEvent(this, &TLinesEditor::Commit);
}

TControl* TLinesEditor::Control() const {
    return FMemo;
}

void TLinesEditor::Show() {
    FShown = std::get<std::vector<std::string>>(Value());
    FMemo->Lines()->SetLines(FShown);
}

void TLinesEditor::Commit(TObject*) {
    if (Live() && FMemo->Lines()->Lines() != FShown)
        Apply(FMemo->Lines()->Lines());
}

// ---- TReadOnlyEditor

TReadOnlyEditor::TReadOnlyEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FEdit(Make<TEdit>()) {
    FEdit->SetReadOnly(true);
    FEdit->SetParentColor(true);
}

TControl* TReadOnlyEditor::Control() const {
    return FEdit;
}

void TReadOnlyEditor::Show() {
    FEdit->SetText(Text());
}

std::string TReadOnlyEditor::Text() const {
    const TPropInfo& prop = *FRow.Prop;
    if (prop.Kind == TPropKind::Resource)
        return std::get<std::string>(Value());
    if (prop.Kind != TPropKind::Event)
        return {};
    const std::any event = FHost.EventHandler(FRow);
    TComponent* root = FHost.Root();
    for (const auto* info = root ? &root->ClassType() : nullptr; info; info = info->Parent)
        for (const auto& method : info->Methods)
            if (method.EventType == *prop.EventType && prop.EventEquals(event, method.Bind(*root)))
                return method.Name;
    return {};
}
