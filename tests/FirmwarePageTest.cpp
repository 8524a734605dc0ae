// The Firmware page against a simulated tuner: the folder box and its
// buttons, the version labels, when Send Firmware is offered (also to a
// loader that nothing but a load can reach) and what it does without an
// image; and the release notes window.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "FtpTestServer.h"
#include "LoaderTestSupport.h"
#include "UiTestSupport.h"
#include "ui/FirmwarePage.h"
#include "ui/LogView.h"
#include "ui/McuLoaderDialog.h"
#include "ui/PortPage.h"
#include "ui/ReleaseInfoDialog.h"
#include "ui/TabView.h"
#include "ui/UserPrompts.h"

namespace {

class FirmwarePageTest : public ::testing::Test {
 protected:
  FirmwarePageTest() {
    CUserPrompts::SetQuestion([this](QWidget*, const QString&, const QString& text) {
      questions << text;
      return true;
    });
  }
  ~FirmwarePageTest() override {
    CFirmwarePage::SetFolderPicker({});
    CUserPrompts::SetQuestion({});
  }

  void Touch(const QString& name, const QByteArray& content = {}) {
    QFile file(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  // The window on the simulated tuner, with the folder saved and the
  // Firmware page shown.
  CFirmwarePage& OpenPage(SimOptions options = {}) {
    EXPECT_TRUE(f.StartSimulator(std::move(options)));
    return OpenPageOn(f.SimPort());
  }
  CFirmwarePage& OpenPageOn(const QString& port) {
    UiFixture::SaveSetting("FirmwareFolder", folder.path());
    CMainWindow& window = f.OpenWindow(port);
    window.TabView().setCurrentIndex(window.TabView().FirmwarePageIndex());
    return *static_cast<CFirmwarePage*>(window.TabView().CurrentPage());
  }
  QString PortStatus() {
    return static_cast<CPortPage*>(f.Window().TabView().Page(CTabView::kPortPage))->StatusLabel().text();
  }
  // Should a modal dialog hang, it is ended rather than the test.
  void GuardModalDialogs() {
    QObject::connect(&guard, &QTimer::timeout, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(QDialog::Rejected);
    });
    guard.start(60000);
  }
  bool WaitStatus(FirmwareStatusEnum status) {
    return WaitFor([status] { return GetModel().FirmwareStatus.Get() == status; }, 15000);
  }

  QTemporaryDir folder;
  UiFixture f;
  QTimer guard;
  QStringList questions;
};

TEST_F(FirmwarePageTest, LabelsShowTheTunersVersionAndTheNewestImage) {
  Touch("zu6400fw0104.hex");
  Touch("zu6400fw0105.HEX");
  CFirmwarePage& page = OpenPage(Firmware("01.97"));
  EXPECT_EQ(page.AvailableLabel().text(), "01.05");
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(page.InstalledLabel().text(), "01.97");
  EXPECT_TRUE(page.SendButton().isEnabled());
  // The log begins with the program's version and the system it runs on.
  const QString log = page.Log().toPlainText();
  EXPECT_TRUE(log.contains("ZU6400 Utility Version ")) << log.toStdString();
  EXPECT_TRUE(log.contains("OS " + QSysInfo::prettyProductName())) << log.toStdString();
}

TEST_F(FirmwarePageTest, AFolderWithoutImagesIsMissingAndSendIsOff) {
  Touch("zu6400fwnotes.rtf");
  Touch("zu6400fwX.hex");
  CFirmwarePage& page = OpenPage();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(page.AvailableLabel().text(), "Missing");
  EXPECT_FALSE(page.SendButton().isEnabled());
  // An image that appears is found by Check Version Now, which also
  // contacts the tuner again.
  Touch("zu6400fw0106.hex");
  page.CheckButton().click();
  EXPECT_EQ(page.AvailableLabel().text(), "01.06");
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_TRUE(page.SendButton().isEnabled());
}

TEST_F(FirmwarePageTest, AnotherDeviceIsNeverSentFirmware) {
  Touch("zu6400fw0105.hex");
  SimOptions other;
  other.identity = "ZD4";
  CFirmwarePage& page = OpenPage(other);
  ASSERT_TRUE(WaitFor([this] { return f.boxes.Count("Unexpected Device") == 1; }, 15000));
  EXPECT_FALSE(page.SendButton().isEnabled());
  page.SendFirmware();
  EXPECT_TRUE(page.Log().toPlainText().endsWith(" Unexpected device 0")) << page.Log().toPlainText().toStdString();
}

TEST_F(FirmwarePageTest, SendWithoutAnImageExplainsInABox) {
  CFirmwarePage& page = OpenPage();
  ASSERT_TRUE(f.WaitRunning());
  page.SendFirmware();
  ASSERT_EQ(f.boxes.Count("Error"), 1);
  EXPECT_EQ(f.boxes.boxes.back().text, LoadString(Str::NoFirmwareFiles));
}

TEST(FirmwarePageElapsed, RoundsToTheNearestSecond) {
  EXPECT_EQ(CFirmwarePage::ElapsedSeconds(1499), 1u);
  EXPECT_EQ(CFirmwarePage::ElapsedSeconds(1500), 2u);
}

TEST_F(FirmwarePageTest, SendLoadsTheNewestImageIntoTheTunersLoader) {
  // Eight bytes at 0x800; a reconciliation word of zero is computed by the loader.
  const QByteArray end = ":00000001FF\r\n";
  Touch("zu6400fw0104.hex", ":080800000000000000000000F0\r\n" + end);
  Touch("zu6400fw0106.hex", ":080800000000123456789ABC86\r\n" + end);
  SimOptions options;
  options.loader.startInLoader = true;
  CFirmwarePage& page = OpenPage(options);
  // As the desktop program wires its simulated tuner: it reports the named version.
  QObject::connect(&page, &CFirmwarePage::FirmwareLoadStarting, [this](const QString& path) {
    f.Sim().Loader().NameImage(path);
  });
  ASSERT_TRUE(WaitStatus(FirmwareStatusLoader));
  ASSERT_TRUE(page.SendButton().isEnabled());
  GuardModalDialogs();
  page.SendButton().click();
  ASSERT_EQ(questions.size(), 1);  // asked once, before anything is sent
  EXPECT_TRUE(questions[0].startsWith("Send firmware " + QDir(folder.path()).filePath("zu6400fw0106.hex") +
                                      " (version 01.06) to the ZU6400"));
  EXPECT_EQ(f.Sim().Loader().Flash(0x802, 6), QByteArray::fromHex("123456789ABC"));
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(page.InstalledLabel().text(), "01.06");
  const QString log = page.Log().toPlainText();
  EXPECT_TRUE(log.contains("Sending firmware from " + folder.path())) << log.toStdString();
  EXPECT_TRUE(log.contains(QRegularExpression(" Elapsed time: \\d+ seconds"))) << log.toStdString();
}

TEST_F(FirmwarePageTest, ALoaderThatAnswersNoSearchIsSentTheImageOnceTheSearchGivesAdvice) {
  CSimulatorProcess sim({"--loader", "--keep-partial", "--flash-version", "01.06"});
  StrandLoaderInAPacket(sim.Port());
  WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x900);
  CTimeScaleScope faster(kAnsweredTime);  // the advice after 2 s
  CFirmwarePage& page = OpenPageOn(sim.Port());
  ASSERT_TRUE(WaitFor([&] { return PortStatus().startsWith("Looking for ZU6400"); }, 5000));
  ASSERT_FALSE(PortStatus().contains("No answer yet"));
  EXPECT_FALSE(page.SendButton().isEnabled());

