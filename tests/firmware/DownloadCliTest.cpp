// zu6400ctl download, run as a user would run it, against a real FTP server.

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/CtlRunner.h"
#include "tests/support/FtpTestServer.h"

namespace {

class DownloadCliTest : public ::testing::Test {
 protected:
  QString ConfigHome() const { return m_dir.filePath(QStringLiteral("config")); }
  QString Folder() const { return m_dir.filePath(QStringLiteral("firmware")); }

  QTemporaryDir m_dir;
};

// With no option naming them, the folder and server the desktop saved serve.
TEST_F(DownloadCliTest, CopiesNewFilesFromTheSavedServerToTheSavedFolder) {
  CFtpTestServer server;
  server.AddFile("zu6400fw0106.hex", GoodHex());
  server.AddFile("zu6400fwnotes.rtf", "{\\rtf1 notes}");
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  {
    QSettings settings(ConfigHome() + "/Corvanta/ZU6400 Utility.conf", QSettings::NativeFormat);
    settings.setValue("FirmwareFolder", Folder());
    settings.setValue("FirmwareServer", server.Url());
  }
  const CtlRun run = RunCtl({"download"}, ConfigHome());
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("Copied 2 files from Corvanta to " + Folder())) << run.err.toStdString();
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList({"zu6400fw0106.hex", "zu6400fwnotes.rtf"}));
}

TEST_F(DownloadCliTest, CtrlCStopsTheCopyAndLeavesNoTemporaryFile) {
  CFtpTestServer server({"--stall", "zu6400fw0106.hex"});
  server.AddFile("zu6400fw0106.hex", GoodHex(5000));
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  const CtlRun r =
      InterruptCtl({{{"download", "--folder", Folder(), "--server", server.Url()}, ConfigHome(), "Copying files to"}})[0];
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("Files copied before the stop were kept; the one in progress was not")) << r.err.toStdString();
  EXPECT_TRUE(r.err.endsWith("error 0x000004C7: The operation was canceled by the user.\n"));
  EXPECT_TRUE(QDir(Folder()).isEmpty(QDir::Files | QDir::Hidden));
}

}  // namespace
