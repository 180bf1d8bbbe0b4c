#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/graphics/Font.h"
#include "framework/windows/Win32Api.h"
#include "framework/windows/Window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t FancyStyle = 0x20;

// Counts how often its window parameters are read; its style follows Fancy.
class TParamsProbe : public TPaintProbe {
public:
    using TPaintProbe::TPaintProbe;
    int ParamsRead = 0;
    bool Fancy = false;

protected:
    void CreateParams(TCreateParams& params) override {
        TPaintProbe::CreateParams(params);
        ++ParamsRead;
        if (Fancy)
            params.Style |= FancyStyle;
    }
};

class WinControlTest : public FrameworkTest {
protected:
    void SetUp() override { form = NewForm(200, 100); }
    TForm* form = nullptr;
};

TEST_F(WinControlTest, RecreateWndReadsTheParametersAgain) {
    auto* probe = Place(new TParamsProbe(form), form, 0, 0, 10, 10);
    HWND first = probe->Handle();
    EXPECT_EQ(probe->ParamsRead, 1);
    EXPECT_EQ(GetWindowLong(first, GWL_STYLE) & FancyStyle, 0u);
    probe->Fancy = true;
    probe->RecreateWnd();
    EXPECT_EQ(probe->ParamsRead, 2);
    EXPECT_NE(GetWindowLong(probe->Handle(), GWL_STYLE) & FancyStyle, 0u);
    EXPECT_TRUE(probe->HandleAllocated());
}

TEST_F(WinControlTest, RecreateWndCreatesNoWindowThatDoesNotExistYet) {
    auto* probe = new TParamsProbe(form);
    probe->RecreateWnd();
    EXPECT_FALSE(probe->HandleAllocated());
    EXPECT_EQ(probe->ParamsRead, 0);
    delete probe;
}

TEST_F(WinControlTest, ARecreatedWindowKeepsTheFocusAndShowsAgain) {
    auto* probe = Place(new TParamsProbe(form, clRed), form, 0, 0, 10, 10);
    probe->SetTabStop(true);
    probe->SetFocus();
    ASSERT_TRUE(probe->Focused());
    probe->RecreateWnd();
    RunUntilIdle();
    EXPECT_TRUE(probe->Focused());
    EXPECT_EQ(PixelAt(probe, 5, 5), clRed);
}

TEST_F(WinControlTest, ChildWindowsAreCreatedWithTheirParentsAndGoWithThem) {
    auto* outer = new TPaintProbe(form);
    auto* inner = Place(new TPaintProbe(form), outer, 0, 0, 5, 5);
    EXPECT_FALSE(inner->HandleAllocated());
    outer->SetParent(form);
    EXPECT_TRUE(inner->HandleAllocated());
    HWND innerWindow = inner->Handle();
    outer->SetParent(nullptr);
    EXPECT_FALSE(inner->HandleAllocated());
    EXPECT_FALSE(IsWindow(innerWindow));
    delete outer; // takes inner with it
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(WinControlTest, AlignedChildrenFillTheClientAreaInOrder) {
    auto* top = Place(new TPaintProbe(form), form, 0, 0, 50, 20);
    auto* left = Place(new TPaintProbe(form), form, 0, 0, 30, 50);
    auto* client = Place(new TPaintProbe(form), form, 0, 0, 1, 1);
    auto* bottom = Place(new TPaintProbe(form), form, 0, 0, 50, 10);
    top->SetAlign(alTop);
    left->SetAlign(alLeft);
    client->SetAlign(alClient);
    bottom->SetAlign(alBottom);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 90, 200, 100));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 30, 90));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 200, 90));
    form->SetClientWidth(300);
    EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 300, 90));
}

TEST_F(WinControlTest, ColourAndFontFollowTheParentUntilSet) {
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 50, 50);
    auto* child = Place(new TPaintProbe(form), panel, 0, 0, 5, 5);
    panel->SetColor(clNavy);
    EXPECT_EQ(child->Color(), clNavy);
    EXPECT_TRUE(child->ParentColor());
    panel->Font()->SetHeight(-20);
    EXPECT_EQ(child->Font()->Height(), -20);
    EXPECT_TRUE(child->ParentFont());
    child->SetColor(clRed);
    child->Font()->SetHeight(-9);
    panel->SetColor(clLime);
    panel->Font()->SetHeight(-30);
    EXPECT_EQ(child->Color(), clRed);
    EXPECT_FALSE(child->ParentColor());
    EXPECT_EQ(child->Font()->Height(), -9);
    EXPECT_FALSE(child->ParentFont());
}

