#pragma once
// TNumberEdit: a single-line edit for one signed 32-bit integer, held as decimal text. A typed
// character or a Ctrl+V paste is refused, with the default beep, unless the text it would leave
// is a number inside the range MinValue to MaxValue. Programs read and write the number through
// Value; a stored form holds Value instead of the text.

#include "framework/stdctrls/Edit.h"

#include <string>

class TNumberEdit : public TCustomEdit {
    FRAMEWORK_CLASS(TNumberEdit)
public:
    // Shows "0", with no range.
    explicit TNumberEdit(TComponent* owner);

    // The range: equal bounds (the default 0 and 0) allow every value, MinValue above MaxValue
    // allows none. Assigning a bound only stores it; the text is judged by the next keystroke.
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value) { FMaxValue = value; }
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value) { FMinValue = value; }

    // The number the text shows, unchecked against the range. A lone minus sign reads as
    // MinValue; any other text that is no number is replaced by MinValue's digits.
    int GetValue();
    // The same number, the text left as it is.
    int ReadValue() const;
    // Clamps into the range (when there is one) and shows the result.
    void SetValue(int value);

    // Whether s is a number the range allows.
    bool IsValidValue(const std::string& s) const;
    // text with len characters at the one-based position pos replaced by ins.
    static std::string InsertString(const std::string& text, const std::string& ins, int pos,
                                    int len);

    void KeyPress(char& key) override;

private:
    // The text after ins replaced the selection.
    std::string Replaced(const std::string& ins) const;
    bool TypingAllowed(char key) const;
    bool PasteAllowed() const;

    int FMaxValue = 0;
    int FMinValue = 0;
};

namespace NumberEdit {
// Puts TNumberEdit on the palette page "Tolvan Common" of the installed design environment.
void Register();
} // namespace NumberEdit
