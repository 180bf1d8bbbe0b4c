#pragma once
// TCustomPanel: a windowed container that draws an outer and an inner bevel, a border between
// them and a caption; TPanel publishes it.

#include "framework/stdctrls/StdCtrlTypes.h"
#include "framework/windows/CustomControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
inline const std::vector<std::string> BevelCutNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};

class TCustomPanel : public TCustomControl {
    FRAMEWORK_CLASS(TCustomPanel)
    DECLARE_MESSAGE_MAP
public:
    explicit TCustomPanel(TComponent* owner);

    // The bevel and border setters store, realign the children and repaint, even when the
    // value does not change.
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    // At least 1.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    // The gap in the panel's colour between the outer and the inner bevel; at least 0.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    // bsSingle puts a sunken edge outside the client area; a change recreates the window.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Places the caption; repaints.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(TRect& rect) override;
    // The bevels and the border first, so that the children align inside the scaled ones.
    void ChangeScale(int m, int d) override;
    void Paint() override;
    void CMTextChanged(TMessage& message);

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    TAlignment FAlignment = taCenter;

private:
    void BevelsChanged();
};

class TPanel : public TCustomPanel {
    FRAMEWORK_CLASS(TPanel)
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
