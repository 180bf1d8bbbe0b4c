#include "tools/gallery/PickEntryEditors.h"

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "framework/streaming/PropertyJson.h"
#include "tools/gallery/ColorText.h"

#include <cstdint>

namespace {

constexpr int DropWidth = 17;

} // namespace

// ---- TPickEntryEditor

TPickEntryEditor::TPickEntryEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TMenuEditor(host, row), FEdit(Make<TCommitEntry<TEdit>>()) {
    // The entry takes the focus; the list drops by the mouse.
    Button()->SetTabStop(false);
    Button()->SetCaption("\u25BC");
    FEdit->OnCommit = TNotifyEvent(this, &TPickEntryEditor::Commit);
}

TControl* TPickEntryEditor::Control() const {
    return FEdit;
}

void TPickEntryEditor::Place(const TRect& rect) {
    FEdit->SetBounds(rect.Left, rect.Top, rect.Width() - DropWidth - 1, rect.Height());
    Button()->SetBounds(rect.Right - DropWidth, rect.Top, DropWidth, rect.Height());
}

void TPickEntryEditor::Show() {
    FShown = Text();
    FEdit->SetText(FShown);
}

void TPickEntryEditor::Commit(TObject*) {
    if (Live() && FEdit->Text() != FShown)
        Take(FEdit->Text());
}

// ---- TColorEditor

TColorEditor::TColorEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPickEntryEditor(host, row), FSwatch(Make<TColorButton>()) {
    FSwatch->SetTabStop(false);
    FSwatch->OnClick = TNotifyEvent(this, &TColorEditor::SwatchClick);
}

TControl* TColorEditor::Control() const {
    return FSwatch;
}

void TColorEditor::Place(const TRect& rect) {
    const int side = rect.Height();
    FSwatch->SetBounds(rect.Left, rect.Top, side, side);
    TPickEntryEditor::Place({rect.Left + side + 3, rect.Top, rect.Right, rect.Bottom});
}

void TColorEditor::Show() {
    TPickEntryEditor::Show();
    const TPropValue value = Value();
    FSwatch->SetColor(value.index() == 0 ? clBtnFace
                                         : static_cast<TColor>(std::get<std::int64_t>(value)));
}

std::vector<TMenuEditor::TChoice> TColorEditor::Choices() const {
    const TPropValue current = Value();
    std::vector<TChoice> choices;
    for (const auto& [name, color] : NamedColors())
        if (color != clInvalid)
            choices.push_back({name, current == TPropValue(std::int64_t{color}), color});
    return choices;
}

void TColorEditor::Choose(int index) {
    const std::vector<TChoice> choices = Choices();
    if (index >= 0 && index < std::ssize(choices))
        Apply(std::int64_t{*choices[static_cast<std::size_t>(index)].Swatch});
}

void TColorEditor::Take(const std::string& text) {
    if (const auto color = ParseColorText(text))
        Apply(std::int64_t{*color});
    else
        Refuse("'" + text + "' is no colour: a name (clRed), #RRGGBB, $00BBGGRR or 0xBBGGRR");
}

std::string TColorEditor::Text() const {
    const TPropValue value = Value();
    return value.index() == 0 ? std::string() : Spell(value);
}

std::string TColorEditor::Spell(const TPropValue& value) const {
    return ColorToString(static_cast<TColor>(std::get<std::int64_t>(value)));
}

void TColorEditor::SwatchClick(TObject*) {
    if (!Live())
        return;
    Entry()->SetFocus();
    Entry()->SelectAll();
}

// ---- TIdentifierEditor

TIdentifierEditor::TIdentifierEditor(IPropertyEditorHost& host, const TPropertyRow& row)
    : TPickEntryEditor(host, row), FNames(*IdentifiersOf(row.Prop().Name)) {}

std::vector<TMenuEditor::TChoice> TIdentifierEditor::Choices() const {
    const TPropValue current = Value();
    std::vector<TChoice> choices;
    for (const auto& [name, value] : FNames)
        choices.push_back({name, current == TPropValue(std::int64_t{value}), {}});
    return choices;
}

void TIdentifierEditor::Choose(int index) {
    if (index >= 0 && index < std::ssize(FNames))
        Apply(std::int64_t{FNames[static_cast<std::size_t>(index)].second});
}

void TIdentifierEditor::Take(const std::string& text) {
    if (const auto value = IdentToInt(FNames, text))
        Apply(std::int64_t{*value});
    else
        Refuse("'" + text + "' is neither a name of the list (" + FNames.front().first +
               "...) nor a number");
}

std::string TIdentifierEditor::Text() const {
    const TPropValue value = Value();
    return value.index() == 0 ? std::string() : Spell(value);
}

std::string TIdentifierEditor::Spell(const TPropValue& value) const {
    const std::int64_t number = std::get<std::int64_t>(value);
    return number < INT32_MIN || number > INT32_MAX ? std::to_string(number)
                                                    : IntToIdent(FNames, static_cast<int>(number));
}