TEST_F(WinControlTest, AColourThatFollowsTheParentIsNotStored) {
    auto* child = Place(new TPaintProbe(form), form, 0, 0, 5, 5);
    const TPropInfo* color = child->ClassType().FindProperty("Color");
    ASSERT_NE(color, nullptr);
    ASSERT_TRUE(color->IsStored);
    EXPECT_FALSE(color->IsStored(*child));
    child->SetColor(clRed);
    EXPECT_TRUE(color->IsStored(*child));
}

TEST_F(WinControlTest, TextChangesNotifyOnlyWhenTheTextDiffers) {
    auto* probe = Place(new TPaintProbe(form), form, 0, 0, 5, 5);
    RunUntilIdle();
    const int paints = probe->Paints;
    probe->SetCaption(probe->Caption());
    RunUntilIdle();
    EXPECT_EQ(probe->Paints, paints);
    probe->SetCaption("&Go");
    RunUntilIdle();
    EXPECT_EQ(probe->Paints, paints + 1);
    EXPECT_EQ(probe->Text(), "&Go");
}

TEST_F(WinControlTest, ControlAtPosFindsTheTopmostVisibleChild) {
    auto* below = Place(new TGraphicProbe(form), form, 0, 0, 50, 50);
    auto* above = Place(new TGraphicProbe(form), form, 20, 20, 50, 50);
    EXPECT_EQ(form->ControlAtPos({30, 30}, false), above);
    EXPECT_EQ(form->ControlAtPos({10, 10}, false), below);
    above->Hide();
    EXPECT_EQ(form->ControlAtPos({30, 30}, false), below);
    below->SetEnabled(false);
    EXPECT_EQ(form->ControlAtPos({30, 30}, false), nullptr);
    EXPECT_EQ(form->ControlAtPos({30, 30}, true), below);
    auto* window = Place(new TPaintProbe(form), form, 0, 0, 50, 50);
    EXPECT_EQ(form->ControlAtPos({10, 10}, true), below);
    EXPECT_EQ(form->ControlAtPos({10, 10}, true, true), window);
}

TEST_F(WinControlTest, BringToFrontChangesWhichWindowShows) {
    auto* red = Place(new TPaintProbe(form, clRed), form, 0, 0, 20, 20);
    Place(new TPaintProbe(form, clBlue), form, 0, 0, 20, 20);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(form, 5, 5), clBlue);
    red->BringToFront();
    RunUntilIdle();
    EXPECT_EQ(PixelAt(form, 5, 5), clRed);
}

TEST_F(WinControlTest, ScreenCoordinatesPassThroughEveryParent) {
    auto* panel = Place(new TPaintProbe(form), form, 10, 20, 100, 50);
    auto* graphic = Place(new TGraphicProbe(form), panel, 3, 4, 10, 10);
    const TPoint origin = form->ClientOrigin();
    EXPECT_EQ(origin, (TPoint{100, 100}));
    EXPECT_EQ(graphic->ClientToScreen({1, 1}), (TPoint{114, 125}));
    EXPECT_EQ(graphic->ScreenToClient({114, 125}), (TPoint{1, 1}));
}

// Records the notifications handed back to it by its parent.
class TOwnerDrawProbe : public TPaintProbe {
    DECLARE_MESSAGE_MAP
public:
    using TPaintProbe::TPaintProbe;
    std::vector<UINT> Seen;
    HDC DrawDC = nullptr;

private:
    void CNDrawItem(TWMDrawItem& message) {
        Seen.push_back(message.Msg);
        DrawDC = message.DrawItemStruct->hDC;
    }
    void CNMeasureItem(TWMMeasureItem& message) {
        Seen.push_back(message.Msg);
        message.MeasureItemStruct->itemWidth = static_cast<UINT>(Width());
    }
    void CNCommand(TMessage& message) {
        Seen.push_back(message.Msg);
        message.Result = 5;
    }
};

