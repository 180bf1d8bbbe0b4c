#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "tests/stdctrls/StdCtrlsTest.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace {

class BiDiModeTest : public StdCtrlsTest {
protected:
    // The first and last client column of control where color shows; -1 and -1 without any.
    std::pair<int, int> Columns(const TControl* control, TColor color) const {
        const TColor rgb = ColorToRGB(color);
        std::pair<int, int> found{-1, -1};
        for (int x = 0; x < control->ClientWidth(); ++x)
            for (int y = 0; y < control->ClientHeight(); ++y)
                if (PixelAt(control, x, y) == rgb) {
                    found = {found.first < 0 ? x : found.first, x};
                    break;
                }
        return found;
    }
};

template <class T> T* Place(TForm* form) {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 200, 60);
    return control;
}

// Placed after the caption is set, so that an auto-sized label keeps the bounds.
template <class T> TControl* Captioned(TForm* form) {
    auto* control = new T(form);
    control->SetParent(form);
    if constexpr (std::is_same_v<T, TMemo>)
        control->Lines()->Add("Ab");
    else
        control->SetText("Ab");
    if constexpr (std::is_same_v<T, TPanel>)
        control->SetAlignment(taLeftJustify);
    control->SetBounds(10, 10, 200, 60);
    return control;
}

} // namespace

TEST_F(BiDiModeTest, RightToLeftPutsCaptionsAndTextAgainstTheRightEdge) {
    struct Case {
        const char* Name;
        std::function<TControl*(TForm*)> Make;
    };
    const Case cases[] = {
        {"label", &Captioned<TLabel>},        {"panel", &Captioned<TPanel>},
        {"check box", &Captioned<TCheckBox>}, {"edit", &Captioned<TEdit>},
        {"memo", &Captioned<TMemo>},
    };
    for (const Case& c : cases)
        for (const TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
            SCOPED_TRACE(std::string(c.Name) + (mode == bdRightToLeft ? " right to left" : ""));
            TForm* form = NewForm();
            TControl* control = c.Make(form);
            form->SetBiDiMode(mode); // the control follows its parent
            RunUntilIdle();
            EXPECT_EQ(control->BiDiMode(), mode);
            const auto [first, last] = Columns(control, clWindowText);
            ASSERT_GE(first, 0);
            const int middle = control->ClientWidth() / 2;
            if (mode == bdRightToLeft)
                EXPECT_GT(first, middle);
            else
                EXPECT_LT(last, middle);
            delete form;
        }
}

TEST_F(BiDiModeTest, RightToLeftKeepsTheVerticalScrollBarOnTheLeft) {
    struct Case {
        const char* Name;
        std::function<TWinControl*(TForm*)> Make;
        std::function<int(TWinControl*)> Position;
    };
    const Case cases[] = {
        {"memo",
         [](TForm* form) {
             auto* memo = Place<TMemo>(form);
             memo->SetHeight(120);
             memo->SetScrollBars(ssVertical);
             for (int i = 0; i < 30; ++i)
                 memo->Lines()->Add("line");
             memo->SetTopLine(0);
             return memo;
         },
         [](TWinControl* c) {
             return static_cast<TMemo*>(c)->TopLine();
         }},
        {"scroll box",
         [](TForm* form) {
             auto* box = Place<TScrollBox>(form);
             box->SetHeight(120);
             auto* tall = new TPanel(form);
             tall->SetParent(box);
             tall->SetBounds(0, 0, 100, 400);
             return box;
         },
         [](TWinControl* c) {
             return static_cast<TScrollBox*>(c)->VertScrollBar()->Position();
         }},
    };
    for (const Case& c : cases)
        for (const TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
            SCOPED_TRACE(std::string(c.Name) + (mode == bdRightToLeft ? " right to left" : ""));
            TForm* form = NewForm();
            TWinControl* control = c.Make(form);
            control->SetBiDiMode(mode);
            RunUntilIdle();
            const bool left = mode == bdRightToLeft;
            const int outerLeft = form->ClientOrigin().x + control->Left();
            EXPECT_EQ(control->ClientOrigin().x - outerLeft, left ? 2 + 16 : 2);
            const TPoint downArrow{left ? -8 : control->ClientWidth() + 8,
                                   control->ClientHeight() - 8};
            EXPECT_EQ(PixelAt(control, downArrow.x, downArrow.y), ColorToRGB(clBtnText));
            Click(control, downArrow.x, downArrow.y);
            EXPECT_GT(c.Position(control), 0);
            delete form;
        }
}
