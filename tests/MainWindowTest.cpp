// The main window: start page, title, activity-log routing, menu toggles,
// placement, help, and the tuner's adapter being unplugged.

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QFile>
#include <QApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "app/UtilityProgram.h"
#include "base/StringTable.h"
#include "ui/FirmwarePage.h"
#include "ui/Help.h"
#include "ui/LogView.h"
#include "ui/Page.h"
#include "ui/PortPage.h"
#include "ui/TabView.h"

namespace {
QString LogText(CMainWindow& window) {
  auto* page = static_cast<CFirmwarePage*>(window.TabView().Page(window.TabView().FirmwarePageIndex()));
  return page->Log().toPlainText();
}
}  // namespace

TEST(MainWindowStart, NoSavedPortStartsOnPortPageWhateverActivePageSays) {
  UiFixture f;
  UiFixture::SaveSetting("ActivePage", 4);
  CMainWindow& window = f.OpenWindow();
  EXPECT_EQ(window.TabView().currentIndex(), CTabView::kPortPage);
}

TEST(MainWindowStart, SavedPortRestoresActivePageOrFallsBackWhenOutOfRange) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  UiFixture::SaveSetting("Port", f.SimPort());
  UiFixture::SaveSetting("ActivePage", 4);
  EXPECT_EQ(f.OpenWindow().TabView().currentIndex(), 4);
  f.CloseWindow();
  // Closing stored the selected tab; a page index beyond the tabs is not kept.
  EXPECT_EQ(UiFixture::Setting("ActivePage").toInt(), 4);
  UiFixture::SaveSetting("ActivePage", 9);
  EXPECT_EQ(f.OpenWindow().TabView().currentIndex(), CTabView::kPortPage);
}

TEST(MainWindowTitle, FollowsSerialNumberPortAndSpeed) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  CTunerModel& model = GetModel();
  const QString base = window.windowTitle();

  model.ChoosePort(QStringLiteral("/dev/zu6400-missing"));  // opening fails: the port stays closed
  EXPECT_EQ(window.windowTitle(), base + " on /dev/zu6400-missing closed");

  const CTimeScaleScope faster(kSearchTime);  // the search passes 38400 and 19200 first
  SimOptions slow;
  slow.speed = 9600;
  slow.serial = 1234;
  ASSERT_TRUE(f.StartSimulator(slow));
  model.ChoosePort(f.SimPort());
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(window.windowTitle(), base + " - S/N 01234 on " + f.SimPort() + " at 9600 bit/s");

  model.ClosePort();
  EXPECT_EQ(window.windowTitle(), base + " on " + f.SimPort() + " closed");
  EXPECT_EQ(window.statusBar()->currentMessage(), "Serial port " + f.SimPort() + " is closed");
}

TEST(MainWindowLog, KeepsLinesLoggedWhileAnotherPageIsShownAndSavesThemToAFile) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  CTunerModel& model = GetModel();
  auto* page = static_cast<CFirmwarePage*>(window.TabView().Page(window.TabView().FirmwarePageIndex()));
  page->Log().clear();
  window.TabView().setCurrentIndex(window.TabView().FirmwarePageIndex());
  model.LogText(QStringLiteral("first line"));
  window.TabView().setCurrentIndex(CTabView::kPortPage);
  model.LogText(QStringLiteral("while away"));
  window.TabView().setCurrentIndex(window.TabView().FirmwarePageIndex());
  model.LogText(QStringLiteral("second line"));

  // The page logs lines of its own (the folder scan) when it is shown.
  const QStringList lines = LogText(window).split(u'\n').filter(QRegularExpression(QStringLiteral("(line|away)$")));
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[1].endsWith(" while away"));

  // "Save Log As..." writes what the log shows to the chosen file.
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("log.txt"));
  QString proposed;
  CLogView::SetSaveFileChooser([&](QWidget*, const QString&, const QString& proposal) {
    proposed = proposal;
    return path;
  });
  std::unique_ptr<QMenu> menu = page->Log().CreateContextMenu();
  QAction* save = menu->actions().constLast();
  save->trigger();
  CLogView::SetSaveFileChooser({});
  EXPECT_TRUE(proposed.endsWith("/ZU6400 activity log.txt")) << proposed.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), LogText(window) + u'\n');
}

TEST(MainWindowLog, DropsTheOldestLinesBeyondItsLimit) {
  CLogView log;
  log.SetCharacterLimit(100);
  for (int i = 0; i < 30; ++i) log.AppendLine(QStringLiteral("line %1").arg(i, 2, 10, QLatin1Char('0')));
  const QString text = log.toPlainText();
  EXPECT_LE(text.size(), 100);
  EXPECT_TRUE(text.endsWith("line 29"));
}

