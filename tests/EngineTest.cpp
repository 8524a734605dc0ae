// The state engine with a small probe machine built from the templates,
// talking to the simulated tuner through a pseudo-terminal.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <functional>
#include <optional>

#include "TestSupport.h"
#include "engine/CommandStates.h"
#include "engine/StateHost.h"
#include "model/ActiveMachineScope.h"

namespace {

class CProbeMachine;
using Parser = std::function<bool(CProbeMachine&, const QString& prefix)>;

// Sends its command (with retries) and judges the reply with a chosen parser.
class CProbeState : public CCommandResponseRetryState<CProbeMachine> {
 public:
  CProbeState(CProbeMachine& owner, CState<CProbeMachine>* next)
      : CCommandResponseRetryState(owner, "Probe", next, Result::NoResponseFirmwareVersion, QStringLiteral("rv;")) {}
  bool ParseReply() override;
  Parser parser;
};

class CProbeMachine : public CStateHost<CProbeMachine> {
 public:
  explicit CProbeMachine(CModelBase& model)
      : CStateHost(model),
        probe(*this, &Final()),
        quiet(*this, "Quiet", &probe, QString(), 10000),
        wait(*this, "Wait", nullptr, 50) {}
  void OnFinished() override {
    if (recontact)
      FinishAndRecontact();
    else
      CStateHostBase::OnFinished();
  }
  bool Run(CState<CProbeMachine>& from, ModelFixture& f, int timeoutMs = 6000) {
    const int before = f.Recorder().Count(Msg::MachineFinished);
    Start(from);
    return WaitFor([&] { return f.Recorder().Count(Msg::MachineFinished) > before; }, timeoutMs);
  }
  CProbeState probe;
  CCommandDelayState<CProbeMachine> quiet;
  CDelayState<CProbeMachine> wait;
  bool recontact = false;
};

bool CProbeState::ParseReply() { return parser ? parser(Owner(), Prefix()) : true; }

// A probe on a connected simulated tuner.
class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(f.ContactAndWait());
    active.emplace(f.Model(), machine);
    f.Sim().ClearReceived();
    f.Recorder().Clear();
  }
  ModelFixture f;
  CProbeMachine machine{f.Model()};
  std::optional<CActiveMachineScope> active;
};

TEST_F(Engine, ReplyInTwoPiecesCompletesOnTheSecondWithElapsedTimeFromTheSend) {
  f.Model().Trace.Set(1);
  machine.SetStatusWindow(&f.Recorder());
  f.Model().McuVersion.Set(0);
  f.Sim().SetSplitReplies(true);
  machine.probe.parser = [](CProbeMachine& m, const QString& p) { return m.ParseVersion(p); };
  ASSERT_TRUE(machine.Run(machine.probe, f));
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Model().McuVersion.Get(), 105);
  const QStringList trace = f.Recorder().Lines(Msg::StateText);
  ASSERT_EQ(trace.size(), 2);
  EXPECT_EQ(trace[0], "Probe send rv;");
  ASSERT_TRUE(trace[1].startsWith("Probe response RV01.05; ")) << trace[1].toStdString();
  const int elapsed = trace[1].section(QRegularExpression("\\s+"), 3, 3).toInt();
  EXPECT_GE(elapsed, 25) << "elapsed runs from the send, past the 30 ms split";
}

TEST_F(Engine, TwoQueuedRepliesAreTakenOneAtATime) {
  f.Sim().OverrideReply("rv;", "RV01.07;RV02.06;");
  machine.probe.parser = [](CProbeMachine& m, const QString& p) { return m.ParseVersion(p); };
  ASSERT_TRUE(machine.Run(machine.probe, f));
  EXPECT_EQ(f.Model().McuVersion.Get(), 107) << "the first reply is the one dispatched";
  // The second reply was offered again once the machine was idle: it goes to
  // the notify window (the page shown), and its bytes are still there to read.
  EXPECT_GE(f.Recorder().Count(Msg::CommEvent), 1);
  QByteArray rest;
  char byte;
  bool got = false;
  while (f.Model().Channel->ReadByte(byte, got) && got) rest += byte;
  EXPECT_EQ(rest, "RV02.06;");
}

