// The demo's stored form places a drop-down button with its menu: read, it gives the button
// those properties; written back, it gives the same description.

#include "tests/controls/CuteBtnTest.h"

#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST_F(CuteBtnTest, TheDemoFormPlacesTheButtonAndWritesBackTheSame) {
    const std::string text = ReadText(SARUVI_SOURCE_DIR "/tools/cutebutton_demo.json");
    ASSERT_FALSE(text.empty());
    auto* form = new TForm(Application);
    ReadComponent(form, text, "cutebutton_demo.json");

    auto* button = dynamic_cast<TCuteButton*>(form->FindComponent("CuteButton1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->DropDownMenu(), form->FindComponent("FruitMenu"));
    EXPECT_EQ(button->DropDownDelay(), 500);
    EXPECT_EQ(button->Width(), 75);
    EXPECT_FALSE(button->TabFocusUp());
    EXPECT_EQ(button->ControlStyle() & csAcceptsControls, 0u);

    using TJson = nlohmann::ordered_json;
    EXPECT_EQ(TJson::parse(WriteComponent(form)), TJson::parse(text)) << WriteComponent(form);
}

} // namespace
