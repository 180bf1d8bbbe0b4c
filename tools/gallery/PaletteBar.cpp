#include "tools/gallery/PaletteBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/SpeedButton.h"

namespace {

constexpr int RowHeight = 28;
constexpr int PageNameWidth = 104;
constexpr int ButtonWidth = 92;
constexpr int ButtonHeight = 24;

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
        name->SetBounds(6, top + 5, PageNameWidth - 8, 16);
        name->SetCaption(page.Name);
        name->SetParent(this);
        int left = PageNameWidth;
        for (const TClassInfo* info : page.Classes) {
            auto* button = new TSpeedButton(this);
            button->SetBounds(left, top, ButtonWidth, ButtonHeight);
            button->SetCaption(info->Name);
            button->SetGroupIndex(1);
            button->SetAllowAllUp(true);
            button->OnClick = TNotifyEvent(this, &TPaletteBar::ButtonClick);
            button->SetParent(this);
            FEntries.push_back({info, button});
            left += ButtonWidth + 2;
        }
        top += RowHeight;
    }
    SetHeight(top + 2);
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
