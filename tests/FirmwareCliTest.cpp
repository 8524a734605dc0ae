// zu6400ctl firmware end to end: the tuner's version against the firmware
// folder, in text and JSON, for a running tuner and one in its boot loader.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CtlRunner.h"

namespace {

class FirmwareCli : public ::testing::Test {
 protected:
  static void Touch(const QString& folder, const QString& name) {
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(QDir(folder).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QString DefaultFolder() const { return config.path() + "/data/Corvanta/ZU6400 Firmware"; }

  QTemporaryDir config;
  QTemporaryDir folder;
};

TEST_F(FirmwareCli, ANewerImageIsAnUpdate) {
  Touch(folder.path(), "zu6400fw0104.hex");
  Touch(folder.path(), "zu6400fw0106.HEX");
  Touch(folder.path(), "zu6400fwnotes.rtf");
  CSimulatorProcess sim({"--version", "01.05"});
  const QString path = QDir(folder.path()).filePath("zu6400fw0106.HEX");

  const CtlRun r = RunCtl({"firmware", "--port", sim.Port(), "--folder", folder.path()}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "installed: 01.05\navailable: 01.06\nfile: " + path + "\nnotes: yes\nupdate: yes\n");

  const CtlRun json = RunCtl({"--json", "--folder", folder.path(), "--port", sim.Port(), "firmware"}, config.path());
  EXPECT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object(),
            QJsonObject({{"installed", "01.05"}, {"available", "01.06"}, {"file", path}, {"notes", true},
                         {"update", true}}))
      << json.out.toStdString();
}

TEST_F(FirmwareCli, TheSameOrAnOlderImageIsNoUpdate) {
  CSimulatorProcess sim({"--version", "01.97"});
  // Without --folder the saved folder serves: here the default one.
  Touch(DefaultFolder(), "zu6400fw0197.hex");
  const CtlRun r = RunCtl({"firmware", "--port", sim.Port()}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "installed: 01.97\navailable: 01.97\nfile: " + DefaultFolder() + "/zu6400fw0197.hex" +
                       "\nnotes: no\nupdate: no\n");
}

TEST_F(FirmwareCli, AnEmptyFolderIsMissingAndSaysHowToFillIt) {
  Touch(folder.path(), "zu6400fwnotes.rtf");
  CSimulatorProcess sim({"--version", "01.05"});
  const CtlRun r = RunCtl({"firmware", "--port", sim.Port(), "--folder", folder.path()}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "installed: 01.05\navailable: Missing\nnotes: yes\nupdate: no\n");
  EXPECT_TRUE(r.err.contains("Firmware folder does not contain required firmware files\nRun \"zu6400ctl download\""))
      << r.err.toStdString();
  EXPECT_FALSE(r.err.contains("Click")) << "there is no button to click";

  const QString file = QDir(folder.path()).filePath("zu6400fwnotes.rtf");
  const CtlRun notFolder = RunCtl({"firmware", "--port", sim.Port(), "--folder", file}, config.path());
  EXPECT_EQ(notFolder.status, 0) << notFolder.err.toStdString();
  EXPECT_TRUE(notFolder.err.contains("The firmware folder \"" + file + "\" is a file, not a folder"))
      << notFolder.err.toStdString();
}

TEST_F(FirmwareCli, ATunerInItsLoaderTakesAnyImage) {
  Touch(folder.path(), "zu6400fw0101.hex");
  CSimulatorProcess sim({"--identity", "zu6400"});
  const CtlRun r = RunCtl({"firmware", "--port", sim.Port(), "--folder", folder.path()}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "installed: loader\navailable: 01.01\nfile: " + QDir(folder.path()).filePath("zu6400fw0101.hex") +
                       "\nnotes: no\nupdate: yes\n");
}

TEST_F(FirmwareCli, AnEmptyFolderOptionIsAUsageError) {
  const CtlRun empty = RunCtl({"firmware", "--folder", ""}, config.path());
  EXPECT_EQ(empty.status, 2);
  EXPECT_TRUE(empty.err.contains("--folder")) << empty.err.toStdString();
}

}  // namespace
