#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Canvas.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/streaming/Registration.h"
#include "tests/support/FrameworkTest.h"

#include <gmock/gmock.h>

namespace {

class TControlsForm : public TForm {
    FRAMEWORK_CLASS(TControlsForm)
public:
    explicit TControlsForm(TComponent* owner) : TForm(owner) {}
    TStrokeBar* Bar = nullptr;
    TxGauge* Gauge = nullptr;
    void BarChanging(TObject*) { Gauge->SetPosition(Bar->Value()); }
};

const TClassInfo& TControlsForm::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TControlsForm>("TControlsForm", &TForm::StaticClass(), [](auto& c) {
            c.Field("Bar", &TControlsForm::Bar).Optional = true;
            c.Field("Gauge", &TControlsForm::Gauge).Optional = true;
            c.Method("BarChanging", &TControlsForm::BarChanging);
        });
    return info;
}

// A stored Max below the Min of the moment is raised to it before Min is read; a stored Min
// above the default Max is pulled down to it.
constexpr const char* Description = R"({
  "class": "TControlsForm",
  "name": "Controls",
  "properties": {"ClientWidth": 300, "ClientHeight": 200, "Font": {"Height": -14}},
  "components": [
    {"class": "TStrokeBar", "name": "Bar",
     "properties": {"Left": 10, "Top": 10, "Width": 200, "Height": 60,
                    "OnChanging": "BarChanging", "Caption": "Level",
                    "MarginTop": 20, "Max": -10, "Min": -20, "Value": -15,
                    "BarColor": "clRed", "BevelOuter": "sbLowered"}},
    {"class": "TxGauge", "name": "Gauge",
     "properties": {"Left": 10, "Top": 100, "Width": 200, "Min": 200,
                    "Border": "gbRaised", "BarForeColor": "clGreen"}}
  ]
})";

class ControlFormsTest : public FrameworkTest {
protected:
    void SetUp() override {
        Palette.Install();
        StrokeBar::Register();
        xGauge::Register();
    }

    TControlsForm* Load(const std::string& description) {
        auto* form = new TControlsForm(nullptr);
        Forms.emplace_back(form);
        ReadComponent(form, description, "controls.json");
        return form;
    }

    TComponentPalette Palette;
    std::vector<std::unique_ptr<TControlsForm>> Forms;
};

TEST_F(ControlFormsTest, LoadingAppliesTheSettersInDeclarationOrder) {
    TControlsForm* form = Load(Description);
    ASSERT_NE(form->Bar, nullptr);
    EXPECT_EQ(form->Bar->Max(), 0);
    EXPECT_EQ(form->Bar->Min(), -20);
    EXPECT_EQ(form->Bar->Value(), -15);
    EXPECT_EQ(form->Bar->GetCaption(), "Level");
    EXPECT_EQ(form->Bar->Caption(), "");
    EXPECT_EQ(form->Bar->MarginTop(), 20);
    EXPECT_EQ(form->Bar->BevelOuter(), sbLowered);

    ASSERT_NE(form->Gauge, nullptr);
    EXPECT_EQ(form->Gauge->Min(), 100);
    EXPECT_EQ(form->Gauge->Max(), 100);
    EXPECT_EQ(form->Gauge->Position(), 100);
    EXPECT_EQ(form->Gauge->Border(), gbRaised);
    EXPECT_EQ(form->Gauge->Height(), 20);
}

TEST_F(ControlFormsTest, LoadedGivesTheCanvasTheFontAndLeavesItTheParents) {
    TControlsForm* form = Load(Description);
    EXPECT_EQ(form->Bar->Canvas()->Font()->Height(), -14);
    EXPECT_TRUE(form->Bar->ParentFont());
}

// Min moves Value while loading without committing it; Loaded commits what was loaded.
TEST_F(ControlFormsTest, LoadedCommitsTheLoadedValueForACancel) {
    TControlsForm* form = Load(R"({"class": "TControlsForm", "name": "Controls", "components": [
  {"class": "TStrokeBar", "name": "Bar", "properties": {"Min": 10}}]})");
    form->Show();
    RunUntilIdle();
    MouseMove(form->Bar, 60, 20);
    MouseMove(form->Bar, 90, 20);
    EXPECT_EQ(form->Bar->Value(), 77);
    MouseDown(form->Bar, 90, 20, mbRight);
    EXPECT_EQ(form->Bar->Value(), 10);
}

TEST_F(ControlFormsTest, ChangingEventBoundByNameDrivesTheGauge) {
    TControlsForm* form = Load(Description);
    form->Gauge->SetMaxValue(300);
    form->Gauge->SetMinValue(-20);
    form->Show();
    RunUntilIdle();
    MouseMove(form->Bar, 100, 30);
    MouseMove(form->Bar, 50, 30);
    EXPECT_EQ(form->Bar->Value(), -15);
    EXPECT_EQ(form->Gauge->Position(), -15);
}

TEST_F(ControlFormsTest, AWrittenFormNamesTheBoundHandler) {
    EXPECT_THAT(WriteComponent(Load(Description)),
                ::testing::HasSubstr("\"OnChanging\": \"BarChanging\""));
}

TEST_F(ControlFormsTest, UnknownControlPropertyIsAnErrorWithItsPlace) {
    try {
        Load(R"({"class": "TControlsForm", "name": "Controls", "components": [
  {"class": "TxGauge", "name": "Gauge", "properties": {"Value": 3}}]})");
        FAIL() << "no EReadError";
    } catch (const EReadError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("Gauge.Value"));
    }
}

} // namespace
