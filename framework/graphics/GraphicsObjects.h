#pragma once
// The drawing tools a canvas holds: pens and brushes, and the base they share with fonts.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/graphics/Types.h"

// The tools a canvas draws with. OnChange fires after every change of an attribute, so the
// canvas knows to select the tool into its device context again.
class TGraphicsObject : public TPersistent {
    FRAMEWORK_CLASS(TGraphicsObject)
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// Raster operations of a pen: each is a bitwise function of the pen colour and the pixel below.
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

enum TBrushStyle { bsSolid, bsClear };

class TPen : public TGraphicsObject {
    FRAMEWORK_CLASS(TPen)
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Width() const { return FWidth; }
    void SetWidth(int width); // below 1 becomes 1
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode);

    void Assign(const TPersistent* source) override;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
    FRAMEWORK_CLASS(TBrush)
public:
    TColor Color() const { return FColor; }
    // Setting a colour makes a clear brush solid again.
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    void Assign(const TPersistent* source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
