#pragma once
// TListBox: a column of text lines, one of which may be selected: a click or the arrow, page,
// Home and End keys select, the wheel scrolls, a double click on a line raises OnDblClick. The
// least list the framework's own dialogs need: no columns, no multiple selection, no scroll bar.

#include "framework/windows/CustomControl.h"

#include <string>
#include <vector>

class TListBox : public TCustomControl {
    FRAMEWORK_CLASS(TListBox)
    DECLARE_MESSAGE_MAP
public:
    explicit TListBox(TComponent* owner);

    const std::vector<std::string>& Items() const { return FItems; }
    // Selects nothing and scrolls to the top.
    void SetItems(std::vector<std::string> items);
    // -1 for none; a value outside the items selects nothing.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    // The first line shown.
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int value);
    int ItemHeight() const;
    // The line at a client point, -1 below the last.
    int ItemAtPos(TPoint point) const;

    // After the selection changed by the user.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void WMGetDlgCode(TMessage& message);

private:
    int VisibleCount() const;
    void SelectByUser(int index);

    std::vector<std::string> FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
};
