// The operate machine and the poll loop that runs it, end to end: the
// program's serial channel on a real pseudo-terminal, the simulated tuner's
// live state on the other side.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "tests/support/TestSupport.h"
#include "machines/operate/PollLoop.h"
#include "machines/operate/OperateStateMachine.h"
#include "model/ActiveMachineScope.h"

namespace {

const QByteArray kHead = "ps;rv;md;an;side;attn;ampi;bn;byp;flt;ts;c;l;f;";
const QByteArray kTail = "vfwd;vrfl;vswr;vswrb;";
const QByteArray kCycle = kHead + kTail;                        // firmware below 01.97
const QByteArray kCycle197 = kHead + "fy;fc;fx;" + kTail;        // 01.97 and later

// A contacted model with an operate machine registered as the job that runs.
class OperateFixture : public ModelFixture {
 public:
  explicit OperateFixture(SimOptions options = Firmware("01.97")) : ModelFixture(options), machine(Model()) {
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
    Model().Trace.Set(1);  // each send is traced: what the tuner must have taken
    machine.SetStatusWindow(&Recorder());
  }

  // Runs one cycle; returns its result and leaves the commands it sent in sent.
  ResultCode Cycle() {
    Sim().ClearReceived();
    const qsizetype tracedBefore = Recorder().Lines(Msg::StateText).size();
    const ResultCode result = RunJob([&] { return machine.StartCycle(); });
    WaitFor([] { return false; }, 20);  // anything sent after the end would show up here
    qsizetype traced = 0;
    for (const QString& line : Recorder().Lines(Msg::StateText).mid(tracedBefore))
      traced += line.contains(" send ") ? line.section(" send ", 1).size() : 0;
    // A busy tuner may take the last send late: it belongs to this cycle, not the next.
    WaitFor([&] { return Sim().Received().size() >= traced; }, 5000);
    sent = Sim().Received();
    return result;
  }

  COperateStateMachine machine;
  CActiveMachineScope active{Model(), machine};
  QByteArray sent;
};

// Every reading is stored; before 01.97 the tuner is not asked the
// frequencies (the other tests run 01.97 and expect its longer cycle).
TEST(OperateMachine, CycleStoresEveryReadingAndAsksTheFrequenciesFrom0197) {
  SimOptions options = Firmware("01.97");
  options.live = SimLive{'M', 2, 'A', 'N', 1, 1, 1, 0x1f, 0xa0, 7100, 3, 150};
  {
    OperateFixture f(options);
    ASSERT_EQ(f.Cycle(), 0u);
    const COperateValues& v = f.machine.Values();
    EXPECT_EQ(QString(QChar(v.Mode.Get())) + QChar(v.Side.Get()) + QChar(v.Bypass.Get()), "MAN");
    EXPECT_EQ(std::vector<int>({v.Antenna.Get(), v.Attenuator.Get(), v.KeyInterrupt.Get(), v.PowerStatus.Get(),
                                v.Capacitor.Get(), v.Inductor.Get(), v.Band.Get(), v.Fault.Get()}),
              std::vector<int>({2, 1, 1, 1, 0x1f, 0xa0, 3, 3}));
    EXPECT_EQ(std::vector<int>({int(v.Frequency.Get()), int(v.FrequencyCount.Get()), int(v.FrequencyXcvr.Get()),
                                int(v.FrequencyAtu.Get(0)), int(v.FrequencyAtu.Get(1)), int(v.ForwardVoltage.Get())}),
              std::vector<int>({7100, 7100, 7100, 7000, 7300, 150}));
    EXPECT_FALSE(v.Swr.Get().isEmpty());
  }
  // One model at a time: the next fixture's model replaces this one's.
  OperateFixture old(Firmware("01.96"));
  EXPECT_EQ(old.Cycle(), 0u);
  EXPECT_EQ(old.sent, kCycle);
}

// Each setting is written in front of its query once, in the tuner's form,
// and later cycles only ask; one the tuner refuses stays pending and goes
// out again every cycle until the user takes the wish back.
TEST(OperateMachine, RequestIsSentUntilReportedAndARefusedOneEveryCycle) {
  OperateFixture f;
  COperateValues& v = f.machine.Values();
  v.Mode.SetRequested(u'M');
  v.Antenna.SetRequested(3);
  v.Inductor.SetRequested(0xa5);
  QByteArray expected = kCycle197;
  expected.replace(";md;", ";MDM;md;").replace(";an;", ";AN3;an;").replace(";l;", ";La5;l;");
  ASSERT_EQ(f.Cycle(), 0u);
  EXPECT_EQ(f.sent, expected);
  ASSERT_EQ(f.Cycle(), 0u);
  EXPECT_EQ(f.sent, kCycle197);
  EXPECT_FALSE(v.Mode.IsPending());
  EXPECT_EQ(v.Inductor.Get(), 0xa5) << "as the tuner reports it";

  f.Sim().Live().RefuseSetting("an");
  v.Antenna.SetRequested(2);
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(f.Cycle(), 0u);
    EXPECT_EQ(f.sent.count("AN2;an;"), 1);
    EXPECT_EQ(v.Antenna.Get(), 3);
    EXPECT_TRUE(v.Antenna.IsPending());
  }
  v.Antenna.SetRequested(3);
  ASSERT_EQ(f.Cycle(), 0u);
  EXPECT_EQ(f.sent, kCycle197);
}

