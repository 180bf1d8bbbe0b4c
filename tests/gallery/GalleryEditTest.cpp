// The designer's editing of the designed form: selection, move and size, edit commands, the
// clipboard, undo and redo, names.

#include "controls/ColorBtn.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Clipboard.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormWriter.h"
#include "tools/gallery/DesignNames.h"
#include "tools/gallery/DesignOverlay.h"
#include "tools/gallery/DesignSelection.h"
#include "tools/gallery/PaletteBar.h"
#include "tools/gallery/PropertyInspector.h"

#include "tests/gallery/GalleryTest.h"

#include <functional>

namespace {

// Free of controls on the designed form.
constexpr TPoint Free{660, 590};

class GalleryEditTest : public GalleryTest {
protected:
    GalleryEditTest() { ToggleDesign(); }

    std::string FormText() const { return gallery->Designer().Commands().WriteForm(); }
    TDesignCommands& Commands() const { return gallery->Designer().Commands(); }

    // Press at from, a client point of control, move to to and release; the moves are given on
    // the form, as the control moves under the pointer.
    void Drag(const TControl* control, TPoint from, TPoint to, TShiftState shift = {}) {
        const TPoint origin = Designed().ScreenToClient(control->ClientToScreen({0, 0}));
        MouseDown(control, from.x, from.y, mbLeft, shift);
        MouseMove(&Designed(), origin.x + (from.x + to.x) / 2, origin.y + (from.y + to.y) / 2,
                  shift | ssLeft);
        MouseMove(&Designed(), origin.x + to.x, origin.y + to.y, shift | ssLeft);
        MouseUp(&Designed(), origin.x + to.x, origin.y + to.y, mbLeft, shift);
    }
    void SelectByClicks(const std::vector<std::string>& names) {
        for (std::size_t i = 0; i < names.size(); ++i)
            Click(Find(names[i]), Find(names[i])->Width() / 2, Find(names[i])->Height() / 2, mbLeft,
                  i ? TShiftState(ssShift) : TShiftState());
    }
    const TDesignMark* HandleOf(const TControl* target, unsigned edges) const {
        for (const TDesignMark* mark : gallery->Designer().Overlay().Handles())
            if (mark->Target == target && mark->Edges == edges)
                return mark;
        return nullptr;
    }
    std::vector<std::string> SelectedNames() const {
        std::vector<std::string> names;
        for (const TComponent* item : gallery->Selection())
            names.push_back(item->Name());
        return names;
    }
    TRect BoundsOf(const std::string& name) const { return Find(name)->BoundsRect(); }
    void SetGrid(bool on) {
        if (gallery->GridCheck->Checked() != on)
            Click(gallery->GridCheck, 4, 4);
    }
    // A panel on the designed form, as if placed there.
    TPanel* AddPanel(const TRect& bounds) {
        auto* panel = new TPanel(&Designed());
        panel->SetName("Panel1");
        panel->SetBoundsRect(bounds);
        panel->SetParent(&Designed());
        panel->SetDesigning(true);
        Commands().Rebase();
        return panel;
    }
};

} // namespace

