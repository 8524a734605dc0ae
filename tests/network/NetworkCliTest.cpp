// zu6400ctl on a network serial port: a real ser2net serving a zu6400-sim
// process, as an operator reaches a tuner at the station.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/CtlRunner.h"
#include "tests/support/Ser2NetServer.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(NetworkCli, SavesThroughSer2Net) {
  QTemporaryDir home;
  // Real time: ser2net's own waits do not follow the programs' clock.
  CSimulatorProcess sim({"--speed", "19200"}, 1);
  ASSERT_FALSE(sim.Port().isEmpty());
  CSer2Net station(sim.Port());
  ASSERT_TRUE(station.Start());
  const QString file = home.filePath(QStringLiteral("station.ZU6400Config"));
  const CtlRun saved = RunCtl({"save", file, "--port", station.PortName()}, home.path(), 1);
  ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
  EXPECT_EQ(saved.out, "saved: " + file + u'\n');
  EXPECT_TRUE(saved.err.contains("Connected to ZU6400 on " + station.PortName() + " at 19200 bit/s"));
}

}  // namespace
