#pragma once
// Menus: TMenuItem (a caption with an accelerator, or "-" for a separator line; enabled,
// checked and default marks; a keyboard short cut; OnClick; sub items) and TPopupMenu, which shows
// its items at a screen point in a framework-drawn popup window and runs a loop of its own until
// the menu closes.

#include "framework/windows/Control.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TPopupMenu;

class TMenuItem : public TComponent {
    FRAMEWORK_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    // Leaves its parent item and destroys its sub items.
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    // A caption of "-" makes the item a separator line.
    bool IsLine() const { return FCaption == "-"; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    // Drawn in bold; what a double click would choose.
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    // The keys that choose the item without the menu open, as it shows beside the caption:
    // "Ctrl+S", "Shift+Ctrl+Z", "F5", "Del"; modifiers Shift, Ctrl and Alt, then a letter, a
    // digit, F1 to F12, Del or Ins. Empty for none.
    const std::string& ShortCut() const { return FShortCut; }
    void SetShortCut(const std::string& value) { FShortCut = value; }
    // Whether the key with those modifiers is the item's short cut.
    bool IsShortCut(unsigned short key, TShiftState shift) const;
    // A square of this colour in the check column (a check mark, when checked, is drawn on it).
    const std::optional<TColor>& Swatch() const { return FSwatch; }
    void SetSwatch(std::optional<TColor> value) { FSwatch = value; }

    // --- sub items, which the item references but does not own (their owner does)
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    // Takes the item out of any other parent first.
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Delete(int index) { Remove(Items(index)); }
    // Destroys every sub item.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }

    // Runs OnClick when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;

    // --- stored forms: items nest in their menu or their parent item
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;
    void GetChildren(const std::function<void(TComponent*)>& visit,
                     TComponent* root) const override;

private:
    friend class TPopupMenu;

    std::string FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FDefault = false;
    bool FVisible = true;
    std::string FShortCut;
    std::optional<TColor> FSwatch;
    TMenuItem* FParent = nullptr;
    TPopupMenu* FMenu = nullptr; // set on a menu's root item only
    std::vector<TMenuItem*> FItems;
};

// Where the menu stands against the point it is shown at: its left edge, its right edge or its
// middle.
enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TPopupMenuBase {
    FRAMEWORK_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The root item, whose sub items the menu shows.
    TMenuItem* Items() const { return FItems.get(); }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    bool AutoPopup() const override { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }

    // Raises OnPopup, shows the menu at a screen point (kept on the screen) and returns once it
    // has closed: by a click on an item or Enter (the item's OnClick then runs from the message
    // queue), or by Escape or a click outside (no click). Arrow keys move the highlight, an
    // accelerator letter chooses its item.
    void Popup(int x, int y) override;

    TNotifyEvent OnPopup;

    void GetChildren(const std::function<void(TComponent*)>& visit,
                     TComponent* root) const override;

protected:
    virtual void DoPopup();
    // Shows the sub items of items at a screen point, as Popup shows the menu's own.
    void PopupItems(TMenuItem* items, int x, int y, TPopupAlignment alignment);
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Choose(TMenuItem* item);
    void WndProc(TMessage& message);

    std::unique_ptr<TMenuItem> FItems;
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    HWND FWindowHandle;           // receives the posted click of the chosen item
    TMenuItem* FChosen = nullptr; // chosen, its click not yet run
};
