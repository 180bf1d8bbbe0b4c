#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Panel.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

struct THelpSetting {
    THelpType Type = htContext;
    int Context = 0;
    std::string Keyword;
};

THelpSetting Context(int context, const char* keyword = "") {
    return {htContext, context, keyword};
}

THelpSetting Keyword(const char* keyword, int context = 0) {
    return {htKeyword, context, keyword};
}

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
        std::vector<std::string> Asked; // the sender, then the context or the keyword
        bool KeyHandlerUsesF1;
    };
    const Case cases[] = {
        {"the edit's context", Context(7), Context(12), {}, {"Entry 7"}, false},
        {"the panel's context", {}, Context(12), Context(3), {"Box 12"}, false},
        {"the edit's keyword", Keyword("seed", 7), {}, {}, {"Entry seed"}, false},
        {"a keyword type with none", Keyword("", 7), Keyword("area"), {}, {"Box area"}, false},
        {"a context type with context 0", Context(0, "seed"), {}, Context(3), {"Main 3"}, false},
        {"none anywhere", Keyword("", 5), Context(0, "x"), {}, {}, false},
        {"F1 used by a key handler", Context(7), {}, {}, {}, true},
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
        if (c.KeyHandlerUsesF1)
            edit->OnKeyDown = TKeyEvent::FromFunction(
                [](TObject*, unsigned short& key, TShiftState) { key = key == VK_F1 ? 0 : key; });
        std::vector<std::string> asked;
        Application->OnHelp =
            THelpEvent::FromFunction([&asked](TObject* sender, const THelpRequest& request) {
                asked.push_back(static_cast<TComponent*>(sender)->Name() + " " +
                                (request.Type == htKeyword ? request.Keyword
                                                           : std::to_string(request.Context)));
            });
        edit->SetFocus();
        PressKey(VK_F1);
        EXPECT_EQ(asked, c.Asked);
        delete form;
    }
}
