#include "tools/gallery/PaletteBar.h"

#include "controls/Library.h"
#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/SpeedButton.h"

namespace {

constexpr int RowHeight = 30;
constexpr int PageNameWidth = 104;
// A button around a 24 x 24 picture; a class without one shows its name on a wider button.
constexpr int ButtonSize = 28;
constexpr int NamedButtonWidth = 92;

} // namespace

const TClassInfo& TPaletteBar::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TPaletteBar>("TPaletteBar", &TPanel::StaticClass(), [](auto&) {});
    return info;
}

TPaletteBar::TPaletteBar(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvNone);
}

void TPaletteBar::Fill(const TComponentPalette& palette) {
    FEntries.clear();
    while (ControlCount() > 0)
        delete Controls(ControlCount() - 1);
    int top = 4;
    for (const auto& page : palette.Pages()) {
        auto* name = new TLabel(this);
        name->SetBounds(6, top + 7, PageNameWidth - 8, 16);
        name->SetCaption(page.Name);
        name->SetParent(this);
        int left = PageNameWidth;
        for (const TClassInfo* info : page.Classes) {
            auto* button = new TSpeedButton(this);
            ShowClass(*button, *info);
            button->SetBounds(left, top, button->Width(), ButtonSize);
            button->SetGroupIndex(1);
            button->SetAllowAllUp(true);
            button->OnClick = TNotifyEvent(this, &TPaletteBar::ButtonClick);
            button->SetParent(this);
            FEntries.push_back({info, button});
            left += button->Width() + 2;
        }
        top += RowHeight;
    }
    SetHeight(top + 2);
}

void TPaletteBar::ShowClass(TSpeedButton& button, const TClassInfo& info) {
    const TControlUnit* unit = FindControlUnit(info);
    if (unit && unit->PaletteBitmap) {
        button.SetGlyphResource(unit->PaletteBitmap);
        button.SetWidth(ButtonSize);
    } else {
        button.SetCaption(info.Name);
        button.SetWidth(NamedButtonWidth);
    }
    button.SetHint(info.Name);
    button.SetShowHint(true);
}

const TClassInfo* TPaletteBar::Chosen() const {
    for (const TEntry& entry : FEntries)
        if (entry.Button->Down())
            return entry.Class;
    return nullptr;
}

void TPaletteBar::ClearChoice() {
    for (const TEntry& entry : FEntries)
        entry.Button->SetDown(false);
}

TSpeedButton* TPaletteBar::ButtonOf(const TClassInfo& info) const {
    for (const TEntry& entry : FEntries)
        if (entry.Class == &info)
            return entry.Button;
    return nullptr;
}

void TPaletteBar::ButtonClick(TObject*) {
    OnChoose(this);
}
