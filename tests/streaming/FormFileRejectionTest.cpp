#include "framework/core/Exceptions.h"
#include "framework/streaming/FormReader.h"
#include "tests/streaming/StreamTestClasses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

using ::testing::AllOf;
using ::testing::HasSubstr;

namespace {

std::string FormText(const std::string& file) {
    std::ifstream in(std::string(SARUVI_SOURCE_DIR) + "/tests/streaming/forms/" + file);
    EXPECT_TRUE(in) << file;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Reads the file into a fresh root of its class; the error message, or empty when it loads.
std::string ReadFormFile(TComponent& root, const std::string& file) {
    try {
        ReadComponent(&root, FormText(file), file);
    } catch (const EReadError& e) {
        return e.what();
    }
    return {};
}

struct TRejection {
    const char* File;
    const char* RootClass;
    const char* Where; // "file, line N"
    const char* Place; // the component and the key
    const char* Why;
};

void PrintTo(const TRejection& rejection, std::ostream* out) {
    *out << rejection.File;
}

class FormFileRejectionTest : public ::testing::TestWithParam<TRejection> {
protected:
    void SetUp() override { RegisterStreamTestClasses(); }
};

TEST_P(FormFileRejectionTest, NamesTheFileTheLineAndTheKey) {
    const TRejection& rejection = GetParam();
    std::unique_ptr<TComponent> root(FindClass(rejection.RootClass)->Create(nullptr));
    EXPECT_THAT(
        ReadFormFile(*root, rejection.File),
        AllOf(HasSubstr(rejection.Where), HasSubstr(rejection.Place), HasSubstr(rejection.Why)));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormFileRejectionTest,
    ::testing::Values(
        TRejection{"misspelt_properties.json", "TStreamForm",
                   "misspelt_properties.json, line 8: ", "Button1: ", "unknown key \"propertes\""},
        TRejection{"misspelt_components.json", "TStreamForm",
                   "misspelt_components.json, line 5: ", "Form1: ", "unknown key \"component\""},
        TRejection{"unfilled_field.json", "TStreamDialog",
                   "unfilled_field.json, line 4: ", "Dialog: ", "field OKButton of TStreamDialog"},
        TRejection{"repeated_key.json", "TStreamForm", "repeated_key.json, line 7: ", "\"Caption\"",
                   "twice"},
        TRejection{"unnamed_unknown_property.json", "TStreamForm",
                   "unnamed_unknown_property.json, line 8: ", "<unnamed TStreamWidget>.Colour: ",
                   "no property Colour"},
        TRejection{"unnamed_unknown_class.json", "TStreamForm",
                   "unnamed_unknown_class.json, line 7: ", "<unnamed TStreamGadget>: ",
                   "class TStreamGadget not found"},
        TRejection{"unnamed_without_class.json", "TStreamForm",
                   "unnamed_without_class.json, line 6: ", "<unnamed>: ", "\"class\""},
        TRejection{"component_not_object.json", "TStreamForm",
                   "component_not_object.json, line 6: ", "<unnamed>: ", "object"},
        TRejection{"number_out_of_range.json", "TStreamForm",
                   "number_out_of_range.json, line 6: ", "Form1.Max: ", "out of range"}),
    [](const auto& test) {
        std::string name = test.param.File;
        name.erase(name.find('.'));
        std::erase(name, '_');
        return name;
    });

TEST(FormFileTest, AFieldDeclaredOptionalMayStayEmpty) {
    RegisterStreamTestClasses();
    TStreamDialog dialog(nullptr);
    EXPECT_EQ(ReadFormFile(dialog, "optional_field_empty.json"), "");
    EXPECT_EQ(dialog.OKButton, dialog.FindComponent("OKButton"));
    EXPECT_EQ(dialog.HelpButton, nullptr);
}

} // namespace
