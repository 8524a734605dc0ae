// A run's own settings: what the front ends are told for one run (a port, a
// speed, a folder, a server, the simulated tuner) is used and never saved; what
// the user chooses on the desktop is saved and used at once.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/CtlRunner.h"
#include "tests/support/FtpTestServer.h"
#include "tests/support/UiTestSupport.h"
#include "app/UtilityProgram.h"

namespace {

// The same observers hear of a chosen port whether or not the saved one
// changes: a run on a port of its own (the simulated tuner's) goes back to the
// saved port by choosing it, and the main window must reconnect.
TEST(RunSettingsModel, AChosenPortIsUsedSavedAndAnnouncedEvenWhenItIsTheSavedOne) {
  ModelFixture f({}, false);
  QSettings("Corvanta", "ZU6400 Utility").setValue("Port", "/dev/ttyUSB7");
  CTunerModel& model = f.Model();
  model.LoadSettings();
  CRecorder observer;
  model.Port.AddObserver(&observer);
  for (const QString chosen : {"/dev/ttyUSB7", "/dev/ttyUSB2"}) {
    SCOPED_TRACE(chosen.toStdString());
    model.Run.port = QStringLiteral("/dev/pts/99");
    observer.Clear();
    model.ChoosePort(chosen);
    EXPECT_EQ(observer.Count(Msg::Port), 1);
    EXPECT_EQ(model.Run.port, chosen);
    model.SaveSettings();
    EXPECT_EQ(QSettings("Corvanta", "ZU6400 Utility").value("Port").toString(), chosen);
  }
  model.Port.RemoveObserver(&observer);
}

// zu6400ctl over a settings file a desktop user left: another port, a fixed
// speed the tuner does not use, a folder and a server elsewhere.
class RunSettingsCli : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings saved(SettingsFile(), QSettings::IniFormat);
    saved.setValue("Port", "/dev/ttyUSB7");
    saved.setValue("FixedSerialSpeed", 19200);
    saved.setValue("FirmwareFolder", config.filePath("saved firmware"));
    saved.setValue("FirmwareServer", "ftp://firmware.example");
  }
  QString SettingsFile() const { return config.path() + "/Corvanta/ZU6400 Utility.conf"; }

  QTemporaryDir config;
  QTemporaryDir folder;
};

TEST_F(RunSettingsCli, OptionsAndTheSimulatedTunerHoldForTheRunAndLeaveTheFileAlone) {
  CSimulatorProcess sim({"--speed", "9600"});
  ASSERT_FALSE(sim.Port().isEmpty());
  QFile image(folder.filePath("zu6400fw0199.hex"));
  ASSERT_TRUE(image.open(QIODevice::WriteOnly));
  image.close();
  const QString otherFolder = folder.filePath("downloads");
  const QByteArray before = FileBytes(SettingsFile());
  ASSERT_FALSE(before.isEmpty());

  struct Case {
    const char* name;
    QStringList args;
    int status;
    QString shown;  // on standard output, else on standard error
  };
  const Case cases[] = {
      // The saved fixed speed would never reach the simulated tuner.
      {"simulate", {"--simulate", "contact"}, 0, "speed: 38400\n"},
      {"port, speed and folder",
       {"firmware", "--port", sim.Port(), "--speed", "9600", "--folder", folder.path()},
       0,
       "available: 01.99\n"},
      {"folder and server",
       {"download", "--folder", otherFolder, "--server", UnreachableServerUrl()},
       1,
       "Open connection to 127.0.0.1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CtlRun run = RunCtl(c.args, config.path());
    EXPECT_EQ(run.status, c.status) << run.err.toStdString();
    EXPECT_TRUE((c.status == 0 ? run.out : run.err).contains(c.shown)) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(FileBytes(SettingsFile()), before);
  }
  EXPECT_TRUE(QDir(otherFolder).exists()) << "the download went to the folder given";
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
