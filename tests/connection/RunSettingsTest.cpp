// A run's own settings: what the front ends are told for one run (a port, a
// speed, the simulated tuner) is used and never saved.

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

#include "tests/support/CtlRunner.h"
#include "tests/support/UiTestSupport.h"
#include "app/UtilityProgram.h"

namespace {

// zu6400ctl over a settings file a desktop user left: another port and a
// fixed speed the tuner does not use.
TEST(RunSettingsCli, OptionsAndTheSimulatedTunerHoldForTheRunAndLeaveTheFileAlone) {
  QTemporaryDir config;
  const QString file = config.path() + "/Corvanta/ZU6400 Utility.conf";
  {
    QSettings saved(file, QSettings::IniFormat);
    saved.setValue("Port", "/dev/ttyUSB7");
    saved.setValue("FixedSerialSpeed", 19200);
  }
  const QByteArray before = FileBytes(file);
  ASSERT_FALSE(before.isEmpty());
  CSimulatorProcess sim({"--speed", "9600"});
  ASSERT_FALSE(sim.Port().isEmpty());
  // The saved fixed speed would never reach the simulated tuner.
  const std::pair<QStringList, const char*> runs[] = {
      {{"--simulate", "contact"}, "speed: 38400\n"},
      {{"contact", "--port", sim.Port(), "--speed", "9600"}, "speed: 9600\n"},
  };
  for (const auto& [args, shown] : runs) {
    const CtlRun run = RunCtl(args, config.path());
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(shown)) << run.out.toStdString();
    EXPECT_EQ(FileBytes(file), before);
  }
}

// The desktop's --simulate over a saved absent port and a fixed speed: the
// simulated tuner is found, and closing leaves the file as a run on the saved
// port leaves it.
TEST(RunSettingsDesktop, SimulateFindsTheTunerAndLeavesTheSettingsFileAlone) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/ttyUSB7");
  UiFixture::SaveSetting("FixedSerialSpeed", 19200);
  const QString file = QSettings("Corvanta", "ZU6400 Utility").fileName();
  {
    CUtilityProgram program({QStringLiteral("zu6400-utility")});
    ASSERT_TRUE(program.Start());
  }
  const QByteArray before = FileBytes(file);
  ASSERT_TRUE(before.contains("FixedSerialSpeed=19200"));
  {
    CUtilityProgram program({QStringLiteral("zu6400-utility"), QStringLiteral("--simulate")});
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(f.WaitRunning());
    EXPECT_EQ(GetModel().GetBitRate(), 38400u);
  }
  EXPECT_EQ(FileBytes(file), before);
}

}  // namespace