// A reply the parser refuses (a value not wholly of its form, a letter or
// number outside the command's set) is ignored, and the state gives up at its
// time-out with its own code; the values stay as they were. The cases go
// backwards through the cycle: each one's bad reply stays, later in the
// cycle than where the next case stops.
TEST(OperateMachine, UnacceptableRepliesEndTheCycleWithTheStatesCode) {
  const struct {
    QByteArray command, reply;
    ResultCode code;
  } cases[] = {
      {"c;", "C1G;", Result::NoResponseCapacitor},
      {"bn;", "BN11;", Result::NoResponseBandNumber},
      {"md;", "MDZ;", Result::NoResponseMode},
  };
  OperateFixture f;
  ASSERT_EQ(f.Cycle(), 0u);
  const QString swr = f.machine.Values().Swr.Get();
  const CTimeScaleScope faster(kAnsweredTime);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply.constData());
    f.Sim().OverrideReply(c.command, c.reply);
    EXPECT_EQ(f.Cycle(), c.code);
    EXPECT_TRUE(f.sent.endsWith(c.command));  // nothing after the state that gave up
    EXPECT_EQ(f.machine.Values().Swr.Get(), swr);
    EXPECT_EQ(f.machine.Values().Band.Get(), 5);
  }
}

TEST(OperateMachine, SleepingTunerStopsTheCycleUntilSwitchedOn) {
  SimOptions options = Firmware("01.97");
  options.live.power = 0;
  OperateFixture f(options);
  COperateValues& v = f.machine.Values();
  v.Mode.SetRequested(u'M');
  EXPECT_EQ(f.Cycle(), Result::DevicePoweredOff);
  EXPECT_EQ(f.sent, "ps;");

  v.PowerStatus.SetRequested(1);
  f.Sim().DropReplies(1);  // "PS1;" neither taken nor answered
  {
    const CTimeScaleScope faster(kAnsweredTime);
    EXPECT_EQ(f.Cycle(), Result::NoResponsePowerStatus);
  }
  EXPECT_EQ(v.PowerStatus.Get(), 0) << "only the tuner's reply shows it on";
  EXPECT_TRUE(v.PowerStatus.IsPending());
  EXPECT_EQ(f.Cycle(), 0u);
  QByteArray expected = kCycle197;
  expected.replace("ps;", "PS1;").replace("md;", "MDM;md;");
  EXPECT_EQ(f.sent, expected);
  EXPECT_EQ(v.PowerStatus.Get(), 1);

  v.PowerStatus.SetRequested(0);
  EXPECT_EQ(f.Cycle(), Result::DevicePoweredOff);
  EXPECT_EQ(f.sent, "PS0;");
}

TEST(OperateMachine, MemorizeAndTuneAreSentOnceAtTheEndTuneLast) {
  OperateFixture f;
  f.machine.TuneRequested = true;
  f.machine.MemorizeRequested = true;
  ASSERT_EQ(f.Cycle(), 0u);
  EXPECT_EQ(f.sent, kCycle197 + "sm;t;");
  ASSERT_EQ(f.Cycle(), 0u);
  EXPECT_EQ(f.sent, kCycle197);
}

TEST(OperateMachine, UnknownDeviceSearchesFirst) {
  OperateFixture f;
  f.Model().Device.Set(DeviceNone);
  EXPECT_EQ(f.Cycle(), 0u);
  EXPECT_EQ(f.sent, ";I;" + kCycle197);
  EXPECT_EQ(f.Model().Device.Get(), DeviceZU6400);
}

