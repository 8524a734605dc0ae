// The contact machine end to end: the program's serial channel on a real
// pseudo-terminal, the simulated tuner on the other side.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/ResultCodes.h"

namespace {

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
    EXPECT_EQ(f.Model().McuVersion.Get(), 105);
    EXPECT_EQ(f.Model().SerialNumber.Get(), 1234);
    EXPECT_EQ(f.Model().Device.Get(), DeviceZU6400);
    EXPECT_EQ(f.Model().GetBitRate(), speed);
    // Five unanswered polls at every faster speed, then the one that is answered.
    const int slower = speed == 38400 ? 0 : speed == 19200 ? 1 : speed == 9600 ? 2 : 3;
    EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact ZU6400"), slower + 1);
    EXPECT_EQ(f.Recorder().CountLinesContaining(QString("Connected to ZU6400 on %1 at %2 bit/s").arg(f.SimPort()).arg(speed)), 1);
    EXPECT_EQ(f.Sim().IgnoredBytes(), static_cast<unsigned>(5 * slower)) << "five unanswered polls per faster speed";
    EXPECT_EQ(Polls(f.Sim().Received()), 1);
  }
}

TEST(ContactMachine, LogsOpeningAndSearchLinesInOrder) {
  ModelFixture f;
  ASSERT_TRUE(f.ContactAndWait());
  const QStringList lines = f.Recorder().LogLines();
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines[0], "Opening serial port " + f.SimPort());
  EXPECT_EQ(lines[1], "Serial port " + f.SimPort() + " is open");
  EXPECT_EQ(lines[2], "Attempting to contact ZU6400 on " + f.SimPort() + " at 38400 bit/s");
  EXPECT_EQ(lines[3], "Connected to ZU6400 on " + f.SimPort() + " at 38400 bit/s");
  EXPECT_EQ(f.Model().GetStatusText(), "ZU6400 MCU version 01.05 on " + f.SimPort() + " at 38400 bit/s");
}

}  // namespace

namespace {

TEST(ContactMachine, FixedSpeedSearchesOnlyThatSpeed) {
  SimOptions options;
  options.speed = 9600;
  ModelFixture f(options);
  f.Model().FixedSerialSpeed.Set(9600);
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact"), 1);
  EXPECT_EQ(f.Recorder().CountLinesContaining("at 9600 bit/s"), 2);
  EXPECT_EQ(f.Sim().IgnoredBytes(), 0u) << "nothing was sent at any other speed";
}

TEST(ContactMachine, FixedSpeedAboveTheSearchStartsAt38400AndAFixedPassGivesUp) {
  const CTimeScaleScope faster(kSearchTime);
  ModelFixture f;
  f.Model().FixedSerialSpeed.Set(57600);
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

// A hand-edited setting between the search speeds: the port could never take
// it, and a pass waiting to come back to it would poll for ever.
TEST(ContactMachine, FixedSpeedBetweenSearchSpeedsStartsAtTheNextOneAndAPassGivesUp) {
  const CTimeScaleScope faster(kSearchTime);
  ModelFixture f;
  f.Model().FixedSerialSpeed.Set(14400);
  f.Sim().SetSilent(true);
  ASSERT_EQ(f.Model().OpenPort(f.SimPort()), 0u);
  f.Model().ContactMachine->StartAtFindSpeed();
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 3000));
  EXPECT_EQ(f.LastResult(), Result::NoResponseAfterReset);
  EXPECT_EQ(f.Model().GetBitRate(), 19200u);
  EXPECT_EQ(f.Sim().IgnoredBytes(), 5u) << "five polls at 19200 bit/s, which the tuner does not use";
}

