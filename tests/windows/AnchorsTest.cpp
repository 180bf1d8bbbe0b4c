#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/streaming/PropertyJson.h"
#include "framework/windows/SizeConstraints.h"

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr TAnchors AllFour = akLeft | akTop | akRight | akBottom;

class AnchorsTest : public FrameworkTest {
protected:
    void SetUp() override { form = NewForm(400, 300); }

    // A parent of 200 x 100 on the form with a child at (20, 10), 60 x 30.
    TControl* NewChild(bool windowed) {
        delete parent;
        parent = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
        if (windowed)
            return Place(new TPaintProbe(form, clBlue), parent, 20, 10, 60, 30);
        return Place(new TGraphicProbe(form), parent, 20, 10, 60, 30);
    }
    void ResizeParent(int width, int height) { parent->SetBounds(0, 0, width, height); }

    TForm* form = nullptr;
    TPaintProbe* parent = nullptr;
};

TEST_F(AnchorsTest, AnchoredEdgesKeepTheirDistanceWhenTheParentResizes) {
    struct TCase {
        const char* Name;
        TAnchors Anchors;
        TAlign Align;
        TRect Grown; // after the parent grew to 300 x 160
    };
    const TCase cases[] = {
        {"left top", akLeft | akTop, alNone, Rect(20, 10, 80, 40)},
        {"right bottom", akRight | akBottom, alNone, Rect(120, 70, 180, 100)},
        {"left right", akLeft | akTop | akRight, alNone, Rect(20, 10, 180, 40)},
        {"top bottom", akLeft | akTop | akBottom, alNone, Rect(20, 10, 80, 100)},
        {"all four", AllFour, alNone, Rect(20, 10, 180, 100)},
        {"none: the centre keeps its proportion", 0, alNone, Rect(45, 25, 105, 55)},
        {"right, and neither vertical edge", akRight, alNone, Rect(120, 25, 180, 55)},
        {"aligned: Align wins", akRight | akBottom, alTop, Rect(0, 0, 300, 30)},
    };
    for (const TCase& c : cases)
        for (const bool windowed : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (windowed ? ", windowed" : ", graphic"));
            TControl* child = NewChild(windowed);
            child->SetAnchors(c.Anchors);
            child->SetAlign(c.Align);
            const TRect placed = child->BoundsRect();
            ResizeParent(300, 160);
            EXPECT_EQ(child->BoundsRect(), c.Grown);
            // Through a size that squeezes a stretched child to nothing and back: no drift.
            ResizeParent(30, 20);
            ResizeParent(200, 100);
            EXPECT_EQ(child->BoundsRect(), placed);
        }
}

TEST_F(AnchorsTest, AChildMovedByTheProgramIsAnchoredFromItsNewPlace) {
    for (const bool windowed : {false, true}) {
        TControl* child = NewChild(windowed);
        child->SetAnchors(akRight | akBottom);
        ResizeParent(300, 160);
        child->SetBounds(200, 100, 60, 30);
        ResizeParent(200, 100);
        EXPECT_EQ(child->BoundsRect(), Rect(100, 40, 160, 70)) << windowed;
    }
}

