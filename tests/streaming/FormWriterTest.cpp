#include "framework/streaming/FormWriter.h"

#include "framework/core/ClassBuilder.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/PropertyJson.h"
#include "tests/streaming/StreamTestClasses.h"

#include <gtest/gtest.h>

namespace {

// Stores its Caption in another form, so the inherited property is kept out.
class TCaptionlessWidget : public TStreamWidget {
    FRAMEWORK_CLASS(TCaptionlessWidget)
public:
    using TStreamWidget::TStreamWidget;
};

const TClassInfo& TCaptionlessWidget::StaticClass() {
    static const TClassInfo info = DescribeClass<TCaptionlessWidget>(
        "TCaptionlessWidget", &TStreamWidget::StaticClass(),
        [](TClassBuilder<TCaptionlessWidget>& c) { c.Unstored("Caption"); });
    return info;
}

class FormWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStreamTestClasses();
        form.SetName("Form1");
    }

    TJson Written() const { return TJson::parse(WriteComponent(&form)); }

    TStreamForm form{nullptr};
};

TEST_F(FormWriterTest, FreshComponentStoresOnlyPropertiesWithoutDefault) {
    EXPECT_EQ(Written(), TJson::parse(R"({"class": "TStreamForm", "name": "Form1",
        "properties": {"Caption": ""}})"));
}

