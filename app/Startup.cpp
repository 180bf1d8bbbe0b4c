#include "app/Startup.h"

#include "app/about.h"
#include "app/main.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Resources.h"
#include "framework/forms/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/StandardClasses.h"

namespace {

void LoadIcon() {
    const auto data = FindResource("saruvi_icon.bmp");
    if (!data)
        throw EInvalidGraphic(msg::InvalidBitmap, "saruvi_icon.bmp is not embedded");
    TBitmap icon;
    icon.LoadFromStream(*data);
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
