#pragma once
// TFontDialog: the desktop's font dialog, started from Font and, when the user chooses, leaving
// the choice in Font (name, size, style and colour).

#include "framework/core/Component.h"
#include "framework/core/Events.h"

#include <memory>

class TFont;

class TFontDialog : public TComponent {
    FRAMEWORK_CLASS(TFontDialog)
public:
    explicit TFontDialog(TComponent* owner);
    ~TFontDialog() override;

    // Shows the dialog and waits for it; true with Font set to the choice, false (Font
    // unchanged) when the user cancels.
    bool Execute();
    TFont* Font() const { return FFont.get(); }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    std::unique_ptr<TFont> FFont;
};
