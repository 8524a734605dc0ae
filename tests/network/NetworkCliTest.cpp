// zu6400ctl on a network serial port: a real ser2net serving a zu6400-sim
// process, as an operator reaches a tuner at the station.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/CtlRunner.h"
#include "tests/support/Ser2NetServer.h"
#include "tests/support/TestSupport.h"

namespace {

// The jobs through the station are the network port's own tests; here the
// front end takes the station's name and reaches the tuner through it.
TEST(NetworkCli, FindsTheTunerThroughSer2Net) {
  QTemporaryDir home;
  // Real time: ser2net's own waits do not follow the programs' clock.
  CSimulatorProcess sim({}, 1);
  ASSERT_FALSE(sim.Port().isEmpty());
  CSer2Net station(sim.Port());
  ASSERT_TRUE(station.Start());
  const CtlRun r = RunCtl({"contact", "--port", station.PortName()}, home.path(), 1);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.endsWith("port: " + station.PortName() + "\nspeed: 38400\n")) << r.out.toStdString();
  EXPECT_TRUE(r.err.contains("Connected to ZU6400 on " + station.PortName() + " at 38400 bit/s"));
}

}  // namespace
