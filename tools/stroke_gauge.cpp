// A stroke bar and a gauge on the desktop host, from the stored form "stroke_gauge.json": the
// gauge follows the bar while the user strokes it. Escape closes the form, which ends the
// program. Prints the screen points of both controls' client origins once the form is up, so
// that a script can drive them.

#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/platform/qt/DesktopHost.h"
#include "framework/stdctrls/StandardClasses.h"
#include "framework/streaming/FormReader.h"

#include <cstdio>

class TStrokeGaugeForm : public TForm {
    FRAMEWORK_CLASS(TStrokeGaugeForm)
public:
    explicit TStrokeGaugeForm(TComponent* owner) : TForm(owner) {
        ReadComponentResource(this, "stroke_gauge.json");
    }

    TStrokeBar* Bar = nullptr;
    TxGauge* Gauge = nullptr;

    void BarChanging(TObject*) { Gauge->SetPosition(Bar->Value()); }
    void FormKeyDown(TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE)
            Close();
    }
};

const TClassInfo& TStrokeGaugeForm::StaticClass() {
    static const TClassInfo info = DescribeClass<TStrokeGaugeForm>(
        "TStrokeGaugeForm", &TForm::StaticClass(), [](TClassBuilder<TStrokeGaugeForm>& c) {
            c.Field("Bar", &TStrokeGaugeForm::Bar);
            c.Field("Gauge", &TStrokeGaugeForm::Gauge);
            c.Method("BarChanging", &TStrokeGaugeForm::BarChanging);
            c.Method("FormKeyDown", &TStrokeGaugeForm::FormKeyDown);
        });
    return info;
}

int main() {
    const platform::HostScope desktop(platform::CreateDesktopHost());
    RegisterStandardClasses();
    TApplication application;
    try {
        Application->Initialize();
        Application->SetTitle("Stroke bar and gauge");
        RegisterClass(TStrokeBar::StaticClass());
        RegisterClass(TxGauge::StaticClass());
        TStrokeGaugeForm* form = nullptr;
        Application->CreateForm(form);
        form->Show();
        Application->ProcessMessages();
        for (const TControl* control :
             {static_cast<TControl*>(form->Bar), static_cast<TControl*>(form->Gauge)}) {
            const TPoint origin = control->ClientToScreen({0, 0});
            std::printf("%s %d %d\n", control->Name().c_str(), origin.x, origin.y);
        }
        std::fflush(stdout);
        application.Run();
    } catch (...) {
        application.HandleException(&application);
        return 1;
    }
    return 0;
}