const TMessageMap& TOwnerDrawProbe::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<CN_DRAWITEM, &TOwnerDrawProbe::CNDrawItem>(),
                                  MessageHandler<CN_MEASUREITEM, &TOwnerDrawProbe::CNMeasureItem>(),
                                  MessageHandler<CN_COMMAND, &TOwnerDrawProbe::CNCommand>()});
    return map;
}

TEST_F(WinControlTest, AParentHandsNotificationsBackToTheChildTheyConcern) {
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 100, 50);
    Place(new TOwnerDrawProbe(form), panel, 0, 0, 10, 10); // a sibling the notices are not for
    auto* child = Place(new TOwnerDrawProbe(form), panel, 20, 0, 30, 10);
    HWND window = child->Handle();

    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_BUTTON;
    draw.hwndItem = window;
    draw.hDC = GetDC(window);
    SendMessage(panel->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    MEASUREITEMSTRUCT measure;
    measure.CtlID = GetWindowLong(window, GWL_ID);
    SendMessage(panel->Handle(), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    const LRESULT command =
        SendMessage(panel->Handle(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(window));

    EXPECT_EQ(child->Seen, (std::vector<UINT>{CN_DRAWITEM, CN_MEASUREITEM, CN_COMMAND}));
    EXPECT_EQ(child->DrawDC, draw.hDC);
    EXPECT_EQ(measure.itemWidth, 30u);
    EXPECT_EQ(command, 5);
}

// Notes whether its own handler saw its window's last message.
class TDestroyProbe : public TPaintProbe {
    DECLARE_MESSAGE_MAP
public:
    TDestroyProbe(TComponent* owner, bool beginsDestruction, std::vector<std::string>& log)
        : TPaintProbe(owner), FBegins(beginsDestruction), FLog(log) {}
    ~TDestroyProbe() override {
        if (FBegins)
            BeginDestruction();
    }

private:
    void WMDestroy(TMessage&) { FLog.push_back(TComponent::Name() + " destroyed its window"); }
    bool FBegins;
    std::vector<std::string>& FLog;
};

const TMessageMap& TDestroyProbe::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<WM_DESTROY, &TDestroyProbe::WMDestroy>()});
    return map;
}

TEST_F(WinControlTest, AClassThatBeginsItsDestructionHandlesItsWindowsLastMessages) {
    std::vector<std::string> log;
    auto* early = Place(new TDestroyProbe(form, true, log), form, 0, 0, 10, 10);
    auto* late = Place(new TDestroyProbe(form, false, log), form, 20, 0, 10, 10);
    early->SetName("Early");
    late->SetName("Late");
    early->SetFocus();
    RunUntilIdle();
    delete early;
    delete late;
    EXPECT_EQ(log, (std::vector<std::string>{"Early destroyed its window"}));
    EXPECT_EQ(form->ActiveControl(), nullptr);
    RunUntilIdle();
}

} // namespace

namespace {

TEST_F(WinControlTest, ExtremeBoundsAreHeldSoThatNoEdgeOverflows) {
    auto* windowed = Place(new TParamsProbe(form), form, 0, 0, 10, 245);
    auto* graphic = Place(new TGraphicProbe(form), form, 0, 0, 10, 245);
    for (TControl* control : {static_cast<TControl*>(windowed), static_cast<TControl*>(graphic)}) {
        control->SetTop(INT32_MAX);
        control->SetLeft(INT32_MIN);
        control->SetWidth(INT32_MAX);
        EXPECT_EQ(control->Top(), TControl::MaxCoordinate);
        EXPECT_EQ(control->Left(), -TControl::MaxCoordinate);
        EXPECT_EQ(control->Width(), TControl::MaxCoordinate);
        EXPECT_EQ(control->BoundsRect().Right, 0);
        control->SetHeight(-5);
        EXPECT_EQ(control->Height(), 0);
        control->SetLeft(INT32_MAX);
        EXPECT_EQ(control->BoundsRect().Right, 2 * TControl::MaxCoordinate);
    }
    windowed->SetClientSize(INT32_MAX, INT32_MAX);
    EXPECT_EQ(windowed->Width(), TControl::MaxCoordinate);
    RunUntilIdle();
}

} // namespace