TEST_F(GalleryEditTest, ClicksShiftClicksAndTheRubberBandSelect) {
    const struct {
        const char* Case;
        std::function<void()> Act;
        std::vector<std::string> Selected;
    } rows[] = {
        {"a click", [this] { SelectByClicks({"Gauge1"}); }, {"Gauge1"}},
        {"shift adds",
         [this] {
             SelectByClicks({"Gauge1", "TrackBar1"});
         },
         {"Gauge1", "TrackBar1"}},
        {"shift removes",
         [this] {
             SelectByClicks({"Gauge1", "TrackBar1", "Gauge1"});
         },
         {"TrackBar1"}},
        {"the form's free area",
         [this] {
             SelectByClicks({"Gauge1"});
             Click(&Designed(), Free.x, Free.y);
         },
         {"GalleryForm"}},
        // From the free right of the gauges, left and up across Gauge2 and Gauge3 only.
        {"a band",
         [this] {
             Drag(&Designed(), {672, 100}, {660, 60});
         },
         {"Gauge2", "Gauge3"}},
        {"a band with shift adds",
         [this] {
             SelectByClicks({"TrackBar1"});
             Drag(&Designed(), {672, 100}, {660, 90}, ssShift);
         },
         {"TrackBar1", "Gauge3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        gallery->Select(nullptr);
        row.Act();
        EXPECT_EQ(SelectedNames(), row.Selected);
    }
}

TEST_F(GalleryEditTest, TheSelectedControlsShowGrabHandlesAboveEveryControl) {
    SelectByClicks({"Gauge1", "Gauge2"});
    ASSERT_EQ(gallery->Designer().Overlay().Handles().size(), 16u);
    // Gauge1's bottom middle handle lies over Gauge2's neighbourhood: drawn on top, dark for
    // the first selected and grey for the other.
    const TRect first = BoundsOf("Gauge1");
    EXPECT_EQ(PixelAt(&Designed(), first.Right - 1, first.Bottom - 1), clBlack);
    const TRect second = BoundsOf("Gauge2");
    EXPECT_EQ(PixelAt(&Designed(), second.Left, second.Top), clGray);
    // The form itself has none, and switching designing off takes them away.
    Click(&Designed(), Free.x, Free.y);
    EXPECT_TRUE(gallery->Designer().Overlay().Handles().empty());
    SelectByClicks({"Gauge1"});
    ToggleDesign();
    EXPECT_TRUE(gallery->Designer().Overlay().Handles().empty());
}

TEST_F(GalleryEditTest, DragsHandlesAndKeysMoveAndSizeWithOrWithoutTheGrid) {
    const TRect start = Bounds(344, 28, 320, 20); // Gauge1
    const struct {
        const char* Case;
        bool Grid;
        std::function<void()> Act;
        TRect Expected;
    } rows[] = {
        {"drag", false,
         [this] {
             Drag(Find("Gauge1"), {5, 5}, {18, 10});
         },
         Bounds(357, 33, 320, 20)},
        {"drag onto the grid", true,
         [this] {
             Drag(Find("Gauge1"), {5, 5}, {18, 10});
         },
         Bounds(360, 32, 320, 20)},
        {"bottom right handle", false,
         [this] {
             const auto* h = HandleOf(Find("Gauge1"), geRight | geBottom);
             Drag(h, {3, 3}, {-7, 9});
         },
         Bounds(344, 28, 310, 26)},
        {"left handle onto the grid", true,
         [this] {
             Drag(HandleOf(Find("Gauge1"), geLeft), {3, 3}, {-4, 3});
         },
         Rect(336, 28, 664, 48)},
        {"escape gives the drag up", true,
         [this] {
             MouseDown(Find("Gauge1"), 5, 5);
             MouseMove(&Designed(), 400, 90, ssLeft);
             PressKey(VK_ESCAPE);
             MouseUp(&Designed(), 400, 90);
         },
         Bounds(344, 28, 320, 20)},
        {"arrow", true, [this] { PressKey(VK_RIGHT); }, Bounds(345, 28, 320, 20)},
        {"ctrl+arrow", true, [this] { PressKey(VK_DOWN, ssCtrl); }, Bounds(344, 36, 320, 20)},
        {"shift+arrow", true, [this] { PressKey(VK_LEFT, ssShift); }, Bounds(344, 28, 319, 20)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        SetGrid(row.Grid);
        Find("Gauge1")->SetBoundsRect(start);
        gallery->Designer().RefreshMarks();
        SelectByClicks({"Gauge1"});
        row.Act();
        EXPECT_EQ(BoundsOf("Gauge1"), row.Expected);
    }
}

TEST_F(GalleryEditTest, MovingSeveralMovesThemTogether) {
    SetGrid(false);
    SelectByClicks({"Gauge1", "Gauge2"});
    const TRect one = BoundsOf("Gauge1");
    const TRect two = BoundsOf("Gauge2");
    Drag(Find("Gauge2"), {5, 5}, {-15, 25});
    EXPECT_EQ(BoundsOf("Gauge1"), Bounds(one.Left - 20, one.Top + 20, one.Width(), one.Height()));
    EXPECT_EQ(BoundsOf("Gauge2"), Bounds(two.Left - 20, two.Top + 20, two.Width(), two.Height()));
}

TEST_F(GalleryEditTest, AGuideLineShowsWhileADraggedEdgeLinesUpWithASibling) {
    SetGrid(false);
    SelectByClicks({"LevelGauge"}); // Left 16, as StrokeBar1's
    MouseDown(Find("LevelGauge"), 5, 5);
    MouseMove(Find("LevelGauge"), 5, 60, ssLeft);
    EXPECT_EQ(PixelAt(&Designed(), 16, 100), clBlue) << "the left edges line up";
    MouseMove(Find("LevelGauge"), 8, 60, ssLeft);
    EXPECT_NE(PixelAt(&Designed(), 19, 100), clBlue);
    MouseUp(Find("LevelGauge"), 8, 60);
    EXPECT_NE(PixelAt(&Designed(), 16, 100), clBlue) << "gone with the drag";
}

TEST_F(GalleryEditTest, ControlsArePlacedInAndMovedIntoAndOutOfAPanel) {
    SetGrid(false);
    TPanel* panel = AddPanel(Bounds(400, 440, 200, 140));
    Click(gallery->PaletteBar()->ButtonOf(TxGauge::StaticClass()), 5, 5);
    Click(panel, 10, 20);
    TControl* placed = Find("xGauge1");
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Parent(), panel);
    EXPECT_EQ(placed->BoundsRect().TopLeft(), (TPoint{10, 20}));

    // A gauge dragged from the form onto the panel goes into it, where it was dropped...
    Drag(Find("Gauge5"), {2, 2}, {452 - 344, 502 - 132});
    EXPECT_EQ(Find("Gauge5")->Parent(), panel);
    EXPECT_EQ(BoundsOf("Gauge5").TopLeft(), (TPoint{450 - 400, 500 - 440}));
    // ... and out of it again onto the form.
    Drag(placed, {2, 2}, {2, -100});
    EXPECT_EQ(placed->Parent(), &Designed());
    EXPECT_EQ(placed->BoundsRect().TopLeft(), (TPoint{410, 358}));
}

TEST_F(GalleryEditTest, APendingPlacementIsCancelledByEscapeOrARightClick) {
    const struct {
        const char* Case;
        std::function<void()> Cancel;
    } rows[] = {
        {"escape",
         [this] {
             PressKey(VK_ESCAPE);
         }},
        {"right click",
         [this] {
             Click(&Designed(), Free.x, Free.y, mbRight);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        Click(gallery->PaletteBar()->ButtonOf(TStrokeBar::StaticClass()), 5, 5);
        const std::string before = FormText();
        row.Cancel();
        EXPECT_EQ(gallery->PaletteBar()->Chosen(), nullptr);
        EXPECT_EQ(gallery->Designer().Placing(), nullptr);
        Click(&Designed(), Free.x, Free.y);
        EXPECT_EQ(FormText(), before) << "the next click places nothing";
    }
}

TEST_F(GalleryEditTest, AlignAndSizeAlikeFollowTheFirstSelected) {
    // Gauge1 is 344, 28, 320 x 20; LevelGauge 16, 96, 300 x 20.
    const struct {
        const char* Case;
        std::function<void(TDesignCommands&)> Run;
        TRect Expected; // LevelGauge's
    } rows[] = {
        {"left", [](auto& c) { c.Align(TAlignEdge::Left); }, Bounds(344, 96, 300, 20)},
        {"top", [](auto& c) { c.Align(TAlignEdge::Top); }, Bounds(16, 28, 300, 20)},
        {"right", [](auto& c) { c.Align(TAlignEdge::Right); }, Bounds(364, 96, 300, 20)},
        {"bottom", [](auto& c) { c.Align(TAlignEdge::Bottom); }, Bounds(16, 28, 300, 20)},
        {"same width", [](auto& c) { c.SizeAlike(true, false); }, Bounds(16, 96, 320, 20)},
        {"same height", [](auto& c) { c.SizeAlike(false, true); }, Bounds(16, 96, 300, 20)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        Find("LevelGauge")->SetBoundsRect(Bounds(16, 96, 300, 20));
        Find("Gauge1")->SetBoundsRect(Bounds(344, 28, 320, 20));
        gallery->SetSelection({Find("Gauge1"), Find("LevelGauge")});
        row.Run(Commands());
        EXPECT_EQ(BoundsOf("LevelGauge"), row.Expected);
        EXPECT_EQ(BoundsOf("Gauge1"), Bounds(344, 28, 320, 20));
    }
}

TEST_F(GalleryEditTest, CopyAndPasteGoThroughTheClipboardAsFormText) {
    SelectByClicks({"StrokeBar1", "LevelGauge"});
    PressKey('C', ssCtrl);
    const std::string copied = Clipboard()->AsText();
    EXPECT_NE(copied.find("\"class\": \"TStrokeBar\""), std::string::npos) << copied;
    EXPECT_EQ(copied.find("Gauge1"), std::string::npos) << "only the selection";

    PressKey('V', ssCtrl);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"StrokeBar2", "xGauge1"}));
    EXPECT_EQ(BoundsOf("StrokeBar2").TopLeft(), (TPoint{16 + 8, 28 + 8}));
    EXPECT_TRUE(Find("StrokeBar2")->IsDesigning());

    // Cut takes the copies away and pasting puts them back under the same names.
    PressKey('X', ssCtrl);
    EXPECT_EQ(Find("StrokeBar2"), nullptr);
    PressKey('V', ssCtrl);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"StrokeBar2", "xGauge1"}));

    PressKey('D', ssCtrl);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"StrokeBar3", "xGauge2"}));
}

