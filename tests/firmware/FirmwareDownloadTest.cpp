// The download of new firmware files against a real FTP server on 127.0.0.1.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/FtpTestServer.h"
#include "tests/support/TestSupport.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/firmware/FirmwareDownload.h"

namespace {

struct DownloadRun {
  ResultCode result = 0xFFFFFFFF;
  QStringList lines;   // every line, as the dialog shows them
  QStringList logged;  // the lines that also go to the activity log
};

class FirmwareDownloadTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir().mkpath(Folder())); }

  // The firmware folder sits one level below the test's own folder, so that
  // anything written beside it is seen.
  QString Folder() const { return m_dir.filePath(QStringLiteral("firmware")); }
  QString InFolder(const QString& name) const { return QDir(Folder()).filePath(name); }
  QStringList FolderFiles() const {
    return QDir(Folder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
  void AddLocal(const QString& name, const QByteArray& content) const { WriteFileBytes(InFolder(name), content); }

  // Scans the folder (unless scanned already) and downloads from server with
  // Trace on.
  DownloadRun Download(const QString& server, bool scan = true) {
    if (scan) m_scan.Scan(Folder());
    DownloadRun run;
    CFirmwareDownload download(server, Folder(), m_scan, true);
    bool finished = false;
    QObject::connect(&download, &CFirmwareDownload::Line, [&run](const QString& text, DownloadLog where) {
      run.lines << text;
      if (where == DownloadLog::Both) run.logged << text;
    });
    QObject::connect(&download, &CFirmwareDownload::Finished, [&](ResultCode code) {
      run.result = code;
      finished = true;
    });
    download.Start();
    EXPECT_TRUE(WaitFor([&] { return finished; }, 20000)) << run.lines.join(u'\n').toStdString();
    return run;
  }

  QTemporaryDir m_dir;
  FirmwareFolderScan m_scan;
};

// Each image is judged against the newest seen so far: 0103 (newer than the
// folder's 0102) is copied before 0106 is listed, 0104 after it is not. Names
// that would leave the folder are skipped.
TEST_F(FirmwareDownloadTest, NewerImagesAndTheNotesAreCopiedVerifiedAndCountedAndNothingElse) {
  const QString line = QStringLiteral("-rw-r--r-- 1 owner group 24 Dec  6 22:05 %1");
  const QStringList leaving = {"../zu6400fw0201.hex", "x/../../zu6400fw0202.hex", "..\\zu6400fw0203.hex",
                               "zu6400fw0204\x01.hex"};
  QStringList options = {"--first", "zu6400fw0103.hex", "--first", "zu6400fw0106.hex", "--first", "zu6400fw0104.hex"};
  for (const QString& name : leaving) options << "--extra" << line.arg(name);
  CFtpTestServer server(options);
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  server.AddFile("zu6400fw0103.hex", GoodHex());
  server.AddFile("zu6400fw0104.hex", GoodHex());
  server.AddFile("zu6400fw0106.hex", GoodHex(3));
  server.AddFile("zu6400fwnotes.rtf", "{\\rtf1 notes}");
  AddLocal("zu6400fw0102.hex", GoodHex());
  AddLocal("zu6400fwnotes.rtf", "older notes");
  QFile::setPermissions(InFolder("zu6400fwnotes.rtf"), QFile::ReadOwner | QFile::WriteOwner);

  const DownloadRun run = Download(server.Url());
  EXPECT_EQ(run.result, Result::Success);
  EXPECT_EQ(FolderFiles(),
            QStringList({"zu6400fw0102.hex", "zu6400fw0103.hex", "zu6400fw0106.hex", "zu6400fwnotes.rtf"}));
  EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"firmware"});
  EXPECT_EQ(FileBytes(InFolder("zu6400fw0106.hex")), GoodHex(3));
  EXPECT_EQ(FileBytes(InFolder("zu6400fwnotes.rtf")), "{\\rtf1 notes}");
  // A new file's mode, as any other program of this user would make it, also where one was replaced.
  const QFile::Permissions newFile = QFileInfo(InFolder("zu6400fw0102.hex")).permissions();
  EXPECT_EQ(QFileInfo(InFolder("zu6400fwnotes.rtf")).permissions(), newFile);
  EXPECT_TRUE(run.lines.contains("File verified " + InFolder("zu6400fw0106.hex")));
  EXPECT_EQ(run.logged, QStringList({"Open connection to 127.0.0.1", "Copying files to " + Folder(),
                                     "Copied zu6400fw0103.hex from Corvanta", "Copied zu6400fw0106.hex from Corvanta",
                                     "Copied zu6400fwnotes.rtf from Corvanta",
                                     "Copied 3 files from Corvanta to " + Folder()}));
  for (QString name : leaving)  // a control character shows as "?"
    EXPECT_TRUE(run.lines.contains("Skipped " + name.replace(u'\x01', u'?'))) << name.toStdString();
  EXPECT_TRUE(m_scan.HasReleaseNotes());
  EXPECT_EQ(m_scan.Version(), 106) << "the scan followed the names that matched";
}

