#include "tests/support/FormText.h"
#include "tests/support/FrameworkTest.h"

#include "framework/core/Exceptions.h"
#include "framework/stdctrls/Panel.h"
#include "framework/streaming/FormReader.h"

#include <gmock/gmock.h>

#include <memory>
#include <string>

using ::testing::AllOf;
using ::testing::HasSubstr;

namespace {

// A form with one component on line 2, holding child on line 3.
std::string Holding(const std::string& component, const std::string& child) {
    return "{\"class\": \"TForm\", \"name\": \"Form1\", \"components\": [\n"
           "{\"class\": \"" +
           component + "\", \"name\": \"Outer\", \"components\": [\n{\"class\": \"" + child +
           "\", \"name\": \"Inner\"}]}]}";
}

// Panels nested depth deep under the form, the innermost starting on line depth + 1.
std::string NestedPanels(int depth) {
    std::string text = "{\"class\": \"TForm\", \"name\": \"Form1\"";
    for (int level = 1; level <= depth; ++level)
        text += ", \"components\": [\n{\"class\": \"TPanel\", \"name\": \"P" +
                std::to_string(level) + "\"";
    for (int level = 0; level < depth; ++level)
        text += "}]";
    return text + "}";
}

struct TStructure {
    const char* Name;
    std::string Text;
    const char* Where;
    const char* Why;
};

void PrintTo(const TStructure& structure, std::ostream* out) {
    *out << structure.Name;
}

class FormStructureTest : public FrameworkTest, public ::testing::WithParamInterface<TStructure> {};

// What a save would not give back, or the framework cannot show, is refused where it is read.
TEST_P(FormStructureTest, ThatASaveWouldLoseIsRefusedWithItsLineAndReason) {
    const TStructure& structure = GetParam();
    auto form = std::make_unique<TForm>(nullptr);
    try {
        ReadComponent(form.get(), structure.Text, "test.json");
        ADD_FAILURE() << "read without an error";
    } catch (const EReadError& e) {
        EXPECT_THAT(e.Message(), AllOf(HasSubstr(structure.Where), HasSubstr(structure.Why)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormStructureTest,
    ::testing::Values(TStructure{"ControlUnderALabel", Holding("TLabel", "TButton"),
                                 "line 3: Inner: ", "a TLabel cannot hold a TButton"},
                      TStructure{"ControlUnderATimer", Holding("TTimer", "TLabel"),
                                 "line 3: Inner: ", "a TTimer cannot hold a TLabel"},
                      TStructure{"ControlUnderAPopupMenu", Holding("TPopupMenu", "TPanel"),
                                 "line 3: Inner: ", "a TPopupMenu cannot hold a TPanel"},
                      TStructure{"MenuItemUnderAPanel", Holding("TPanel", "TMenuItem"),
                                 "line 3: Inner: ", "a TPanel cannot hold a TMenuItem"},
                      TStructure{"TimerUnderAPanel", Holding("TPanel", "TTimer"),
                                 "line 3: Inner: ", "a TPanel cannot hold a TTimer"},
                      TStructure{"FormAsItsOwnActiveControl",
                                 "{\"class\": \"TForm\", \"name\": \"Form1\",\n"
                                 "\"properties\": {\"ActiveControl\": \"Form1\"}}",
                                 "line 2: Form1.ActiveControl: ", "cannot name Form1 itself"},
                      TStructure{"ControlsNestedTooDeep", NestedPanels(TControl::MaxNesting + 1),
                                 "line 102: P101: ", "nest at most 100"}),
    [](const auto& test) { return std::string(test.param.Name); });

class LargeFormTest : public FrameworkTest {};

TEST_F(LargeFormTest, WideFormReadsEveryControl) {
    auto form = std::make_unique<TForm>(nullptr);
    ReadComponent(form.get(), WideFormText(4000), "wide.json");
    ASSERT_EQ(form->ComponentCount(), 4000);
    EXPECT_EQ(form->ControlCount(), 4000);
    auto* last = dynamic_cast<TPanel*>(form->FindComponent("Panel3999"));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Caption(), "Panel3999");
}

TEST_F(LargeFormTest, DeepFormReadsToTheNestingLimit) {
    auto form = std::make_unique<TForm>(nullptr);
    ReadComponent(form.get(), DeepFormText(3, TControl::MaxNesting), "deep.json");
    ASSERT_EQ(form->ComponentCount(), 3 * TControl::MaxNesting);
    EXPECT_EQ(form->ControlCount(), 3);
    auto* innermost = dynamic_cast<TControl*>(form->FindComponent("Panel299"));
    ASSERT_NE(innermost, nullptr);
    int parents = 0;
    for (TControl* control = innermost; control->Parent(); control = control->Parent())
        ++parents;
    EXPECT_EQ(parents, TControl::MaxNesting);
}

} // namespace
