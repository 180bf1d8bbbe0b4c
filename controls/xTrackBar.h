#pragma once
// TxTrackBar: the framework's track bar whose window shows the selection range (SelStart to
// SelEnd) only when EnableSelRange is true; by default it shows none. The range positions are
// kept either way.

#include "framework/stdctrls/TrackBar.h"

class TxTrackBar : public TTrackBar {
    FRAMEWORK_CLASS(TxTrackBar)
public:
    explicit TxTrackBar(TComponent* owner);

    bool EnableSelRange() const { return FEnableSelRange; }
    // Recreates the window to change its style, except while the control is being loaded.
    void SetEnableSelRange(bool value);

protected:
    // Clears TBS_ENABLESELRANGE unless EnableSelRange is true.
    void CreateParams(TCreateParams& params) override;

private:
    bool FEnableSelRange = false;
};

namespace xTrackBar {
// Puts TxTrackBar on the palette page "Custom" of the installed design environment.
void Register();
} // namespace xTrackBar
