#pragma once
// MessageDlg: a question or a notice in a modal form the framework draws itself, like the rest
// of its controls: the text over a row of buttons. Enter presses the first button, Escape the
// one that backs out (Cancel, else No, else the only button); the close box answers mrCancel.

#include "framework/windows/ModalResult.h"

#include <string>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons, a set of these bits; they stand in this order, left to right.
enum TMsgDlgBtn : unsigned {
    mbSave = 1u << 0,
    mbDiscard = 1u << 1,
    mbYes = 1u << 2,
    mbNo = 1u << 3,
    mbOK = 1u << 4,
    mbCancel = 1u << 5,
};
using TMsgDlgButtons = unsigned;

// The answers of the two buttons that have no result of their own among the modal results.
inline constexpr TModalResult mrSave = 100;
inline constexpr TModalResult mrDiscard = 101;

// Shows text (lines broken at '\n') titled with the application's title, or the type's name
// when it has none, and returns the result of the button pressed. No buttons means OK.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
