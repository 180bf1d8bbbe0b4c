#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/TrackBar.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "tests/stdctrls/StdCtrlsTest.h"

#include <functional>
#include <string>

namespace {

class EditOptionsTest : public StdCtrlsTest {};

template <class T> T* Place(TForm* form, TWinControl* parent = nullptr) {
    auto* control = new T(form);
    control->SetParent(parent ? parent : form);
    control->SetBounds(10, 10, 150, 45);
    return control;
}

} // namespace

TEST_F(EditOptionsTest, Ctl3DChoosesBetweenTheSunkenEdgeAndAFlatLine) {
    struct Case {
        const char* Name;
        std::function<TControl*(TForm*)> Make;
        TPoint Probe; // client coordinates
        TColor Expected;
        int Edge; // between the bounds and the client area
    };
    // Left of the window's edge: its outer shadow, or the parent beside a flat line.
    const TPoint outside{-2, 5};
    const TPoint channelTop{60, 10}; // the top row of a track bar's channel
    const Case cases[] = {
        {"edit", [](TForm* f) { return Place<TEdit>(f); }, outside, clBtnShadow, 2},
        {"flat edit",
         [](TForm* f) {
             auto* edit = Place<TEdit>(f);
             edit->SetCtl3D(false);
             return edit;
         },
         outside, clBtnFace, 1},
        {"edit on a flat panel",
         [](TForm* f) {
             auto* panel = Place<TPanel>(f);
             panel->SetBounds(0, 0, 200, 100);
             auto* edit = Place<TEdit>(f, panel);
             panel->SetCtl3D(false);
             return edit;
         },
         outside, clBtnFace, 1},
        {"3-D edit on a flat panel",
         [](TForm* f) {
             auto* panel = Place<TPanel>(f);
             panel->SetBounds(0, 0, 200, 100);
             panel->SetCtl3D(false);
             auto* edit = Place<TEdit>(f, panel);
             edit->SetCtl3D(true);
             return edit;
         },
         outside, clBtnShadow, 2},
        {"flat memo",
         [](TForm* f) {
             auto* memo = Place<TMemo>(f);
             memo->SetCtl3D(false);
             return memo;
         },
         outside, clBtnFace, 1},
        {"track bar", [](TForm* f) { return Place<TTrackBar>(f); }, channelTop, clBtnShadow, 0},
        {"flat track bar",
         [](TForm* f) {
             auto* bar = Place<TTrackBar>(f);
             bar->SetCtl3D(false);
             return bar;
         },
         channelTop, clWindowFrame, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm* form = NewForm();
        TControl* control = c.Make(form);
        RunUntilIdle();
        EXPECT_EQ(PixelAt(control, c.Probe.x, c.Probe.y), ColorToRGB(c.Expected));
        EXPECT_EQ(control->ClientOrigin().x,
                  control->Parent()->ClientOrigin().x + control->Left() + c.Edge);
        delete form;
    }
}

TEST_F(EditOptionsTest, ImeDisableAndCloseTurnTheInputMethodOffWhileTheEditHasTheFocus) {
    for (int mode = imDisable; mode <= imHanguel; ++mode) {
        SCOPED_TRACE(ImeModeNames[static_cast<std::size_t>(mode)]);
        TForm* form = NewForm();
        auto* edit = Place<TEdit>(form);
        edit->SetImeMode(static_cast<TImeMode>(mode));
        auto* button = Place<TButton>(form);
        button->SetTop(80);
        button->SetFocus();
        RunUntilIdle();
        ASSERT_EQ(HostWindowOf(edit).InputMethodEnabled(), true);
        edit->SetFocus();
        RunUntilIdle();
        EXPECT_EQ(HostWindowOf(edit).InputMethodEnabled(), mode != imDisable && mode != imClose);
        button->SetFocus();
        RunUntilIdle();
        EXPECT_EQ(HostWindowOf(edit).InputMethodEnabled(), true);
        delete form;
    }
}

TEST_F(EditOptionsTest, FormsStoreOnlyTheOptionsThatDifferFromTheirDefaults) {
    TForm* form = NewForm();
    auto* plain = Place<TEdit>(form);
    plain->SetName("Plain");
    const std::string defaults = WriteComponent(form);
    for (const char* name : {"Ctl3D", "ImeMode", "ImeName", "OEMConvert", "BiDiMode",
                             "ParentBiDiMode", "HelpType", "HelpContext", "HelpKeyword"})
        EXPECT_EQ(defaults.find(std::string("\"") + name + "\""), std::string::npos) << name;

    auto* edit = Place<TEdit>(form);
    edit->SetName("Options");
    edit->SetCtl3D(false);
    edit->SetImeMode(imClose);
    edit->SetImeName("Anthy");
    edit->SetOEMConvert(true);
    edit->SetBiDiMode(bdRightToLeft);
    edit->SetHelpType(htKeyword);
    edit->SetHelpKeyword("area");
    const std::string text = WriteComponent(form);
    delete form;

    auto* copy = new TForm(Application);
    ReadComponent(copy, text, "copy.json");
    auto* read = dynamic_cast<TEdit*>(copy->FindComponent("Options"));
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->Ctl3D());
    EXPECT_FALSE(read->ParentCtl3D());
    EXPECT_EQ(read->ImeMode(), imClose);
    EXPECT_EQ(read->ImeName(), "Anthy");
    EXPECT_TRUE(read->OEMConvert());
    EXPECT_EQ(read->BiDiMode(), bdRightToLeft);
    EXPECT_FALSE(read->ParentBiDiMode());
    EXPECT_EQ(read->HelpType(), htKeyword);
    EXPECT_EQ(read->HelpKeyword(), "area");
}