TEST_F(AnchorsTest, SizesAreHeldToTheConstraints) {
    form->Constraints()->SetMinWidth(250);
    form->Constraints()->SetMinHeight(150);
    form->Constraints()->SetMaxWidth(500);
    form->Constraints()->SetMaxHeight(400);
    struct TCase {
        const char* Name;
        std::function<void(TControl& child)> Act;
        bool OfForm; // the form's size is measured, else the child's
        TPoint Size;
    };
    const TCase cases[] = {
        {"too small", [](TControl& c) { c.SetBounds(5, 5, 10, 10); }, false, {50, 20}},
        {"too large", [](TControl& c) { c.SetBounds(5, 5, 500, 500); }, false, {100, 40}},
        {"alClient", [](TControl& c) { c.SetAlign(alClient); }, false, {100, 40}},
        {"alLeft", [](TControl& c) { c.SetAlign(alLeft); }, false, {60, 40}},
        {"stretched", [this](TControl&) { ResizeParent(400, 300); }, false, {100, 40}},
        {"squeezed", [this](TControl&) { ResizeParent(100, 50); }, false, {50, 20}},
        {"new minimum", [](TControl& c) { c.Constraints()->SetMinWidth(80); }, false, {80, 30}},
        {"max < min", [](TControl& c) { c.Constraints()->SetMaxWidth(30); }, false, {30, 30}},
        {"form", [this](TControl&) { form->SetBounds(0, 0, 90, 900); }, true, {250, 400}},
        {"form client", [this](TControl&) { form->SetClientWidth(2000); }, true, {500, 400}},
        {"user resize",
         [this](TControl&) { Host().UserResize(&HostWindowOf(form), 100, 100); },
         true,
         {250, 150}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TControl* child = NewChild(false);
        child->SetAnchors(AllFour);
        child->Constraints()->SetMinWidth(50);
        child->Constraints()->SetMinHeight(20);
        child->Constraints()->SetMaxWidth(100);
        child->Constraints()->SetMaxHeight(40);
        c.Act(*child);
        RunUntilIdle();
        const TControl* measured = c.OfForm ? form : child;
        EXPECT_EQ(measured->Width(), c.Size.x);
        EXPECT_EQ(measured->Height(), c.Size.y);
    }
    // The host window was held to the form's limits too, not only the form's idea of it.
    EXPECT_EQ(HostWindowOf(form).OuterBounds().Width(), form->Width());
    EXPECT_EQ(HostWindowOf(form).OuterBounds().Height(), form->Height());
}

TEST_F(AnchorsTest, AUserResizeOfTheFormMovesItsAnchoredChildren) {
    auto* child = Place(new TPaintProbe(form), form, 350, 260, 40, 30);
    child->SetAnchors(akRight | akBottom);
    Host().UserResize(&HostWindowOf(form), 500, 350);
    RunUntilIdle();
    EXPECT_EQ(child->BoundsRect(), Rect(450, 310, 490, 340));
    EXPECT_EQ(PixelAt(child, 39, 29), clRed);
}

TEST_F(AnchorsTest, AnchorsAndConstraintsGoThroughAFormFileAndOlderFilesStillLoad) {
    RegisterStandardClasses();
    form->SetName("Anchored");
    auto* panel = Place(new TPanel(form), form, 300, 200, 80, 60);
    panel->SetName("Panel1");
    panel->SetAnchors(akRight | akBottom);
    panel->Constraints()->SetMinWidth(40);
    panel->Constraints()->SetMaxHeight(90);
    const TJson written = TJson::parse(WriteComponent(form));
    const TJson& stored = written["components"][0]["properties"];
    EXPECT_EQ(stored["Anchors"], TJson::parse(R"(["akRight", "akBottom"])"));
    EXPECT_EQ(stored["Constraints"], TJson::parse(R"({"MinWidth": 40, "MaxHeight": 90})"));

    auto* read = new TForm(Application);
    read->SetName("Copy");
    ReadComponent(read, written.dump(), "anchored.json");
    auto* copy = static_cast<TControl*>(read->FindComponent("Panel1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Anchors(), akRight | akBottom);
    EXPECT_EQ(copy->Constraints()->MinWidth(), 40);
    EXPECT_EQ(copy->Constraints()->MaxHeight(), 90);
    read->SetClientWidth(read->ClientWidth() + 10);
    EXPECT_EQ(copy->Left(), 310);

    auto* old = new TForm(Application);
    ReadComponent(old, R"({"class": "TForm", "name": "Old", "components": [
        {"class": "TPanel", "name": "Panel1",
         "properties": {"Left": 300, "Top": 200, "Width": 80, "Height": 60}}]})",
                  "old.json");
    auto* plain = static_cast<TControl*>(old->FindComponent("Panel1"));
    EXPECT_EQ(plain->Anchors(), akLeft | akTop);
    EXPECT_EQ(plain->Constraints()->MaxWidth(), 0);
    const TJson rewritten = TJson::parse(WriteComponent(old))["components"][0]["properties"];
    EXPECT_FALSE(rewritten.contains("Anchors"));
    EXPECT_FALSE(rewritten.contains("Constraints"));
}

} // namespace