TEST_F(FormWriterTest, WritesChangedValuesInDeclarationOrder) {
    form.SetPosition(4);
    form.SetMin(2);
    form.SetCaption("c");
    form.FShape = ssSquare;
    form.Lines()->Add("line");
    form.Font()->Style = stItalic;
    form.Font()->Color = 0x827B4B;
    TJson properties = Written()["properties"];
    std::vector<std::string> keys;
    for (const auto& item : properties.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Min", "Position", "Caption", "Shape", "Lines", "Font"}));
    EXPECT_EQ(properties["Shape"], "ssSquare");
    EXPECT_EQ(properties["Lines"], TJson::parse(R"(["line"])"));
    EXPECT_EQ(properties["Font"], TJson::parse(R"({"Color": "0x827B4B", "Style": ["stItalic"]})"));
}

TEST_F(FormWriterTest, IsStoredFalseLeavesAValueOut) {
    EXPECT_FALSE(Written()["properties"].contains("Color"));
    form.SetColor(clBtnFace);
    EXPECT_EQ(Written()["properties"]["Color"], "clBtnFace");
}

TEST(UnstoredPropertyTest, ADerivedClassKeepsAnInheritedPropertyOutButStillReadsIt) {
    TCaptionlessWidget widget(nullptr);
    widget.SetName("Widget1");
    widget.SetCaption("shown");
    widget.SetMax(20);
    const TJson written = TJson::parse(WriteComponent(&widget));
    EXPECT_EQ(written["properties"], TJson::parse(R"({"Max": 20})"));

    std::vector<std::string> names;
    for (const TPropInfo* prop : TCaptionlessWidget::StaticClass().AllProperties())
        names.push_back(prop->Name);
    std::vector<std::string> baseNames;
    for (const TPropInfo* prop : TStreamWidget::StaticClass().AllProperties())
        baseNames.push_back(prop->Name);
    EXPECT_EQ(names, baseNames);

    TCaptionlessWidget read(nullptr);
    ReadComponent(&read,
                  R"({"class": "TCaptionlessWidget", "name": "W", "properties": {"Caption": "x"}})",
                  "captionless");
    EXPECT_EQ(read.Caption(), "x");
    EXPECT_EQ(TStreamWidget::StaticClass().FindProperty("Caption")->IsStored, nullptr);
    EXPECT_THROW(DescribeClass<TCaptionlessWidget>("TBroken", &TStreamWidget::StaticClass(),
                                                   [](auto& c) { c.Unstored("NoSuch"); }),
                 EComponentError);
}

TEST_F(FormWriterTest, EventsAreWrittenByHandlerNameAndUnnamedOnesLeftOut) {
    auto* button = new TStreamWidget(&form);
    button->SetName("Button1");
    button->SetParentComponent(&form);
    button->FOnClick = TNotifyEvent(&form, &TStreamForm::OtherClick);
    button->FOnMove = TMouseMoveEvent::FromFunction([](TObject*, TShiftState, int, int) {});
    TJson child = Written()["components"][0];
    EXPECT_EQ(child["properties"]["OnClick"], "OtherClick");
    EXPECT_FALSE(child["properties"].contains("OnMove"));
}

TEST_F(FormWriterTest, ChildrenNestUnderTheirParentsAndUnparentedComponentsUnderTheRoot) {
    auto* box = new TStreamWidget(&form);
    box->SetName("Box");
    box->SetParentComponent(&form);
    auto* inner = new TStreamWidget(&form);
    inner->SetName("Inner");
    inner->SetParentComponent(box);
    (new TStreamTicker(&form))->SetName("Ticker1");
    TJson written = Written();
    ASSERT_EQ(written["components"].size(), 2u);
    EXPECT_EQ(written["components"][0]["name"], "Ticker1");
    EXPECT_EQ(written["components"][1]["name"], "Box");
    EXPECT_EQ(written["components"][1]["components"][0]["name"], "Inner");
}

TEST_F(FormWriterTest, ReferencesAreWrittenByName) {
    auto* other = new TStreamWidget(&form);
    other->SetName("Other");
    form.SetBuddy(other);
    EXPECT_EQ(Written()["properties"]["Buddy"], "Other");
}

TEST_F(FormWriterTest, ReadFormRoundTripsToIdenticalTextAndValues) {
    const char* text = R"({"class": "TStreamForm", "name": "Form1",
      "properties": {"Min": 1, "Max": 50, "Position": 7, "Caption": "これで肝機能が", "Color": 8551243,
                     "Font": {"Name": "ＭＳ Ｐゴシック", "Height": 14, "Style": ["stBold"]}},
      "components": [
        {"class": "TStreamWidget", "name": "Button1",
         "properties": {"Caption": "Go", "Visible": false, "OnClick": "ButtonClick",
                        "Buddy": "Box", "Glyph": "go.bmp", "Lines": ["a", "", "b"]}},
        {"class": "TStreamWidget", "name": "Box", "properties": {"Caption": "", "Color": "clWindow"},
         "components": [{"class": "TStreamWidget", "name": "Inner",
                         "properties": {"Caption": "i", "Shape": "ssTriangle", "OnMove": "WidgetMove"}}]},
        {"class": "TStreamTicker", "name": "Ticker1", "properties": {"Interval": 20}}]})";
    TStreamForm first(nullptr);
    ReadComponent(&first, text, "first");
    std::string once = WriteComponent(&first);
    TStreamForm second(nullptr);
    ReadComponent(&second, once, "second");
    EXPECT_EQ(WriteComponent(&second), once);
    EXPECT_EQ(second.Position(), 7);
    EXPECT_EQ(second.Color(), 0x827B4B);
    EXPECT_EQ(second.Font()->Name, "ＭＳ Ｐゴシック");
    ASSERT_NE(second.Button1, nullptr);
    EXPECT_EQ(second.Button1->Lines()->Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(second.Button1->Buddy(), second.FindComponent("Box"));
    EXPECT_EQ(second.Button1->FOnClick, TNotifyEvent(&second, &TStreamForm::ButtonClick));
    EXPECT_EQ(second.Ticker1->FInterval, 20);
}

TEST(ColorTextTest, NamedColoursByNameOthersAsHex) {
    EXPECT_EQ(ColorToString(clWhite), "clWhite");
    EXPECT_EQ(ColorToString(0x827B4B), "0x827B4B");
    EXPECT_EQ(ColorToString(SystemColor(COLOR_ACTIVECAPTION)), "0x80000002");
    EXPECT_EQ(StringToColor("0x80000002"), SystemColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(StringToColor("cl3DDkShadow"), cl3DDkShadow);
    EXPECT_FALSE(StringToColor("0x"));
    EXPECT_FALSE(StringToColor("0x123456789"));
    EXPECT_FALSE(StringToColor("clNoSuch"));
}

} // namespace
