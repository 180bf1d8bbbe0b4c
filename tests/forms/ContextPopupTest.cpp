#include "framework/stdctrls/Panel.h"
#include "tests/support/FrameworkTest.h"

#include <string>
#include <vector>

namespace {

class TCountingMenu : public TPopupMenuBase {
public:
    using TPopupMenuBase::TPopupMenuBase;
    int Shown = 0;
    void Popup(int, int) override { ++Shown; }
};

class ContextPopupTest : public FrameworkTest {};

} // namespace

TEST_F(ContextPopupTest, OnContextPopupComesFirstAndHandledKeepsTheMenuAway) {
    struct Case {
        const char* Name;
        bool InnerHandles;
        bool InnerMenu;
        std::vector<std::string> Raised;
        int InnerShown;
        int OuterShown;
    };
    const Case cases[] = {
        {"not handled: the control's menu", false, true, {"Inner 7,8"}, 1, 0},
        {"handled: no menu at all", true, true, {"Inner 7,8"}, 0, 0},
        {"no menu of its own: the parent's turn", false, false, {"Inner 7,8", "Outer 17,28"}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm* form = NewForm();
        auto* outer = new TPanel(form);
        outer->SetName("Outer");
        outer->SetParent(form);
        outer->SetBounds(0, 0, 200, 150);
        auto* inner = new TPanel(form);
        inner->SetName("Inner");
        inner->SetParent(outer);
        inner->SetBounds(10, 20, 100, 80);
        auto* innerMenu = new TCountingMenu(form);
        auto* outerMenu = new TCountingMenu(form);
        if (c.InnerMenu)
            inner->SetPopupMenu(innerMenu);
        outer->SetPopupMenu(outerMenu);
        std::vector<std::string> raised;
        const auto record = [&](bool handles) {
            return TContextPopupEvent::FromFunction(
                [&raised, handles](TObject* sender, TPoint pos, bool& handled) {
                    raised.push_back(static_cast<TComponent*>(sender)->Name() + " " +
                                     std::to_string(pos.x) + "," + std::to_string(pos.y));
                    handled = handles;
                });
        };
        inner->OnContextPopup = record(c.InnerHandles);
        outer->OnContextPopup = record(false);
        RunUntilIdle();
        Click(inner, 7, 8, mbRight);
        EXPECT_EQ(raised, c.Raised);
        EXPECT_EQ(innerMenu->Shown, c.InnerShown);
        EXPECT_EQ(outerMenu->Shown, c.OuterShown);
        delete form;
    }
}
