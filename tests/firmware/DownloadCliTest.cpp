// zu6400ctl download, run as a user would run it, against a real FTP server.

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/CtlRunner.h"
#include "tests/support/FtpTestServer.h"

namespace {

// With no option naming them, the folder and server the desktop saved serve.
// Ctrl+C stops the copy in progress: the files copied before it stay, and no
// temporary file is left.
TEST(DownloadCli, CopiesFromTheSavedServerUntilCtrlC) {
  CFtpTestServer server({"--first", "zu6400fwnotes.rtf", "--stall", "zu6400fw0106.hex"});
  server.AddFile("zu6400fwnotes.rtf", "{\\rtf1 notes}");
  server.AddFile("zu6400fw0106.hex", GoodHex(5000));
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  QTemporaryDir dir;
  const QString configHome = dir.filePath(QStringLiteral("config"));
  const QString folder = dir.filePath(QStringLiteral("firmware"));
  {
    QSettings settings(configHome + "/Corvanta/ZU6400 Utility.conf", QSettings::NativeFormat);
    settings.setValue("FirmwareFolder", folder);
    settings.setValue("FirmwareServer", server.Url());
  }
  const CtlRun r = InterruptCtl({{{"download"}, configHome, "Copied zu6400fwnotes.rtf from Corvanta"}})[0];
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("Files copied before the stop were kept; the one in progress was not"))
      << r.err.toStdString();
  EXPECT_TRUE(r.err.endsWith("error 0x000004C7: The operation was canceled by the user.\n"));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"zu6400fwnotes.rtf"});
}

}  // namespace
