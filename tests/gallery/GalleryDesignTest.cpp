// Palette, selection, the Design switch and the event log.

#include "controls/ColorBtn.h"
#include "controls/CuteBtn.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/SpeedButton.h"
#include "tools/gallery/PaletteBar.h"
#include "tools/gallery/PropertyInspector.h"

#include "tests/gallery/GalleryTest.h"

namespace {

std::vector<std::string> ClassNames(const TComponentClasses& classes) {
    std::vector<std::string> names;
    for (const TClassInfo* info : classes)
        names.push_back(info->Name);
    return names;
}

// Somewhere on the designed form that no control covers.
constexpr int FreeX = 660;
constexpr int FreeY = 500;

} // namespace

TEST_F(GalleryTest, ThePaletteShowsThePagesInRegistrationOrderWithAPictureButtonPerClass) {
    const auto& pages = gallery->Palette().Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].Name, "Custom");
    EXPECT_EQ(ClassNames(pages[0].Classes),
              (std::vector<std::string>{"TStrokeBar", "TxGauge", "TColorButton", "TCuteButton",
                                        "TxTrackBar"}));
    EXPECT_EQ(pages[1].Name, "Tolvan Common");
    EXPECT_EQ(ClassNames(pages[1].Classes), std::vector<std::string>{"TNumberEdit"});
    for (const auto& page : pages)
        for (const TClassInfo* info : page.Classes) {
            const TSpeedButton* button = gallery->PaletteBar()->ButtonOf(*info);
            ASSERT_NE(button, nullptr) << info->Name;
            EXPECT_EQ(button->Glyph()->Width(), 24) << info->Name;
            EXPECT_EQ(button->Hint(), info->Name);
            EXPECT_TRUE(button->ShowHint());
        }
}

TEST_F(GalleryTest, AClassChosenOnThePaletteIsPlacedWhereTheFormIsClickedWithAFreshName) {
    Click(gallery->PaletteBar()->ButtonOf(TStrokeBar::StaticClass()), 5, 5);
    EXPECT_TRUE(gallery->Designing()) << "choosing a class switches designing on";
    Click(&Designed(), FreeX, FreeY);

    auto* placed = Find<TStrokeBar>("StrokeBar2");
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Parent(), &Designed());
    EXPECT_EQ(placed->BoundsRect().TopLeft(), (TPoint{FreeX, FreeY}));
    const TStrokeBar defaults(nullptr);
    EXPECT_EQ(placed->Width(), defaults.Width());
    EXPECT_EQ(placed->Max(), defaults.Max());
    EXPECT_TRUE(placed->IsDesigning());
    EXPECT_EQ(gallery->Selected(), placed);
    EXPECT_EQ(gallery->Inspector()->Inspected(), placed);
    EXPECT_EQ(gallery->PaletteBar()->Chosen(), nullptr);

    // The choice was used up: the next click selects, and a second placement takes the next
    // number.
    Click(Find("LevelGauge"), 5, 5);
    EXPECT_EQ(gallery->Selected(), Find("LevelGauge"));
    Click(gallery->PaletteBar()->ButtonOf(TStrokeBar::StaticClass()), 5, 5);
    Click(&Designed(), FreeX - 100, FreeY + 40);
    EXPECT_NE(Find<TStrokeBar>("StrokeBar3"), nullptr);
}

TEST_F(GalleryTest, WhileDesigningAClickSelectsAndTheControlIgnoresIt) {
    auto* button = Find<TColorButton>("ColorButton2");
    int clicks = 0;
    button->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicks; });

    ToggleDesign();
    Click(button, 20, 20);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(gallery->Selected(), button);
    EXPECT_EQ(gallery->Inspector()->Inspected(), button);
    EXPECT_EQ(gallery->ChooserButton->Caption(), "ColorButton2: TColorButton");

    // A click on the form's free area selects the form.
    Click(&Designed(), FreeX, FreeY);
    EXPECT_EQ(gallery->Selected(), &Designed());

    ToggleDesign();
    Click(button, 20, 20);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(gallery->Selected(), &Designed()) << "without designing a click selects nothing";
}

TEST_F(GalleryTest, TheChooserListsTheFormAndItsComponentsAndSelectsOne) {
    ChooseFromChooser(0);
    EXPECT_EQ(gallery->Selected(), &Designed());

    const int index = [&] {
        for (int i = 0; i < Designed().ComponentCount(); ++i)
            if (Designed().Components(i)->Name() == "StrokeBar1")
                return i;
        return -1;
    }();
    ASSERT_GE(index, 0);
    ChooseFromChooser(index + 1);
    EXPECT_EQ(gallery->Selected(), Find("StrokeBar1"));
    EXPECT_EQ(gallery->Inspector()->Inspected(), Find("StrokeBar1"));
    EXPECT_FALSE(gallery->Designing()) << "the chooser selects without designing";
}

