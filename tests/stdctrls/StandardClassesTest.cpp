#include "framework/stdctrls/StandardClasses.h"

#include "framework/core/ClassInfo.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "tests/support/FrameworkTest.h"

namespace {

class StandardClassesTest : public FrameworkTest {};

template <class T> T* Find(TComponent* root, const char* name) {
    return dynamic_cast<T*>(root->FindComponent(name));
}

} // namespace

TEST_F(StandardClassesTest, EveryStandardControlCanBeNamedByAStoredForm) {
    RegisterStandardClasses();
    for (const char* name : {"TForm", "TPanel", "TLabel", "TMemo", "TScrollBox", "TImage",
                             "TSpeedButton", "TOpenDialog", "TSaveDialog"}) {
        const TClassInfo* info = FindClass(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_TRUE(static_cast<bool>(info->Create)) << name;
    }
}

TEST_F(StandardClassesTest, AStoredFormSetsThePublishedPropertiesByName) {
    TForm* form = NewForm(400, 300);
    ReadComponent(form, R"json({"class": "TForm", "name": "Stored", "components": [
        {"class": "TPanel", "name": "pnArea", "properties": {
            "Left": 76, "Top": 56, "Width": 129, "Height": 21, "BevelOuter": "bvLowered",
            "Alignment": "taLeftJustify", "Caption": "0", "Color": "0x4E4D37"}},
        {"class": "TLabel", "name": "Label7", "properties": {"Caption": "(pixels)",
            "Layout": "tlCenter"
}
},
        {"class": "TMemo", "name": "Memo", "properties": {"ScrollBars": "ssVertical",
            "Lines": ["one", "two"], "ReadOnly": true}},
        {"class": "TSpeedButton", "name": "sbCalc", "properties": {"Caption": "Start !",
            "Flat": true, "Enabled": false, "Layout": "blGlyphTop"}},
        {"class": "TOpenDialog", "name": "OpenDlg", "properties": {
            "Filter": "Bitmap image (*.bmp)|*.bmp", "DefaultExt": "fdf", "FilterIndex": 0,
            "Options": ["ofHideReadOnly", "ofFileMustExist"]}}]})json",
                  "test.json");
    auto* panel = Find<TPanel>(form, "pnArea");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BevelOuter(), bvLowered);
    EXPECT_EQ(panel->Alignment(), taLeftJustify);
    EXPECT_EQ(panel->Color(), 0x4E4D37);
    EXPECT_EQ(Find<TLabel>(form, "Label7")->Layout(), tlCenter);
    auto* memo = Find<TMemo>(form, "Memo");
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_TRUE(memo->ReadOnly());
    auto* button = Find<TSpeedButton>(form, "sbCalc");
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->Layout(), blGlyphTop);
    auto* dialog = Find<TOpenDialog>(form, "OpenDlg");
    EXPECT_EQ(dialog->FilterIndex(), 0);
    EXPECT_EQ(dialog->Options(), unsigned{ofHideReadOnly | ofFileMustExist});
}

TEST_F(StandardClassesTest, AWrittenFormStoresOnlyWhatDiffersFromTheDefaults) {
    TForm* form = NewForm(700, 600);
    form->SetName("Form1");
    auto* panel = new TPanel(form);
    panel->SetName("Panel1");
    panel->SetParent(form);
    auto* lowered = new TPanel(form);
    lowered->SetName("pnFname");
    lowered->SetParent(form);
    lowered->SetBevelOuter(bvLowered);
    auto* box = new TScrollBox(form);
    box->SetName("ScrollBox1");
    box->SetParent(form);
    box->HorzScrollBar()->SetButtonSize(8);
    box->HorzScrollBar()->SetSmooth(true);
    const std::string text = WriteComponent(form);

    const auto section = [&](const std::string& name) {
        const auto start = text.find("\"" + name + "\"");
        return text.substr(start, text.find("\"class\"", start) - start);
    };
    EXPECT_EQ(section("Panel1").find("Color"), std::string::npos);
    EXPECT_EQ(section("Panel1").find("Bevel"), std::string::npos);
    EXPECT_NE(section("pnFname").find("\"bvLowered\""), std::string::npos);
    const std::string bars = section("ScrollBox1");
    EXPECT_NE(bars.find("\"ButtonSize\": 8"), std::string::npos) << bars;
    EXPECT_NE(bars.find("\"Smooth\": true"), std::string::npos) << bars;
    EXPECT_EQ(bars.find("Increment"), std::string::npos) << bars;
    EXPECT_EQ(bars.find("VertScrollBar"), std::string::npos) << bars;
}
