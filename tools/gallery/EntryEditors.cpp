#include "tools/gallery/EntryEditors.h"

#include "framework/core/SysUtils.h"

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
    const TPropValue value = Value();
    FShown = value.index() == 0 ? std::string() : IntToStr(std::get<std::int64_t>(value));
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
    const TPropValue value = Value();
    FShown = value.index() == 0 ? std::string() : std::get<std::string>(value);
    FEdit->SetText(FShown);
}

void TStringEditor::Commit(TObject*) {
    if (Live() && FEdit->Text() != FShown)
        Apply(FEdit->Text());
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
    const TPropValue value = Value();
    FShown =
        value.index() == 0 ? std::vector<std::string>() : std::get<std::vector<std::string>>(value);
    FMemo->Lines()->SetLines(FShown);
}

void TLinesEditor::Commit(TObject*) {
    if (Live() && FMemo->Lines()->Lines() != FShown)
        Apply(FMemo->Lines()->Lines());
}

// ---- TCaptionEditor

namespace {

const TPropInfo& LinesOf(const TPropTarget& target) {
    return *target.Object->ClassType().FindProperty("CaptionLines");
}

} // namespace

TCaptionEditor::TCaptionEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FMemo(Make<TCommitEntry<TMemo>>()) {
    FMemo->CommitOnCtrlEnter = true;
    FMemo->SetScrollBars(ssVertical);
    FMemo->OnCommit = TNotifyEvent(this, &TCaptionEditor::Commit);
}

bool TCaptionEditor::Fits(const TPropertyRow& row) {
    return row.Prop().Name == "Caption" &&
           std::ranges::all_of(row.Targets, [](const TPropTarget& target) {
               const TPropInfo* lines = target.Object->ClassType().FindProperty("CaptionLines");
               return lines && lines->Kind == TPropKind::Strings;
           });
}

bool TCaptionEditor::Edits(const std::string& path) const {
    const std::string prefix =
        FRow.Path.substr(0, FRow.Path.size() - std::string("Caption").size());
    return path == FRow.Path || path == prefix + "CaptionLines";
}

TControl* TCaptionEditor::Control() const {
    return FMemo;
}

// What the control draws: Caption while it has one, else the lines.
std::vector<std::string> TCaptionEditor::Lines() const {
    std::vector<std::string> shared;
    for (const TPropTarget& target : FRow.Targets) {
        const std::string caption = std::get<std::string>(target.Prop->Get(*target.Object));
        std::vector<std::string> lines =
            std::get<std::vector<std::string>>(LinesOf(target).Get(*target.Object));
        if (!caption.empty())
            lines = {caption};
        if (&target != &FRow.Targets.front() && lines != shared)
            return {};
        shared = std::move(lines);
    }
    return shared;
}

void TCaptionEditor::Show() {
    FShown = Lines();
    FMemo->Lines()->SetLines(FShown);
}

void TCaptionEditor::Commit(TObject*) {
    if (!Live())
        return;
    std::vector<std::string> lines = FMemo->Lines()->Lines();
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines == FShown)
        return;
    const bool single = lines.size() <= 1;
    const std::string caption = single && !lines.empty() ? lines.front() : std::string();
    FHost.ApplyChange(FRow, [this, caption, single, lines] {
        for (const TPropTarget& target : FRow.Targets) {
            LinesOf(target).Set(*target.Object, single ? std::vector<std::string>() : lines);
            target.Prop->Set(*target.Object, caption);
        }
    });
}

// ---- TReadOnlyEditor

TReadOnlyEditor::TReadOnlyEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPropertyEditor(host, row), FEdit(Make<TEdit>()) {
    FEdit->SetReadOnly(true);
    FEdit->SetParentColor(true);
    FEdit->OnDblClick = TNotifyEvent(this, &TReadOnlyEditor::DblClick);
}

TControl* TReadOnlyEditor::Control() const {
    return FEdit;
}

void TReadOnlyEditor::Show() {
    FEdit->SetText(Text());
}

std::string TReadOnlyEditor::Text() const {
    const TPropInfo& prop = FRow.Prop();
    if (prop.Kind == TPropKind::Resource) {
        const TPropValue value = Value();
        return value.index() == 0 ? std::string() : std::get<std::string>(value);
    }
    if (prop.Kind != TPropKind::Event)
        return {};
    std::string shared = MethodName(FRow.Targets.front());
    for (const TPropTarget& target : FRow.Targets)
        if (MethodName(target) != shared)
            return {};
    return shared;
}

// The root's method bound to the target's event, else the name given to its handler.
std::string TReadOnlyEditor::MethodName(const TPropTarget& target) const {
    const TPropInfo& prop = *target.Prop;
    const std::any event = FHost.EventHandler(target);
    TComponent* root = FHost.Root();
    for (const auto* info = root ? &root->ClassType() : nullptr; info; info = info->Parent)
        for (const auto& method : info->Methods)
            if (method.EventType == *prop.EventType && prop.EventEquals(event, method.Bind(*root)))
                return method.Name;
    return FHost.NamedHandler(target);
}

void TReadOnlyEditor::DblClick(TObject*) {
    if (!Live() || FRow.Prop().Kind != TPropKind::Event)
        return;
    for (const TPropTarget& target : FRow.Targets) {
        const auto* component = dynamic_cast<const TComponent*>(target.Object);
        if (component && MethodName(target).empty())
            FHost.NameHandler(target, component->Name() + target.Prop->Name.substr(2));
    }
    Show();
}
