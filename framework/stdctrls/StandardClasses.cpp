#include "framework/streaming/StandardClasses.h"

#include "framework/core/ClassInfo.h"
#include "framework/forms/Form.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/stdctrls/SpeedButton.h"

void RegisterStandardClasses() {
    for (const TClassInfo* info : {
             &TForm::StaticClass(),
             &TPanel::StaticClass(),
             &TLabel::StaticClass(),
             &TMemo::StaticClass(),
             &TScrollBox::StaticClass(),
             &TImage::StaticClass(),
             &TSpeedButton::StaticClass(),
             &TOpenDialog::StaticClass(),
         })
        RegisterClass(*info);
}
