#pragma once
// TTrackBar: the native track bar window (class "msctls_trackbar32"): a thumb that slides along
// a channel between Min and Max, with tick marks and, when the window is created with
// TBS_ENABLESELRANGE, a highlighted selection range. Keyboard and mouse move the thumb; every
// change of Position raises OnChange.

#include "framework/windows/WinControl.h"

#include <cstdint>

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// Track bar window styles.
enum : std::uint32_t {
    TBS_AUTOTICKS = 0x0001,
    TBS_VERT = 0x0002,
    TBS_HORZ = 0x0000,
    TBS_TOP = 0x0004,
    TBS_BOTTOM = 0x0000,
    TBS_LEFT = 0x0004,
    TBS_RIGHT = 0x0000,
    TBS_BOTH = 0x0008,
    TBS_NOTICKS = 0x0010,
    TBS_ENABLESELRANGE = 0x0020,
    TBS_FIXEDLENGTH = 0x0040,
    TBS_NOTHUMB = 0x0080,
};

// What moved the thumb: the low word of the WM_HSCROLL / WM_VSCROLL a track bar sends its
// parent.
enum : unsigned {
    TB_LINEUP = 0,
    TB_LINEDOWN = 1,
    TB_PAGEUP = 2,
    TB_PAGEDOWN = 3,
    TB_THUMBPOSITION = 4,
    TB_THUMBTRACK = 5,
    TB_TOP = 6,
    TB_BOTTOM = 7,
};

class TTrackBar : public TWinControl {
    FRAMEWORK_CLASS(TTrackBar)
    DECLARE_MESSAGE_MAP
public:
    explicit TTrackBar(TComponent* owner);

    // Min and Max refuse a value that would pass the other bound; both pull Position into the
    // range. Position is clamped to the range.
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // A tick every Frequency positions (with tsAuto).
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    // The step of the arrow keys, and of Page Up / Page Down and clicks beside the thumb.
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value) { FLineSize = value; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value) { FPageSize = value; }
    // Changing it swaps Width and Height (except while loading).
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    // The selection range; shown only by a window created with TBS_ENABLESELRANGE.
    int SelStart() const { return FSelStart; }
    void SetSelStart(int value);
    int SelEnd() const { return FSelEnd; }
    void SetSelEnd(int value);
    bool SliderVisible() const { return FSliderVisible; }
    void SetSliderVisible(bool value);
    // The thumb's extent across the channel, in pixels.
    int ThumbLength() const { return FThumbLength; }
    void SetThumbLength(int value);
    // A margin of the control's colour around the channel, ticks and thumb; at least 0.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);

    TNotifyEvent OnChange;

protected:
    void ChangeScale(int m, int d) override;
    virtual void Changed();
    // Always TBS_ENABLESELRANGE and TBS_FIXEDLENGTH, plus the orientation, tick and thumb bits.
    void CreateParams(TCreateParams& params) override;
    // The native behaviour of the track bar window.
    void DefaultHandler(TMessage& message) override;

    void CNHScroll(TMessage& message);
    void CNVScroll(TMessage& message);

private:
    struct TGeometry;

    void SetRange(int min, int max);
    TGeometry Geometry();
    // Moves the thumb as the user did (clamped) and notifies the parent when it moved.
    void UserMove(int position, unsigned code);
    bool HandleKey(TMessage& message);
    bool HandleMouse(TMessage& message);
    void PaintTrackBar();

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    int FSelStart = 0;
    int FSelEnd = 0;
    bool FSliderVisible = true;
    int FThumbLength = 20;
    int FBorderWidth = 0;
    bool FDragging = false;
    int FDragOffset = 0; // from the thumb's centre to where it was grabbed, along the channel
};
