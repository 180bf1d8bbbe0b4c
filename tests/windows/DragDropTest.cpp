// Drag and drop with the user's mouse and keys: the threshold, the targets' answers and the
// cursor they give, the drop, every way of cancelling, and a source destroyed mid-drag.

#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/windows/DragDrop.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;
using platform::CursorShape;

std::string At(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

class DragDropTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm(300, 200);
        source = Place(new TPaintProbe(form), form, 10, 10, 60, 40);
        source->SetName("source");
        target = Place(new TPaintProbe(form), form, 150, 10, 100, 80);
        target->SetName("target");
        source->OnStartDrag = TStartDragEvent::FromFunction(
            [this](TObject*, TDragObject*&) { events.push_back("start"); });
        source->OnEndDrag =
            TEndDragEvent::FromFunction([this](TObject*, TObject* to, int x, int y) {
                events.push_back("end " + NameOf(to) + " " + At(x, y));
            });
        target->OnDragDrop =
            TDragDropEvent::FromFunction([this](TObject*, TObject* from, int x, int y) {
                events.push_back("drop " + NameOf(from) + " " + At(x, y));
            });
        RunUntilIdle();
    }

    // The target answers every question with accept, logging the state it was asked in.
    void TargetAnswers(bool accept) {
        target->OnDragOver = TDragOverEvent::FromFunction(
            [this, accept](TObject*, TObject*, int x, int y, TDragState state, bool& accepted) {
                static const char* const names[] = {"enter", "leave", "move"};
                events.push_back(std::string(names[state]) + " " + At(x, y));
                accepted = accept;
            });
    }
    // A press on the source and a move past the threshold onto the targe
    void DragToTarget(int x, int y) {
        source->SetDragMode(dmAutomatic);
        MouseDown(source, 5, 5);
        MouseMove(target, x, y, ssLeft);
    }
    static std::string NameOf(TObject* object) {
        const auto* component = dynamic_cast<TComponent*>(object);
        return !object ? "none" : component ? component->Name() : "object";
    }
    CursorShape Cursor() const { return HostWindowOf(form).Cursor(); }

    TForm* form = nullptr;
    TPaintProbe* source = nullptr;
    TPaintProbe* target = nullptr;
    Log events;
};

TEST_F(DragDropTest, APressStartsADragOnlyOnceThePointerHasMovedTheThreshold) {
    struct Row {
        const char* Case;
        int Threshold; // below 0: an automatic drag, with the default threshold
        int Dx, Dy;
        bool Starts;
    };
    const Row rows[] = {
        {"automatic, 4 across", -1, 4, 0, false},
        {"automatic, 4 and 4", -1, -4, 4, false},
        {"automatic, 5 across", -1, 5, 0, true},
        {"automatic, 5 up", -1, 0, -5, true},
        {"BeginDrag(false, 10), 9 down", 10, 0, 9, false},
        {"BeginDrag(false, 10), 10 left", 10, -10, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        events.clear();
        source->Log.clear();
        source->SetDragMode(row.Threshold < 0 ? dmAutomatic : dmManual);
        source->OnMouseDown =
            TMouseEvent::FromFunction([&](TObject*, TMouseButton, TShiftState, int, int) {
                if (row.Threshold >= 0)
                    source->BeginDrag(false, row.Threshold);
            });
        MouseDown(source, 20, 20);
        EXPECT_TRUE(source->Dragging());
        MouseMove(source, 20 + row.Dx, 20 + row.Dy, ssLeft);
        EXPECT_EQ(!events.empty(), row.Starts);
        MouseUp(source, 20 + row.Dx, 20 + row.Dy);
        EXPECT_FALSE(source->Dragging());
        EXPECT_EQ(GetCapture(), nullptr);
        const bool clicked =
            std::find(source->Log.begin(), source->Log.end(), "click") != source->Log.end();
        EXPECT_NE(clicked, row.Starts) << "a release before the threshold is a click";
    }
}

TEST_F(DragDropTest, TheCursorOverATargetShowsWhetherItAcceptsTheDrop) {
    struct Row {
        const char* Case;
        std::function<void()> Arrange;
        CursorShape Shown;
    };
    const Row rows[] = {
        {"no OnDragOver", [this] { target->OnDragOver = nullptr; }, CursorShape::No},
        {"OnDragOver leaves Accept", [this] { TargetAnswers(true); }, CursorShape::Drag},
        {"OnDragOver refuses", [this] { TargetAnswers(false); }, CursorShape::No},
        {"accepted, with the source's own DragCursor",
         [this] {
             TargetAnswers(true);
             source->SetDragCursor(crHandPoint);
         },
         CursorShape::HandPoint},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        row.Arrange();
        DragToTarget(10, 10);
        EXPECT_EQ(Cursor(), row.Shown);
        PressKey(VK_ESCAPE);
        EXPECT_EQ(Cursor(), CursorShape::Arrow);
        source->SetDragCursor(crDrag);
    }
}

TEST_F(DragDropTest, TheTargetHearsThePointerEnterMoveAndLeaveInItsOwnCoordinates) {
    TargetAnswers(true);
    DragToTarget(10, 20);
    MouseMove(target, 30, 40, ssLeft);
    MouseMove(form, 100, 150, ssLeft);
    EXPECT_EQ(events, (Log{"start", "enter 10,20", "move 30,40", "leave -50,140"}));
    EXPECT_EQ(Cursor(), CursorShape::No) << "the form has no OnDragOver";
}

TEST_F(DragDropTest, ADropOnAnAcceptingTargetRaisesDragDropThenEndDragWithTheTarget) {
    TargetAnswers(true);
    DragToTarget(10, 20);
    MouseUp(target, 30, 40);
    EXPECT_EQ(events,
              (Log{"start", "enter 10,20", "move 30,40", "drop source 30,40", "end target 30,40"}));
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Cursor(), CursorShape::Arrow);
    EXPECT_EQ(std::count(source->Log.begin(), source->Log.end(), "click"), 0);
}

