#pragma once
// TAboutDlg: the fixed dialog that names the program and its version.

#include "framework/forms/Form.h"

class TButton;
class TImage;
class TLabel;

class TAboutDlg : public TForm {
    FRAMEWORK_CLASS(TAboutDlg)
public:
    // Built from the stored form "about.json"; hidden until shown.
    explicit TAboutDlg(TComponent* owner);

    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TButton* OKBtn = nullptr;

    void OKBtnClick(TObject* sender);
};

// Made by the program's start-up.
extern TAboutDlg* AboutDlg;
