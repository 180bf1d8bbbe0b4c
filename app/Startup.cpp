#include "app/Startup.h"

#include "app/about.h"
#include "app/main.h"
#include "framework/forms/Application.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ScaledResource.h"
#include "framework/stdctrls/StandardClasses.h"

namespace {

void LoadIcon() {
    TBitmap icon;
    LoadScaledResource(icon, "saruvi_icon.bmp", Screen->PixelsPerInch(), 96);
    Application->SetIcon(&icon);
}

} // namespace

void StartSaruvi() {
    Application->Initialize();
    RegisterStandardClasses();
    LoadIcon();
    Application->SetTitle("Saruviです。");
    Application->CreateForm(Form1);
    Application->CreateForm(AboutDlg);
}
