#pragma once
// TScreen: the program's view of the desktop: its size, the forms, the active form and
// control, and a cursor that overrides every control's.

#include "framework/core/Component.h"
#include "framework/windows/Control.h"

#include <vector>

class TCustomForm;

class TScreen : public TComponent {
    FRAMEWORK_CLASS(TScreen)
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    TRect DesktopRect() const;
    // The host's: 96 at 100 %.
    int PixelsPerInch() const;

    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int index) const { return FForms.at(static_cast<std::size_t>(index)); }

    // crDefault lets each control's cursor show.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);
    void SetActiveControl(TWinControl* control);

    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
};

// The one screen object; it exists while an application object does.
extern TScreen* Screen;