TEST(MainWindowLog, TraceLinesOfTheContactRunAppearOnlyWithTraceOn) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  UiFixture::SaveSetting("Trace", 1);
  UiFixture::SaveSetting("Port", f.SimPort());
  CMainWindow& window = f.OpenWindow();
  ASSERT_TRUE(f.WaitRunning());
  const QString text = LogText(window);
  EXPECT_EQ(text.count(" send I;"), 1) << text.toStdString();
  // A progress line that is both a state text and a log line shows once.
  EXPECT_EQ(text.count("Connected to ZU6400"), 1) << text.toStdString();
  f.CloseWindow();

  UiFixture::SaveSetting("Trace", 0);
  CMainWindow& quiet = f.OpenWindow();
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_FALSE(LogText(quiet).contains(" send ")) << LogText(quiet).toStdString();
  EXPECT_EQ(LogText(quiet).count("Connected to ZU6400"), 1);
}

TEST(MainWindowLog, MachineFinishedLogsReady) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  CTunerModel& model = GetModel();
  window.TabView().setCurrentIndex(window.TabView().FirmwarePageIndex());
  model.MachineFinished.Fire(0);
  EXPECT_TRUE(LogText(window).endsWith(" " + LoadString(Str::Ready)));
  // As every poll cycle ends: once, until another line came between.
  const qsizetype readies = LogText(window).count(" Ready");
  model.MachineFinished.Fire(0);
  model.MachineFinished.Fire(0);
  EXPECT_EQ(LogText(window).count(" Ready"), readies) << LogText(window).toStdString();
  model.LogText(QStringLiteral("Tuned"));
  model.MachineFinished.Fire(0);
  EXPECT_EQ(LogText(window).count(" Ready"), readies + 1) << LogText(window).toStdString();
}

TEST(MainWindowMenu, TraceAndVerboseToggleThePersistedValuesWithTheirCheckMarks) {
  UiFixture f;
  UiFixture::SaveSetting("VerboseLogging", 1);
  CMainWindow& window = f.OpenWindow();
  CTunerModel& model = GetModel();
  EXPECT_TRUE(window.VerboseAction().isChecked());
  window.TraceAction().trigger();
  EXPECT_EQ(model.Trace.Get(), 1);
  EXPECT_TRUE(window.TraceAction().isChecked());
  window.VerboseAction().trigger();
  f.CloseWindow();
  EXPECT_EQ(UiFixture::Setting("Trace").toInt(), 1);
  EXPECT_EQ(UiFixture::Setting("VerboseLogging").toInt(), 0);
}

TEST(MainWindowWindow, PagesScrollRatherThanSqueezeInASmallWindow) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  window.resize(700, 500);
  EXPECT_EQ(window.size(), QSize(700, 500));
  window.TabView().setCurrentIndex(2);
  QCoreApplication::processEvents();
  const CPage& operate = *window.TabView().CurrentPage();
  EXPECT_GE(operate.height(), operate.minimumSizeHint().height());
  // No smaller than the Port page needs.
  window.resize(100, 100);
  EXPECT_GE(window.height(), window.TabView().Page(CTabView::kPortPage)->minimumSizeHint().height());
}

TEST(MainWindowWindow, PlacementRoundTripsThroughTheWindowGroup) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  const QRect wanted(QPoint(40, 30), window.minimumSize() + QSize(60, 50));
  window.setGeometry(wanted);
  QCoreApplication::processEvents();
  f.CloseWindow();

  QSettings settings("Corvanta", "ZU6400 Utility");
  settings.beginGroup("Window");
  EXPECT_EQ(settings.value("left").toInt(), wanted.left());
  EXPECT_EQ(settings.value("right").toInt(), wanted.left() + wanted.width());
  settings.endGroup();

  EXPECT_EQ(f.OpenWindow().geometry(), wanted);
  f.CloseWindow();

  // Saved on a larger screen: brought back onto this one.
  {
    QSettings larger("Corvanta", "ZU6400 Utility");
    larger.setValue("Window/left", 5000);
    larger.setValue("Window/right", 8000);
  }
  CMainWindow& moved = f.OpenWindow();
  EXPECT_TRUE(moved.screen()->availableGeometry().contains(moved.geometry()));
}

TEST(MainWindowHelp, F1OpensThePageTopicAndAMissingPageGivesHelpError) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  QTemporaryDir empty;
  CHelp::SetFolder(empty.path());
  window.TabView().setCurrentIndex(CTabView::kCommandTesterPage);
  QTest::keyClick(&window, Qt::Key_F1);
  ASSERT_EQ(f.boxes.Count("Help Error"), 1);
  EXPECT_TRUE(f.boxes.boxes.back().text.contains("CommandTester.htm"));

  CHelp::SetFolder(QStringLiteral(ZU_HELP_SOURCE_DIR));
  window.TabView().setCurrentIndex(CTabView::kPortPage);
  QTest::keyClick(&window, Qt::Key_F1);
  ASSERT_NE(CHelp::Window(), nullptr);
  EXPECT_TRUE(CHelp::Window()->source().path().endsWith("/Port.htm"));
  // Read like a dialog, it closes with Escape.
  QApplication::setActiveWindow(CHelp::Window());
  QTest::keyClick(CHelp::Window(), Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([] { return CHelp::Window() == nullptr; }, 5000));
  CHelp::SetFolder({});
}

