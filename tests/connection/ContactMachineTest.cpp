// The contact machine end to end: the program's serial channel on a real
// pseudo-terminal, the simulated tuner on the other side.

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/TestSupport.h"
#include "base/ResultCodes.h"
#include "machines/connection/ContactStateMachine.h"

namespace {

constexpr int kPollsPerSpeed = 5;

// The slowest speed: every faster one is tried first (with five polls each,
// as the fixed pass below shows).
TEST(ContactMachine, FindsTheTunerAtTheSlowestSpeedAfterFivePollsAtEachFaster) {
  // The contact machine's status window hears of each attempt before its
  // polls go out: polls at speeds the tuner cannot hear run ten times faster,
  // those at its own speed at real time, so that its answer comes in time
  // however busy the machine.
  CPacer pacer({{" at 4800 bit/s", 1}, {"Attempting to contact", kFastTime}});
  SimOptions options;
  options.speed = 4800;
  ModelFixture f(options);
  dynamic_cast<CContactStateMachine&>(*f.Model().ContactMachine).SetStatusWindow(&pacer);
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Model().GetBitRate(), 4800u);
  const QString attempt = "Attempting to contact ZU6400 on " + f.SimPort() + " at %1 bit/s";
  const QStringList attempts = f.Recorder().LogLines().filter("Attempting to contact");
  EXPECT_EQ(attempts, QStringList({attempt.arg(38400), attempt.arg(19200), attempt.arg(9600), attempt.arg(4800)}));
}

TEST(ContactMachine, FixedSpeedAboveTheSearchStartsAt38400AndAFixedPassGivesUp) {
  const CTimeScaleScope idle(kIdleTime);  // nothing answers
  ModelFixture f;
  f.Model().Run.fixedSpeed = 57600;
  f.Sim().SetSilent(true);
  ASSERT_EQ(f.Model().OpenPort(f.SimPort()), 0u);
  f.Model().ContactMachine->StartAtFindSpeed();  // the one-pass search a reset job uses
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 20000));
  EXPECT_EQ(f.LastResult(), Result::NoResponseAfterReset);
  EXPECT_EQ(f.Sim().Received(), ";;;;;") << "five polls at 38400 bit/s, the tuner's";
  EXPECT_EQ(f.Recorder().CountLinesContaining("Contact failed 0xe2000045 No response after reset"), 1);
}

// Stands in for the contact machine's status window: notes the interval of
// each poll as the search sends it (the trace of a send comes before its
// timer starts with that interval).
struct CPollIntervals : QObject {
  explicit CPollIntervals(CContactStateMachine& machine) : machine(machine) {}
  void customEvent(QEvent* event) override {
    if (event->type() != CModelEvent::EventType() || !static_cast<CModelEvent*>(event)->Text.endsWith(" send ;"))
      return;
    if (const auto* state = dynamic_cast<CDelayState<CContactStateMachine>*>(machine.Current()))
      ms.push_back(state->Delay());
  }
  CContactStateMachine& machine;
  std::vector<unsigned> ms;
};

// Each unanswered pass polls 1.5 times more slowly than the one before, up
// to one poll in 5 s, and the search never gives up; the waits run as fast
// as the timers go. (That an answer ends it shows where the tuner is found.)
TEST(ContactMachine, EndlessSearchKeepsPollingMoreSlowly) {
  ModelFixture f;
  f.Sim().SetSilent(true);
  auto& machine = dynamic_cast<CContactStateMachine&>(*f.Model().ContactMachine);
  CPollIntervals polls(machine);
  f.Model().Trace.Set(1);
  machine.SetStatusWindow(&polls);
  const CTimeScaleScope pace(5000);
  machine.StartAtOpenPort();
  const unsigned passes[] = {100, 150, 225, 337, 505, 757, 1135, 1702, 2553, 3829, 5000, 5000};
  std::vector<unsigned> expected;
  for (const unsigned interval : passes) expected.insert(expected.end(), 4 * kPollsPerSpeed, interval);
  ASSERT_TRUE(WaitFor([&] { return polls.ms.size() >= expected.size(); }, 60000));
  EXPECT_EQ(std::vector<unsigned>(polls.ms.begin(), polls.ms.begin() + expected.size()), expected);
  EXPECT_FALSE(f.Finished());
  machine.SetStatusWindow(nullptr);
}

// The identity decides: another device is refused with a box and the port
// stays open, the tuner's loader ends the contact at once, and a tuner that
// does not answer "I;" is no device.
TEST(ContactMachine, AnotherDeviceOrNoIdentityIsRefusedAndTheLoaderEndsAtOnce) {
  SimOptions options;
  options.identity = "ZP5100";
  ModelFixture f(options);
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::UnexpectedDevice);
  EXPECT_EQ(f.Model().Device.Get(), DeviceNone);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader) << "the table's status for that device";
  EXPECT_EQ(f.Recorder().Lines(Msg::MessageBox),
            QStringList{"Connected device does not appear to be a Corvanta ZU6400"});
  EXPECT_EQ(f.Model().PortState.Get(), 0);

  f.Sim().SetIdentity(QStringLiteral("zu6400"));
  f.Sim().ClearReceived();
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
  EXPECT_EQ(f.Sim().Received(), ";I;") << "version and serial number are not read";

  f.Sim().OverrideReply("I;", "");
  f.Sim().ClearReceived();
  ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kIdleTime));
  EXPECT_EQ(f.LastResult(), Result::UnexpectedDevice);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

// A reply naming no device (a late answer to a poll, or a garbled one) is no
// answer to "I;": it is waited through, and "I;" is sent again. A malformed
// serial number fails at once. (A malformed version is refused by its
// scanner as every other reply is.)
TEST(ContactMachine, GarbledIdentifyRepliesAreNotTheAnswerAndAMalformedSerialNumberFails) {
  ModelFixture f;
  f.Sim().GarbleReplies("i", 1);
  ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Sim().Received().count("I;"), 2);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);

  f.Sim().OverrideReply("sn;", "SN70000;");  // too large for the 16 bits of a serial number
  f.Sim().ClearReceived();
  ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
  EXPECT_EQ(f.LastResult(), Result::NoResponseSerialNumber);
  EXPECT_EQ(f.Sim().Received().count("sn;"), 1) << "one send only";
}

TEST(ContactMachine, PortThatCannotBeOpenedIsWordedForTheUser) {
  ModelFixture f(SimOptions{}, false);
  f.Model().FirmwareStatus.Set(FirmwareStatusLoader);
  f.Model().Run.port = "/dev/zu6400-missing";
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::FileNotFound);
  EXPECT_EQ(f.Recorder().LogLines(),
            QStringList({"Opening serial port /dev/zu6400-missing",
                         "Unable to open serial port \"/dev/zu6400-missing\". Error 0x00000002: "
                         "The system cannot find the file specified."}));
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader) << "unchanged by a failed open";
  EXPECT_EQ(f.Model().PortState.Get(), -1);
}

}  // namespace
