#include "framework/stdctrls/CheckBox.h"

#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/streaming/PropertyJson.h"
#include "framework/windows/Win32Api.h"
#include "tests/stdctrls/StdCtrlsTest.h"

#include <vector>

namespace {

class CheckBoxTest : public StdCtrlsTest {
protected:
    TCheckBox* NewCheckBox(TForm* form, const std::string& caption) {
        auto* box = new TCheckBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 120, 17);
        box->SetCaption(caption);
        box->OnClick = TNotifyEvent::FromFunction([this, box](TObject* sender) {
            EXPECT_EQ(sender, box);
            ++Clicks;
        });
        return box;
    }

    int Clicks = 0;
};

// Box at (0, 2) in a 17 pixels high check box.
constexpr int BoxTop = 2;

} // namespace

TEST_F(CheckBoxTest, ClickAndSpaceToggleAndRaiseOnClick) {
    TForm* form = NewForm();
    TCheckBox* box = NewCheckBox(form, "Visible");
    RunUntilIdle();

    Click(box, 5, 8);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(box->Focused());

    // Released outside: no toggle.
    MouseDown(box, 5, 8);
    MouseMove(box, 300, 100);
    MouseUp(box, 300, 100);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(Clicks, 1);

    KeyDown(VK_SPACE, {}, " ");
    EXPECT_TRUE(box->Checked());
    KeyUp(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckBoxTest, ProgramChangesRaiseOnClickOnlyWhenTheStateChanges) {
    TForm* form = NewForm();
    TCheckBox* box = NewCheckBox(form, "x");
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(Clicks, 1);
    box->Toggle();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckBoxTest, AcceleratorFocusesAndToggles) {
    TForm* form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetTop(100);
    TCheckBox* box = NewCheckBox(form, "&Bold");
    RunUntilIdle();
    edit->SetFocus();
    RunUntilIdle();

    PressKey('B', ssAlt);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
}

TEST_F(CheckBoxTest, PaintsTheSunkenBoxAndTheMark) {
    TForm* form = NewForm();
    TCheckBox* box = NewCheckBox(form, "Mark");
    RunUntilIdle();
    EXPECT_EQ(PixelAt(box, 0, BoxTop), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(box, 1, BoxTop + 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(box, 12, BoxTop + 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(box, 11, BoxTop + 11), ColorToRGB(cl3DLight));
    EXPECT_EQ(CountColor(box, Bounds(2, BoxTop + 2, 9, 9), clWindow), 81);

    box->SetChecked(true);
    RunUntilIdle();
    // The mark's lowest column and its two ends; 21 pixels in all.
    for (int y : {7, 8, 9})
        EXPECT_EQ(PixelAt(box, 5, BoxTop + y), ColorToRGB(clWindowText)) << y;
    EXPECT_EQ(PixelAt(box, 3, BoxTop + 5), ColorToRGB(clWindowText));
    EXPECT_EQ(PixelAt(box, 9, BoxTop + 3), ColorToRGB(clWindowText));
    EXPECT_EQ(PixelAt(box, 5, BoxTop + 6), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(box, 5, BoxTop + 10), ColorToRGB(clWindow));
    EXPECT_EQ(CountColor(box, Bounds(2, BoxTop + 2, 9, 9), clWindowText), 21);
}

TEST_F(CheckBoxTest, DisabledAndPressedBoxesShowTheFace) {
    TForm* form = NewForm();
    TCheckBox* box = NewCheckBox(form, "Mark");
    box->SetChecked(true);
    box->SetEnabled(false);
    RunUntilIdle();
    EXPECT_EQ(PixelAt(box, 2, BoxTop + 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(box, 5, BoxTop + 8), ColorToRGB(clGrayText));

    box->SetEnabled(true);
    RunUntilIdle();
    MouseDown(box, 5, 8);
    EXPECT_EQ(PixelAt(box, 2, BoxTop + 2), ColorToRGB(clBtnFace));
    MouseUp(box, 5, 8);
    EXPECT_EQ(PixelAt(box, 2, BoxTop + 2), ColorToRGB(clWindow));
}

TEST_F(CheckBoxTest, FocusRectangleFramesTheCaptionAndCaptionMayStandLeft) {
    TForm* form = NewForm();
    TCheckBox* box = NewCheckBox(form, "Mark");
    RunUntilIdle();
    // The caption starts 4 pixels right of the box; the frame one pixel before it.
    EXPECT_EQ(CountColor(box, Rect(16, 0, 17, 17), form->Color()), 17);
    box->SetFocus();
    RunUntilIdle();
    EXPECT_LT(CountColor(box, Rect(16, 0, 17, 17), form->Color()), 17);
    EXPECT_EQ(CountColor(box, Rect(100, 0, 120, 17), form->Color()), 20 * 17);

    box->SetAlignment(taLeftJustify);
    RunUntilIdle();
    EXPECT_EQ(box->BoxRect(), Bounds(107, BoxTop, 13, 13));
    EXPECT_EQ(PixelAt(box, 107, BoxTop), ColorToRGB(clBtnShadow));
    EXPECT_EQ(CountColor(box, Rect(60, 0, 100, 17), form->Color()), 40 * 17);
}

TEST_F(CheckBoxTest, AStoredFormHoldsCaptionCheckedAndAlignment) {
    RegisterStandardClasses();
    TForm* form = NewForm();
    form->SetName("Form1");
    ReadComponent(form, R"json({"class": "TForm", "name": "Form1", "components": [
        {"class": "TCheckBox", "name": "cbBold", "properties": {"Left": 8, "Top": 4,
            "Caption": "Bold", "Checked": true, "Alignment": "taLeftJustify"}}]})json",
                  "test.json");
    auto* box = dynamic_cast<TCheckBox*>(form->FindComponent("cbBold"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Alignment(), taLeftJustify);
    EXPECT_EQ(box->Caption(), "Bold");

    const std::string text = WriteComponent(form);
    EXPECT_NE(text.find("\"Checked\": true"), std::string::npos) << text;
    delete form;
    auto* copy = new TForm(Application);
    ReadComponent(copy, text, "written.json");
    const auto components = [](const std::string& written) {
        return TJson::parse(written)["components"];
    };
    EXPECT_EQ(components(WriteComponent(copy)), components(text));
}
