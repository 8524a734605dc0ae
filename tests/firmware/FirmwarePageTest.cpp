// The Firmware page against a simulated tuner: the folder box and its
// buttons, the version labels, when Send Firmware is offered (also to a
// loader that nothing but a load can reach) and what a load does; and the
// release notes window.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/CtlRunner.h"
#include "tests/support/FtpTestServer.h"
#include "tests/support/LoaderTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/firmware/FirmwarePage.h"
#include "ui/shell/LogView.h"
#include "ui/firmware/McuLoaderDialog.h"
#include "ui/firmware/ReleaseInfoDialog.h"

namespace {

class FirmwarePageTest : public ::testing::Test {
 protected:
  FirmwarePageTest() { f.prompts.yes = true; }

  void Touch(const QString& name, const QByteArray& content = {}) {
    WriteFileBytes(QDir(folder.path()).filePath(name), content);
  }
  // The window on the port, with the folder saved and the Firmware page shown.
  CFirmwarePage& OpenPageOn(const QString& port) {
    UiFixture::SaveSetting("FirmwareFolder", folder.path());
    f.OpenWindow(port);
    return f.ShowPage<CFirmwarePage>();
  }
  QString Text(const char* label) { return Child<QLabel>(f.Window(), label).text(); }
  QPushButton& Send() { return Child<QPushButton>(f.Window(), "sendButton"); }
  QString Log() { return Child<CLogView>(f.Window(), "activityLog").toPlainText(); }
  QString PortStatus() { return Text("statusLabel"); }

  QTemporaryDir folder;
  UiFixture f;
};

// The labels show the tuner's version and the newest image of the folder
// chosen, which Check Version Now and Copy New Files find.
TEST_F(FirmwarePageTest, LabelsShowTheTunersVersionAndTheNewestImageOfTheFolderChosen) {
  Touch("zu6400fwX.hex");
  CFtpTestServer server;
  server.AddFile("zu6400fw0106.hex", GoodHex());
  server.AddFile("zu6400fwnotes.rtf", "{\\rtf1 Notes\\par}");
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  ASSERT_TRUE(f.StartSimulator(Firmware("01.97")));
  OpenPageOn(f.SimPort());
  GetModel().Run.firmwareServer = server.Url();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(Text("installedLabel"), "01.97");
  EXPECT_EQ(Text("availableLabel"), "Missing");
  EXPECT_FALSE(Send().isEnabled());
  // Check Version Now reads the folder and contacts the tuner again.
  Touch("zu6400fw0104.hex");
  Touch("zu6400fw0105.HEX");
  Child<QPushButton>(f.Window(), "checkButton").click();
  EXPECT_EQ(Text("availableLabel"), "01.05");
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_TRUE(Send().isEnabled());

  Child<QPushButton>(f.Window(), "copyButton").click();
  EXPECT_EQ(Text("availableLabel"), "01.06");
  EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("zu6400fwnotes.rtf")));

  // The folder comes from the box (trimmed as the user leaves it), the browser or the default.
  QTemporaryDir other;
  auto& box = Child<QLineEdit>(f.Window(), "folderBox");
  box.setText("  " + other.path() + "\t ");
  emit box.editingFinished();
  EXPECT_EQ(GetModel().FirmwareFolder.Get(), other.path());
  EXPECT_EQ(Text("availableLabel"), "Missing");
  f.prompts.file = folder.path();
  Child<QPushButton>(f.Window(), "browseButton").click();
  EXPECT_EQ(f.prompts.offered, other.path());
  EXPECT_EQ(Text("availableLabel"), "01.06");
  Child<QPushButton>(f.Window(), "defaultButton").click();
  EXPECT_EQ(GetModel().FirmwareFolder.Get(), GetModel().DefaultFirmwareFolder());
  EXPECT_TRUE(QDir(GetModel().DefaultFirmwareFolder()).exists());
}

