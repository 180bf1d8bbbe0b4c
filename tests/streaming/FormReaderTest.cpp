#include "framework/streaming/FormReader.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Resources.h"
#include "tests/streaming/StreamTestClasses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class FormReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStreamTestClasses();
        StreamLog().clear();
    }

    std::string ReadError(const std::string& text) {
        try {
            ReadComponent(&form, text, "test.json");
        } catch (const EReadError& e) {
            return e.what();
        }
        ADD_FAILURE() << "no EReadError";
        return {};
    }

    TStreamForm form{nullptr};
};

TEST_F(FormReaderTest, AppliesPropertiesInDeclarationOrderNotFileOrder) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1",
        "properties": {"Position": 80, "Max": 100, "Min": 20}})",
                  "test.json");
    EXPECT_THAT(StreamLog(),
                ElementsAre("Form1.Min=20", "Form1.Max=100", "Form1.Position=80", "Loaded Form1"));
    EXPECT_EQ(form.Position(), 80);
}

TEST_F(FormReaderTest, SettersClampAgainstPropertiesAlreadyLoaded) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1",
        "properties": {"Min": 5, "Max": 3, "Position": 9}})",
                  "test.json");
    EXPECT_EQ(form.Min(), 5);
    EXPECT_EQ(form.Max(), 5);
    EXPECT_EQ(form.Position(), 5);
}

TEST_F(FormReaderTest, ReadsEveryKindOfValue) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1", "properties": {
        "Caption": "これで", "Color": "0x827B4B", "Shape": "ssTriangle", "Visible": false,
        "Lines": ["one", "two"], "Glyph": "glyph.bmp",
        "Font": {"Name": "Serif", "Color": "clWhite", "Style": ["stBold", "stUnderline"]}}})",
                  "test.json");
    EXPECT_EQ(form.Caption(), "これで");
    EXPECT_EQ(form.Color(), 0x827B4B);
    EXPECT_EQ(form.FShape, ssTriangle);
    EXPECT_FALSE(form.FVisible);
    EXPECT_EQ(form.Lines()->Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(form.FGlyph, "glyph.bmp");
    EXPECT_EQ(form.Font()->Name, "Serif");
    EXPECT_EQ(form.Font()->Color, clWhite);
    EXPECT_EQ(form.Font()->Style, stBold | stUnderline);
    EXPECT_EQ(form.Font()->Height, 12);
}

TEST_F(FormReaderTest, ColoursAcceptNamesHexAndNumbers) {
    ReadComponent(
        &form,
        R"({"class": "TStreamForm", "name": "Form1", "properties": {"Color": "clBtnShadow"}})",
        "a");
    EXPECT_EQ(form.Color(), clBtnShadow);
    ReadComponent(
        &form, R"({"class": "TStreamForm", "name": "Form1", "properties": {"Color": 2147483653}})",
        "a");
    EXPECT_EQ(form.Color(), clWindow);
    ReadComponent(
        &form, R"({"class": "TStreamForm", "name": "Form1", "properties": {"Color": 255}})", "a");
    EXPECT_EQ(form.Color(), clRed);
}

TEST_F(FormReaderTest, CreatesNestsNamesAndFillsFieldsOfChildren) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "Box", "components": [
            {"class": "TStreamWidget", "name": "Button1", "properties": {"Caption": "Go"}}]},
        {"class": "TStreamTicker", "name": "Ticker1", "properties": {"Interval": 50}}]})",
                  "test.json");
    ASSERT_EQ(form.ComponentCount(), 3);
    auto* box = dynamic_cast<TStreamWidget*>(form.FindComponent("Box"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetParentComponent(), &form);
    ASSERT_EQ(form.Button1, form.FindComponent("Button1"));
    EXPECT_EQ(form.Button1->Owner(), &form);
    EXPECT_EQ(form.Button1->GetParentComponent(), box);
    EXPECT_EQ(form.Button1->Caption(), "Go");
    ASSERT_NE(form.Ticker1, nullptr);
    EXPECT_EQ(form.Ticker1->FInterval, 50);
}

TEST_F(FormReaderTest, LoadedRunsOnceOnEachInCreationOrderRootFirstAfterAllProperties) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "A", "properties": {"Caption": "a"},
         "components": [{"class": "TStreamWidget", "name": "B", "properties": {"Caption": "b"}}]}]})",
                  "test.json");
    EXPECT_THAT(StreamLog(),
                ElementsAre("A.Caption=a", "B.Caption=b", "Loaded Form1", "Loaded A", "Loaded B"));
    EXPECT_TRUE(form.LoadingSeenByLoaded());
    EXPECT_FALSE(form.IsLoading());
    EXPECT_EQ(form.ComponentState() & csReading, 0u);
    EXPECT_FALSE(dynamic_cast<TStreamWidget*>(form.FindComponent("B"))->IsLoading());
}

TEST_F(FormReaderTest, BindsEventsToTheRootsMethodsByName) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "Button1",
         "properties": {"OnClick": "ButtonClick", "OnMove": "WidgetMove"}}]})",
                  "test.json");
    form.Button1->FOnClick(form.Button1);
    form.Button1->FOnMove(form.Button1, TShiftState(), 3, 4);
    EXPECT_THAT(StreamLog(), testing::IsSupersetOf({"ButtonClick Button1", "WidgetMove 3,4"}));
}

TEST_F(FormReaderTest, ResolvesReferencesToComponentsReadLater) {
    ReadComponent(&form, R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "A", "properties": {"Buddy": "B"}},
        {"class": "TStreamWidget", "name": "B", "properties": {"Buddy": "Form1"}}]})",
                  "test.json");
    auto* a = dynamic_cast<TStreamWidget*>(form.FindComponent("A"));
    auto* b = dynamic_cast<TStreamWidget*>(form.FindComponent("B"));
    EXPECT_EQ(a->Buddy(), b);
    EXPECT_EQ(b->Buddy(), &form);
}

