#pragma once
// Editors that choose rather than type: a check box for booleans, and a drop-down button whose
// menu lists the names of an enumeration (the current one checked), the members of a set (each
// click adds or removes one) or the components a reference may name.

#include "tools/gallery/PropertyEditor.h"

#include <optional>
#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TFont;
class TCuteButton;
class TPopupMenu;

class TBooleanEditor : public TPropertyEditor {
public:
    TBooleanEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    void Show() override;

private:
    void Click(TObject* sender);

    TCheckBox* FCheck;
};

class TMenuEditor : public TPropertyEditor {
public:
    TMenuEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    void Show() override;

protected:
    struct TChoice {
        std::string Caption;
        bool Checked = false;
        std::optional<TColor> Swatch;
    };
    TCuteButton* Button() const { return FButton; }
    // The menu's items, read when it drops.
    virtual std::vector<TChoice> Choices() const = 0;
    virtual void Choose(int index) = 0;
    // What the button shows.
    virtual std::string Caption() const = 0;

private:
    void Popup(TObject* sender);
    void ItemClick(TObject* sender);

    TCuteButton* FButton;
    TPopupMenu* FMenu;
};

class TEnumEditor : public TMenuEditor {
public:
    using TMenuEditor::TMenuEditor;

protected:
    std::vector<TChoice> Choices() const override;
    void Choose(int index) override;
    std::string Caption() const override;
};

class TSetEditor : public TMenuEditor {
public:
    using TMenuEditor::TMenuEditor;

protected:
    std::vector<TChoice> Choices() const override;
    void Choose(int index) override;
    std::string Caption() const override;

private:
    std::uint64_t Bits() const;
};

// The first item clears the reference; the others are the root's components of a class that
// fits.
class TReferenceEditor : public TMenuEditor {
public:
    using TMenuEditor::TMenuEditor;

protected:
    std::vector<TChoice> Choices() const override;
    void Choose(int index) override;
    std::string Caption() const override;

private:
    std::vector<TComponent*> Candidates() const;
    std::optional<TComponent*> Current() const;
};

// A nested font: a button that shows it and opens the desktop's font dialog, whose choice sets
// the name, size, style and colour of every target's font. Its own properties keep their rows.
class TFontEditor : public TPropertyEditor {
public:
    TFontEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    // Whether row is a nested font.
    static bool Fits(const TPropertyRow& row);
    TControl* Control() const override;
    void Show() override;

private:
    TFont* FontOf(const TPropTarget& target) const;
    void Click(TObject* sender);

    TButton* FButton;
};
