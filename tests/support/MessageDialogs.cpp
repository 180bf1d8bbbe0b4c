#include "tests/support/MessageDialogs.h"

#include "framework/forms/Form.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"

std::string MessageDlgText(const TCustomForm& dialog) {
    for (int i = 0; i < dialog.ControlCount(); ++i)
        if (const auto* label = dynamic_cast<const TLabel*>(dialog.Controls(i)))
            return label->Caption();
    return {};
}

std::vector<TButton*> MessageDlgButtons(const TCustomForm& dialog) {
    std::vector<TButton*> buttons;
    for (int i = 0; i < dialog.ControlCount(); ++i)
        if (auto* button = dynamic_cast<TButton*>(dialog.Controls(i)))
            buttons.push_back(button);
    return buttons;
}
