// The poll loop against the simulated tuner on a real pseudo-terminal.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "TestSupport.h"
#include "machines/PollLoop.h"
#include "model/ActiveMachineScope.h"

namespace {

struct EndedCycle {
  ResultCode result;
  unsigned frequency;
  qint64 atMs;
};

// A contacted model with an operate machine as the active job and a loop
// that records every cycle it hands over.
class LoopFixture : public ModelFixture {
 public:
  explicit LoopFixture(SimOptions options = Firmware("01.97")) : ModelFixture(options), machine(Model()) {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
    clock.start();
    QObject::connect(&loop, &CPollLoop::CycleEnded, [this](ResultCode result, const COperateValues& values) {
      ended.push_back({result, values.Frequency.Get(), clock.elapsed()});
    });
  }
  bool WaitForCycles(std::size_t n, int timeoutMs = 5000) {
    return WaitFor([&] { return ended.size() >= n; }, timeoutMs);
  }

  COperateStateMachine machine;
  CActiveMachineScope active{Model(), machine};
  CPollLoop loop{machine};
  std::vector<EndedCycle> ended;
  QElapsedTimer clock;
};

TEST(PollLoop, HandsOverEveryCycleAtTheIntervalUntilStopped) {
  LoopFixture f;
  f.loop.SetInterval(150);
  f.loop.Start();
  ASSERT_TRUE(f.WaitForCycles(3));
  for (const EndedCycle& c : f.ended) {
    EXPECT_EQ(c.result, Result::Success);
    EXPECT_EQ(c.frequency, 14200u);
  }
  f.Sim().Live().Modify([](SimLive& s) { s.frequency = 7100; });
  ASSERT_TRUE(WaitFor([&] { return f.ended.back().frequency == 7100; }, 3000));
  // Start to start: the cycles are spaced by the interval, not back to back.
  EXPECT_GE(f.ended[2].atMs - f.ended[1].atMs, 100);

  f.Sim().SetReplyDelay(100);
  f.loop.CycleNow();
  ASSERT_FALSE(f.machine.IsIdle());
  const std::size_t before = f.ended.size();
  f.loop.Stop();  // the running cycle still reports its end, and nothing follows
  ASSERT_TRUE(f.WaitForCycles(before + 1));
  WaitFor([] { return false; }, 400);
  EXPECT_EQ(f.ended.size(), before + 1);
  EXPECT_FALSE(f.loop.IsPolling());
}

TEST(PollLoop, SilentTunerIsReportedAndRetriedUntilItAnswers) {
  LoopFixture f;
  const CTimeScaleScope fast(kAnsweredTime);
  f.loop.SetInterval(20);
  f.Sim().SetSilent(true);
  f.loop.Start();
  ASSERT_TRUE(f.WaitForCycles(2));
  EXPECT_EQ(f.ended[0].result, Result::NoResponsePowerStatus);
  EXPECT_EQ(f.ended[1].result, Result::NoResponsePowerStatus);
  // A failed cycle waits out the retry pause, not the short interval.
  EXPECT_GE(f.ended[1].atMs - f.ended[0].atMs, CTimeScale::RealMs(CPollLoop::kRetryPause));
  f.Sim().SetSilent(false);
  ASSERT_TRUE(WaitFor([&] { return f.ended.back().result == Result::Success; }, 5000));
  EXPECT_TRUE(f.loop.IsPolling());
}

TEST(PollLoop, SleepingTunerKeepsThePaceAndAClickWaitsForTheRunningCycle) {
  SimOptions options = Firmware("01.97");
  options.live.power = 0;
  LoopFixture f(options);
  f.loop.SetInterval(60);
  f.loop.Start();
  ASSERT_TRUE(f.WaitForCycles(3));
  EXPECT_EQ(f.ended[0].result, Result::DevicePoweredOff);
  EXPECT_LT(f.ended[2].atMs - f.ended[1].atMs, 500);  // no retry pause for a sleeping tuner

  f.loop.SetInterval(5000);  // only the pending start can serve the request below
  f.Sim().SetReplyDelay(200);
  f.loop.CycleNow();
  ASSERT_FALSE(f.machine.IsIdle());
  f.machine.Values().PowerStatus.SetRequested(1);
  f.loop.CycleNow();  // cannot start now: starts when the running one ends
  const std::size_t before = f.ended.size();
  ASSERT_TRUE(f.WaitForCycles(before + 2));
  EXPECT_EQ(f.ended[before + 1].result, Result::Success);
}

}  // namespace