// Send Firmware is offered to a loader that answers no search once the search
// has given advice; after one question the newest image goes in.
TEST_F(FirmwarePageTest, ALoaderThatAnswersNoSearchIsSentTheNewestImageOnceTheSearchGivesAdvice) {
  CSimulatorProcess sim({"--loader", "--keep-partial", "--flash-version", "01.06"});
  StrandLoaderInAPacket(sim.Port());
  WriteFirmwareFile(folder.path(), "zu6400fw0104.hex", 0x900);
  const QString newest = WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x900);
  CTimeScaleScope faster(kIdleTime);  // nothing answers the search; the advice after 0.1 s
  OpenPageOn(sim.Port());
  ASSERT_TRUE(WaitFor([&] { return PortStatus().startsWith("Looking for ZU6400"); }, 5000));
  EXPECT_FALSE(Send().isEnabled());

  ASSERT_TRUE(WaitFor([&] { return Send().isEnabled(); }, 15000));
  EXPECT_TRUE(PortStatus().contains("\nNo answer yet. ")) << PortStatus().toStdString();
  EXPECT_EQ(Send().toolTip(), "Nothing answers: the load will look for a bootstrap loader left waiting by a load cut short");
  // The load's first search (four speeds) goes unanswered; the polls that
  // find the loader and the search after the restart must be answered.
  // Without Trace, the pause after switching the tuner on is told by the
  // load's first connection: it passes fast, the contact after it does not.
  const CPacer pace(LoadPace({{"Connected to", kAnsweredTime, 2},
                              {"Connected to", kIdleTime, 1},
                              {"Attempting to contact", kSearchTime, 5},
                              {"Attempting to contact", kIdleTime},
                              {"Nothing answered", kSearchTime}}),
                    CPacer::EveryWindow);
  Send().click();
  ASSERT_EQ(f.prompts.questions.size(), 1);
  EXPECT_TRUE(f.prompts.questions[0].startsWith("&Send Firmware to ZU6400: Send firmware " + newest +
                                                " (version 01.06) to the ZU6400"));
  EXPECT_TRUE(f.prompts.questions[0].contains(
      " (now nothing answers: the load will look for a bootstrap loader left waiting)?"))
      << f.prompts.questions[0].toStdString();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(Text("installedLabel"), "01.06");
  EXPECT_EQ(PortStatus(), "ZU6400 MCU version 01.06");
  EXPECT_TRUE(Log().contains("Nothing answered: looking for a bootstrap loader left holding part of a packet"))
      << Log().toStdString();
  EXPECT_TRUE(Log().contains(QRegularExpression(" Elapsed time: \\d+ seconds"))) << Log().toStdString();
}

TEST_F(FirmwarePageTest, ALoadThatFindsNoLoaderEitherAdvisesAPowerCycleAndMayBeSentAgain) {
  WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x900);
  ASSERT_TRUE(f.StartSimulator());
  f.Sim().SetSilent(true);
  CTimeScaleScope faster(kIdleTime);  // nothing has to answer
  OpenPageOn(f.SimPort());
  ASSERT_TRUE(WaitFor([&] { return Send().isEnabled(); }, 15000));
  // A failed load's dialog stays until it is closed.
  OnNextModal<CMcuLoaderDialog>([](CMcuLoaderDialog& dialog) {
    auto& close = Child<QPushButton>(dialog);
    if (WaitFor([&] { return close.text() == "Close"; }, 30000)) close.click();
  });
  Send().click();
  EXPECT_EQ(PortStatus(),
            "No bootstrap loader answered either: switch the ZU6400 off and on, then send the firmware again");
  EXPECT_TRUE(Send().isEnabled());
}

// Help > Firmware Release Notes: a box when it cannot be opened, else at
// most one window, a new one in place of the old.
TEST_F(FirmwarePageTest, ReleaseNotesReopenInPlaceAndAFailedOpenIsABox) {
  UiFixture::SaveSetting("FirmwareFolder", folder.path());
  auto& notes = Child<QAction>(f.OpenWindow(), "releaseNotesAction");
  // The notes windows shown: a window of their own.
  auto shown = [] {
    QList<QPointer<CReleaseInfoDialog>> found;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<CReleaseInfoDialog*>(w); dialog != nullptr && dialog->isVisible()) found << dialog;
    return found;
  };
  notes.trigger();
  ASSERT_EQ(f.prompts.Count("Release Notes Error"), 1);
  EXPECT_EQ(f.prompts.boxes.back().text,
            "Unable to open Firmware Release Notes \"" + QDir(folder.path()).filePath("zu6400fwnotes.rtf") + "\"");

  Touch("zu6400fwnotes.rtf", "{\\rtf1\\ansi {\\b New in 01.06:} faster tuning.\\par}");
  notes.trigger();
  ASSERT_EQ(shown().size(), 1);
  QPointer<CReleaseInfoDialog> first = shown()[0];
  EXPECT_EQ(Child<CLogView>(*first).toPlainText().trimmed(), "New in 01.06: faster tuning.");
  notes.trigger();
  EXPECT_EQ(first, nullptr);
  ASSERT_EQ(shown().size(), 1);
  QPointer<CReleaseInfoDialog> second = shown()[0];
  f.CloseWindow();  // takes it along
  EXPECT_EQ(second, nullptr);
}

}  // namespace
