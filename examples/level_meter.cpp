// A stroke bar driving a gauge and a numeric edit, from the stored form "level_meter.json", on
// the desktop host. Escape closes the form and ends the program.

#include "controls/NumberEdit.h"
#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/Version.h"
#include "framework/forms/Application.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"
#include "framework/windows/Messages.h"

#include <cstdio>

class TLevelForm : public TForm {
    FRAMEWORK_CLASS(TLevelForm)
public:
    explicit TLevelForm(TComponent* owner) : TForm(owner) {
        ReadComponentResource(this, "level_meter.json");
        ShowLevel();
    }

    TStrokeBar* Bar = nullptr;
    TxGauge* Gauge = nullptr;
    TNumberEdit* Edit = nullptr;

    void BarChanging(TObject*) { ShowLevel(); }
    // A right click that cancels a stroke puts the bar back without raising OnChanging.
    void BarMouseDown(TObject*, TMouseButton, TShiftState, int, int) { ShowLevel(); }
    void FormKeyDown(TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE)
            Close();
    }

private:
    void ShowLevel() {
        Gauge->SetPosition(Bar->Value());
        Edit->SetValue(Bar->Value());
    }
};

const TClassInfo& TLevelForm::StaticClass() {
    static const TClassInfo info = DescribeClass<TLevelForm>(
        "TLevelForm", &TForm::StaticClass(), [](TClassBuilder<TLevelForm>& c) {
            c.Field("Bar", &TLevelForm::Bar);
            c.Field("Gauge", &TLevelForm::Gauge);
            c.Field("Edit", &TLevelForm::Edit);
            c.Method("BarChanging", &TLevelForm::BarChanging);
            c.Method("BarMouseDown", &TLevelForm::BarMouseDown);
            c.Method("FormKeyDown", &TLevelForm::FormKeyDown);
        });
    return info;
}

int main() {
    platform::HostScope host(platform::CreateDesktopHost());
    TApplication application;
    RegisterStandardClasses();
    for (const TClassInfo* info :
         {&TStrokeBar::StaticClass(), &TxGauge::StaticClass(), &TNumberEdit::StaticClass()})
        RegisterClass(*info);
    application.Initialize();
    application.SetTitle("Level meter");
    std::printf("Level meter on Saruvi %s\n", SARUVI_VERSION);
    std::fflush(stdout);
    try {
        TLevelForm* form = nullptr;
        application.CreateForm(form);
        application.Run();
        return 0;
    } catch (...) {
        application.HandleException(&application);
        return 1;
    }
}
