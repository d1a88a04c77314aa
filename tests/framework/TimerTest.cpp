// Timers among a window's controls: spent before their Action, fired by the clock.
#include "FrameworkTest.h"

#include "framework/Timer.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

class TimerTest : public FrameworkTest {
protected:
    void SetUp() override {
        timer = &OpenWindow().New<fw::Timer>("timer");
        fw::AddHandler(timer->Action, [this](fw::Timer& t) {
            ++fired;
            runningDuringAction = t.IsRunning();
        });
    }
    fw::Timer* timer = nullptr;
    int fired = 0;
    bool runningDuringAction = true;
};

// The clock keeps the period: not before it has passed (the toolkit's coarse timers may
// fire up to 5% early), and once.
TEST_F(TimerTest, SingleShotFiresOnceFromTheClock) {
    QElapsedTimer waited;
    waited.start();
    timer->SetProperties({.RunMode = fw::TimerSingle, .Period = 50});
    EXPECT_TRUE(timer->IsRunning());
    EXPECT_GT(timer->RemainingTime(), 40);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 2000));
    EXPECT_GE(waited.elapsed(), 47);
    QTest::qWait(30);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(runningDuringAction);
    EXPECT_EQ(timer->RunMode(), fw::TimerOff);
}

TEST_F(TimerTest, RepeatingTimerKeepsRunning) {
    timer->SetProperties({.RunMode = fw::TimerMultiple, .Period = 1000});
    fw::testing::FirePendingTimers(timer->Owner());
    fw::testing::FirePendingTimers(timer->Owner());
    EXPECT_EQ(fired, 2);
    EXPECT_TRUE(timer->IsRunning());
    timer->SetRunMode(fw::TimerOff);
    fw::testing::FirePendingTimers(timer->Owner());
    EXPECT_EQ(fired, 2);
}

TEST_F(TimerTest, PendingSingleShotFiresOnlyOnce) {
    timer->SetProperties({.RunMode = fw::TimerSingle, .Period = 4000});
    fw::testing::FirePendingTimers(timer->Owner());
    fw::testing::FirePendingTimers(timer->Owner());
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->IsRunning());
}

}  // namespace
