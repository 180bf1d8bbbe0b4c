#pragma once
// TForm1: the main window. It loads a bitmap into the source bitmap, shows a copy of it, takes
// the seed point from a click on the image, and measures the dark region around the seed.

#include "framework/forms/Form.h"

class TBitmap;
class TImage;
class TLabel;
class TMemo;
class TOpenDialog;
class TPanel;
class TScrollBox;
class TSpeedButton;

class TForm1 : public TForm {
    FRAMEWORK_CLASS(TForm1)
public:
    // Built from the stored form "main.json"; sizes the source bitmap to 512 x 512.
    explicit TForm1(TComponent* owner);

    TPanel* Panel1 = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TImage* Image = nullptr;
    TSpeedButton* sbOpen = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* sbExit = nullptr;
    TLabel* Label1 = nullptr;
    TPanel* pnFname = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TPanel* pnWidth = nullptr;
    TLabel* Label4 = nullptr;
    TPanel* pnHeight = nullptr;
    TMemo* Memo = nullptr;
    TSpeedButton* sbCalc = nullptr;
    TPanel* pnROI = nullptr;
    TLabel* Label5 = nullptr;
    TPanel* pnSX = nullptr;
    TPanel* pnSY = nullptr;
    TLabel* Label10 = nullptr;
    TPanel* pnArea = nullptr;
    TLabel* Label7 = nullptr;
    TOpenDialog* OpenDlg = nullptr;

    void sbOpenClick(TObject* sender);
    void ImageMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void sbCalcClick(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void sbExitClick(TObject* sender);

    // The image point of the last click on the image; (0, 0) before the first.
    TPoint Seed() const { return FSeed; }

private:
    TPoint FSeed;
};

// Made by the program's start-up; the application's main form.
extern TForm1* Form1;
// The loaded image, unchanged: made when the program starts and kept for its whole run. The
// measurement reads only this bitmap.
extern TBitmap* const SourceBitmap;
