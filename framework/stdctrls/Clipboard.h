#pragma once
// The system clipboard, through the host: TClipboard and the one object Clipboard() returns.

#include "framework/core/Component.h"

#include <string>

// Clipboard formats.
enum : unsigned { CF_TEXT = 1 };

class TClipboard : public TPersistent {
    FRAMEWORK_CLASS(TClipboard)
public:
    // Whether the clipboard holds data of the format; only CF_TEXT is known.
    bool HasFormat(unsigned format) const;
    // Empty when the clipboard holds no text.
    std::string AsText() const;
    void SetAsText(const std::string& text);
};

TClipboard* Clipboard();
