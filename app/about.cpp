#include "app/about.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/streaming/FormReader.h"

TAboutDlg* AboutDlg = nullptr;

const TClassInfo& TAboutDlg::StaticClass() {
    static const TClassInfo info = DescribeClass<TAboutDlg>(
        "TAboutDlg", &TForm::StaticClass(), [](TClassBuilder<TAboutDlg>& c) {
            c.Field("Image1", &TAboutDlg::Image1);
            c.Field("Label1", &TAboutDlg::Label1);
            c.Field("Label2", &TAboutDlg::Label2);
            c.Field("Label3", &TAboutDlg::Label3);
            c.Field("OKBtn", &TAboutDlg::OKBtn);
            c.Method("OKBtnClick", &TAboutDlg::OKBtnClick);
        });
    return info;
}

TAboutDlg::TAboutDlg(TComponent* owner) : TForm(owner) {
    ReadComponentResource(this, "about.json");
}

void TAboutDlg::OKBtnClick(TObject*) {
    Close();
}
