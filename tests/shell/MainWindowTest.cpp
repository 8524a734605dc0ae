// The main window and its Port page: start page, title, the connection's
// status in the page and the status bar, the activity log, menu toggles,
// placement, help and message boxes.

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "tests/support/UiTestSupport.h"
#include "app/UtilityProgram.h"
#include "base/ProgramVersion.h"
#include "base/StringTable.h"
#include "ui/firmware/FirmwarePage.h"
#include "ui/shell/Help.h"
#include "ui/shell/LogView.h"
#include "ui/shell/TabView.h"

namespace {
CLogView& ActivityLog(const QWidget& window) { return Child<CLogView>(window, "activityLog"); }
QString LogText(const QWidget& window) { return ActivityLog(window).toPlainText(); }
QString PortStatus(const QWidget& window) { return Child<QLabel>(window, "statusLabel").text(); }
int CurrentTab(const QWidget& window) { return Child<QTabWidget>(window).currentIndex(); }
}  // namespace

TEST(MainWindowStart, WithoutASavedPortThePortPageComesFirstAndSaysWhatToDo) {
  UiFixture f;
  UiFixture::SaveSetting("ActivePage", CTabView::kCommandTesterTab);
  CMainWindow& window = f.OpenWindow();
  EXPECT_EQ(CurrentTab(window), CTabView::kPortTab);
  EXPECT_TRUE(PortStatus(window).startsWith("Choose the serial port the ZU6400 is connected to, or type its path"));
  EXPECT_TRUE(Child<QPushButton>(window, "simulateButton").isVisibleTo(&window));
}

// With a port the saved page comes back; Trace from the View menu shows the
// contact's lines; closing saves both.
TEST(MainWindowStart, WithAPortTheSavedPageComesBackAndTraceFromTheMenuIsSaved) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  UiFixture::SaveSetting("Port", f.SimPort());
  UiFixture::SaveSetting("ActivePage", CTabView::kCommandTesterTab);
  CMainWindow& window = f.OpenWindow();
  EXPECT_EQ(CurrentTab(window), CTabView::kCommandTesterTab);
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_FALSE(LogText(window).contains(" send I;"));
  Child<QAction>(window, "traceAction").trigger();
  Child<QPushButton>(window, "testButton").click();  // contacts the tuner again
  ASSERT_TRUE(WaitFor([&] { return LogText(window).count("Connected to ZU6400") >= 2; }, 15000));
  // A progress line that is both a state text and a log line shows once a run.
  EXPECT_EQ(LogText(window).count("Connected to ZU6400"), 2) << LogText(window).toStdString();
  EXPECT_EQ(LogText(window).count(" send I;"), 1) << LogText(window).toStdString();
  f.ShowPage<CFirmwarePage>();
  f.CloseWindow();
  EXPECT_EQ(UiFixture::Setting("ActivePage").toInt(), CTabView::kFirmwareTab);
  EXPECT_EQ(UiFixture::Setting("Trace").toInt(), 1);
}

TEST(PortPage, APortThatCannotBeOpenedStaysChosenAndTheFailureIsShown) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/zu6400-gone");
  CMainWindow& window = f.OpenWindow();
  auto& box = Child<QComboBox>(window, "portBox");
  EXPECT_EQ(box.currentText(), "/dev/zu6400-gone");
  EXPECT_TRUE(box.itemData(box.currentIndex(), Qt::ToolTipRole).toString().contains("not present"));
  // The start-up contact failed to open it: the reason is where the user looks.
  ASSERT_TRUE(WaitFor([&] { return PortStatus(window).startsWith("Could not open \"/dev/zu6400-gone\""); }, 5000))
      << PortStatus(window).toStdString();
  EXPECT_EQ(window.statusBar()->currentMessage(), "Could not open \"/dev/zu6400-gone\"");
  // The status bar draws its messages: a screen reader hears them as its name.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.statusBar())->text(QAccessible::Name),
            window.statusBar()->currentMessage());
  EXPECT_TRUE(PortStatus(window).contains("Error 0x00000002")) << PortStatus(window).toStdString();
  EXPECT_EQ(window.windowTitle(), CProgramVersion::VersionText() + " on /dev/zu6400-gone closed");
}

