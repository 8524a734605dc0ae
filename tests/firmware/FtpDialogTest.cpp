// The download dialog on the offscreen platform against a real FTP server.

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/FtpTestServer.h"
#include "tests/support/UiTestSupport.h"
#include "firmware/FirmwareFolderScan.h"
#include "ui/firmware/FtpDialog.h"
#include "ui/shell/LogView.h"

namespace {

class FtpDialogTest : public ::testing::Test {
 protected:
  QString Folder() const { return m_dir.filePath(QStringLiteral("firmware")); }

  // Opens the dialog as the Firmware page does (modal, on the scanned folder).
  CFtpDialog& Open(const QString& server) {
    m_fixture.Model().Run.firmwareServer = server;
    m_scan.Scan(Folder());
    m_dialog = std::make_unique<CFtpDialog>(nullptr, m_fixture.Model(), Folder(), m_scan);
    m_dialog->open();
    return *m_dialog;
  }
  // The one button: Cancel while the copy runs, then Close.
  static QPushButton& Button(CFtpDialog& dialog) { return Child<QPushButton>(dialog); }
  bool WaitForClose(CFtpDialog& dialog) {
    return WaitFor([&] { return Button(dialog).text() == "Close"; }, 20000);
  }

  ModelFixture m_fixture{SimOptions{}, false};
  CPromptAnswers m_prompts;
  QTemporaryDir m_dir;
  FirmwareFolderScan m_scan;
  std::unique_ptr<CFtpDialog> m_dialog;
};

// A missing folder is made only when the user agrees; a clean run then closes
// by itself, and with Trace on or after an error stays until closed.
TEST_F(FtpDialogTest, AMissingFolderIsCreatedOnAgreementAndACleanRunClosesByItselfUnlessTraceOrAnErrorKeepIt) {
  CFtpTestServer server;
  server.AddFile("zu6400fw0106.hex", GoodHex(5000));
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  CFtpDialog& refused = Open(server.Url());
  ASSERT_TRUE(WaitFor([&] { return !refused.isVisible(); }, 5000));
  EXPECT_EQ(refused.result(), CFtpDialog::kFailed);
  EXPECT_EQ(m_prompts.questions, QStringList{"Create folder: Folder \"" + Folder() +
                                   "\" does not exist. Do you want to create it now?"});
  EXPECT_FALSE(QFileInfo::exists(Folder()));

  m_prompts.yes = true;
  CFtpDialog& dialog = Open(server.Url());
  ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }, 20000));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"zu6400fw0106.hex"});
  // The activity log has the outcome; the steps are the dialog's own lines.
  EXPECT_EQ(m_fixture.Recorder().CountLinesContaining("Copied 1 files from Corvanta to"), 1);
  EXPECT_EQ(m_fixture.Recorder().CountLinesContaining("Connected to Corvanta server"), 0);

  m_fixture.Model().Trace.Set(1);
  CFtpDialog& traced = Open(server.Url());
  ASSERT_TRUE(WaitForClose(traced));
  EXPECT_TRUE(traced.isVisible());
  traced.reject();  // Escape
  EXPECT_FALSE(traced.isVisible());

  // An error keeps it open until Close.
  CFtpDialog& failed = Open(UnreachableServerUrl());
  ASSERT_TRUE(WaitForClose(failed));
  EXPECT_TRUE(Child<CLogView>(failed).toPlainText().endsWith("Click \"Close\" to close this window"));
  Button(failed).click();
  EXPECT_EQ(failed.result(), CFtpDialog::kFailed);
}

}  // namespace
