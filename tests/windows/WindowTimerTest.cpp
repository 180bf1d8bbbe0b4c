#include "tests/support/FrameworkTest.h"
#include "tests/windows/Probes.h"

#include "framework/windows/Win32Api.h"
#include "framework/windows/WindowManager.h"

#include <vector>

namespace {

// Counts WM_TIMER messages by timer id.
class TTimerProbe : public TPaintProbe {
    DECLARE_MESSAGE_MAP
public:
    using TPaintProbe::TPaintProbe;
    std::vector<std::int64_t> Fired; // the host clock at each WM_TIMER
    bool KillOnFire = false;

private:
    void WMTimer(TWMTimer& message) {
        Fired.push_back(platform::Host().Now());
        if (KillOnFire)
            KillTimer(Handle(), message.TimerID);
    }
};

const TMessageMap& TTimerProbe::StaticMessageMap() {
    static const TMessageMap map(&TCustomControl::StaticMessageMap(),
                                 {MessageHandler<WM_TIMER, &TTimerProbe::WMTimer>()});
    return map;
}

class WindowTimerTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = NewForm();
        probe = Place(new TTimerProbe(form), form, 0, 0, 10, 10);
        RunUntilIdle();
    }
    TForm* form = nullptr;
    TTimerProbe* probe = nullptr;
};

using Times = std::vector<std::int64_t>;

TEST_F(WindowTimerTest, ATimerFiresEveryIntervalOnTheVirtualClock) {
    SetTimer(probe->Handle(), 1, 100, nullptr);
    RunFor(350);
    EXPECT_EQ(probe->Fired, (Times{100, 200, 300}));
}

TEST_F(WindowTimerTest, StartingTheSameWindowAndIdAgainReplacesTheRunningTimer) {
    SetTimer(probe->Handle(), 1, 100, nullptr);
    RunFor(60);
    SetTimer(probe->Handle(), 1, 100, nullptr);
    RunFor(120);
    EXPECT_EQ(probe->Fired, (Times{160}));
}

TEST_F(WindowTimerTest, TimersWithOtherIdsRunSideBySide) {
    SetTimer(probe->Handle(), 1, 100, nullptr);
    SetTimer(probe->Handle(), 2, 150, nullptr);
    RunFor(300);
    EXPECT_EQ(probe->Fired, (Times{100, 150, 200, 300, 300}));
}

TEST_F(WindowTimerTest, AKilledTimerFiresNoMore) {
    SetTimer(probe->Handle(), 1, 100, nullptr);
    RunFor(150);
    EXPECT_TRUE(KillTimer(probe->Handle(), 1));
    RunFor(500);
    EXPECT_EQ(probe->Fired, (Times{100}));
    EXPECT_FALSE(KillTimer(probe->Handle(), 1));
}

TEST_F(WindowTimerTest, KillingTheTimerInItsHandlerMakesItOneShot) {
    probe->KillOnFire = true;
    SetTimer(probe->Handle(), 1, 100, nullptr);
    RunFor(1000);
    EXPECT_EQ(probe->Fired, (Times{100}));
}

TEST_F(WindowTimerTest, DestroyingTheWindowEndsItsTimers) {
    SetTimer(probe->Handle(), 1, 100, nullptr);
    delete probe;
    RunFor(500);
    EXPECT_EQ(WindowManager().TimeToNextTimer(), -1);
}

struct TProcCall {
    HWND Window;
    UINT Msg;
    UINT_PTR Id;
};
std::vector<TProcCall> procCalls;

void OneShotProc(HWND window, UINT msg, UINT_PTR id, DWORD) {
    procCalls.push_back({window, msg, id});
    KillTimer(window, id);
}

TEST_F(WindowTimerTest, ACallbackRunsInsteadOfTheMessageAndCanKillItsTimer) {
    procCalls.clear();
    SetTimer(probe->Handle(), 1, 100, OneShotProc);
    RunFor(50);
    EXPECT_TRUE(procCalls.empty());
    RunFor(1000);
    ASSERT_EQ(procCalls.size(), 1u);
    EXPECT_EQ(procCalls[0].Window, probe->Handle());
    EXPECT_EQ(procCalls[0].Msg, WM_TIMER);
    EXPECT_EQ(procCalls[0].Id, 1u);
    EXPECT_TRUE(probe->Fired.empty());
}

TEST_F(WindowTimerTest, TimersWithoutAWindowGetFreshIds) {
    procCalls.clear();
    const UINT_PTR a = SetTimer(nullptr, 0, 100, OneShotProc);
    const UINT_PTR b = SetTimer(nullptr, 0, 100, OneShotProc);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    RunFor(100);
    EXPECT_EQ(procCalls.size(), 2u);
}

TEST_F(WindowTimerTest, TheLoopWaitsForTheNextTimerWhenNothingElseIsPending) {
    SetTimer(probe->Handle(), 1, 250, nullptr);
    probe->KillOnFire = true;
    Application->HandleMessage(); // nothing pending: idles and waits until the timer is due
    Application->HandleMessage();
    EXPECT_EQ(probe->Fired, (Times{250}));
}

} // namespace
