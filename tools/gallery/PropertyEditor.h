#pragma once
// The editor of one row of the property inspector: the controls that show a published property's
// value and take a new one. Each kind of property has its own editor (EntryEditors.h,
// ChoiceEditors.h); MakePropertyEditor picks it.

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TControl;
class TWinControl;

// One published property of one inspected object.
struct TPropTarget {
    TObject* Object = nullptr; // the inspected component, or the nested object holding it
    const TPropInfo* Prop = nullptr;
};

// One published property as the inspector lists it: of every selected component at once.
struct TPropertyRow {
    std::string Path; // "Max", or "Font.Name" for a property of a nested object
    std::vector<TPropTarget> Targets;

    // The first target's table entry: the kind and names every target shares.
    const TPropInfo& Prop() const { return *Targets.front().Prop; }
};

// What an editor needs of the inspector it sits in.
class IPropertyEditorHost {
public:
    // Parent and owner of the editors' controls.
    virtual TWinControl& EditorParent() = 0;
    // Runs change, a call of the row's setter. When it raises, the entry is refused (see
    // Refuse) and false returned; either way every row shows its value again.
    virtual bool ApplyChange(const TPropertyRow& row, const std::function<void()>& change) = 0;
    // Tells the user why the entry cannot be taken, naming the property; every row shows its
    // value again and nothing is changed.
    virtual void Refuse(const TPropertyRow& row, const std::string& reason) = 0;
    // Tells the user that the entry was taken but the property keeps something else.
    virtual void Note(const TPropertyRow& row, const std::string& note) = 0;
    // Where the components a reference may name are owned.
    virtual TComponent* Root() const = 0;
    // Scrolls the control of an editor into sight (it has the focus now).
    virtual void ScrollInView(const TControl& control) = 0;
    // The handler an event row shows the method of.
    virtual std::any EventHandler(const TPropTarget& target) const = 0;
    // The name a double click gave the handler of the target's event, or nothing.
    virtual std::string NamedHandler(const TPropTarget& target) const = 0;
    virtual void NameHandler(const TPropTarget& target, const std::string& name) = 0;

protected:
    ~IPropertyEditorHost() = default;
};

class TPropertyEditor {
public:
    TPropertyEditor(IPropertyEditorHost& host, TPropertyRow row);
    virtual ~TPropertyEditor();
    TPropertyEditor(const TPropertyEditor&) = delete;
    TPropertyEditor& operator=(const TPropertyEditor&) = delete;

    const TPropertyRow& Row() const { return FRow; }
    // Whether the editor edits the property at path: its row's, or one folded into it.
    virtual bool Edits(const std::string& path) const { return path == FRow.Path; }
    // The control that takes the entry (for tests and scripts).
    virtual TControl* Control() const = 0;
    // The height the editor's row needs.
    virtual int RowHeight() const { return 21; }
    // Places the editor's controls in rect (the inspector's client coordinates).
    virtual void Place(const TRect& rect);
    // Shows the property's current value.
    virtual void Show() = 0;
    // Destroys the controls; from then on the editor ignores their events. Called before the
    // editor itself goes, while its event handlers are still whole.
    void DestroyControls();

protected:
    // The value every target holds; monostate when they differ.
    TPropValue Value() const;
    // Sets the property of every target to value through its setter (see ApplyChange); when a
    // setter keeps something else, the inspector notes it.
    bool Apply(const TPropValue& value);
    // A value as the note spells it.
    virtual std::string Spell(const TPropValue& value) const;
    void Refuse(const std::string& reason) { FHost.Refuse(FRow, reason); }
    // Whether the controls' events are still to be handled.
    bool Live() const { return !FDestroyed; }
    // A component of the editor, owned by the inspector and destroyed with the editor; a
    // control is placed on the inspector and scrolled into sight when it takes the focus.
    template <class T> T* Make() {
        auto* component = new T(&FHost.EditorParent());
        Adopt(component);
        return component;
    }

    IPropertyEditorHost& FHost;
    const TPropertyRow FRow;

private:
    void Adopt(TComponent* component);
    void Entered(TObject* sender);

    std::vector<TComponent*> FComponents;
    bool FDestroyed = false;
};

// The editor for the row's kind of property; nullptr for a nested object that has none (its
// properties have rows of their own).
std::unique_ptr<TPropertyEditor> MakePropertyEditor(IPropertyEditorHost& host,
                                                    const TPropertyRow& row);