TEST_F(FirmwareDownloadTest, ACorruptImageNeverReplacesAGoodFile) {
  CFtpTestServer server;
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  server.AddFile("zu6400fw0106.hex", ":0408000001020304EB\r\n:00000001FF\r\n");  // a wrong checksum
  m_scan.Scan(Folder());
  // A good copy arrived after the folder was scanned.
  AddLocal("zu6400fw0106.hex", GoodHex(2));

  const DownloadRun run = Download(server.Url(), false);
  EXPECT_EQ(run.result, Result::HexChecksumError) << "a file that could not be copied fails the run";
  EXPECT_EQ(FolderFiles(), QStringList{"zu6400fw0106.hex"}) << "no bad file and no temporary file is left";
  EXPECT_EQ(FileBytes(InFolder("zu6400fw0106.hex")), GoodHex(2));
  EXPECT_TRUE(run.lines.contains("File " + InFolder("zu6400fw0106.hex") + " verify failed"));
  EXPECT_TRUE(run.logged.contains("Unable to copy file zu6400fw0106.hex"));
  ASSERT_GE(run.logged.size(), 2);
  EXPECT_EQ(run.logged[run.logged.size() - 2], "Copied 0 files from Corvanta to " + Folder())
      << "only files that arrived whole are counted";
  EXPECT_TRUE(run.logged.last().startsWith("File Copy completed with error 0xE2000022: intel hex line checksum error"));
}

// A folder missing on the server ends the run at that step; a transfer that
// stops halfway ends on its own after the time without progress. Neither
// leaves a file behind.
TEST_F(FirmwareDownloadTest, AMissingFolderAndAStalledTransferNameTheirStep) {
  CFtpTestServer missing;
  ASSERT_TRUE(missing.Start()) << missing.Problem().toStdString();
  QDir(missing.Root() + "/ZU6400/firmware").removeRecursively();
  const DownloadRun run = Download(missing.Url());
  EXPECT_EQ(run.result, Result::InternetExtendedError);
  EXPECT_TRUE(run.logged.value(run.logged.size() - 1)
                  .startsWith("FtpSetCurrentDirectory completed with error 0x00002EE3: An extended error was returned "
                              "from the server.\r\nInternetGetLastResponseInfo returns 0x00000226 550 "))
      << run.lines.join(u'\n').toStdString();

  CFtpTestServer stalled({"--stall", "zu6400fw0106.hex"});
  ASSERT_TRUE(stalled.Start()) << stalled.Problem().toStdString();
  stalled.AddFile("zu6400fw0106.hex", GoodHex(5000));
  const CTimeScaleScope faster(100);  // 30 s without progress pass in 300 ms
  const DownloadRun timedOut = Download(stalled.Url());
  EXPECT_EQ(timedOut.result, Result::InternetTimeout);
  EXPECT_EQ(timedOut.logged.value(timedOut.logged.size() - 1),
            "FtpGetFile completed with error 0x00002EE2: The operation timed out.");
  EXPECT_TRUE(FolderFiles().isEmpty());
}

}  // namespace
