#include "tools/gallery/DesignedForm.h"

#include "controls/StrokeBar.h"
#include "controls/xGauge.h"
#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"

const TClassInfo& TDesignedForm::StaticClass() {
    static const TClassInfo info = DescribeClass<TDesignedForm>(
        "TDesignedForm", &TForm::StaticClass(), [](TClassBuilder<TDesignedForm>& c) {
            // The gallery shows the form; a saved one does not show itself while it is read.
            c.Unstored("Visible");
            c.Field("LevelGauge", &TDesignedForm::LevelGauge).Optional = true;
            c.Method("StrokeBarChanging", &TDesignedForm::StrokeBarChanging);
            c.Method("StrokeBarMouseDown", &TDesignedForm::StrokeBarMouseDown);
        });
    return info;
}

void TDesignedForm::StrokeBarChanging(TObject* sender) {
    if (auto* bar = dynamic_cast<TStrokeBar*>(sender); bar && LevelGauge)
        LevelGauge->SetPosition(bar->Value());
}

void TDesignedForm::StrokeBarMouseDown(TObject* sender, TMouseButton, TShiftState, int, int) {
    StrokeBarChanging(sender);
}

void TDesignedForm::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove && component == LevelGauge)
        LevelGauge = nullptr;
}

void TDesignedForm::SetGridDots(int spacing) {
    if (spacing == FGridDots)
        return;
    FGridDots = spacing;
    Invalidate();
}

void TDesignedForm::Paint() {
    TForm::Paint();
    if (!IsDesigning() || FGridDots <= 1)
        return;
    const TRect client = ClientRect();
    for (int y = 0; y < client.Bottom; y += FGridDots)
        for (int x = 0; x < client.Right; x += FGridDots)
            Canvas()->SetPixel(x, y, clBlack);
}
