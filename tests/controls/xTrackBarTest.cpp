#include "controls/xTrackBar.h"

#include "framework/core/Exceptions.h"
#include "framework/windows/Win32Api.h"
#include "tests/stdctrls/StdCtrlsTest.h"

namespace {

class xTrackBarTest : public StdCtrlsTest {
protected:
    void SetUp() override { form = NewForm(480, 200); }

    // A track bar with the selection 2 to 8 of 0 to 10, on the form at top.
    template <class T> T* NewBar(int top) {
        auto* bar = new T(form);
        bar->SetBounds(10, top, 200, 45);
        bar->SetSelStart(2);
        bar->SetSelEnd(8);
        bar->SetParent(form);
        RunUntilIdle();
        return bar;
    }

    static std::uint32_t Style(TWinControl* control) {
        return GetWindowLong(control->Handle(), GWL_STYLE);
    }
    // Window ids are handed out in sequence, so a new window has a new one.
    static int WindowId(TWinControl* control) { return GetWindowLong(control->Handle(), GWL_ID); }

    int HighlightPixels(const TControl* bar) const {
        return CountColor(bar, bar->ClientRect(), clHighlight);
    }

    bool LooksAlike(const TControl* a, const TControl* b) const {
        for (int y = 0; y < a->Height(); ++y)
            for (int x = 0; x < a->Width(); ++x)
                if (PixelAt(a, x, y) != PixelAt(b, x, y))
                    return false;
        return true;
    }

    TForm* form = nullptr;
};

TEST_F(xTrackBarTest, AFreshBarShowsNoSelectionRangeButKeepsItsPositions) {
    auto* plain = NewBar<TTrackBar>(10);
    auto* bar = NewBar<TxTrackBar>(100);
    EXPECT_FALSE(bar->EnableSelRange());
    EXPECT_EQ(Style(bar), Style(plain) & ~std::uint32_t{TBS_ENABLESELRANGE});
    EXPECT_GT(HighlightPixels(plain), 0);
    EXPECT_EQ(HighlightPixels(bar), 0);
    EXPECT_EQ(bar->SelStart(), 2);
    EXPECT_EQ(bar->SelEnd(), 8);
}

TEST_F(xTrackBarTest, EnablingTheRangeRecreatesTheWindowToLookLikeTheFrameworkBar) {
    auto* plain = NewBar<TTrackBar>(10);
    auto* bar = NewBar<TxTrackBar>(100);
    const int id = WindowId(bar);
    bar->SetEnableSelRange(true);
    RunUntilIdle();
    EXPECT_NE(WindowId(bar), id);
    EXPECT_EQ(Style(bar), Style(plain));
    EXPECT_TRUE(LooksAlike(bar, plain));

    bar->SetEnableSelRange(false);
    RunUntilIdle();
    EXPECT_EQ(HighlightPixels(bar), 0);
}

TEST_F(xTrackBarTest, SettingTheValueItAlreadyHasRecreatesNothing) {
    auto* bar = NewBar<TxTrackBar>(10);
    const int id = WindowId(bar);
    bar->SetEnableSelRange(false);
    EXPECT_EQ(WindowId(bar), id);

    bar->SetEnableSelRange(true);
    const int enabledId = WindowId(bar);
    bar->SetEnableSelRange(true);
    EXPECT_EQ(WindowId(bar), enabledId);
}

TEST_F(xTrackBarTest, WhileLoadingOnlyTheValueIsStored) {
    auto* bar = NewBar<TxTrackBar>(10);
    const int id = WindowId(bar);
    bar->BeginLoading();
    bar->SetEnableSelRange(true);
    EXPECT_TRUE(bar->EnableSelRange());
    EXPECT_EQ(WindowId(bar), id);
    bar->Loaded();
    EXPECT_EQ(WindowId(bar), id);
}

TEST_F(xTrackBarTest, ASwitchBeforeTheWindowExistsGivesTheFirstWindowItsStyle) {
    auto* bar = new TxTrackBar(form);
    bar->SetEnableSelRange(true);
    EXPECT_FALSE(bar->HandleAllocated());
    bar->SetBounds(10, 10, 200, 45);
    bar->SetSelStart(2);
    bar->SetSelEnd(8);
    bar->SetParent(form);
    RunUntilIdle();
    EXPECT_NE(Style(bar) & TBS_ENABLESELRANGE, 0u);
    EXPECT_GT(HighlightPixels(bar), 0);
}

} // namespace
