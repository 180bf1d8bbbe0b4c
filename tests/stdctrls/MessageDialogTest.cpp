#include "framework/stdctrls/MessageDialog.h"

#include "framework/forms/Screen.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"

#include "tests/support/FrameworkTest.h"
#include "tests/support/MessageDialogs.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class MessageDialogTest : public FrameworkTest {
protected:
    MessageDialogTest() {
        Application->SetTitle("Tool");
        NewForm();
    }

    // Runs step on the dialog once it waits for the user.
    void WhenShown(std::function<void(TCustomForm&)> step) {
        Host().WhenIdle([step] { step(*Screen->ActiveForm()); });
    }
};

struct AnswerCase {
    const char* What;
    TMsgDlgButtons Buttons;
    // A key (VK_*), or 0 to press the button captioned Click, or -1 for the close box.
    int Key;
    const char* Click;
    TModalResult Expected;
};

} // namespace

TEST_F(MessageDialogTest, EnterEscapeAClickAndTheCloseBoxAnswer) {
    const AnswerCase cases[] = {
        {"Enter, OK only", mbOK, VK_RETURN, "", mrOk},
        {"Escape, OK only", mbOK, VK_ESCAPE, "", mrOk},
        {"no buttons asked: OK", 0, VK_RETURN, "", mrOk},
        {"Enter, Yes/No", mbYes | mbNo, VK_RETURN, "", mrYes},
        {"Escape, Yes/No", mbYes | mbNo, VK_ESCAPE, "", mrNo},
        {"Enter, Save/Discard/Cancel", mbSave | mbDiscard | mbCancel, VK_RETURN, "", mrSave},
        {"Escape, Save/Discard/Cancel", mbSave | mbDiscard | mbCancel, VK_ESCAPE, "", mrCancel},
        {"Discard clicked", mbSave | mbDiscard | mbCancel, 0, "&Discard", mrDiscard},
        {"close box", mbSave | mbDiscard | mbCancel, -1, "", mrCancel},
        {"Escape, OK/Cancel", mbOK | mbCancel, VK_ESCAPE, "", mrCancel},
    };
    for (const AnswerCase& c : cases) {
        WhenShown([this, &c](TCustomForm& dialog) {
            auto& window = HostWindowOf(&dialog);
            if (c.Key > 0) {
                Host().KeyPress(&window, c.Key);
            } else if (c.Key < 0) {
                Host().CloseBox(&window);
            } else {
                for (TButton* button : MessageDlgButtons(dialog))
                    if (button->Caption() == c.Click) {
                        const TPoint p = WindowPoint(button, 5, 5);
                        Host().Click(&window, p.x, p.y);
                    }
            }
        });
        EXPECT_EQ(MessageDlg("Question?", mtConfirmation, c.Buttons), c.Expected) << c.What;
        EXPECT_EQ(Host().IdleStepsLeft(), 0u) << c.What;
    }
}

TEST_F(MessageDialogTest, ShowsTheTextOverTheButtonsInTheirOrder) {
    std::vector<std::string> captions;
    std::string title;
    std::string text;
    bool textAboveButtons = false;
    WhenShown([&](TCustomForm& dialog) {
        title = HostWindowOf(&dialog).Title();
        const std::vector<TButton*> buttons = MessageDlgButtons(dialog);
        for (const TButton* button : buttons)
            captions.push_back(button->Caption());
        text = MessageDlgText(dialog);
        for (int i = 0; i < dialog.ControlCount(); ++i)
            if (const auto* label = dynamic_cast<TLabel*>(dialog.Controls(i)))
                textAboveButtons = label->Top() + label->Height() <= buttons.front()->Top() &&
                                   label->Left() + label->Width() <= dialog.ClientWidth();
        for (std::size_t i = 1; i < buttons.size(); ++i)
            EXPECT_LT(buttons[i - 1]->Left() + buttons[i - 1]->Width(), buttons[i]->Left());
        Host().KeyPress(&HostWindowOf(&dialog), VK_ESCAPE);
    });
    MessageDlg("Save changes to a.json?", mtConfirmation, mbCancel | mbSave | mbDiscard);
    EXPECT_EQ(title, "Tool");
    EXPECT_EQ(text, "Save changes to a.json?");
    EXPECT_EQ(captions, (std::vector<std::string>{"&Save", "&Discard", "Cancel"}));
    EXPECT_TRUE(textAboveButtons);
}
