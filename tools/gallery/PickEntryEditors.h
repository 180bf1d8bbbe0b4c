#pragma once
// Editors that take a typed entry or a pick from a list beside it: colours (a swatch, a cl* name
// or hex, the named colours with their swatches) and integers with names (a cursor: crHandPoint).
// An entry is applied on Enter and when the focus leaves it, if it differs from what was shown.

#include "framework/stdctrls/Edit.h"
#include "tools/gallery/ChoiceEditors.h"
#include "tools/gallery/EntryEditors.h"
#include "tools/gallery/Identifiers.h"

class TColorButton;

// The entry, with the list's drop-down button at its right end.
class TPickEntryEditor : public TMenuEditor {
public:
    TPickEntryEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    void Place(const TRect& rect) override;
    void Show() override;

protected:
    // Takes the typed text; a text the property cannot hold is refused with the reason.
    virtual void Take(const std::string& text) = 0;
    std::string Caption() const override { return {}; }
    // What the entry shows, "" where the targets differ.
    virtual std::string Text() const = 0;
    TEdit* Entry() const { return FEdit; }

private:
    void Commit(TObject* sender);

    TCommitEntry<TEdit>* FEdit;
    std::string FShown;
};

// The swatch shows the colour; a click on it puts the focus into the entry beside it.
class TColorEditor : public TPickEntryEditor {
public:
    TColorEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    // The swatch.
    TControl* Control() const override;
    void Place(const TRect& rect) override;
    void Show() override;

protected:
    std::vector<TChoice> Choices() const override;
    void Choose(int index) override;
    void Take(const std::string& text) override;
    std::string Text() const override;
    std::string Spell(const TPropValue& value) const override;

private:
    void SwatchClick(TObject* sender);

    TColorButton* FSwatch;
};

class TIdentifierEditor : public TPickEntryEditor {
public:
    TIdentifierEditor(IPropertyEditorHost& host, const TPropertyRow& row);

protected:
    std::vector<TChoice> Choices() const override;
    void Choose(int index) override;
    void Take(const std::string& text) override;
    std::string Text() const override;
    std::string Spell(const TPropValue& value) const override;

private:
    const TIdentifiers& FNames;
};
