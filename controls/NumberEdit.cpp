#include "controls/NumberEdit.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/SysUtils.h"
#include "framework/stdctrls/Clipboard.h"
#include "framework/streaming/Registration.h"
#include "framework/windows/Win32Api.h"

#include <algorithm>

const TClassInfo& TNumberEdit::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TNumberEdit>("TNumberEdit", &TCustomEdit::StaticClass(), [](auto& c) {
            // Not Caption: the text follows from Value, which is stored in its place.
            c.PublishInherited(
                {"AutoSelect",     "AutoSize",       "BorderStyle",   "CharCase",    "Color",
                 "Enabled",        "Font",           "HideSelection", "MaxLength",   "ParentColor",
                 "ParentFont",     "ParentShowHint", "PasswordChar",  "PopupMenu",   "ReadOnly",
                 "ShowHint",       "TabOrder",       "TabStop",       "Visible",     "OnChange",
                 "OnClick",        "OnDblClick",     "OnEnter",       "OnExit",      "OnKeyDown",
                 "OnKeyPress",     "OnKeyUp",        "OnMouseDown",   "OnMouseMove", "OnMouseUp",
                 "Anchors",        "Constraints",    "DragCursor",    "DragKind",    "DragMode",
                 "OnDragDrop",     "OnDragOver",     "OnEndDrag",     "OnStartDrag", "BiDiMode",
                 "ParentBiDiMode", "Ctl3D",          "ParentCtl3D",   "ImeMode",     "ImeName",
                 "OEMConvert"});
            c.Int("MaxValue", &TNumberEdit::FMaxValue, &TNumberEdit::FMaxValue, 0);
            c.Int("MinValue", &TNumberEdit::FMinValue, &TNumberEdit::FMinValue, 0);
            // Read without repairing the text: a designer looking at the property, or the writer
            // storing it, must not change the edit.
            c.Int("Value", &TNumberEdit::ReadValue, &TNumberEdit::SetValue, 0);
        });
    return info;
}

TNumberEdit::TNumberEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText("0");
}

int TNumberEdit::GetValue() {
    if (Text() != "-" && !TryStrToInt(Text()))
        SetText(IntToStr(FMinValue));
    return ReadValue();
}

int TNumberEdit::ReadValue() const {
    if (Text() == "-")
        return FMinValue;
    return TryStrToInt(Text()).value_or(FMinValue);
}

void TNumberEdit::SetValue(int value) {
    if (FMinValue != FMaxValue) {
        if (value < FMinValue)
            value = FMinValue;
        else if (value > FMaxValue)
            value = FMaxValue;
    }
    SetText(IntToStr(value));
}

bool TNumberEdit::IsValidValue(const std::string& s) const {
    const auto value = TryStrToInt(s);
    if (!value)
        return false;
    return FMinValue == FMaxValue || (*value >= FMinValue && *value <= FMaxValue);
}

std::string TNumberEdit::InsertString(const std::string& text, const std::string& ins, int pos,
                                      int len) {
    const std::size_t size = text.size();
    const auto at = std::min(static_cast<std::size_t>(std::max(pos - 1, 0)), size);
    const auto count = std::min(static_cast<std::size_t>(std::max(len, 0)), size - at);
    std::string result = text;
    result.replace(at, count, ins);
    return result;
}

std::string TNumberEdit::Replaced(const std::string& ins) const {
    return InsertString(Text(), ins, SelStart() + 1, SelLength());
}

// Characters, sorted by code before the edit sees them:
//
//   1 Ctrl+A, 3 Ctrl+C, 8 Backspace, 24 Ctrl+X,
//   26 Ctrl+Z                                      passed on; the edit carries them out
//   22 Ctrl+V                                      paste rule
//   '0'..'9', '-'                                  typing rule
//   anything else, codes 128 to 255 included       refused
//
// Multi-byte characters arrive a byte at a time, and every byte of them is refused. A refused
// key beeps and never reaches OnKeyPress.
void TNumberEdit::KeyPress(char& key) {
    bool allowed = false;
    switch (key) {
    case 1:
    case 3:
    case 8:
    case 24:
    case 26:
        allowed = true;
        break;
    case 22:
        allowed = PasteAllowed();
        break;
    case '-':
    case '0':
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
    case '6':
    case '7':
    case '8':
    case '9':
        allowed = TypingAllowed(key);
        break;
    default:
        break;
    }
    if (!allowed) {
        key = 0;
        MessageBeep(0);
        return;
    }
    TCustomEdit::KeyPress(key);
}

// A lone minus sign is judged as MinValue, so that a negative number can be begun.
bool TNumberEdit::TypingAllowed(char key) const {
    std::string candidate = Replaced(std::string(1, key));
    if (candidate == "-")
        candidate = IntToStr(FMinValue);
    return IsValidValue(candidate);
}

// Hexadecimal text with an x is refused even when it converts; the edit's length limit is
// checked here because a refused paste must leave the text whole rather than cut.
bool TNumberEdit::PasteAllowed() const {
    if (!Clipboard()->HasFormat(CF_TEXT))
        return false;
    const std::string candidate = Replaced(Clipboard()->AsText());
    if (LowerCase(candidate).find('x') != std::string::npos)
        return false;
    if (MaxLength() > 0 && std::ssize(candidate) > MaxLength())
        return false;
    return IsValidValue(candidate);
}

void NumberEdit::Register() {
    RegisterComponents("Tolvan Common", {&TNumberEdit::StaticClass()});
}