TEST_F(GalleryEditTest, PastingWhatIsNotAFormIsRefusedAndChangesNothing) {
    for (const char* text : {"hello", "{\"class\": \"TDesignedForm\"}",
                             "{\"class\": \"TDesignedForm\", \"components\": "
                             "[{\"class\": \"TNoSuchClass\", \"name\": \"X1\"}]}"}) {
        SCOPED_TRACE(text);
        SelectByClicks({"Gauge1"});
        const std::string before = FormText();
        const std::size_t boxes = Host().MessageBoxes().size();
        Clipboard()->SetAsText(text);
        PressKey('V', ssCtrl);
        ASSERT_EQ(Host().MessageBoxes().size(), boxes + 1);
        EXPECT_NE(Host().MessageBoxes().back().Text.find("paste"), std::string::npos);
        EXPECT_EQ(FormText(), before);
        EXPECT_EQ(SelectedNames(), std::vector<std::string>{"Gauge1"});
    }
}

TEST_F(GalleryEditTest, EveryKindOfStepIsUndoneAndRedoneWhole) {
    const struct {
        const char* Case;
        std::function<void()> Act;
    } rows[] = {
        {"place",
         [this] {
             Click(gallery->PaletteBar()->ButtonOf(TColorButton::StaticClass()), 5, 5);
             Click(&Designed(), Free.x - 100, Free.y - 30);
             // Next after the form's 17 windowed controls; the grab handles do not count.
             EXPECT_EQ(Find<TWinControl>("ColorButton10")->TabOrder(), 17);
         }},
        {"move",
         [this] {
             Drag(Find("Gauge1"), {5, 5}, {40, 90});
         }},
        {"size",
         [this] {
             Drag(HandleOf(Find("Gauge1"), geBottom), {3, 3}, {3, 60});
         }},
        {"keys",
         [this] {
             PressKey(VK_RIGHT, ssCtrl);
         }},
        {"delete",
         [this] {
             PressKey(VK_DELETE);
         }},
        {"paste",
         [this] {
             PressKey('C', ssCtrl);
             PressKey('V', ssCtrl);
         }},
        {"rename",
         [this] {
             Commands().Rename(*Find("Gauge1"), "Fuel");
         }},
        {"rename the form",
         [this] {
             Commands().Rename(Designed(), "Dashboard");
         }},
        {"inspector edit",
         [this] {
             auto* top = gallery->Inspector()->EditorOf("Top");
             Click(top, 5, 5);
             PressKey(VK_END);
             Type("9");
             PressKey(VK_RETURN);
         }},
        {"align",
         [this] {
             SelectByClicks({"Gauge1", "LevelGauge"});
             Commands().Align(TAlignEdge::Left);
         }},
        {"send to back",
         [this] {
             Commands().SendToBack();
         }},
        {"bring to front",
         [this] {
             SelectByClicks({"ColorButton1"});
             Commands().BringToFront();
         }},
        {"tab order",
         [this] {
             SelectByClicks({"ColorButton3", "ColorButton1"});
             Commands().TabOrderBySelection();
             EXPECT_EQ(Find<TWinControl>("ColorButton3")->TabOrder(), 0);
             EXPECT_EQ(Find<TWinControl>("ColorButton1")->TabOrder(), 1);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        SelectByClicks({"Gauge1"});
        const std::string before = FormText();
        row.Act();
        const std::string after = FormText();
        ASSERT_NE(after, before);
        Click(&Designed(), Free.x, Free.y);
        PressKey('Z', ssCtrl);
        EXPECT_EQ(FormText(), before);
        PressKey('Y', ssCtrl);
        EXPECT_EQ(FormText(), after);
        PressKey('Z', ssCtrl | ssShift);
        EXPECT_EQ(FormText(), after) << "nothing left to redo";
        PressKey('Z', ssCtrl);
        EXPECT_EQ(FormText(), before);
    }
}

TEST_F(GalleryEditTest, UndoingReadsTheFormInPlaceAndSelectsByName) {
    const TDesignedForm* form = &Designed();
    SelectByClicks({"Gauge1"});
    PressKey(VK_DELETE);
    EXPECT_EQ(Find("Gauge1"), nullptr);
    EXPECT_TRUE(gallery->Selection().empty());
    Click(&Designed(), Free.x, Free.y);
    SelectByClicks({"Gauge2"});
    PressKey('Z', ssCtrl);
    ASSERT_NE(Find("Gauge1"), nullptr);
    EXPECT_EQ(&Designed(), form);
    EXPECT_TRUE(Find("Gauge1")->IsDesigning());
    EXPECT_EQ(SelectedNames(), std::vector<std::string>{"Gauge2"});
    EXPECT_EQ(gallery->Inspector()->Inspected(), Find("Gauge2"));
}

TEST_F(GalleryEditTest, NewNamesGoPastTheHighestNumberOfTheirStem) {
    const struct {
        std::vector<std::string> Existing;
        const char* Class;
        const char* Expected;
    } rows[] = {
        {{}, "TxGauge", "xGauge1"},
        {{"xGauge1", "Gauge1"}, "TxGauge", "xGauge2"},
        {{"xGauge7", "XGAUGE3"}, "TxGauge", "xGauge8"},
        {{"xGauge", "xGaugeA2", "xGauge02"}, "TxGauge", "xGauge3"},
        {{"Form1"}, "TForm", "Form2"},
    };
    for (const auto& row : rows) {
        TComponent root(nullptr);
        for (const std::string& name : row.Existing)
            (new TComponent(&root))->SetName(name);
        EXPECT_EQ(UniqueName(root, row.Class), row.Expected) << row.Class;
    }
}

TEST_F(GalleryEditTest, ARenameNeedsAnIdentifierThatNoOtherComponentHas) {
    const struct {
        const char* Name;
        const char* Error; // empty: taken
    } rows[] = {
        {"Fuel", ""},
        {"gauge1", ""},
        {"Gauge2", "already has a component named Gauge2"},
        {"GALLERYFORM", "already has a component named GalleryForm"},
        {"2Fuel", "not a valid name"},
        {"", "not a valid name"},
        {"Fuel gauge", "not a valid name"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TComponent* gauge = Designed().FindComponent("Gauge1");
        if (!gauge)
            gauge = Designed().FindComponent("Fuel");
        std::string error;
        try {
            Commands().Rename(*gauge, row.Name);
        } catch (const Exception& e) {
            error = e.Message();
        }
        if (*row.Error) {
            EXPECT_NE(error.find(row.Error), std::string::npos) << error;
        } else {
            EXPECT_EQ(error, "");
            EXPECT_EQ(gauge->Name(), row.Name);
        }
        Designed().FindComponent(gauge->Name())->SetName("Gauge1");
    }
}

TEST_F(GalleryEditTest, OverlappingControlsShowInTheirZOrderDesigningOrNot) {
    TPanel* back = AddPanel(Bounds(400, 440, 100, 100));
    auto* front = new TPanel(&Designed());
    front->SetName("Panel2");
    front->SetBoundsRect(Bounds(450, 490, 100, 100));
    front->SetParent(&Designed());
    front->SetDesigning(true);
    back->SetColor(clRed);
    front->SetColor(clBlue);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(&Designed(), 470, 510), clBlue);
    gallery->Select(back);
    Commands().BringToFront();
    RunUntilIdle();
    EXPECT_EQ(PixelAt(&Designed(), 470, 510), clRed);
    ToggleDesign();
    EXPECT_EQ(PixelAt(&Designed(), 470, 510), clRed);
}
