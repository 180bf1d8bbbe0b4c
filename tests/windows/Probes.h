#pragma once
// Small controls for the framework's tests: they log what reaches them and paint one colour.

#include "framework/graphics/Canvas.h"
#include "framework/windows/CustomControl.h"
#include "framework/windows/GraphicControl.h"

#include <string>
#include <vector>

// Logs mouse calls as "down L 3,4" ("down L 3,4 double" for the second press of a double
// click), "move 5,6", "up L 3,4", "click", "dblclick".
template <class Base> class TMouseLog : public Base {
public:
    using Base::Base;
    std::vector<std::string> Log;
    TShiftState LastShift;

    void Click() override {
        Log.push_back("click");
        Base::Click();
    }
    void DblClick() override {
        Log.push_back("dblclick");
        Base::DblClick();
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        LastShift = shift;
        Log.push_back("down " + Name(button) + " " + Pos(x, y) +
                      (shift.Contains(ssDouble) ? " double" : ""));
        Base::MouseDown(button, shift, x, y);
    }
    void MouseMove(TShiftState shift, int x, int y) override {
        LastShift = shift;
        Log.push_back("move " + Pos(x, y));
        Base::MouseMove(shift, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
        LastShift = shift;
        Log.push_back("up " + Name(button) + " " + Pos(x, y));
        Base::MouseUp(button, shift, x, y);
    }

private:
    static std::string Name(TMouseButton b) { return b == mbLeft ? "L" : b == mbRight ? "R" : "M"; }
    static std::string Pos(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

// A windowed control that fills its client area with Fill on every paint and counts paints.
class TPaintProbe : public TMouseLog<TCustomControl> {
public:
    explicit TPaintProbe(TComponent* owner, TColor fill = clRed) : TMouseLog(owner), Fill(fill) {}
    TColor Fill;
    int Paints = 0;
    // Drawn one pixel beyond the client area on every side, which clipping must cut off.
    bool Overdraw = false;

protected:
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(Fill);
        TRect r = ClientRect();
        if (Overdraw)
            InflateRect(r, 1, 1);
        Canvas()->FillRect(r);
    }
};

// The same without a window.
class TGraphicProbe : public TMouseLog<TGraphicControl> {
public:
    explicit TGraphicProbe(TComponent* owner, TColor fill = clBlue)
        : TMouseLog(owner), Fill(fill) {}
    TColor Fill;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(ClientRect());
    }
};

// Places control on parent at (left, top) with the given size.
template <class C>
C* Place(C* control, TWinControl* parent, int left, int top, int width, int height) {
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}
