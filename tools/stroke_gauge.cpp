// A stroke bar and a gauge on the desktop host, from the stored form "stroke_gauge.json": the
// gauge follows the bar while the user strokes it and when a right click cancels a stroke. Escape
// closes the form, which ends the program. Prints the screen points of both controls' client
// origins once the form is up, so that a script can drive them.

#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/core/ClassBuilder.h"
#include "framework/streaming/FormReader.h"
#include "tools/demo/DemoProgram.h"

class TStrokeGaugeForm : public TForm {
    FRAMEWORK_CLASS(TStrokeGaugeForm)
public:
    explicit TStrokeGaugeForm(TComponent* owner) : TForm(owner) {
        ReadComponentResource(this, "stroke_gauge.json");
    }

    TStrokeBar* Bar = nullptr;
    TxGauge* Gauge = nullptr;

    void BarChanging(TObject*) { ShowBarOnGauge(); }
    // A right click that cancels a stroke raises no OnChanging, only this.
    void BarMouseDown(TObject*, TMouseButton, TShiftState, int, int) { ShowBarOnGauge(); }

private:
    void ShowBarOnGauge() { Gauge->SetPosition(Bar->Value()); }
};

const TClassInfo& TStrokeGaugeForm::StaticClass() {
    static const TClassInfo info = DescribeClass<TStrokeGaugeForm>(
        "TStrokeGaugeForm", &TForm::StaticClass(), [](TClassBuilder<TStrokeGaugeForm>& c) {
            c.Field("Bar", &TStrokeGaugeForm::Bar);
            c.Field("Gauge", &TStrokeGaugeForm::Gauge);
            c.Method("BarChanging", &TStrokeGaugeForm::BarChanging);
            c.Method("BarMouseDown", &TStrokeGaugeForm::BarMouseDown);
        });
    return info;
}

int main() {
    TDemoProgram demo("Stroke bar and gauge",
                      {&TStrokeBar::StaticClass(), &TxGauge::StaticClass()});
    return demo.Run([&demo] {
        auto* form = demo.CreateForm<TStrokeGaugeForm>();
        TDemoProgram::Show(*form);
        SayPoint("Bar", *form->Bar, {0, 0});
        SayPoint("Gauge", *form->Gauge, {0, 0});
    });
}
