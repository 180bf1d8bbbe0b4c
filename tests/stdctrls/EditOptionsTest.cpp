#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/TrackBar.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "tests/stdctrls/StdCtrlsTest.h"

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
    // The probe: left of an edit's window (its outer shadow, or the panel beside a flat line),
    // or the top row of a track bar's channel.
    struct Case {
        const char* Name;
        bool TrackBar;
        bool FlatPanel;
        int Ctl3D; // -1: follows the panel
        TColor Expected;
        int Edge; // between the bounds and the client area
    };
    const Case cases[] = {
        {"edit", false, false, -1, clBtnShadow, 2},
        {"flat edit", false, false, 0, clBtnFace, 1},
        {"edit on a flat panel", false, true, -1, clBtnFace, 1},
        {"3-D edit on a flat panel", false, true, 1, clBtnShadow, 2},
        {"track bar", true, false, -1, clBtnShadow, 0},
        {"flat track bar", true, false, 0, clWindowFrame, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm* form = NewForm();
        auto* panel = Place<TPanel>(form);
        panel->SetBounds(0, 0, 200, 100);
        TWinControl* control = c.TrackBar ? static_cast<TWinControl*>(Place<TTrackBar>(form, panel))
                                          : Place<TEdit>(form, panel);
        panel->SetCtl3D(!c.FlatPanel);
        if (c.Ctl3D >= 0)
            control->SetCtl3D(c.Ctl3D == 1);
        RunUntilIdle();
        const TPoint probe = c.TrackBar ? TPoint{60, 10} : TPoint{-2, 5};
        EXPECT_EQ(PixelAt(control, probe.x, probe.y), ColorToRGB(c.Expected));
        EXPECT_EQ(control->ClientOrigin().x, panel->ClientOrigin().x + control->Left() + c.Edge);
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
    edit->SetBiDiMode(bdRightToLeft);
    edit->SetHelpType(htKeyword);
    const std::string text = WriteComponent(form);
    delete form;

    auto* copy = new TForm(Application);
    ReadComponent(copy, text, "copy.json");
    auto* read = dynamic_cast<TEdit*>(copy->FindComponent("Options"));
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->Ctl3D());
    EXPECT_EQ(read->ImeMode(), imClose);
    EXPECT_EQ(read->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(read->HelpType(), htKeyword);
}
