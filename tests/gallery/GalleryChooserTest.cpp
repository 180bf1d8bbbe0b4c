#include "tests/gallery/GalleryTest.h"

#include "framework/stdctrls/Edit.h"
#include "framework/streaming/FormWriter.h"
#include "framework/windows/Win32Api.h"

namespace {

class GalleryChooserTest : public GalleryTest {};

} // namespace

// Picking a component and moving through the inspector's rows only looks: for a fresh one of
// every class of the palette (an edit emptied first, as a person leaves one), nothing it shows,
// stores or raises changes.
TEST_F(GalleryChooserTest, PickingAComponentOfAnyClassChangesNothing) {
    int created = 0;
    for (const TComponentPalette::TPage& page : gallery->Palette().Pages())
        for (const TClassInfo* info : page.Classes) {
            TComponent* component = info->Create(&Designed());
            component->SetName("Picked" + std::to_string(++created));
            auto* control = dynamic_cast<TControl*>(component);
            if (control)
                control->SetParent(&Designed());
            if (auto* edit = dynamic_cast<TCustomEdit*>(component))
                edit->SetText("");
            RunUntilIdle();
            const std::string text = control ? control->Text() : std::string();
            const std::string stored = WriteComponent(&Designed());
            const std::size_t logged = LogLines().size();

            ChooseFromChooser(Designed().ComponentCount());
            RunUntilIdle();
            ASSERT_EQ(gallery->Selected(), component) << info->Name;
            for (int tab = 0; tab < 6; ++tab)
                PressKey(VK_TAB);
            ChooseFromChooser(0);
            RunUntilIdle();

            EXPECT_EQ(control ? control->Text() : std::string(), text) << info->Name;
            EXPECT_EQ(WriteComponent(&Designed()), stored) << info->Name;
            EXPECT_EQ(LogLines().size(), logged) << info->Name;
        }
    EXPECT_GE(created, 6);
}
