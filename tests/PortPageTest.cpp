// The Port page: port choice, speed list, Test Communications and its boxes.

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include "UiTestSupport.h"
#include "ui/PortAccessAdvice.h"
#include "ui/PortPage.h"
#include "ui/TabView.h"

namespace {
CPortPage& PortPage(CMainWindow& window) {
  return *static_cast<CPortPage*>(window.TabView().Page(CTabView::kPortPage));
}
}  // namespace

TEST(PortPage, SpeedListOffersAutoAndTheFourRatesAndStoresTheChoice) {
  UiFixture f;
  UiFixture::SaveSetting("FixedSerialSpeed", 2400);  // not in the list
  CPortPage& page = PortPage(f.OpenWindow());
  QComboBox& speeds = page.SpeedBox();
  const QStringList texts = {"AUTO", "38400", "19200", "9600", "4800"};
  const std::vector<unsigned> rates = {0, 38400, 19200, 9600, 4800};
  ASSERT_EQ(speeds.count(), 5);
  for (int i = 0; i < speeds.count(); ++i) {
    EXPECT_EQ(speeds.itemText(i), texts[i]);
    EXPECT_EQ(speeds.itemData(i).toUInt(), rates[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(speeds.currentText(), "AUTO");

  emit speeds.activated(3);
  EXPECT_EQ(GetModel().FixedSerialSpeed.Get(), 9600u);
  emit speeds.activated(0);
  EXPECT_EQ(GetModel().FixedSerialSpeed.Get(), 0u);
}

TEST(PortPage, SavedPortThatIsGoneIsClearedAtStart) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/zu6400-gone");
  CPortPage& page = PortPage(f.OpenWindow());
  EXPECT_TRUE(GetModel().Port.Get().isEmpty());
  EXPECT_TRUE(page.PortBox().currentText().isEmpty());
}

TEST(PortPage, TestCommunicationsWithoutAPortAsksForOne) {
  UiFixture f;
  CPortPage& page = PortPage(f.OpenWindow());
  page.TestButton().click();
  ASSERT_EQ(f.boxes.Count("Select a serial port"), 1);
  EXPECT_EQ(f.boxes.boxes.back().text, "Please choose a serial port on the Port page");
  EXPECT_EQ(f.boxes.boxes.back().icon, BoxIcon::Error);
  page.PortBox().hidePopup();
}

TEST(PortPage, TestCommunicationsWithTheTunerShowsItsStatus) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  CMainWindow& window = f.OpenWindow();
  CPortPage& page = PortPage(window);
  // A pseudo-terminal is not listed: the user types its path.
  page.PortBox().setEditText(f.SimPort());
  page.TestButton().click();
  ASSERT_TRUE(f.WaitRunning());
  ASSERT_TRUE(WaitFor([&] { return f.boxes.Count("ZU6400 Status") == 1; }, 2000));
  EXPECT_EQ(f.boxes.boxes.back().text, "ZU6400 MCU version 01.05 on " + f.SimPort() + " at 38400 bit/s");
  EXPECT_EQ(f.boxes.boxes.back().icon, BoxIcon::Information);
  EXPECT_EQ(page.PortBox().currentText(), f.SimPort());

  // Test Communications again reconnects and reports again.
  page.TestButton().click();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_TRUE(WaitFor([&] { return f.boxes.Count("ZU6400 Status") == 2; }, 2000));
}

TEST(PortPage, SamePortInOtherLetterCaseDoesNotReconnect) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  CMainWindow& window = f.OpenWindow(f.SimPort());
  ASSERT_TRUE(f.WaitRunning());
  CRecorder portWatcher;
  GetModel().Port.AddObserver(&portWatcher);
  f.Sim().ClearReceived();

  PortPage(window).ChoosePort(f.SimPort().toUpper());
  QCoreApplication::processEvents();
  EXPECT_EQ(portWatcher.Count(Msg::Port), 0);
  EXPECT_EQ(GetModel().FirmwareStatus.Get(), FirmwareStatusRunning);
  EXPECT_TRUE(f.Sim().Received().isEmpty());
  GetModel().Port.RemoveObserver(&portWatcher);
}

TEST(PortPage, StatusBoxesAppearOnlyWhileThePageIsShown) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  UiFixture::SaveSetting("ActivePage", CTabView::kCommandTesterPage);
  UiFixture::SaveSetting("Port", "");
  CMainWindow& window = f.OpenWindow(f.SimPort());
  ASSERT_EQ(window.TabView().currentIndex(), CTabView::kCommandTesterPage);
  ASSERT_TRUE(f.WaitRunning());
  QCoreApplication::processEvents();
  EXPECT_EQ(f.boxes.Count("ZU6400 Status"), 0);
}

TEST(PortAccess, AdviceOnlyForADeviceTheUserMayNotOpen) {
  QTemporaryDir dir;
  const QString open = dir.filePath("ttyOpen");
  QFile(open).open(QIODevice::WriteOnly);
  EXPECT_TRUE(PortAccessAdvice(open).isEmpty());
  EXPECT_TRUE(PortAccessAdvice(dir.filePath("ttyMissing")).isEmpty());
  if (geteuid() == 0) GTEST_SKIP() << "the superuser may open every device";
  const QString locked = dir.filePath("ttyLocked");
  QFile(locked).open(QIODevice::WriteOnly);
  QFile::setPermissions(locked, QFileDevice::Permissions());
  const QString advice = PortAccessAdvice(locked);
  EXPECT_TRUE(advice.contains("usermod -aG")) << advice.toStdString();
  EXPECT_TRUE(advice.contains(locked));
}
