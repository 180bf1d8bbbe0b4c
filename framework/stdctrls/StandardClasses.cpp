#include "framework/stdctrls/StandardClasses.h"

#include "framework/core/Action.h"
#include "framework/core/ClassInfo.h"
#include "framework/forms/Form.h"
#include "framework/forms/MainMenu.h"
#include "framework/forms/MenuBar.h"
#include "framework/forms/Menus.h"
#include "framework/forms/Timer.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Dialogs.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/ScrollBox.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/TrackBar.h"

void RegisterStandardClasses() {
    for (const TClassInfo* info : {
             &TForm::StaticClass(),
             &TPanel::StaticClass(),
             &TLabel::StaticClass(),
             &TMemo::StaticClass(),
             &TScrollBox::StaticClass(),
             &TImage::StaticClass(),
             &TSpeedButton::StaticClass(),
             &TButton::StaticClass(),
             &TCheckBox::StaticClass(),
             &TEdit::StaticClass(),
             &TTrackBar::StaticClass(),
             &TMenuBar::StaticClass(),
         })
        RegisterClass(*info);
    // The components that are not controls.
    for (const TClassInfo* info : {
             &TTimer::StaticClass(),
             &TAction::StaticClass(),
             &TPopupMenu::StaticClass(),
             &TMenuItem::StaticClass(),
             &TMainMenu::StaticClass(),
             &TOpenDialog::StaticClass(),
             &TSaveDialog::StaticClass(),
         })
        RegisterClass(*info);
}
