// The contact machine end to end: the program's serial channel on a real
// pseudo-terminal, the simulated tuner on the other side.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/ResultCodes.h"

namespace {

int Polls(const QByteArray& received) { return static_cast<int>(received.count(";") - received.count("I;") - received.count("rv;") - received.count("sn;")); }

TEST(ContactMachine, FindsTunerAtEachSpeedInAutomaticMode) {
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
    EXPECT_GE(f.Sim().IgnoredBytes(), static_cast<unsigned>(5 * slower));
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
