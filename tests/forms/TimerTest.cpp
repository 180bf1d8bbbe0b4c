#include "framework/forms/Timer.h"
#include "framework/windows/WindowManager.h"
#include "tests/support/FrameworkTest.h"

namespace {

class TimerTest : public FrameworkTest {
protected:
    TTimer* NewTimer(unsigned interval) {
        auto* timer = new TTimer(Application);
        timer->SetInterval(interval);
        timer->SetOnTimer(TNotifyEvent::FromFunction([this, timer](TObject* sender) {
            EXPECT_EQ(sender, timer);
            ++Fired;
        }));
        return timer;
    }

    int Fired = 0;
};

TEST_F(TimerTest, FiresEveryIntervalOnTheVirtualClock) {
    NewTimer(100);
    RunFor(99);
    EXPECT_EQ(Fired, 0);
    RunFor(1);
    EXPECT_EQ(Fired, 1);
    RunFor(250);
    EXPECT_EQ(Fired, 3);
}

TEST_F(TimerTest, ChangingTheIntervalRestartsTheCount) {
    TTimer* timer = NewTimer(100);
    RunFor(60);
    timer->SetInterval(50);
    RunFor(49);
    EXPECT_EQ(Fired, 0);
    RunFor(1);
    EXPECT_EQ(Fired, 1);
}

TEST_F(TimerTest, ReenablingRestartsTheCount) {
    TTimer* timer = NewTimer(100);
    RunFor(90);
    timer->SetEnabled(false);
    RunFor(500);
    EXPECT_EQ(Fired, 0);
    timer->SetEnabled(true);
    RunFor(99);
    EXPECT_EQ(Fired, 0);
    RunFor(1);
    EXPECT_EQ(Fired, 1);
}

TEST_F(TimerTest, RunsNoTimerWithoutHandlerOrInterval) {
    auto* timer = new TTimer(Application);
    EXPECT_EQ(timer->Interval(), 1000u);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(WindowManager().TimeToNextTimer(), -1);

    timer->SetOnTimer(TNotifyEvent::FromFunction([this](TObject*) { ++Fired; }));
    EXPECT_EQ(WindowManager().TimeToNextTimer(), 1000);
    timer->SetInterval(0);
    EXPECT_EQ(WindowManager().TimeToNextTimer(), -1);
    RunFor(5000);
    EXPECT_EQ(Fired, 0);
}

TEST_F(TimerTest, TimerFreedInItsOwnHandlerFiresOnce) {
    auto* timer = new TTimer(Application);
    timer->SetInterval(50);
    timer->SetOnTimer(TNotifyEvent::FromFunction([this, timer](TObject*) {
        ++Fired;
        delete timer;
    }));
    RunFor(500);
    EXPECT_EQ(Fired, 1);
    EXPECT_EQ(WindowManager().TimeToNextTimer(), -1);
}

TEST_F(TimerTest, DestroyedTimerStops) {
    TTimer* timer = NewTimer(100);
    delete timer;
    RunFor(500);
    EXPECT_EQ(Fired, 0);
}

} // namespace
