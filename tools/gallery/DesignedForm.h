#pragma once
// TDesignedForm: the form the gallery designs, a top-level form of its own whose content is a
// stored form description. It publishes the methods that stored forms bind, so that a form saved
// from the gallery binds them again when it is opened.

#include "framework/forms/Form.h"

class TxGauge;

class TDesignedForm : public TForm {
    FRAMEWORK_CLASS(TDesignedForm)
public:
    explicit TDesignedForm(TComponent* owner) : TForm(owner) {}

    // The gauge that stroke bars drive, filled from the component named LevelGauge when the
    // description has one.
    TxGauge* LevelGauge = nullptr;

    // OnChanging of a stroke bar: LevelGauge follows the bar's value.
    void StrokeBarChanging(TObject* sender);
    // OnMouseDown of a stroke bar: a right click that cancels a stroke raises no OnChanging,
    // so LevelGauge follows the bar back from here.
    void StrokeBarMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);

    // The spacing of the dots shown while designing; 0: none.
    void SetGridDots(int spacing);

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The designer works in the pixels the form was designed at on every screen, so that a
    // save writes the description that was read.
    bool FollowsScreenScale() const override { return false; }

private:
    int FGridDots = 0;
};