struct EndedCycle {
  ResultCode result;
  unsigned frequency;
  qint64 atMs;
};

// The operate fixture with a poll loop that records every cycle it hands over.
class LoopFixture : public OperateFixture {
 public:
  explicit LoopFixture(SimOptions options = Firmware("01.97")) : OperateFixture(options) {
    clock.start();
    QObject::connect(&loop, &CPollLoop::CycleEnded, [this](ResultCode result, const COperateValues& values) {
      ended.push_back({result, values.Frequency.Get(), clock.elapsed()});
    });
  }
  bool WaitForCycles(std::size_t n, int timeoutMs = 20000) {
    return WaitFor([&] { return ended.size() >= n; }, timeoutMs);
  }

  CPollLoop loop{machine};
  std::vector<EndedCycle> ended;
  QElapsedTimer clock;
};

TEST(PollLoop, HandsOverEveryCycleAtTheIntervalUntilStopped) {
  LoopFixture f;
  f.loop.SetInterval(150);
  f.clock.restart();
  f.loop.Start();
  ASSERT_TRUE(f.WaitForCycles(3));
  EXPECT_EQ(f.ended[0].result, Result::Success);
  EXPECT_EQ(f.ended[0].frequency, 14200u);
  f.Sim().Live().Modify([](SimLive& s) { s.frequency = 7100; });
  ASSERT_TRUE(WaitFor([&] { return f.ended.back().frequency == 7100; }, 20000));
  // The cycles are spaced by the interval, not back to back: the third starts
  // two intervals after the first, however long each took (less the 5 % a
  // coarse timer may fire early).
  EXPECT_GE(f.ended[2].atMs, 2 * 150 * 95 / 100);

  f.loop.SetInterval(CPollLoop::kShortestInterval);  // what would follow comes soon
  f.loop.CycleNow();
  ASSERT_FALSE(f.machine.IsIdle());
  const std::size_t before = f.ended.size();
  f.loop.Stop();  // the running cycle still reports its end, and nothing follows
  ASSERT_TRUE(f.WaitForCycles(before + 1));
  WaitFor([] { return false; }, 10 * CPollLoop::kShortestInterval);  // time for a cycle to follow
  EXPECT_EQ(f.ended.size(), before + 1);
  EXPECT_FALSE(f.loop.IsPolling());
}

TEST(PollLoop, SilentTunerIsReportedAndRetriedUntilItAnswers) {
  LoopFixture f;
  f.loop.SetInterval(20);
  f.Sim().SetSilent(true);
  {
    const CTimeScaleScope fast(kFastTime);
    f.loop.Start();
    ASSERT_TRUE(f.WaitForCycles(2));
    EXPECT_EQ(f.ended[1].result, Result::NoResponsePowerStatus);
    // A failed cycle waits out the retry pause, not the short interval.
    EXPECT_GE(f.ended[1].atMs - f.ended[0].atMs, CTimeScale::RealMs(CPollLoop::kRetryPause));
  }
  const CTimeScaleScope answered(kAnsweredTime);
  f.Sim().SetSilent(false);
  ASSERT_TRUE(WaitFor([&] { return f.ended.back().result == Result::Success; }, 20000));
  EXPECT_TRUE(f.loop.IsPolling());
}

TEST(PollLoop, SleepingTunerKeepsThePaceAndAClickWaitsForTheRunningCycle) {
  SimOptions options = Firmware("01.97");
  options.live.power = 0;
  LoopFixture f(options);
  f.loop.SetInterval(150);
  f.loop.Start();
  ASSERT_TRUE(f.WaitForCycles(3));
  EXPECT_EQ(f.ended[0].result, Result::DevicePoweredOff);
  EXPECT_LT(f.ended[2].atMs - f.ended[1].atMs, CPollLoop::kRetryPause) << "no retry pause for a sleeping tuner";

  f.loop.SetInterval(5000);  // only the pending start can serve the request below
  f.Sim().SetReplyDelay(200);
  f.loop.CycleNow();
  ASSERT_FALSE(f.machine.IsIdle());
  f.machine.Values().PowerStatus.SetRequested(1);
  f.loop.CycleNow();  // cannot start now: starts when the running one ends
  f.Sim().SetReplyDelay(0);
  const std::size_t before = f.ended.size();
  ASSERT_TRUE(f.WaitForCycles(before + 2));
  EXPECT_EQ(f.ended[before + 1].result, Result::Success);
}

}  // namespace
