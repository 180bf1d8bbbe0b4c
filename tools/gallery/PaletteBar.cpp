#include "tools/gallery/PaletteBar.h"

#include "controls/Library.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/windows/Scaling.h"

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
    // The lengths are the gallery's design pixels, scaled as its stored form is.
    const auto px = [ppi = FormPixelsPerInch(this)](int length) {
        return ScaleLength(length, ppi, 96);
    };
    int top = px(4);
    for (const auto& page : palette.Pages()) {
        auto* name = new TLabel(this);
        name->SetBounds(px(6), top + px(7), px(PageNameWidth - 8), px(16));
        name->SetCaption(page.Name);
        name->SetParent(this);
        int left = px(PageNameWidth);
        for (const TClassInfo* info : page.Classes) {
            auto* button = new TSpeedButton(this);
            ShowClass(*button, *info);
            button->SetBounds(left, top, px(button->Width()), px(ButtonSize));
            button->SetGroupIndex(1);
            button->SetAllowAllUp(true);
            button->OnClick = TNotifyEvent(this, &TPaletteBar::ButtonClick);
            button->SetParent(this);
            FEntries.push_back({info, button});
            left += button->Width() + px(2);
        }
        top += px(RowHeight);
    }
    SetHeight(top + px(2));
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
