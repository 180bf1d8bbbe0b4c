#pragma once
// Editors that take a typed entry: integers in a numeric edit, strings in an edit, string lists
// in a memo, a caption of one or more lines in a memo; and the read-only row of events and
// resources. An entry is applied on Enter (Ctrl+Enter in the memo, where Enter breaks
// the line) and when the focus leaves it, if it differs from what was shown.

#include "controls/NumberEdit.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Memo.h"
#include "tools/gallery/PropertyEditor.h"

// An entry control that reports Enter and the loss of the focus as OnCommit. The key that
// commits types nothing.
template <class Base> class TCommitEntry : public Base {
public:
    explicit TCommitEntry(TComponent* owner) : Base(owner) {}

    TNotifyEvent OnCommit;
    // Ctrl+Enter commits rather than Enter.
    bool CommitOnCtrlEnter = false;

    void WndProc(TMessage& message) override {
        if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_RETURN) {
            message.Result = 1;
            return;
        }
        Base::WndProc(message);
    }
    void KeyDown(unsigned short& key, TShiftState shift) override {
        if (key == VK_RETURN && shift.Contains(ssCtrl) == CommitOnCtrlEnter) {
            key = 0;
            FSwallowReturn = true;
            OnCommit(this);
            return;
        }
        FSwallowReturn = false;
        Base::KeyDown(key, shift);
    }
    void KeyPress(char& key) override {
        if (FSwallowReturn && (key == '\r' || key == '\n')) {
            FSwallowReturn = false;
            key = 0;
            return;
        }
        Base::KeyPress(key);
    }
    void DoExit() override {
        Base::DoExit();
        OnCommit(this);
    }

private:
    bool FSwallowReturn = false;
};

// The numeric edit refuses, key by key, whatever would not leave a 32-bit number. The inspector
// remembers what was typed and that something was refused, so that the entry as typed is refused
// as a whole when it is applied, with the reason, rather than applied cut short.
class TIntegerEntry : public TCommitEntry<TNumberEdit> {
public:
    explicit TIntegerEntry(TComponent* owner) : TCommitEntry(owner) {}

    void KeyPress(char& key) override;
    // Forgets the typing, when a value is shown.
    void Reset();
    // The text as the user meant it: the keys typed when one was refused, else the text.
    std::string Entry() const;

private:
    std::string FTyped;
    bool FRefused = false;
};

class TIntegerEditor : public TPropertyEditor {
public:
    TIntegerEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    void Show() override;

private:
    void Commit(TObject* sender);

    TIntegerEntry* FEdit;
    std::string FShown;
};

class TStringEditor : public TPropertyEditor {
public:
    TStringEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    void Show() override;

private:
    void Commit(TObject* sender);

    TCommitEntry<TEdit>* FEdit;
    std::string FShown;
};

class TLinesEditor : public TPropertyEditor {
public:
    TLinesEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    int RowHeight() const override { return 56; }
    void Show() override;

private:
    void Commit(TObject* sender);

    TCommitEntry<TMemo>* FMemo;
    std::vector<std::string> FShown;
};

// Caption and CaptionLines of a control that has both (the colour button draws its lines while
// Caption is empty) as one memo: one line is taken as Caption, more as the lines with Caption
// emptied. Empty lines at the end are dropped.
class TCaptionEditor : public TPropertyEditor {
public:
    TCaptionEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    // Whether row is the Caption of such a control.
    static bool Fits(const TPropertyRow& row);
    bool Edits(const std::string& path) const override;
    TControl* Control() const override;
    int RowHeight() const override { return 56; }
    void Show() override;

private:
    std::vector<std::string> Lines() const;
    void Commit(TObject* sender);

    TCommitEntry<TMemo>* FMemo;
    std::vector<std::string> FShown;
};

// Events show the name of the root's method they are bound to, or else the name a double click
// gave the handler: the component's name and the event's ("StrokeBar1Changing" for OnChanging).
// Naming binds nothing: the handlers the event log puts in stay. Resources show their name.
class TReadOnlyEditor : public TPropertyEditor {
public:
    TReadOnlyEditor(IPropertyEditorHost& host, const TPropertyRow& row);
    TControl* Control() const override;
    void Show() override;

private:
    std::string Text() const;
    std::string MethodName(const TPropTarget& target) const;
    void DblClick(TObject* sender);

    TEdit* FEdit;
};