TEST_F(FormReaderTest, ReadsEmbeddedResourceByName) {
    static const char text[] =
        R"({"class": "TStreamForm", "name": "Form1", "properties": {"Caption": "embedded"}})";
    RegisterResource("reader_test.json",
                     TResourceData(reinterpret_cast<const std::uint8_t*>(text), sizeof text - 1));
    ReadComponentResource(&form, "reader_test.json");
    EXPECT_EQ(form.Caption(), "embedded");
    EXPECT_THROW(ReadComponentResource(&form, "absent.json"), EReadError);
}

TEST_F(FormReaderTest, UnknownHandlerNamesFileFormComponentPropertyHandlerAndLine) {
    std::string error = ReadError(R"({"class": "TStreamForm", "name": "Form1",
  "components": [
    {"class": "TStreamWidget", "name": "Button1",
     "properties": {
       "Caption": "x",
       "OnClick": "NoSuchClick"}}]})");
    EXPECT_THAT(error, HasSubstr("test.json, line 6"));
    EXPECT_THAT(error, HasSubstr("Button1.OnClick"));
    EXPECT_THAT(error, HasSubstr("Form1"));
    EXPECT_THAT(error, HasSubstr("NoSuchClick"));
}

TEST_F(FormReaderTest, HandlerOfTheWrongSignatureIsRefused) {
    std::string error = ReadError(R"({"class": "TStreamForm", "name": "Form1",
        "properties": {"OnMove": "ButtonClick"}})");
    EXPECT_THAT(error, HasSubstr("Form1.OnMove"));
    EXPECT_THAT(error, HasSubstr("ButtonClick"));
}

TEST_F(FormReaderTest, UnknownPropertyIsReportedWithItsLine) {
    std::string error = ReadError(R"({"class": "TStreamForm", "name": "Form1",
  "components": [
    {"class": "TStreamWidget", "name": "A",
     "properties": {
       "Caption": "x",
       "Font": {
         "Name": "Serif",
         "Weight": 700}}}]})");
    EXPECT_THAT(error, HasSubstr("test.json, line 8"));
    EXPECT_THAT(error, HasSubstr("A.Font.Weight"));
}

TEST_F(FormReaderTest, UnknownClassIsReportedWithTheLineOfTheClass) {
    std::string error = ReadError(R"({"class": "TStreamForm", "name": "Form1",
  "components": [
    {"class": "TNoSuchWidget",
     "name": "Gadget"}]})");
    EXPECT_THAT(error, HasSubstr("test.json, line 3"));
    EXPECT_THAT(error, HasSubstr("Gadget"));
    EXPECT_THAT(error, HasSubstr("TNoSuchWidget"));
}

TEST_F(FormReaderTest, ValuesThatDoNotFitArePlaceErrors) {
    EXPECT_THAT(
        ReadError(
            R"({"class": "TStreamForm", "name": "Form1", "properties": {"Shape": "ssOval"}})"),
        HasSubstr("Form1.Shape"));
    EXPECT_THAT(
        ReadError(R"({"class": "TStreamForm", "name": "Form1", "properties": {"Min": "5"}})"),
        HasSubstr("Form1.Min"));
    EXPECT_THAT(
        ReadError(
            R"({"class": "TStreamForm", "name": "Form1", "properties": {"Min": 4294967296}})"),
        HasSubstr("out of range"));
    EXPECT_THAT(
        ReadError(R"({"class": "TStreamForm", "name": "Form1", "properties": {"Color": "0xZZ"}})"),
        HasSubstr("Form1.Color"));
    EXPECT_THAT(
        ReadError(R"({"class": "TStreamForm", "name": "Form1", "properties": {"Buddy": "Ghost"}})"),
        HasSubstr("Ghost"));
}

TEST_F(FormReaderTest, RootOfAnotherClassIsRefused) {
    EXPECT_THAT(ReadError(R"({"class": "TStreamTicker", "name": "Form1"})"),
                HasSubstr("TStreamTicker"));
}

TEST_F(FormReaderTest, RootMayBeReadAsItsBaseClass) {
    ReadComponent(
        &form, R"({"class": "TStreamWidget", "name": "Form1", "properties": {"Caption": "base"}})",
        "a");
    EXPECT_EQ(form.Caption(), "base");
}

TEST_F(FormReaderTest, FieldOfAnotherClassIsRefused) {
    EXPECT_THAT(ReadError(R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "Panel1"}]})"),
                HasSubstr("Panel1"));
}

TEST_F(FormReaderTest, DuplicateChildNameIsAReadError) {
    EXPECT_THAT(ReadError(R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "A"}, {"class": "TStreamWidget", "name": "a"}]})"),
                HasSubstr("already exists"));
}

TEST_F(FormReaderTest, SyntaxErrorGivesItsLine) {
    EXPECT_THAT(ReadError("{\"class\": \"TStreamForm\",\n\"name\": \"Form1\",\n]"),
                HasSubstr("test.json, line 3"));
}

TEST_F(FormReaderTest, FailedReadLeavesCreatedComponentsOwnedByTheRoot) {
    ReadError(R"({"class": "TStreamForm", "name": "Form1", "components": [
        {"class": "TStreamWidget", "name": "Button1"}, {"class": "TStreamWidget", "name": "B",
         "properties": {"Bogus": 1}}]})");
    EXPECT_EQ(form.ComponentCount(), 2);
    EXPECT_EQ(form.Button1, form.FindComponent("Button1"));
}

} // namespace