  ASSERT_TRUE(WaitFor([&] { return page.SendButton().isEnabled(); }, 15000));
  EXPECT_TRUE(PortStatus().contains("\nNo answer yet. ")) << PortStatus().toStdString();
  EXPECT_EQ(page.SendButton().toolTip(),
            "Nothing answers: the load will look for a bootstrap loader left waiting by a load cut short");
  CTimeScale::SetFactor(kSearchTime);  // the load's searches must be answered
  GuardModalDialogs();
  page.SendButton().click();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].contains(" (now nothing answers: the load will look for a bootstrap loader left waiting)?"))
      << questions[0].toStdString();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(page.InstalledLabel().text(), "01.06");
  EXPECT_EQ(PortStatus(), "ZU6400 MCU version 01.06");
  const QString log = page.Log().toPlainText();
  EXPECT_TRUE(log.contains("Nothing answered: looking for a bootstrap loader left holding part of a packet"))
      << log.toStdString();
}

TEST_F(FirmwarePageTest, ALoadThatFindsNoLoaderEitherAdvisesAPowerCycleAndMayBeSentAgain) {
  WriteFirmwareFile(folder.path(), "zu6400fw0106.hex", 0x900);
  ASSERT_TRUE(f.StartSimulator());
  f.Sim().SetSilent(true);
  CTimeScaleScope faster(kFastTime);  // nothing has to answer
  CFirmwarePage& page = OpenPageOn(f.SimPort());
  ASSERT_TRUE(WaitFor([&] { return page.SendButton().isEnabled(); }, 15000));
  // A failed load's dialog stays until it is closed.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    auto* dialog = qobject_cast<CMcuLoaderDialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr && dialog->Machine().IsIdle()) dialog->CloseButton().click();
  });
  closer.start(20);
  GuardModalDialogs();
  page.SendButton().click();
  EXPECT_EQ(PortStatus(),
            "No bootstrap loader answered either: switch the ZU6400 off and on, then send the firmware again");
  EXPECT_TRUE(GetModel().ContactMachine->IsIdle());
  EXPECT_TRUE(page.SendButton().isEnabled());
}