TEST_F(Engine, RetryingStateSucceedsOnItsEighthSendAndGivesUpAfterIt) {
  const CTimeScaleScope fast(kAnsweredTime);
  f.Sim().DropReplies(7);
  ASSERT_TRUE(machine.Run(machine.probe, f, 8000));
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Sim().Received().count("rv;"), 8);

  f.Sim().ClearReceived();
  f.Sim().DropReplies(8);
  ASSERT_TRUE(machine.Run(machine.probe, f, 8000));
  EXPECT_EQ(f.LastResult(), Result::NoResponseFirmwareVersion);
  EXPECT_EQ(f.Sim().Received().count("rv;"), 8);
}

TEST_F(Engine, CancelStopsARunAtItsNextSend) {
  EXPECT_FALSE(machine.Cancel()) << "an idle machine has nothing to cancel";
  const CTimeScaleScope fast(kFastTime);
  f.Sim().SetSilent(true);
  machine.Start(machine.probe);
  EXPECT_TRUE(machine.Cancel());
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 2000));
  EXPECT_EQ(f.LastResult(), Result::Cancelled);
  EXPECT_EQ(f.Sim().Received(), "rv;") << "the resend found the cancel and stopped";
}

TEST_F(Engine, BusyMachineRefusesAJobStart) {
  machine.Start(machine.wait);
  EXPECT_FALSE(machine.StartIfIdle(machine.probe));
  EXPECT_EQ(GetLastError(), Result::BusyStateMachine);
  EXPECT_EQ(machine.Current(), &machine.wait) << "the running machine is not disturbed";
}

TEST_F(Engine, StateTransitions) {
  // A command state without a command goes on at once.
  machine.quiet.SetNextState(&machine.wait);
  machine.Start(machine.quiet);
  EXPECT_EQ(machine.Current(), &machine.wait);
  // Next without a next state leaves the machine running where it is.
  machine.wait.Next();
  EXPECT_EQ(machine.Current(), &machine.wait);
  EXPECT_FALSE(machine.IsIdle());
  // A failure recorded first is kept by Finish(0), which then ends the run.
  machine.SetResult(Result::NoResponseAfterReset);
  machine.probe.Finish(0);
  EXPECT_TRUE(machine.IsIdle());
  EXPECT_EQ(f.LastResult(), Result::NoResponseAfterReset);
  // Fail always overwrites.
  machine.Start(machine.wait);
  machine.SetResult(Result::Cancelled);
  machine.wait.Fail(Result::NoResponseSwr);
  EXPECT_EQ(f.LastResult(), Result::NoResponseSwr);
}

// The parser judges the reply: one it refuses is not the state's answer, so
// the state waits on to its time-out and gives up with its code, keeping the
// value it had; one it accepts is stored at once.
TEST_F(Engine, RefusedReplyLeavesTheStateWaitingUntilItsTimeOut) {
  CObservable<unsigned char, 1> band;
  machine.probe.parser = [&](CProbeMachine& m, const QString&) { return m.ParseNumber8(QStringLiteral("BN"), band); };
  machine.SetRetryLimit(1);
  f.Sim().OverrideReply("rv;", "BN10;");
  ASSERT_TRUE(machine.Run(machine.probe, f));
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(band.Get(), 10);

  const CTimeScaleScope fast(kFastTime);
  f.Sim().OverrideReply("rv;", "BN256;");
  const std::uint32_t start = TickCount();
  ASSERT_TRUE(machine.Run(machine.probe, f));
  EXPECT_EQ(f.LastResult(), Result::NoResponseFirmwareVersion);
  EXPECT_GE(TickCount() - start, 500u) << "the whole time-out of the one send";
  EXPECT_EQ(band.Get(), 10) << "a number above 255 is refused, not stored";
}

TEST_F(Engine, FinishAndRecontactHandsOverToTheContactSearch) {
  machine.recontact = true;
  machine.Start(machine.probe);
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 5000));
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Model().ActiveMachine, nullptr);
  EXPECT_EQ(f.Recorder().Count(Msg::MachineFinished), 1) << "only the contact run reports its end";
  EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Opening serial port"), 0) << "the search starts without reopening";

  // A failed job reports itself and leaves the firmware status unknown.
  const CTimeScaleScope fast(kFastTime);
  f.Recorder().Clear();
  f.Model().ActiveMachine = &machine;
  machine.SetRetryLimit(1);
  f.Sim().SetSilent(true);
  machine.Start(machine.probe);
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 3000));
  EXPECT_EQ(f.LastResult(), Result::NoResponseFirmwareVersion);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact"), 0);
}

}  // namespace
