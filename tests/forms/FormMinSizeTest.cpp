#include "framework/windows/SizeConstraints.h"
#include "tests/support/FrameworkTest.h"

namespace {

class FormMinSizeTest : public FrameworkTest {};

} // namespace

TEST_F(FormMinSizeTest, TheUserCannotResizeTheWindowBelowTheConstraints) {
    using platform::HeadlessWindow;
    constexpr int FrameWidth = 2 * HeadlessWindow::FrameBorder;
    constexpr int FrameHeight = 2 * HeadlessWindow::FrameBorder + HeadlessWindow::CaptionHeight;
    struct {
        int MinWidth;
        int MinHeight;
        TPoint MinClient;
        TPoint ClientAfterShrinking;
    } const cases[] = {
        {0, 0, {0, 0}, {50, 40}},
        {300, 0, {300 - FrameWidth, 0}, {300 - FrameWidth, 40}},
        {300, 200, {300 - FrameWidth, 200 - FrameHeight}, {300 - FrameWidth, 200 - FrameHeight}},
    };
    for (const auto& c : cases) {
        TForm* form = NewForm(400, 300);
        form->Hide();
        form->Constraints()->SetMinWidth(c.MinWidth);
        form->Constraints()->SetMinHeight(c.MinHeight);
        form->RecreateWnd();
        form->Show();
        RunUntilIdle();
        HeadlessWindow& window = HostWindowOf(form);
        EXPECT_EQ(window.MinClientSize(), c.MinClient) << c.MinWidth << "x" << c.MinHeight;
        Host().UserResize(&window, 50, 40);
        RunUntilIdle();
        EXPECT_EQ(TPoint(form->ClientWidth(), form->ClientHeight()), c.ClientAfterShrinking)
            << c.MinWidth << "x" << c.MinHeight;
        delete form;
    }
}
