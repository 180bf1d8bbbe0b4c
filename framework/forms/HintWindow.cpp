#include "framework/forms/HintWindow.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Win32Gdi.h"
#include "framework/windows/Win32Api.h"

namespace {

constexpr unsigned HintTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

} // namespace

const TClassInfo& THintWindow::StaticClass() {
    static const TClassInfo info = DescribeClass<THintWindow>(
        "THintWindow", &TCustomControl::StaticClass(), [](TClassBuilder<THintWindow>&) {});
    return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csOpaque;
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    TRect r{0, 0, maxWidth, 0};
    TCanvas measure;
    measure.SetFont(Font());
    DrawTextA(measure.Handle(), hint.c_str(), -1, &r, HintTextFormat | DT_CALCRECT);
    // Room for the frame and a margin of two pixels beside the text, one above and below.
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    SetCaption(hint);
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    ShowWindow(Handle(), SW_SHOWNA);
    Update();
}

void THintWindow::ReleaseHint() {
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect(r);
    InflateRect(r, -1, -1);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(bsClear);
    InflateRect(r, -2, 0);
    DrawTextA(canvas.Handle(), Caption().c_str(), -1, &r, HintTextFormat);
}

std::string GetShortHint(const std::string& hint) {
    return hint.substr(0, hint.find('|'));
}