TEST_F(FirmwarePageTest, CopyNewFilesFetchesThemAndShowsTheNewVersion) {
  Touch("zu6400fw0105.hex");
  CFtpTestServer server;
  server.AddFile("zu6400fw0106.hex", GoodHex());
  server.AddFile("zu6400fwnotes.rtf", "{\\rtf1 Notes\\par}");
  ASSERT_TRUE(server.Start()) << server.Problem().toStdString();
  CFirmwarePage& page = OpenPage();
  GetModel().Run.firmwareServer = server.Url();
  ASSERT_TRUE(f.WaitRunning());
  GuardModalDialogs();
  page.CopyButton().click();
  EXPECT_EQ(page.AvailableLabel().text(), "01.06");
  EXPECT_TRUE(page.Scan().HasReleaseNotes());
}

TEST_F(FirmwarePageTest, TheFolderComesFromTheBoxTheDefaultOrTheBrowser) {
  CFirmwarePage& page = OpenPage();
  QTemporaryDir other;
  Touch("zu6400fw0120.hex");
  // What the user types is stored trimmed when he leaves the box.
  page.FolderBox().setText("  " + other.path() + "\t ");
  emit page.FolderBox().editingFinished();
  EXPECT_EQ(GetModel().FirmwareFolder.Get(), other.path());
  EXPECT_EQ(page.AvailableLabel().text(), "Missing");

  QString askedStart;
  CFirmwarePage::SetFolderPicker([&](QWidget*, const QString&, const QString& start) {
    askedStart = start;
    return folder.path();
  });
  page.BrowseButton().click();
  EXPECT_EQ(askedStart, other.path());
  EXPECT_EQ(GetModel().FirmwareFolder.Get(), folder.path());
  EXPECT_EQ(page.AvailableLabel().text(), "01.20");

  page.DefaultButton().click();
  EXPECT_EQ(GetModel().FirmwareFolder.Get(), GetModel().DefaultFirmwareFolder());
  EXPECT_TRUE(QDir(GetModel().DefaultFirmwareFolder()).exists());
}

class ReleaseNotesTest : public FirmwarePageTest {};

TEST_F(ReleaseNotesTest, OpenShowsTheNotesReopenReplacesThemAndAFailedOpenKeepsThem) {
  Touch("zu6400fwnotes.rtf", "{\\rtf1\\ansi {\\b New in 01.06:} faster tuning.\\par}");
  UiFixture::SaveSetting("FirmwareFolder", folder.path());
  CMainWindow& window = f.OpenWindow();
  window.ShowReleaseNotes();
  QPointer<CReleaseInfoDialog> first = window.ReleaseNotes();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->Text().toPlainText().trimmed(), "New in 01.06: faster tuning.");

  window.ShowReleaseNotes();
  EXPECT_EQ(first, nullptr);
  QPointer<CReleaseInfoDialog> second = window.ReleaseNotes();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(f.boxes.boxes.empty());

  // A relative folder would depend on the working directory: no path at all.
  GetModel().ChooseFirmwareFolder("relative/folder");
  window.ShowReleaseNotes();
  EXPECT_EQ(f.boxes.boxes.back().text, "Unable to open Firmware Release Notes \"zu6400fwnotes.rtf\"");
  EXPECT_EQ(window.ReleaseNotes(), second);
  // Closing the main window takes it along.
  f.CloseWindow();
  EXPECT_EQ(second, nullptr);
}

TEST_F(ReleaseNotesTest, AMissingFileGivesABoxAndNoWindow) {
  UiFixture::SaveSetting("FirmwareFolder", folder.path());
  CMainWindow& window = f.OpenWindow();
  window.ShowReleaseNotes();
  EXPECT_EQ(window.ReleaseNotes(), nullptr);
  ASSERT_EQ(f.boxes.Count("Release Notes Error"), 1);
  const QString path = QDir(folder.path()).filePath("zu6400fwnotes.rtf");
  EXPECT_EQ(f.boxes.boxes.back().text, "Unable to open Firmware Release Notes \"" + path + "\"");
}

}  // namespace
