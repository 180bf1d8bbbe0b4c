#pragma once
// Reading a message dialog (MessageDlg) while it waits for the user.

#include <string>
#include <vector>

class TButton;
class TCustomForm;

// The text it shows.
std::string MessageDlgText(const TCustomForm& dialog);
// Its buttons, left to right.
std::vector<TButton*> MessageDlgButtons(const TCustomForm& dialog);
