#include "framework/stdctrls/MessageDialog.h"

#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int Margin = 12;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;

struct ButtonKind {
    TMsgDlgBtn Bit;
    const char* Caption;
    TModalResult Result;
};

constexpr std::array<ButtonKind, 6> ButtonKinds{{
    {mbSave, "&Save", mrSave},
    {mbDiscard, "&Discard", mrDiscard},
    {mbYes, "&Yes", mrYes},
    {mbNo, "&No", mrNo},
    {mbOK, "OK", mrOk},
    {mbCancel, "Cancel", mrCancel},
}};

std::string TitleOf(TMsgDlgType type) {
    if (Application && !Application->Title().empty())
        return Application->Title();
    switch (type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    case mtCustom:
        break;
    }
    return {};
}

// The button Escape presses: the one that leaves everything as it was.
TMsgDlgBtn CancelOf(TMsgDlgButtons buttons) {
    for (TMsgDlgBtn bit : {mbCancel, mbNo})
        if (buttons & bit)
            return bit;
    return buttons == mbOK ? mbOK : TMsgDlgBtn{};
}

} // namespace

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if ((buttons & (mbSave | mbDiscard | mbYes | mbNo | mbOK | mbCancel)) == 0)
        buttons = mbOK;
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->SetPosition(poMainFormCenter);
    form->SetCaption(TitleOf(type));

    auto* label = new TLabel(form.get());
    label->SetShowAccelChar(false);
    label->SetCaption(text);
    label->SetLeft(Margin);
    label->SetTop(Margin);
    label->SetParent(form.get());

    const TMsgDlgBtn cancel = CancelOf(buttons);
    std::vector<TButton*> row;
    for (const ButtonKind& kind : ButtonKinds) {
        if (!(buttons & kind.Bit))
            continue;
        auto* button = new TButton(form.get());
        button->SetCaption(kind.Caption);
        button->SetModalResult(kind.Result);
        button->SetDefault(row.empty());
        button->SetCancel(kind.Bit == cancel);
        button->SetParent(form.get());
        row.push_back(button);
    }
    const int count = static_cast<int>(row.size());
    const int rowWidth = count * ButtonWidth + (count - 1) * ButtonGap;
    const int width = std::max(label->Width(), rowWidth) + 2 * Margin;
    const int buttonsTop = label->Top() + label->Height() + 2 * Margin;
    int left = (width - rowWidth) / 2;
    for (TButton* button : row) {
        button->SetBounds(left, buttonsTop, ButtonWidth, ButtonHeight);
        left += ButtonWidth + ButtonGap;
    }
    form->SetClientSize(width, buttonsTop + ButtonHeight + Margin);
    form->SetActiveControl(row.front());
    return form->ShowModal();
}