TEST_F(GalleryTest, TheDesignSwitchPutsTheComponentsIntoTheDesignStateAndBack) {
    auto* ieLike = Find<TColorButton>("ColorButton4");
    ASSERT_EQ(ieLike->ButtonStyle(), bsIELike);
    const int bottom = ieLike->Height() - 1;
    const TColor face = ieLike->Color();
    EXPECT_EQ(PixelAt(ieLike, 0, 30), face) << "no edge while the pointer is elsewhere";

    ToggleDesign();
    EXPECT_TRUE(gallery->DesignButton->Down());
    for (int i = 0; i < Designed().ComponentCount(); ++i)
        EXPECT_TRUE(Designed().Components(i)->IsDesigning()) << Designed().Components(i)->Name();
    EXPECT_EQ(PixelAt(ieLike, 0, 30), ColorToRGB(clBtnHighlight)) << "raised while designing";
    EXPECT_EQ(PixelAt(ieLike, 30, bottom), ColorToRGB(clBtnShadow));

    ToggleDesign();
    EXPECT_FALSE(Designed().IsDesigning());
    EXPECT_FALSE(Find("StrokeBar1")->IsDesigning());
    EXPECT_EQ(PixelAt(ieLike, 0, 30), face);
}

TEST_F(GalleryTest, TheEventLogShowsTheSelectedControlsEventsWithTheirArguments) {
    auto* bar = Find<TStrokeBar>("StrokeBar1");
    ToggleDesign();
    Click(bar, 5, 5);
    ToggleDesign();

    // A stroke: into the bar band, then along it. The form's own handler still moves the gauge.
    MouseMove(bar, 30, 28);
    MouseMove(bar, 150, 28);
    EXPECT_TRUE(HasLine(LogLines(), "StrokeBar1.OnChanging(Sender=StrokeBar1)"));
    EXPECT_TRUE(
        HasLine(LogLines(), "StrokeBar1.OnMouseMove(Sender=StrokeBar1, Shift=[], X=150, Y=28)"));
    EXPECT_EQ(Find<TxGauge>("LevelGauge")->Position(), bar->Value());
    EXPECT_GT(bar->Value(), 0);
    Click(bar, 150, 28);
    MoveMouseAway();

    // Only the selected control is logged: after choosing another, the bar writes no lines.
    auto* cute = Find<TCuteButton>("CuteButton2");
    gallery->Select(cute);
    const std::size_t before = LogLines().size();
    MouseMove(bar, 40, 28);
    MouseMove(bar, 60, 28);
    Click(bar, 60, 28);
    MoveMouseAway();
    EXPECT_EQ(LogLines().size(), before);

    MouseMove(cute, 12, 8);
    Click(cute, 12, 8);
    const auto lines = LogLines();
    EXPECT_TRUE(
        HasLine(lines, "CuteButton2.OnMouseEnter(Sender=CuteButton2, Shift=[], X=12, Y=8)"));
    EXPECT_TRUE(HasLine(lines, "CuteButton2.OnMouseDown(Sender=CuteButton2, Button=mbLeft, "
                               "Shift=[ssLeft], X=12, Y=8)"));
    EXPECT_TRUE(HasLine(lines, "CuteButton2.OnClick(Sender=CuteButton2)"));
}

TEST_F(GalleryTest, TheGaugeFollowsTheStrokeBarBackWhenAStrokeIsCancelled) {
    auto* bar = Find<TStrokeBar>("StrokeBar1");
    auto* gauge = Find<TxGauge>("LevelGauge");
    MouseMove(bar, 30, 28);
    MouseMove(bar, 150, 28);
    Click(bar, 150, 28);
    const int committed = bar->Value();
    MoveMouseAway();
    MouseMove(bar, 30, 28);
    MouseMove(bar, 60, 28);
    ASSERT_EQ(gauge->Position(), bar->Value());
    ASSERT_NE(bar->Value(), committed);
    Click(bar, 60, 28, mbRight);
    EXPECT_EQ(bar->Value(), committed);
    EXPECT_EQ(gauge->Position(), committed);
}

TEST_F(GalleryTest, TheInspectorFollowsWhatTheSelectedControlDoesToItself) {
    auto* bar = Find<TStrokeBar>("StrokeBar1");
    gallery->Select(bar);
    MouseMove(bar, 30, 28);
    MouseMove(bar, 150, 28);
    Click(bar, 150, 28);
    ASSERT_GT(bar->Value(), 0);
    auto* value = dynamic_cast<TCustomEdit*>(gallery->Inspector()->EditorOf("Value"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->Text(), std::to_string(bar->Value()));
}

TEST_F(GalleryTest, DeselectingPutsTheFormsHandlersBack) {
    auto* bar = Find<TStrokeBar>("StrokeBar1");
    const TNotifyEvent bound = bar->OnChanging;
    gallery->Select(bar);
    EXPECT_FALSE(bar->OnChanging == bound);
    // The inspector names the form's method all the same, also after reading the values again.
    gallery->Inspector()->Refresh();
    auto* row = dynamic_cast<TEdit*>(gallery->Inspector()->EditorOf("OnChanging"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Text(), "StrokeBarChanging");
    gallery->Select(nullptr);
    EXPECT_TRUE(bar->OnChanging == bound);
}
