#pragma once
// TPaletteBar: the component palette on screen. A row per page, in the order the pages were
// registered, each with the page's name and a button per class, showing the class's palette
// picture and its name as the hint; one class at a time may be chosen (its button stays down) to
// be placed on the designed form.

#include "framework/core/Events.h"
#include "framework/stdctrls/Panel.h"
#include "framework/streaming/Registration.h"

#include <vector>

class TSpeedButton;

class TPaletteBar : public TPanel {
    FRAMEWORK_CLASS(TPaletteBar)
public:
    explicit TPaletteBar(TComponent* owner);

    // Builds the rows anew from palette's pages.
    void Fill(const TComponentPalette& palette);
    // Null when no class is chosen.
    const TClassInfo* Chosen() const;
    void ClearChoice();
    // The button of a class, or null.
    TSpeedButton* ButtonOf(const TClassInfo& info) const;

    // After the choice changed by a click.
    TNotifyEvent OnChoose;

private:
    struct TEntry {
        const TClassInfo* Class;
        TSpeedButton* Button;
    };

    static void ShowClass(TSpeedButton& button, const TClassInfo& info);
    void ButtonClick(TObject* sender);

    std::vector<TEntry> FEntries;
};
