#include "controls/NumberEdit.h"
#include "controls/xTrackBar.h"

#include "framework/stdctrls/Panel.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"
#include "framework/streaming/PropertyJson.h"
#include "framework/windows/Win32Api.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

// A numeric edit and two track bars, one with the selection range switched on.
constexpr const char* EditAndTracks = R"({
  "class": "TForm",
  "name": "EditAndTracks",
  "components": [
    {"class": "TNumberEdit", "name": "neNumber",
     "properties": {"MaxValue": 99999, "MinValue": -1000, "Value": 42}},
    {"class": "TxTrackBar", "name": "tbShown",
     "properties": {"Max": 20, "Position": 6, "SelEnd": 14, "SelStart": 4, "EnableSelRange": true}},
    {"class": "TxTrackBar", "name": "tbHidden",
     "properties": {"Max": 20, "Position": 6, "SelEnd": 14, "SelStart": 4}}
  ]
})";

class StoredControlsTest : public FrameworkTest {
protected:
    void SetUp() override {
        RegisterClass(TNumberEdit::StaticClass());
        RegisterClass(TxTrackBar::StaticClass());
    }

    TForm* ReadForm(const std::string& text) {
        auto* form = new TForm(Application);
        ReadComponent(form, text, "form");
        form->Show();
        RunUntilIdle();
        return form;
    }

    // Window ids are handed out in sequence: the id the next window will get.
    int NextWindowId(TWinControl* parent) {
        auto* probe = new TPanel(parent);
        probe->SetParent(parent);
        const int id = GetWindowLong(probe->Handle(), GWL_ID);
        delete probe;
        return id + 1;
    }

    template <class T> static T* Find(TForm* form, const std::string& name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
};

TEST_F(StoredControlsTest, AStoredSelectionRangeIsInTheFirstWindowAndNoneIsCreatedTwice) {
    TForm* host = NewForm();
    const int firstId = NextWindowId(host);
    TForm* form = ReadForm(EditAndTracks);
    const int created = NextWindowId(host) - firstId - 1;
    // The form, the numeric edit and the two track bars.
    EXPECT_EQ(created, 4);

    auto* shown = Find<TxTrackBar>(form, "tbShown");
    auto* hidden = Find<TxTrackBar>(form, "tbHidden");
    ASSERT_TRUE(shown && hidden);
    EXPECT_TRUE(shown->EnableSelRange());
    EXPECT_NE(GetWindowLong(shown->Handle(), GWL_STYLE) & TBS_ENABLESELRANGE, 0u);
    EXPECT_EQ(GetWindowLong(hidden->Handle(), GWL_STYLE) & TBS_ENABLESELRANGE, 0u);
    EXPECT_EQ(hidden->SelEnd(), 14);
}

TEST_F(StoredControlsTest, AWrittenFormStoresTheValueInsteadOfTheTextAndTheSwitchLast) {
    TForm* form = ReadForm(EditAndTracks);
    auto* edit = Find<TNumberEdit>(form, "neNumber");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Text(), "42");
    EXPECT_EQ(edit->MinValue(), -1000);

    const TJson written = TJson::parse(WriteComponent(form));
    const TJson& editProps = written["components"][0]["properties"];
    EXPECT_EQ(editProps["Value"], 42);
    EXPECT_EQ(editProps["MinValue"], -1000);
    EXPECT_EQ(editProps["MaxValue"], 99999);
    EXPECT_FALSE(editProps.contains("Caption"));
    const TJson& shownProps = written["components"][1]["properties"];
    std::string last;
    for (const auto& item : shownProps.items())
        last = item.key();
    EXPECT_EQ(last, "EnableSelRange");
    EXPECT_FALSE(written["components"][2]["properties"].contains("EnableSelRange"));
}

TEST_F(StoredControlsTest, AZeroValueIsNotStoredAndLoadingClampsValueByTheBoundsReadBeforeIt) {
    TForm* form = ReadForm(R"({"class": "TForm", "name": "F", "components": [
        {"class": "TNumberEdit", "name": "neZero"},
        {"class": "TNumberEdit", "name": "neClamped",
         "properties": {"MaxValue": 99, "MinValue": 10, "Value": 500}}]})");
    EXPECT_EQ(Find<TNumberEdit>(form, "neZero")->Text(), "0");
    EXPECT_EQ(Find<TNumberEdit>(form, "neClamped")->Text(), "99");

    const TJson written = TJson::parse(WriteComponent(form));
    const TJson& zero = written["components"][0];
    EXPECT_FALSE(zero.contains("properties") &&
                 (zero["properties"].contains("Value") || zero["properties"].contains("Caption")));
}

} // namespace