TEST_F(DragDropTest, EveryOtherEndTellsTheTargetThePointerLeftAndTheSourceOfNoTarget) {
    struct Row {
        const char* Case;
        bool Accept;
        std::function<void()> End;
    };
    const Row rows[] = {
        {"Escape", true,
         [this] {
             PressKey(VK_ESCAPE);
         }},
        {"a release over a refusing target", false,
         [this] {
             MouseUp(target, 10, 20);
         }},
        {"EndDrag(false)", true,
         [this] {
             source->EndDrag(false);
         }},
        {"EndDrag(true) over a refusing target", false,
         [this] {
             source->EndDrag(true);
         }},
        {"the capture taken", true,
         [this] {
             target->SetMouseCapture(true);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        events.clear();
        TargetAnswers(row.Accept);
        DragToTarget(10, 20);
        row.End();
        RunUntilIdle();
        EXPECT_EQ(events, (Log{"start", "enter 10,20", "leave 10,20", "end none 0,0"}));
        EXPECT_FALSE(source->Dragging());
        ReleaseCapture();
        MouseUp(form, 0, 0);
    }
}

TEST_F(DragDropTest, EscapeDuringADragReachesNoControl) {
    unsigned short seen = 0;
    source->OnKeyDown =
        TKeyEvent::FromFunction([&](TObject*, unsigned short& key, TShiftState) { seen = key; });
    source->SetFocus();
    DragToTarget(10, 20);
    KeyDown(VK_ESCAPE);
    EXPECT_EQ(seen, 0);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(seen, VK_ESCAPE);
}

TEST_F(DragDropTest, AnImmediateDragStartsAtTheCallAndItsPressMakesNoClick) {
    TargetAnswers(true);
    source->OnMouseDown = TMouseEvent::FromFunction(
        [this](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(true); });
    MouseDown(source, 5, 5);
    EXPECT_EQ(events, (Log{"start"}));
    EXPECT_TRUE(source->Dragging());
    EXPECT_NE(GetCapture(), source->Handle());
    MouseMove(target, 1, 2, ssLeft);
    MouseUp(target, 1, 2);
    EXPECT_EQ(events.back(), "end target 1,2");
    EXPECT_EQ(source->Log, (Log{"down L 5,5"}));
}

class TRecordDrag : public TDragObject {
public:
    TCursor GetDragCursor(bool accepted, int, int) override {
        return accepted ? crCross : crNoDrop;
    }
};

TEST_F(DragDropTest, ADragObjectFromOnStartDragIsTheSourceTargetsSeeAndPicksTheCursor) {
    TRecordDrag record;
    source->OnStartDrag = TStartDragEvent::FromFunction(
        [&record](TObject*, TDragObject*& object) { object = &record; });
    TargetAnswers(true);
    DragToTarget(10, 20);
    EXPECT_EQ(Cursor(), CursorShape::Cross);
    MouseUp(target, 10, 20);
    EXPECT_EQ(events, (Log{"enter 10,20", "drop object 10,20", "end target 10,20"}));
}

TEST_F(DragDropTest, DestroyingTheSourceMidDragEndsItAndFreesTheMouse) {
    TargetAnswers(true);
    DragToTarget(10, 20);
    delete source;
    source = nullptr;
    EXPECT_EQ(GetCapture(), nullptr);
    MouseMove(target, 30, 30, ssLeft);
    MouseUp(target, 30, 30);
    EXPECT_EQ(events, (Log{"start", "enter 10,20"}));
    EXPECT_EQ(target->Log, (Log{"move 30,30", "up L 30,30"}));
}

} // namespace
