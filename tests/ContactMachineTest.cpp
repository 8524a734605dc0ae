// The contact machine end to end: the program's serial channel on a real
// pseudo-terminal, the simulated tuner on the other side.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestSupport.h"
#include "base/ResultCodes.h"

namespace {

constexpr int kPollsPerSpeed = 5;

int Polls(const QByteArray& received) { return static_cast<int>(received.count(";") - received.count("I;") - received.count("rv;") - received.count("sn;")); }

TEST(ContactMachine, FindsTunerAtEachSpeedInAutomaticMode) {
  const CTimeScaleScope faster(kSearchTime);
  for (unsigned speed : {38400u, 19200u, 9600u, 4800u}) {
    SCOPED_TRACE(speed);
    SimOptions options;
    options.speed = speed;
    ModelFixture f(options);
    ASSERT_TRUE(f.ContactAndWait());
    EXPECT_EQ(f.LastResult(), 0u);
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);
    EXPECT_EQ(f.Model().SerialNumber.Get(), 1234);
    EXPECT_EQ(f.Model().GetBitRate(), speed);
    // Five unanswered polls at every faster speed, then the one that is answered.
    const int slower = speed == 38400 ? 0 : speed == 19200 ? 1 : speed == 9600 ? 2 : 3;
    EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact ZU6400"), slower + 1);
    EXPECT_EQ(f.Recorder().CountLinesContaining(QString("Connected to ZU6400 on %1 at %2 bit/s").arg(f.SimPort()).arg(speed)), 1);
    EXPECT_EQ(f.Sim().IgnoredBytes(), static_cast<unsigned>(5 * slower)) << "five unanswered polls per faster speed";
    EXPECT_EQ(Polls(f.Sim().Received()), 1);
  }
}

TEST(ContactMachine, FixedSpeedSearchesOnlyThatSpeed) {
  SimOptions options;
  options.speed = 9600;
  ModelFixture f(options);
  f.Model().Run.fixedSpeed = 9600;
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("at 9600 bit/s"), 2);
  EXPECT_EQ(f.Sim().IgnoredBytes(), 0u) << "nothing was sent at any other speed";
}

TEST(ContactMachine, FixedSpeedAboveTheSearchStartsAt38400AndAFixedPassGivesUp) {
  const CTimeScaleScope faster(kSearchTime);
  ModelFixture f;
  f.Model().Run.fixedSpeed = 57600;
  f.Sim().SetSilent(true);
  ASSERT_EQ(f.Model().OpenPort(f.SimPort()), 0u);
  f.Model().ContactMachine->StartAtFindSpeed();  // the one-pass search a reset job uses
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 3000));
  EXPECT_EQ(f.LastResult(), Result::NoResponseAfterReset);
  EXPECT_EQ(f.Model().GetBitRate(), 38400u);
  EXPECT_EQ(f.Sim().Received(), ";;;;;") << "five polls at the one speed";
  EXPECT_EQ(f.Recorder().CountLinesContaining("Contact failed 0xe2000045 No response after reset"), 1);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

// The median gap in ms from each of polls first to last - 1 to the poll after
// it, as the simulator received them. Gaps across a change of speed (after
// every fifth poll of a pass) hold settling pauses and are left out.
double MedianPollGap(const QList<double>& times, int first, int last) {
  std::vector<double> gaps;
  for (int i = first; i < last && i + 1 < times.size(); ++i)
    if (i % kPollsPerSpeed != kPollsPerSpeed - 1) gaps.push_back(times[i + 1] - times[i]);
  if (gaps.empty()) return 0;
  std::sort(gaps.begin(), gaps.end());
  const std::size_t mid = gaps.size() / 2;
  return gaps.size() % 2 ? gaps[mid] : (gaps[mid - 1] + gaps[mid]) / 2;
}

// Runs the event loop at the given pace until the search has begun its pass
// (counted from 1; each pass starts at 38400 bit/s and logs its attempt).
bool RunToPass(ModelFixture& f, unsigned factor, int pass) {
  CTimeScale::SetFactor(factor);
  return WaitFor([&] { return f.Recorder().CountLinesContaining("at 38400 bit/s") >= pass; }, 5000);
}

// Expects the polls' median gap to be the interval it stands for at the
// current pace (the one they ran at): never shorter, and late by little.
void ExpectPollInterval(const QList<double>& times, int first, int last, unsigned intervalMs) {
  const double gap = MedianPollGap(times, first, last);
  const double expected = CTimeScale::RealMs(intervalMs);
  EXPECT_GE(gap, expected - 1) << intervalMs << " ms polls, polls " << first << " to " << last;
  EXPECT_LE(gap, expected * 1.2 + 2) << intervalMs << " ms polls, polls " << first << " to " << last;
}

