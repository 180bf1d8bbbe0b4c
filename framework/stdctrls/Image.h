#pragma once
// TPicture: a holder of one graphic (a bitmap here) that it owns and copies on assignment;
// TImage: a control that shows a picture, unscaled unless Stretch is set.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/graphics/Bitmap.h"
#include "framework/windows/GraphicControl.h"

#include <memory>
#include <string>

class TPicture : public TPersistent {
    FRAMEWORK_CLASS(TPicture)
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // Null while the picture is empty.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a fresh copy of graphic (null empties the picture).
    void SetGraphic(const TGraphic* graphic);
    // The picture's bitmap; an empty picture, or one holding another kind of graphic, gets a
    // new empty bitmap first.
    TBitmap* Bitmap();
    void SetBitmap(const TBitmap* bitmap) { SetGraphic(bitmap); }

    int Width() const;
    int Height() const;

    // From another picture or a graphic: a deep copy; null empties the picture.
    void Assign(const TPersistent* source) override;
    // Loads an embedded resource (a BMP) by name, drawn for pixelsPerInch; an empty name
    // empties the picture.
    void LoadFromResource(const std::string& name, int pixelsPerInch = 96);

    // After every change of the graphic, or of its content through its canvas.
    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* dest) const override;

private:
    void Take(std::unique_ptr<TGraphic> graphic);
    void GraphicChanged(TObject*) { Changed(); }
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};

class TImage : public TGraphicControl {
    FRAMEWORK_CLASS(TImage)
    DECLARE_MESSAGE_MAP
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* picture) { FPicture->Assign(picture); }
    // The embedded resource the picture was loaded from in a stored form.
    const std::string& PictureResource() const { return FPictureResource; }
    void SetPictureResource(const std::string& name);

    // The canvas of the picture's bitmap (a blank bitmap of the control's size is made for an
    // empty picture): drawing on it changes the image shown. Single pixels set on it show at
    // the next Refresh.
    TCanvas* Canvas();

    // Resizes the control to the picture whenever it changes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    // Leaves out the bitmap's transparent colour.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Puts on the screen what changed on the picture's canvas since the last paint, comparing
    // the bitmap with what the screen shows: pixels set one column at a time reach the screen
    // one column at a time. Stretched or transparent pictures repaint whole.
    void Repaint() override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    // A picture from a resource is loaded again, drawn for the form's new scale.
    void ChangeScale(int m, int d) override;
    void Paint() override;
    // Only where the parent shows the image: not under a scroll box's bars, for one.
    void CMHitTest(TMessage& message);

private:
    void PictureChanged(TObject*);
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;
    void UpdateOpaque();
    // What was drawn on the picture's canvas since the last call, in client coordinates.
    TRect TakeCanvasChanges();
    // Copies the pixels of area (client coordinates) that differ from the screen onto it.
    void ShowChanges(const TRect& area);

    std::unique_ptr<TPicture> FPicture;
    std::string FPictureResource;
    bool FAutoSize = false;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
};
