#include "tests/support/FrameworkTest.h"

#include "framework/core/Action.h"
#include "framework/stdctrls/Panel.h"
#include "framework/streaming/FormReader.h"
#include "framework/streaming/FormWriter.h"

#include <string>

namespace {

class ActionTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm();
        panel = new TPanel(form);
        panel->SetBounds(10, 10, 80, 40);
        panel->SetParent(form);
        action = new TAction(form);
        action->SetCaption("Go");
        action->OnExecute = TNotifyEvent::FromFunction([this](TObject*) { ++executed; });
        RunUntilIdle();
    }
    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TAction* action = nullptr;
    int executed = 0;
};

TEST_F(ActionTest, AClickExecutesTheLinkedActionOnlyWhenOnClickIsUnassigned) {
    panel->SetAction(action);
    Click(panel, 5, 5);
    EXPECT_EQ(executed, 1);

    int clicked = 0;
    panel->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicked; });
    Click(panel, 5, 5);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(executed, 1);
}

TEST_F(ActionTest, ADisabledActionDoesNotExecute) {
    action->SetEnabled(false);
    EXPECT_FALSE(action->Execute());
    action->SetEnabled(true);
    action->OnExecute = nullptr;
    EXPECT_FALSE(action->Execute());
}

TEST_F(ActionTest, TheControlTakesAndFollowsTheActionsCaptionAndEnabled) {
    panel->SetAction(action);
    EXPECT_EQ(panel->Caption(), "Go");
    action->SetCaption("Stop");
    action->SetEnabled(false);
    EXPECT_EQ(panel->Caption(), "Stop");
    EXPECT_FALSE(panel->Enabled());

    panel->SetAction(nullptr);
    action->SetCaption("Again");
    EXPECT_EQ(panel->Caption(), "Stop");
}

TEST_F(ActionTest, DestroyingEitherSideUndoesTheLink) {
    panel->SetAction(action);
    delete action;
    EXPECT_EQ(panel->Action(), nullptr);
    Click(panel, 5, 5);

    auto* other = new TAction(form);
    panel->SetAction(other);
    delete panel;
    other->SetCaption("nobody listens"); // would reach the destroyed panel
}

TEST_F(ActionTest, AnActionLeavingItsOwnerStaysLinkedUntilItIsDestroyed) {
    panel->SetAction(action);
    form->RemoveComponent(action);
    EXPECT_EQ(panel->Action(), action);
    action->SetCaption("Still linked");
    EXPECT_EQ(panel->Caption(), "Still linked");
    delete action;
    EXPECT_EQ(panel->Action(), nullptr);
}

constexpr const char* LinkedForm = R"({
  "class": "TForm",
  "name": "Linked",
  "components": [
    {"class": "TAction", "name": "GoAction",
     "properties": {"Caption": "Go", "Enabled": false}},
    {"class": "TPanel", "name": "Plain",
     "properties": {"Action": "GoAction"}},
    {"class": "TPanel", "name": "Own",
     "properties": {"Caption": "Mine", "Action": "GoAction"}}
  ]
})";

TEST_F(ActionTest, AStoredFormLinksByNameAndKeepsWhatTheControlSetsItself) {
    auto* linked = new TForm(Application);
    ReadComponent(linked, LinkedForm, "linked.json");
    auto* plain = dynamic_cast<TPanel*>(linked->FindComponent("Plain"));
    auto* own = dynamic_cast<TPanel*>(linked->FindComponent("Own"));
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(plain->Action(), linked->FindComponent("GoAction"));
    EXPECT_EQ(plain->Caption(), "Go");
    EXPECT_FALSE(plain->Enabled());
    EXPECT_EQ(own->Caption(), "Mine");
    EXPECT_NE(WriteComponent(linked).find(R"("Action": "GoAction")"), std::string::npos);
}

} // namespace