// Each unanswered pass polls 1.5 times more slowly than the one before, up
// to one poll in 5 s, and the search never gives up. The simulator notes
// when each poll arrives; the waits run faster by a known factor.
TEST(ContactMachine, EndlessSearchKeepsPollingMoreSlowly) {
  constexpr int kPollsPerPass = 4 * kPollsPerSpeed;
  ModelFixture f;
  f.Sim().SetSilent(true);
  const CTimeScaleScope pace(10);
  f.Model().ContactMachine->StartAtOpenPort();
  ASSERT_TRUE(WaitFor([&] { return f.Sim().CommandTimes().size() >= 3 * kPollsPerPass; }, 5000));
  const QList<double> first = f.Sim().CommandTimes();
  ExpectPollInterval(first, 0, kPollsPerPass, 100);
  ExpectPollInterval(first, kPollsPerPass, 2 * kPollsPerPass, 150);
  ExpectPollInterval(first, 2 * kPollsPerPass, 3 * kPollsPerPass, 225);

  // Passes 4 to 11 (337 ms up to the 5 s cap) as fast as the timers go; the
  // twelfth, which one more step would take to 7.5 s, measured again.
  ASSERT_TRUE(RunToPass(f, 1000, 12));
  CTimeScale::SetFactor(100);
  const int twelfth = 11 * kPollsPerPass;  // its first two polls may come at the old pace
  ASSERT_TRUE(WaitFor([&] { return f.Sim().CommandTimes().size() >= twelfth + 8; }, 5000));
  ExpectPollInterval(f.Sim().CommandTimes(), twelfth + 2, twelfth + 8, 5000);
  EXPECT_FALSE(f.Finished());
  EXPECT_FALSE(f.Model().ContactMachine->IsIdle());

  // At the start of the next pass, at real time, the tuner answers: the
  // search ends connected.
  ASSERT_TRUE(RunToPass(f, 1000, 13));
  CTimeScale::SetFactor(1);
  f.Sim().SetSilent(false);
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 3000));
  EXPECT_EQ(f.LastResult(), 0u);
  const QString attempt = "Attempting to contact ZU6400 on " + f.SimPort() + " at 38400 bit/s";
  EXPECT_EQ(f.Recorder().CountLinesContaining(attempt), 13) << "answered in the pass it began";
}

TEST(ContactMachine, AnotherDeviceIsRefusedWithTheUnexpectedDeviceBox) {
  SimOptions options;
  options.identity = "ZP5100";
  ModelFixture f(options);
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::UnexpectedDevice);
  EXPECT_EQ(f.Model().Device.Get(), DeviceNone);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader) << "the table's status for that device";
  EXPECT_EQ(f.Recorder().CountLinesContaining("Contact failed 0xe200004e Unexpected device (not a ZU6400)"), 1);
  EXPECT_EQ(f.Recorder().Lines(Msg::MessageBox), QStringList{"Connected device does not appear to be a Corvanta ZU6400"});
  EXPECT_EQ(f.Model().PortState.Get(), 0) << "the port stays open";
}

TEST(ContactMachine, LoaderAnswerEndsAtOnceWithLoaderStatus) {
  SimOptions options;
  options.identity = "zu6400";
  ModelFixture f(options);
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
  EXPECT_EQ(f.Model().McuVersion.Get(), 0);
  EXPECT_EQ(f.Model().SerialNumber.Get(), 0xFFFF);
  EXPECT_EQ(f.Sim().Received(), ";I;") << "version and serial number are not read";
}

TEST(ContactMachine, MissingIdentifyReplyIsAnUnexpectedDevice) {
  ModelFixture f;
  f.Sim().OverrideReply("I;", "");
  ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
  EXPECT_EQ(f.LastResult(), Result::UnexpectedDevice);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
}

// A reply naming no device (a late answer to a poll, or a garbled one) is no
// answer to "I;": it is waited through, and "I;" is sent again.
TEST(ContactMachine, LateOrGarbledIdentifyRepliesAreNotTheAnswer) {
  ModelFixture f;
  f.Sim().SetReplyDelay(110);  // each poll's answer comes after the next poll went out
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  f.Sim().SetReplyDelay(0);
  f.Sim().GarbleReplies("i", 1);
  f.Sim().ClearReceived();
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Sim().Received().count("I;"), 2);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusRunning);
}

TEST(ContactMachine, MalformedVersionAndSerialNumberFail) {
  {
    ModelFixture f;
    f.Sim().OverrideReply("rv;", "RV1.23;");
    ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
    EXPECT_EQ(f.LastResult(), Result::NoResponseFirmwareVersion);
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
  }
  for (const QByteArray reply : {"SN70000;", "SN;"}) {  // too large; an echo is no number
    SCOPED_TRACE(reply.constData());
    ModelFixture f;
    f.Sim().OverrideReply("sn;", reply);
    ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
    EXPECT_EQ(f.LastResult(), Result::NoResponseSerialNumber);
    EXPECT_EQ(f.Sim().Received().count("sn;"), 1) << "one send only";
    EXPECT_EQ(f.Model().SerialNumber.Get(), 0xFFFF);
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
  }
}

TEST(ContactMachine, PortProblemsAreWordedForTheUser) {
  ModelFixture f(SimOptions{}, false);
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::SerialPortNameMissing);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Contact failed 0xe200000f Serial port name is missing"), 1);

  f.Recorder().Clear();
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
