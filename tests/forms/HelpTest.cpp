#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Panel.h"
#include "tests/support/FrameworkTest.h"

#include <optional>
#include <string>

namespace {

struct THelpSetting {
    THelpType Type = htContext;
    int Context = 0;
    std::string Keyword;
};

struct TAskedHelp {
    std::string Sender;
    THelpType Type = htContext;
    int Context = 0;
    std::string Keyword;
    friend bool operator==(const TAskedHelp&, const TAskedHelp&) = default;
};

void Apply(TControl* control, const THelpSetting& help) {
    control->SetHelpType(help.Type);
    control->SetHelpContext(help.Context);
    control->SetHelpKeyword(help.Keyword);
}

class HelpTest : public FrameworkTest {};

} // namespace

TEST_F(HelpTest, F1AsksForTheHelpOfTheNearestControlThatHasSome) {
    struct Case {
        const char* Name;
        THelpSetting Edit, Panel, Form;
        std::optional<TAskedHelp> Expected;
    };
    const Case cases[] = {
        {"the focused edit's context",
         {htContext, 7, ""},
         {htContext, 12, ""},
         {},
         {{"Entry", htContext, 7, ""}}},
        {"the panel's context",
         {},
         {htContext, 12, ""},
         {htContext, 3, ""},
         {{"Box", htContext, 12, ""}}},
        {"the edit's keyword", {htKeyword, 7, "seed"}, {}, {}, {{"Entry", htKeyword, 7, "seed"}}},
        {"a keyword type without keyword",
         {htKeyword, 7, ""},
         {htKeyword, 0, "area"},
         {},
         {{"Box", htKeyword, 0, "area"}}},
        {"a context type with context 0",
         {htContext, 0, "seed"},
         {},
         {htContext, 3, ""},
         {{"Main", htContext, 3, ""}}},
        {"none anywhere", {htKeyword, 5, ""}, {htContext, 0, "x"}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm* form = NewForm();
        form->SetName("Main");
        auto* panel = new TPanel(form);
        panel->SetName("Box");
        panel->SetParent(form);
        auto* edit = new TEdit(form);
        edit->SetName("Entry");
        edit->SetParent(panel);
        Apply(edit, c.Edit);
        Apply(panel, c.Panel);
        Apply(form, c.Form);
        std::optional<TAskedHelp> asked;
        int requests = 0;
        Application->OnHelp =
            THelpEvent::FromFunction([&](TObject* sender, const THelpRequest& request) {
                ++requests;
                asked = TAskedHelp{static_cast<TComponent*>(sender)->Name(), request.Type,
                                   request.Context, request.Keyword};
            });
        edit->SetFocus();
        PressKey(VK_F1);
        EXPECT_EQ(asked, c.Expected);
        EXPECT_EQ(requests, c.Expected ? 1 : 0);
        delete form;
    }
}

TEST_F(HelpTest, F1ThatAKeyHandlerUsedAsksForNoHelp) {
    TForm* form = NewForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetHelpContext(4);
    edit->OnKeyDown = TKeyEvent::FromFunction(
        [](TObject*, unsigned short& key, TShiftState) { key = key == VK_F1 ? 0 : key; });
    int requests = 0;
    Application->OnHelp =
        THelpEvent::FromFunction([&](TObject*, const THelpRequest&) { ++requests; });
    edit->SetFocus();
    PressKey(VK_F1);
    EXPECT_EQ(requests, 0);
}