TEST(MainWindowHelp, HelpAskedForInAModalDialogOpensWhereTheDialogDoesNotBlockIt) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  CHelp::SetFolder(QStringLiteral(ZU_HELP_SOURCE_DIR));
  QDialog modal(&window);
  QWidget* helpParent = &window;
  bool shownAsWindow = false;
  QTimer::singleShot(0, [&] {
    CHelp::Show(QStringLiteral("CommandTester.htm#MacroEditor"));
    helpParent = CHelp::Window()->parentWidget();
    shownAsWindow = CHelp::Window()->isWindow() && CHelp::Window()->isVisible();
    modal.reject();
  });
  modal.exec();
  // Qt blocks every window but the modal dialog's own.
  EXPECT_EQ(helpParent, &modal);
  EXPECT_TRUE(shownAsWindow);
  CHelp::CloseWindow();
  CHelp::SetFolder({});
}

TEST(MainWindowHelp, EveryTopicTheProgramAsksForIsShipped) {
  UiFixture f;
  CMainWindow& window = f.OpenWindow();
  QStringList topics = {CHelp::kContents, "EditConfiguration.htm"};
  for (int i = 0; i < window.TabView().count(); ++i) topics << window.TabView().Page(i)->HelpTopic();
  for (const QString& topic : topics)
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ZU_HELP_SOURCE_DIR "/") + topic)) << topic.toStdString();
}

TEST(MainWindowUnplug, VanishingTunerIsReportedOnceAndShowsThePortClosed) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  CMainWindow& window = f.OpenWindow(QString());
  GetModel().ChoosePort(f.SimPort());
  ASSERT_TRUE(f.WaitRunning());
  const std::size_t boxesBefore = f.boxes.boxes.size();

  f.Sim().Vanish();
  ASSERT_TRUE(WaitFor([] { return GetModel().PortState.Get() == -1; }, 5000));
  EXPECT_EQ(f.boxes.Count("Serial Port Error"), 1);
  EXPECT_EQ(f.boxes.boxes.size(), boxesBefore + 1);
  EXPECT_EQ(GetModel().FirmwareStatus.Get(), FirmwareStatusNone);

  // The tuner comes back (the system may give it the same name again), and
  // Test Communications finds it.
  CSimulatorThread back;
  ASSERT_TRUE(back.Start());
  auto& portPage = *static_cast<CPortPage*>(window.TabView().Page(CTabView::kPortPage));
  portPage.PortBox().setEditText(back.SlavePath());
  portPage.TestButton().click();
  EXPECT_TRUE(f.WaitRunning());
}

TEST(UtilityProgram, TheSimulatedTunerFromThePortPageLeavesTheSavedPortAlone) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/ttyUSB7");  // an adapter that is absent
  UiFixture::SaveSetting("ActivePage", 2);
  {
    CUtilityProgram program({QStringLiteral("zu6400-utility")});
    ASSERT_TRUE(program.Start());
    program.Window().show();
    EXPECT_EQ(program.Window().TabView().currentIndex(), CTabView::kPortPage);
    static_cast<CPortPage*>(program.Window().TabView().CurrentPage())->SimulateButton().click();
    ASSERT_TRUE(f.WaitRunning());  // in a window of its own, as --simulate starts it
    program.Window().TabView().setCurrentIndex(program.Window().TabView().FirmwarePageIndex());
    const QString port = GetModel().Run.port;
    EXPECT_TRUE(LogText(program.Window()).contains("ZU6400 MCU version 01.97 on " + port + " at 38400 bit/s"));
    program.Window().close();
  }
  EXPECT_EQ(UiFixture::Setting("Port").toString(), "/dev/ttyUSB7");
}

TEST(MainWindowBoxes, BoxOpensModalWithoutHoldingTheCaller) {
  UiFixture f;
  CMainWindow::SetBoxPresenter({});  // the real boxes
  CMainWindow& window = f.OpenWindow();
  GetModel().MessageBox(QStringLiteral("Serial Port Error"), QStringLiteral("ReadFile failed"), BoxIcon::Error);
  // Back here at once: the box waits for the user on the main loop.
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->parentWidget(), &window);
  box->accept();
  EXPECT_TRUE(WaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 2000));
}