TEST(ContactMachine, OnePassSearchCoversAllFourSpeeds) {
  const CTimeScaleScope fast(kFastTime);
  ModelFixture f;
  f.Sim().SetSilent(true);
  ASSERT_EQ(f.Model().OpenPort(f.SimPort()), 0u);
  f.Model().ContactMachine->StartAtFindSpeed();
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 5000));
  EXPECT_EQ(f.LastResult(), Result::NoResponseAfterReset);
  for (unsigned speed : {38400u, 19200u, 9600u, 4800u})
    EXPECT_EQ(f.Recorder().CountLinesContaining(QString("at %1 bit/s").arg(speed)), 1) << speed;
  EXPECT_EQ(f.Model().GetBitRate(), 38400u) << "back at the start speed";
}

TEST(ContactMachine, EndlessSearchKeepsPollingMoreSlowly) {
  ModelFixture f;
  f.Sim().SetSilent(true);
  f.Model().ContactMachine->StartAtOpenPort();
  // The first pass takes about 2 s; the second polls every 150 ms.
  WaitFor([] { return false; }, 3200);
  EXPECT_FALSE(f.Finished());
  EXPECT_FALSE(f.Model().ContactMachine->IsIdle());
  EXPECT_EQ(f.Recorder().CountLinesContaining("at 38400 bit/s"), 2) << "the search started over";
  // Restarting the machine ends the search and connects when the tuner answers.
  f.Sim().SetSilent(false);
  ASSERT_TRUE(WaitFor([&] { return f.Finished(); }, 3000));
  EXPECT_EQ(f.LastResult(), 0u);
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
  bool boxed = false;
  for (const auto& e : f.Recorder().events)
    if (e.message == Msg::MessageBox) {
      boxed = true;
      EXPECT_EQ(e.title, "Unexpected Device");
      EXPECT_EQ(e.text, "Connected device does not appear to be an Corvanta ZU6400");
    }
  EXPECT_TRUE(boxed);
  EXPECT_TRUE(f.Recorder().LogLines().contains("Connected device does not appear to be an Corvanta ZU6400"));
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

TEST(ContactMachine, MissingIdentifyReplyIsAnUnexpectedDeviceAfterEightSends) {
  ModelFixture f;
  f.Sim().OverrideReply("I;", "");
  ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
  EXPECT_EQ(f.LastResult(), Result::UnexpectedDevice);
  EXPECT_EQ(f.Sim().Received().count("I;"), 8);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
  EXPECT_EQ(f.Model().Device.Get(), DeviceNone);
}

TEST(ContactMachine, MalformedVersionAndLargeSerialNumberFail) {
  {
    ModelFixture f;
    f.Sim().OverrideReply("rv;", "RV1.23;");
    ASSERT_TRUE(f.ContactAndWaitFasterAfterSearch(kAnsweredTime));
    EXPECT_EQ(f.LastResult(), Result::NoResponseFirmwareVersion);
    EXPECT_EQ(f.Sim().Received().count("rv;"), 8);
    EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusNone);
    EXPECT_EQ(f.Recorder().CountLinesContaining("Contact failed 0xe200000d No response to firmware version (RV)"), 1);
  }
  {
    ModelFixture f;
    f.Sim().OverrideReply("sn;", "SN70000;");
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
  f.Model().Port.Set("/dev/zu6400-missing");
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), Result::FileNotFound);
  EXPECT_EQ(f.Recorder().LogLines(),
            QStringList({"Opening serial port /dev/zu6400-missing",
                         "Unable to open serial port \"/dev/zu6400-missing\". Error 0x00000002: "
                         "The system cannot find the file specified."}));
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader) << "unchanged by a failed open";
  EXPECT_EQ(f.Model().PortState.Get(), -1);
}

TEST(ContactMachine, OpenPortIsNotOpenedAgain) {
  ModelFixture f;
  ASSERT_TRUE(f.ContactAndWait());
  f.Recorder().Clear();
  ASSERT_TRUE(f.ContactAndWait());
  EXPECT_EQ(f.LastResult(), 0u);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Opening serial port"), 0);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Attempting to contact"), 1);
}

}  // namespace
