#pragma once
// TMenuBar: the strip along the top of a form that shows the titles of its Menu. A click on a
// title, or Alt with the title's accelerator, drops the title's items below it.

#include "framework/windows/CustomControl.h"

#include <string>

class TMainMenu;
class TMenuItem;
struct TWMKey;

class TMenuBar : public TCustomControl {
    FRAMEWORK_CLASS(TMenuBar)
    DECLARE_MESSAGE_MAP
public:
    explicit TMenuBar(TComponent* owner);

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);

    // The title at a client x, -1 for none.
    int TitleAt(int x) const;
    // Where a title stands on the bar, in client coordinates.
    TRect TitleRect(int index) const;
    // Drops the title's items below it and waits until the menu closes.
    void DropTitle(int index);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void CMDialogChar(TWMKey& message);

private:
    TMenuItem* Title(int index) const;
    int TitleCount() const;
    int TextWidth(const std::string& text) const;

    TMainMenu* FMenu = nullptr;
    int FDropped = -1; // the title whose items are open
};
