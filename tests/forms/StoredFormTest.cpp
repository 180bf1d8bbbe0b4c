#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/core/ClassBuilder.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/windows/Win32Api.h"

namespace {

constexpr std::uint32_t FancyStyle = 0x20;

// A control whose window style depends on a property declared after all the inherited ones, as
// a track bar's selection range does.
class TStyleProbe : public TCustomControl {
    FRAMEWORK_CLASS(TStyleProbe)
public:
    using TCustomControl::TCustomControl;
    int ParamsRead = 0;
    bool Fancy() const { return FFancy; }
    void SetFancy(bool value) {
        if (value == FFancy)
            return;
        FFancy = value;
        if (!IsLoading())
            RecreateWnd();
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomControl::CreateParams(params);
        ++ParamsRead;
        if (FFancy)
            params.Style |= FancyStyle;
    }

private:
    bool FFancy = false;
};

const TClassInfo& TStyleProbe::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TStyleProbe>("TStyleProbe", &TCustomControl::StaticClass(), [](auto& c) {
            c.Bool("Fancy", &TStyleProbe::Fancy, &TStyleProbe::SetFancy, false);
        });
    return info;
}

class TStoredForm : public TForm {
    FRAMEWORK_CLASS(TStoredForm)
public:
    explicit TStoredForm(TComponent* owner) : TForm(owner) {}
    TStyleProbe* Probe = nullptr;
    TStyleProbe* Inner = nullptr;
};

const TClassInfo& TStoredForm::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TStoredForm>("TStoredForm", &TForm::StaticClass(), [](auto& c) {
            c.Field("Probe", &TStoredForm::Probe);
            c.Field("Inner", &TStoredForm::Inner);
        });
    return info;
}

constexpr const char* Description = R"({
  "class": "TStoredForm",
  "name": "Stored",
  "properties": {
    "Caption": "Stored",
    "ClientWidth": 200,
    "ClientHeight": 120,
    "Color": "0x827B4B",
    "Font": {"Height": -14},
    "ActiveControl": "Inner"
  },
  "components": [
    {"class": "TStyleProbe", "name": "Probe",
     "properties": {"Left": 10, "Top": 10, "Width": 100, "Height": 60, "Fancy": true,
                    "TabStop": true},
     "components": [
       {"class": "TStyleProbe", "name": "Inner",
        "properties": {"Align": "alClient", "TabStop": true, "TabOrder": 0}}
     ]}
  ]
})";

class StoredFormTest : public FrameworkTest {
protected:
    void SetUp() override {
        RegisterClass(TStyleProbe::StaticClass());
        form = new TStoredForm(Application);
        ReadComponent(form, Description, "stored.json");
    }
    TStoredForm* form = nullptr;
};

TEST_F(StoredFormTest, AWindowIsCreatedOnlyOnceItsPropertiesAreRead) {
    ASSERT_NE(form->Probe, nullptr);
    EXPECT_TRUE(form->Probe->HandleAllocated() || !form->HandleAllocated());
    form->Show();
    RunUntilIdle();
    EXPECT_NE(GetWindowLong(form->Probe->Handle(), GWL_STYLE) & FancyStyle, 0u);
    EXPECT_EQ(form->Probe->ParamsRead, 1);
}

TEST_F(StoredFormTest, ChildrenTakeTheFormsFontAndColourAndAlignInsideTheirParent) {
    EXPECT_EQ(form->Probe->Color(), 0x827B4B);
    EXPECT_TRUE(form->Probe->ParentColor());
    EXPECT_EQ(form->Inner->Font()->Height(), -14);
    EXPECT_EQ(form->Inner->BoundsRect(), Rect(0, 0, 100, 60));
    EXPECT_EQ(form->ClientWidth(), 200);
}

TEST_F(StoredFormTest, TheStoredActiveControlHasTheFocusWhenTheFormIsShown) {
    form->Show();
    RunUntilIdle();
    EXPECT_TRUE(form->Inner->Focused());
}

TEST_F(StoredFormTest, WritingTheFormNestsChildrenUnderTheirParentsAndLeavesParentColoursOut) {
    const std::string text = WriteComponent(form);
    const auto probe = text.find("\"name\": \"Probe\"");
    const auto inner = text.find("\"name\": \"Inner\"");
    ASSERT_NE(inner, std::string::npos);
    EXPECT_LT(probe, inner);
    // Only the form stores its colour and font; the children follow it.
    EXPECT_EQ(text.find("\"Color\": \"0x827B4B\""), text.rfind("\"Color\": \"0x827B4B\""));
    EXPECT_EQ(text.find("\"Font\""), text.rfind("\"Font\""));
    EXPECT_EQ(text.find("\"ParentColor\""), std::string::npos);
}

TEST_F(StoredFormTest, DragSettingsAreStoredOnlyWhenChangedAndReadBack) {
    EXPECT_EQ(form->Probe->DragMode(), dmManual);
    EXPECT_EQ(form->Probe->DragCursor(), crDrag);
    EXPECT_EQ(WriteComponent(form).find("Drag"), std::string::npos);

    form->Inner->SetDragMode(dmAutomatic);
    form->Inner->SetDragCursor(crMultiDrag);
    const std::string text = WriteComponent(form);
    delete form;
    form = new TStoredForm(Application);
    ReadComponent(form, text, "written.json");
    EXPECT_EQ(form->Inner->DragMode(), dmAutomatic);
    EXPECT_EQ(form->Inner->DragCursor(), crMultiDrag);
    EXPECT_EQ(form->Probe->DragMode(), dmManual);
}

} // namespace

TEST_F(StoredFormTest, StoredTabOrdersComeBackWhateverOrderTheControlsWereCreatedIn) {
    for (const std::vector<int>& orders :
         {std::vector<int>{2, 3, 1, 0}, {3, 2, 1, 0}, {0, 1, 2, 3}}) {
        std::string text = R"({"class": "TForm", "name": "TabForm", "components": [)";
        for (std::size_t i = 0; i < orders.size(); ++i)
            text += std::string(i ? "," : "") + R"({"class": "TStyleProbe", "name": "P)" +
                    std::to_string(i) + R"(", "properties": {"TabOrder": )" +
                    std::to_string(orders[i]) + "}}";
        auto* tabForm = new TForm(Application);
        ReadComponent(tabForm, text + "]}", "tabs.json");
        for (std::size_t i = 0; i < orders.size(); ++i)
            EXPECT_EQ(dynamic_cast<TWinControl*>(tabForm->FindComponent("P" + std::to_string(i)))
                          ->TabOrder(),
                      orders[i])
                << text;
        delete tabForm;
    }
}
