// The Port page: port choice, speed list, Test Communications and its boxes.

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include "Ser2NetServer.h"
#include "UiTestSupport.h"
#include "machines/TunerModel.h"
#include "link/PortAccessAdvice.h"
#include "ui/PortPage.h"
#include "ui/TabView.h"

namespace {
CPortPage& PortPage(CMainWindow& window) {
  return *static_cast<CPortPage*>(window.TabView().Page(CTabView::kPortPage));
}
}  // namespace

TEST(PortPage, SavedPortThatIsGoneStaysChosenAndSaysWhy) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/zu6400-gone");
  CMainWindow& window = f.OpenWindow();
  CPortPage& page = PortPage(window);
  EXPECT_EQ(page.PortBox().currentText(), "/dev/zu6400-gone");
  const int index = page.PortBox().currentIndex();
  EXPECT_TRUE(page.PortBox().itemData(index, Qt::ToolTipRole).toString().contains("not present"));
  // The start-up contact failed to open it: the reason is where the user looks.
  ASSERT_TRUE(WaitFor([&] { return GetModel().ContactMachine->IsIdle(); }, 5000));
  EXPECT_TRUE(page.StatusLabel().text().startsWith("Could not open \"/dev/zu6400-gone\"")) << page.StatusLabel().text().toStdString();
}

TEST(PortPage, ATypedPortThatCannotBeOpenedIsKeptAndTheFailureShown) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  CPortPage& page = PortPage(window);
  page.PortBox().setEditText(QStringLiteral("/dev/nonexistent"));
  emit page.PortBox().lineEdit()->returnPressed();
  ASSERT_TRUE(WaitFor([&] { return page.StatusLabel().text().contains("Error 0x00000002"); }, 5000))
      << page.StatusLabel().text().toStdString();
  EXPECT_EQ(page.PortBox().currentText(), "/dev/nonexistent");
}

TEST(PortPage, WithoutAPortThePageSaysWhatToDoAndTestPointsAtThePortBox) {
  UiFixture f;
  CPortPage& page = PortPage(f.OpenWindow());
  EXPECT_TRUE(page.StatusLabel().text().startsWith("Choose the serial port the ZU6400 is connected to, or type its path"));
  EXPECT_TRUE(page.SimulateButton().isVisibleTo(&page));
  page.TestButton().click();
  EXPECT_TRUE(page.PortBox().view()->isVisible());
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

  // Test Communications again reconnects and reports again.
  page.TestButton().click();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_TRUE(WaitFor([&] { return f.boxes.Count("ZU6400 Status") == 2; }, 2000));
  EXPECT_FALSE(page.SimulateButton().isVisibleTo(&page));
  // Closed, the port's status no longer holds.
  page.CloseButton().click();
  EXPECT_EQ(page.StatusLabel().text(), "");
}

// A tuner on another computer is typed as rfc2217://HOST:PORT, saved like
// any port, and named in the title.
TEST(PortPage, ANetworkPortIsTypedSavedAndShownLikeAnyOther) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  CSer2Net station(f.SimPort());
  ASSERT_TRUE(station.Start());
  CMainWindow& window = f.OpenWindow();
  CPortPage& page = PortPage(window);
  page.PortBox().setEditText(station.PortName());
  page.TestButton().click();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(GetModel().Port.Get(), station.PortName());
  EXPECT_TRUE(window.windowTitle().contains(station.PortName())) << window.windowTitle().toStdString();
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
  if (geteuid() == 0) GTEST_SKIP() << "the superuser may open every device";
  const QString locked = dir.filePath("ttyLocked");
  QFile(locked).open(QIODevice::WriteOnly);
  QFile::setPermissions(locked, QFileDevice::Permissions());
  const QString advice = PortAccessAdvice(locked);
  EXPECT_TRUE(advice.contains("usermod -aG")) << advice.toStdString();
  EXPECT_TRUE(advice.contains(locked));
}
