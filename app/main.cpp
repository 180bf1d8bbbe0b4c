#include "app/main.h"

#include "app/RegionSweep.h"
#include "app/about.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/streaming/FormReader.h"

TForm1* Form1 = nullptr;
// Blank until the first load: white, as the framework makes new bitmap pixels.
TBitmap* const SourceBitmap = new TBitmap;

const TClassInfo& TForm1::StaticClass() {
    static const TClassInfo info =
        DescribeClass<TForm1>("TForm1", &TForm::StaticClass(), [](TClassBuilder<TForm1>& c) {
            c.Field("Panel1", &TForm1::Panel1);
            c.Field("ScrollBox1", &TForm1::ScrollBox1);
            c.Field("Image", &TForm1::Image);
            c.Field("sbOpen", &TForm1::sbOpen);
            c.Field("SpeedButton1", &TForm1::SpeedButton1);
            c.Field("sbExit", &TForm1::sbExit);
            c.Field("Label1", &TForm1::Label1);
            c.Field("pnFname", &TForm1::pnFname);
            c.Field("Label2", &TForm1::Label2);
            c.Field("Label3", &TForm1::Label3);
            c.Field("pnWidth", &TForm1::pnWidth);
            c.Field("Label4", &TForm1::Label4);
            c.Field("pnHeight", &TForm1::pnHeight);
            c.Field("Memo", &TForm1::Memo);
            c.Field("sbCalc", &TForm1::sbCalc);
            c.Field("pnROI", &TForm1::pnROI);
            c.Field("Label5", &TForm1::Label5);
            c.Field("pnSX", &TForm1::pnSX);
            c.Field("pnSY", &TForm1::pnSY);
            c.Field("Label10", &TForm1::Label10);
            c.Field("pnArea", &TForm1::pnArea);
            c.Field("Label7", &TForm1::Label7);
            c.Field("OpenDlg", &TForm1::OpenDlg);
            c.Method("sbOpenClick", &TForm1::sbOpenClick);
            c.Method("ImageMouseDown", &TForm1::ImageMouseDown);
            c.Method("sbCalcClick", &TForm1::sbCalcClick);
            c.Method("SpeedButton1Click", &TForm1::SpeedButton1Click);
            c.Method("sbExitClick", &TForm1::sbExitClick);
        });
    return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    ReadComponentResource(this, "main.json");
    SourceBitmap->SetWidth(512);
    SourceBitmap->SetHeight(512);
}

void TForm1::sbOpenClick(TObject*) {
    if (!OpenDlg->Execute())
        return;
    SourceBitmap->LoadFromFile(OpenDlg->FileName());
    Image->SetWidth(SourceBitmap->Width());
    Image->SetHeight(SourceBitmap->Height());
    pnFname->SetCaption(ExtractFileName(OpenDlg->FileName()));
    pnWidth->SetCaption(IntToStr(SourceBitmap->Width()));
    pnHeight->SetCaption(IntToStr(SourceBitmap->Height()));
    Image->Picture()->Assign(SourceBitmap);
    sbCalc->SetEnabled(false);
}

void TForm1::ImageMouseDown(TObject*, TMouseButton, TShiftState, int x, int y) {
    FSeed = {x, y};
    Memo->Lines()->Add(Format("* Start Point [%4d, %4d]", x, y));
    pnSX->SetCaption(IntToStr(x));
    pnSY->SetCaption(IntToStr(y));
    sbCalc->SetEnabled(true);
}

void TForm1::sbCalcClick(TObject*) {
    sbCalc->SetEnabled(false);
    Image->Picture()->Assign(SourceBitmap);
    const int count = SweepRegion(*SourceBitmap, *Image->Picture()->Bitmap(), FSeed,
                                  [this](int) { Image->Refresh(); });
    Memo->Lines()->Add(Format("* Total Pixels = %d", count));
    pnArea->SetCaption(IntToStr(count));
}

void TForm1::SpeedButton1Click(TObject*) {
    AboutDlg->ShowModal();
}

void TForm1::sbExitClick(TObject*) {
    Close();
}
