#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/windows/Win32Api.h"

#include <climits>

namespace {

class FormTest : public FrameworkTest {};

TEST_F(FormTest, TheOuterSizeIsTheClientSizePlusTheHostsFrame) {
    TForm* form = NewForm(968, 543);
    const TRect frame = HostWindowOf(form).FrameExtents();
    EXPECT_EQ(form->Width(), 968 + frame.Left + frame.Right);
    EXPECT_EQ(form->Height(), 543 + frame.Top + frame.Bottom);
    EXPECT_EQ(HostWindowOf(form).ClientBounds().Width(), 968);
    EXPECT_EQ(form->ClientOrigin(), HostWindowOf(form).ClientBounds().TopLeft());
}

TEST_F(FormTest, ScreenCenterPlacesTheFormInTheMiddleWhenShown) {
    auto* form = new TForm(Application);
    form->SetBounds(198, 150, 976, 575);
    form->SetPosition(poScreenCenter);
    form->Show();
    RunUntilIdle();
    EXPECT_EQ(form->Left(), (1280 - 976) / 2);
    EXPECT_EQ(form->Top(), (1024 - 575) / 2);
    EXPECT_EQ(HostWindowOf(form).OuterBounds(), form->BoundsRect());
}

TEST_F(FormTest, AFormIsNeverLargerThanTheScreen) {
    TForm* form = NewForm(300, 200);
    form->SetWidth(INT_MAX);
    form->SetHeight(5000);
    EXPECT_EQ(form->Width(), 1280);
    EXPECT_EQ(form->Height(), 1024);
    EXPECT_EQ(HostWindowOf(form).OuterBounds(), form->BoundsRect());
    form->SetWidth(640);
    EXPECT_EQ(form->Width(), 640);
}

TEST_F(FormTest, TheCaptionIsTheWindowTitle) {
    TForm* form = NewForm();
    form->SetCaption("これで肝機能がほんとにわかるの？");
    EXPECT_EQ(HostWindowOf(form).Title(), "これで肝機能がほんとにわかるの？");
}

TEST_F(FormTest, ADialogBorderMakesAFixedDialogWindow) {
    auto* form = new TForm(Application);
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->Show();
    EXPECT_EQ(HostWindowOf(form).Kind(), platform::WindowKind::Dialog);
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    EXPECT_EQ(HostWindowOf(form).Kind(), platform::WindowKind::Sizeable);
    EXPECT_TRUE(HostWindowOf(form).Visible());
}

TEST_F(FormTest, ShowingAFormActivatesItAndFocusesItsFirstTabStop) {
    auto* form = new TForm(Application);
    auto* first = Place(new TPaintProbe(form), form, 0, 0, 5, 5);
    auto* second = Place(new TPaintProbe(form), form, 10, 0, 5, 5);
    first->SetTabStop(true);
    second->SetTabStop(true);
    second->SetTabOrder(0);
    form->Show();
    EXPECT_TRUE(form->Active());
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(form->ActiveControl(), second);
}

TEST_F(FormTest, FocusingAControlOfAFormBehindBringsItToTheFrontAndTheOldFocusLeaves) {
    TForm* back = NewForm(200, 100);
    auto* first = Place(new TPaintProbe(back), back, 0, 0, 5, 5);
    auto* second = Place(new TPaintProbe(back), back, 10, 0, 5, 5);
    first->SetFocus();
    int exits = 0;
    first->OnExit = TNotifyEvent::FromFunction([&exits](TObject*) { ++exits; });
    TForm* front = NewForm(200, 100);
    ASSERT_TRUE(front->Active());
    second->SetFocus();
    RunUntilIdle();
    EXPECT_TRUE(back->Active());
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(exits, 1);
}

TEST_F(FormTest, AnActiveControlSetBeforeTheFormIsShownGetsTheFocusThen) {
    auto* form = new TForm(Application);
    Place(new TPaintProbe(form), form, 0, 0, 5, 5)->SetTabStop(true);
    auto* chosen = Place(new TPaintProbe(form), form, 10, 0, 5, 5);
    form->SetActiveControl(chosen);
    form->Show();
    EXPECT_TRUE(chosen->Focused());
}

TEST_F(FormTest, HidingTheActiveFormActivatesTheOneBehind) {
    TForm* back = NewForm();
    TForm* front = NewForm();
    EXPECT_TRUE(front->Active());
    front->Hide();
    EXPECT_TRUE(back->Active());
    EXPECT_FALSE(HostWindowOf(front).Visible());
}

TEST_F(FormTest, CloseHidesAFormThatIsNotTheMainForm) {
    TForm* form = NewForm();
    TCloseAction seen = caNone;
    form->OnClose =
        TCloseEvent::FromFunction([&](TObject*, TCloseAction& action) { seen = action; });
    form->Close();
    EXPECT_EQ(seen, caHide);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(FormTest, ACloseActionOfFreeDestroysTheFormLater) {
    TForm* form = NewForm();
    form->OnClose =
        TCloseEvent::FromFunction([](TObject*, TCloseAction& action) { action = caFree; });
    const int before = Application->ComponentCount();
    form->Close();
    EXPECT_EQ(Application->ComponentCount(), before);
    RunUntilIdle();
    EXPECT_EQ(Application->ComponentCount(), before - 1);
}

TEST_F(FormTest, AUserResizeRealignsTheForm) {
    TForm* form = NewForm(200, 100);
    auto* client = Place(new TPaintProbe(form), form, 0, 0, 1, 1);
    client->SetAlign(alClient);
    Host().UserResize(&HostWindowOf(form), 300, 150);
    RunUntilIdle();
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 300, 150));
    EXPECT_EQ(PixelAt(client, 299, 149), clRed);
}

TEST_F(FormTest, AUserMoveUpdatesTheFormsPlace) {
    TForm* form = NewForm();
    Host().UserMove(&HostWindowOf(form), 40, 50);
    RunUntilIdle();
    EXPECT_EQ(form->BoundsRect().TopLeft(), HostWindowOf(form).OuterBounds().TopLeft());
    EXPECT_EQ(form->ClientOrigin(), HostWindowOf(form).ClientBounds().TopLeft());
}

TEST_F(FormTest, GetParentFormFindsTheFormOfANestedControl) {
    TForm* form = NewForm();
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 50, 50);
    auto* graphic = Place(new TGraphicProbe(form), panel, 0, 0, 5, 5);
    EXPECT_EQ(GetParentForm(graphic), form);
    EXPECT_EQ(GetParentForm(form), form);
    auto* loose = new TGraphicProbe(form);
    EXPECT_EQ(GetParentForm(loose), nullptr);
    delete loose;
}

} // namespace