TEST(PortPage, TestCommunicationsReportsTheTunerInABoxAndInTheTitle) {
  UiFixture f;
  SimOptions numbered;
  numbered.serial = 1234;
  ASSERT_TRUE(f.StartSimulator(numbered));
  CMainWindow& window = f.OpenWindow();
  // A pseudo-terminal is not listed: the user types its path and presses Test Communications.
  auto& box = Child<QComboBox>(window, "portBox");
  box.setEditText(f.SimPort());
  Child<QPushButton>(window, "testButton").click();
  ASSERT_TRUE(f.WaitRunning());
  ASSERT_TRUE(WaitFor([&] { return f.prompts.Count("ZU6400 Status") == 1; }, 2000));
  EXPECT_EQ(f.prompts.boxes.back().text, "ZU6400 MCU version 01.05 on " + f.SimPort() + " at 38400 bit/s");
  EXPECT_EQ(PortStatus(window), "ZU6400 MCU version 01.05");
  const QString title = CProgramVersion::VersionText();
  EXPECT_EQ(window.windowTitle(), title + " - S/N 01234 on " + f.SimPort() + " at 38400 bit/s");

  // Closed, the port's status no longer holds.
  Child<QPushButton>(window, "closeButton").click();
  EXPECT_EQ(PortStatus(window), "");
  EXPECT_EQ(window.statusBar()->currentMessage(), "Serial port " + f.SimPort() + " is closed");
}

TEST(MainWindowLog, ReadyOnceUntilAnotherLineCameBetweenAndSavedToAFile) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  CTunerModel& model = GetModel();
  model.MachineFinished.Fire(0);
  EXPECT_TRUE(LogText(window).endsWith(" " + LoadString(Str::Ready)));
  const qsizetype readies = LogText(window).count(" Ready");
  model.MachineFinished.Fire(0);  // as every poll cycle ends
  EXPECT_EQ(LogText(window).count(" Ready"), readies) << LogText(window).toStdString();
  model.LogText(QStringLiteral("Tuned"));
  model.MachineFinished.Fire(0);
  EXPECT_EQ(LogText(window).count(" Ready"), readies + 1) << LogText(window).toStdString();

  // "Save Log As..." writes what the log shows to the chosen file.
  QTemporaryDir folder;
  f.prompts.file = folder.filePath(QStringLiteral("log.txt"));
  ActivityLog(window).CreateContextMenu()->actions().constLast()->trigger();
  EXPECT_TRUE(f.prompts.offered.endsWith("/ZU6400 activity log.txt")) << f.prompts.offered.toStdString();
  EXPECT_EQ(QString::fromUtf8(FileBytes(f.prompts.file)), LogText(window) + u'\n');
}

TEST(MainWindowPlacement, KeptComesBackAndOnScreen) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  const QRect wanted(QPoint(40, 30), window.minimumSize() + QSize(60, 50));
  window.setGeometry(wanted);
  QCoreApplication::processEvents();
  f.CloseWindow();
  EXPECT_EQ(f.OpenWindow().geometry(), wanted);
  f.CloseWindow();

  // Saved on a larger screen: brought back onto this one.
  UiFixture::SaveSetting("Window/left", 5000);
  UiFixture::SaveSetting("Window/right", 8000);
  CMainWindow& moved = f.OpenWindow();
  EXPECT_TRUE(moved.screen()->availableGeometry().contains(moved.geometry()));
}

TEST(MainWindowDialogs, HelpForEveryPageAboveAModalDialogTooAndBoxesThatDoNotHoldTheCaller) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  for (int tab = CTabView::kPortTab; tab <= CTabView::kCommandTesterTab; ++tab) {
    Child<QTabWidget>(window).setCurrentIndex(tab);
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(CHelp::Window(), nullptr) << tab;
  }
  EXPECT_TRUE(CHelp::Window()->source().path().endsWith("/CommandTester.htm"));
  // Asked for in a modal dialog, it opens in front of the dialog: Qt blocks
  // every window but the modal dialog's own.
  QDialog modal(&window);
  QWidget* helpParent = &window;
  OnNextModal<QDialog>([&](QDialog& dialog) {
    CHelp::Show(QStringLiteral("CommandTester.htm#MacroEditor"));
    helpParent = CHelp::Window()->isVisible() ? CHelp::Window()->parentWidget() : nullptr;
    dialog.reject();
  });
  modal.exec();
  EXPECT_EQ(helpParent, &modal);
  CHelp::CloseWindow();

  // A message box is modal to the window, and the caller is back at once:
  // the box waits for the user on the main loop.
  CUserPrompts::Replace(nullptr);  // the real boxes
  GetModel().MessageBox(QStringLiteral("Serial Port Error"), QStringLiteral("ReadFile failed"), BoxIcon::Error);
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->parentWidget(), &window);
  box->accept();
  EXPECT_TRUE(WaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 2000));
}

// The Port page's button restarts the program on a simulated tuner in a new
// window, and the saved port is kept for the next run.
TEST(UtilityProgram, TheSimulatedTunerFromThePortPageLeavesTheSavedPortAlone) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/ttyUSB7");  // an adapter that is absent
  {
    CUtilityProgram program({QStringLiteral("zu6400-utility")});
    ASSERT_TRUE(program.Start());
    program.Window().show();
    Child<QPushButton>(program.Window(), "simulateButton").click();
    ASSERT_TRUE(f.WaitRunning());
    EXPECT_TRUE(program.Window().isVisible());
    program.Window().close();
  }
  EXPECT_EQ(UiFixture::Setting("Port").toString(), "/dev/ttyUSB7");
}
