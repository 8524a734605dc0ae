// The state engine: its clock on the time scale, the reply scanners over
// reply texts, and a small probe machine built from the templates, talking
// to the simulated tuner through a pseudo-terminal.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QThread>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "tests/support/TestSupport.h"
#include "engine/CommandStates.h"
#include "engine/ReplyScanner.h"
#include "engine/StateHost.h"
#include "model/ActiveMachineScope.h"

namespace {

// The clock keeps the pace of the waits, which tests raise, so that a
// time-out measures as the milliseconds it stands for, and never runs back
// when the pace changes, or a time-out running across the change would read
// as weeks.
TEST(TimeScale, EngineClockKeepsThePaceOfTheWaitsAndNeverRunsBack) {
  const std::uint32_t start = TickCount();
  std::uint32_t fastEnd = 0;
  {
    const CTimeScaleScope fast(10);
    EXPECT_EQ(CTimeScale::RealMs(1), 1u) << "a wait is never cut to none";
    QThread::msleep(20);
    fastEnd = TickCount();
    EXPECT_GE(fastEnd - start, 200u) << "20 ms at ten times the pace";
  }
  EXPECT_GE(TickCount(), fastEnd) << "back at real time the clock goes on from where it was";
}

// The reply scanners: which forms each accepts or refuses (echoed queries
// and values not wholly of their form included), and the value it reads. A
// refused reply must leave the output as it was, or a state would store half
// a value.
template <class V>
struct ScanCase {
  const char* reply;
  bool accepted;
  V value{};
};

// Scans each reply into an output that starts as untouched.
template <class V, class Scan>
void ExpectScans(const std::vector<ScanCase<V>>& cases, const V& untouched, Scan scan) {
  for (const ScanCase<V>& c : cases) {
    SCOPED_TRACE(c.reply);
    V v = untouched;
    EXPECT_EQ(scan(QString::fromLatin1(c.reply), v), c.accepted);
    EXPECT_EQ(v, c.accepted ? c.value : untouched);
  }
}

TEST(ReplyScanner, ValuesFollowThePrefixInAnyCaseWhollyOfTheirFormAndWithinTheirLimits) {
  ExpectScans<int>({{"PS1;", true, 1}, {"ps0;", true, 0}, {"PS2;", false}, {"AN1;", false}}, -1,
                   [](const QString& r, int& v) { return ReplyScanner::ScanFlag(r, u"PS", v); });
  ExpectScans<QChar>({{"MDM;", true, u'M'}, {"MDMA;", false}}, u'?',
                     [](const QString& r, QChar& v) { return ReplyScanner::ScanChar(r, u"MD", v); });
  ExpectScans<QString>({{"TS  tuned;;", true, "tuned"}, {"ts;", true, ""}, {"T;", false}}, "untouched",
                       [](const QString& r, QString& v) { return ReplyScanner::ScanText(r, u"TS", v); });
  ExpectScans<unsigned>({{"SN70000;", false}, {"SN65535;", true, 65535}, {"sn;", false},
                         {"SN99999999999999999999;", false}, {"SN1420Z;", false}, {"SN14200", false}},
                        7, [](const QString& r, unsigned& v) { return ReplyScanner::ScanNumber(r, u"SN", 0xFFFF, v); });
  using Range = std::pair<unsigned, unsigned>;
  ExpectScans<Range>({{"FY1800-2000;", true, {1800, 2000}}, {"FY1800;", false}, {"FY1800-70000;", false}}, {7, 7},
                     [](const QString& r, Range& v) { return ReplyScanner::ScanRange(r, u"FY", v.first, v.second); });
  ExpectScans<std::uint8_t>({{"C0a;", true, 0x0A}, {"CG1;", false}, {"C0a1;", false}}, 7,
                            [](const QString& r, std::uint8_t& v) { return ReplyScanner::ScanHexByte(r, u"C", v); });
  // A version is two digits, a point and two digits.
  ExpectScans<unsigned short>(
      {{"rv01.06;", true, 106}, {"rv;", false}, {"RV01.06", false}}, 7,
      [](const QString& r, unsigned short& v) { return ReplyScanner::ScanVersion(r, u"RV", v); });
}

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
        wait(*this, "Wait", nullptr, 50) {}
  void OnFinished() override {
    if (recontact)
      FinishAndRecontact();
    else
      CStateHostBase::OnFinished();
  }
  ResultCode Run(CState<CProbeMachine>& from, ModelFixture& f) {
    return f.RunJob([&] {
      Start(from);
      return true;
    });
  }
  CProbeState probe;
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

// A reply in two pieces completes on the second, its elapsed time counted
// from the send; of two queued replies the first is dispatched, and the
// second is offered again once the machine is idle: it goes to the notify
// window (the page shown), and its bytes are still there to read.
TEST_F(Engine, RepliesAreTakenWholeAndOneAtATime) {
  f.Model().Trace.Set(1);
  machine.SetStatusWindow(&f.Recorder());
  f.Model().McuVersion.Set(0);  // the contact read it
  f.Sim().SetSplitReplies(true);
  machine.probe.parser = [](CProbeMachine& m, const QString& p) { return m.ParseVersion(p); };
  ASSERT_EQ(machine.Run(machine.probe, f), 0u);
  EXPECT_EQ(f.Model().McuVersion.Get(), 105);
  const QStringList trace = f.Recorder().Lines(Msg::StateText);
  ASSERT_EQ(trace.size(), 2);
  ASSERT_TRUE(trace[1].startsWith("Probe response RV01.05; ")) << trace[1].toStdString();
  const int elapsed = trace[1].section(QRegularExpression("\\s+"), 3, 3).toInt();
  EXPECT_GE(elapsed, 25) << "elapsed runs from the send, past the 30 ms split";

  f.Sim().SetSplitReplies(false);
  f.Sim().OverrideReply("rv;", "RV01.07;RV02.06;");
  ASSERT_EQ(machine.Run(machine.probe, f), 0u);
  EXPECT_EQ(f.Model().McuVersion.Get(), 107);
  EXPECT_GE(f.Recorder().Count(Msg::CommEvent), 1);
  QByteArray rest;
  char byte;
  bool got = false;
  while (f.Model().Channel->ReadByte(byte, got) && got) rest += byte;
  EXPECT_EQ(rest, "RV02.06;");
}

// Eight sends by default, then the state gives up; the last send's answer
// still counts.
TEST_F(Engine, RetryingStateGivesUpAfterItsEighthSendAndTakesTheLastOnesAnswer) {
  {
    const CTimeScaleScope idle(kIdleTime);
    f.Sim().DropReplies(8);
    EXPECT_EQ(machine.Run(machine.probe, f), Result::NoResponseFirmwareVersion);
    EXPECT_EQ(f.Sim().Received().count("rv;"), 8);
  }
  const CTimeScaleScope answered(kAnsweredTime);
  f.Sim().ClearReceived();
  machine.SetRetryLimit(2);
  f.Sim().DropReplies(1);
  ASSERT_EQ(machine.Run(machine.probe, f), 0u);
  EXPECT_EQ(f.Sim().Received().count("rv;"), 2);
}

TEST_F(Engine, CancelStopsARunAtItsNextSend) {
  EXPECT_FALSE(machine.Cancel()) << "an idle machine has nothing to cancel";
  const CTimeScaleScope idle(kIdleTime);
  f.Sim().SetSilent(true);
  machine.Start(machine.probe);
  EXPECT_TRUE(machine.Cancel());
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 20000));
  EXPECT_EQ(f.LastResult(), Result::Cancelled);
  EXPECT_EQ(f.Sim().Received(), "rv;") << "the resend found the cancel and stopped";
}

// A failure recorded first is kept by Finish(0), which then ends the run;
// Fail always overwrites.
TEST_F(Engine, FinishKeepsAnEarlierFailureAndFailOverwritesIt) {
  machine.Start(machine.wait);
  machine.SetResult(Result::NoResponseAfterReset);
  machine.wait.Finish(0);
  EXPECT_EQ(f.LastResult(), Result::NoResponseAfterReset);
  machine.Start(machine.wait);
  machine.SetResult(Result::Cancelled);
  machine.wait.Fail(Result::NoResponseSwr);
  EXPECT_EQ(f.LastResult(), Result::NoResponseSwr);
}

// (A failed job reports its own end instead: the loader's failures show it.)
TEST_F(Engine, FinishAndRecontactHandsOverToTheContactSearch) {
  machine.recontact = true;
  EXPECT_EQ(machine.Run(machine.probe, f), 0u);
  EXPECT_EQ(f.Model().ActiveMachine, nullptr);
  EXPECT_EQ(f.Recorder().Count(Msg::MachineFinished), 1) << "only the contact run reports its end";
  EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Opening serial port"), 0) << "the search starts without reopening";
}

}  // namespace
