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
  CtlRun Ctl(const QStringList& args) { return RunCtl(args, ConfigHome()); }

  QTemporaryDir m_dir;
};

TEST_F(DownloadCliTest, CopiesNewFilesFromTheGivenOrTheSavedServer) {
  CFtpTestServer server;
  server.AddFile("zu6400fw0106.hex", GoodHex());
  server.AddFile("zu6400fwnotes.rtf", "{\\rtf1 notes}");
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();

  const CtlRun given = Ctl({"download", "--folder", Folder(), "--server", server.Url()});
  EXPECT_EQ(given.status, 0) << given.err.toStdString();
  EXPECT_TRUE(given.err.contains("Copied 2 files from Corvanta to " + Folder())) << given.err.toStdString();
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList({"zu6400fw0106.hex", "zu6400fwnotes.rtf"}));

  // The saved folder and server serve when no option names them; nothing is new now.
  {
    QSettings settings(ConfigHome() + "/Corvanta/ZU6400 Utility.conf", QSettings::NativeFormat);
    settings.setValue("FirmwareFolder", Folder());
    settings.setValue("FirmwareServer", server.Url());
  }
  const CtlRun saved = Ctl({"download"});
  EXPECT_EQ(saved.status, 0) << saved.err.toStdString();
  EXPECT_TRUE(saved.err.contains("Open connection to 127.0.0.1")) << saved.err.toStdString();
  EXPECT_FALSE(saved.err.contains("Copying files"));
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
