#include "framework/core/Exceptions.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/LocatedJson.h"
#include "tests/streaming/StreamTestClasses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::SizeIs;

namespace {

// A form whose Max property, on line 3, holds value.
std::string WithMax(const std::string& value) {
    return "{\"class\": \"TStreamForm\", \"name\": \"Form1\",\n\"properties\": {\"Caption\": "
           "\"x\",\n"
           "\"Max\": " +
           value + "}}";
}

std::string Repeated(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i)
        repeated += text;
    return repeated;
}

struct THostileText {
    const char* Name;
    std::string Text;
    const char* Where;
    const char* Why;
};

void PrintTo(const THostileText& hostile, std::ostream* out) {
    *out << hostile.Name;
}

class HostileFormTest : public ::testing::TestWithParam<THostileText> {
protected:
    void SetUp() override { RegisterStreamTestClasses(); }
};

// Every failure is the reader's error, naming the file, the line and the key where there is one,
// and short enough to read whatever the text quotes.
TEST_P(HostileFormTest, IsRefusedByTheReaderWithItsLineAndReason) {
    const THostileText& hostile = GetParam();
    TStreamForm form(nullptr);
    try {
        ReadComponent(&form, hostile.Text, "test.json");
        ADD_FAILURE() << "read without an error";
    } catch (const EReadError& e) {
        EXPECT_THAT(e.Message(), AllOf(HasSubstr(hostile.Where), HasSubstr(hostile.Why)));
        EXPECT_THAT(e.Message(), SizeIs(::testing::Lt(400u)));
    }
}

const int TooDeep = TLocatedJson::MaxDepth + 1;

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileFormTest,
    ::testing::Values(
        THostileText{"NumberBeyondADouble", WithMax("1e400"),
                     "test.json, line 3: Max: ", "the number 1e400 is out of range"},
        THostileText{"NegativeNumberBeyondADouble", WithMax("-1e400"),
                     "line 3: Max: ", "out of range"},
        THostileText{"IntegerOfAHundredThousandDigits", WithMax(std::string(100000, '7')),
                     "line 3: Max: ", "out of range"},
        THostileText{"ArraysNestedTooDeep",
                     WithMax(Repeated("[", TooDeep) + Repeated("]", TooDeep)),
                     "line 3: Max: ", "nested deeper than 256 levels"},
        THostileText{"ObjectsNestedTooDeep",
                     WithMax(Repeated("{\"a\":\n", TooDeep) + "1" + Repeated("}", TooDeep)),
                     "line 257: a: ", "nested deeper than 256 levels"},
        THostileText{"BracketsOnly", Repeated("[", 40000),
                     "test.json, line 1: ", "nested deeper than"},
        THostileText{"CutShort",
                     "{\"class\": \"TStreamForm\", \"name\": \"Form1\",\n\"properties\": "
                     "{\"Max\":\n[1,\n2,",
                     "test.json, line 4: Max: ", "unexpected end of input"},
        THostileText{"InvalidUtf8", WithMax("\"\xC3\x28\""), "line 3: Max: ", "UTF-8"},
        THostileText{"Empty", "", "test.json, line 1: ", "not a valid form description"},
        THostileText{
            "KeyGivenTwice",
            "{\"class\": \"TStreamForm\",\n\"name\": \"Form1\",\n\"class\": \"TStreamForm\"}",
            "test.json, line 3: class: ", "the key \"class\" appears twice"}),
    [](const auto& test) { return std::string(test.param.Name); });

} // namespace
