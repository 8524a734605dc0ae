// The main window: start page, title, activity-log routing, menu toggles,
// placement, help, and the tuner's adapter being unplugged.

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QKeySequence>
#include <QMessageBox>
#include <QApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "engine/StringTable.h"
#include "ui/FirmwarePage.h"
#include "ui/Help.h"
#include "ui/Page.h"
#include "ui/PortPage.h"
#include "ui/RichEditCtrlContext.h"
#include "ui/TabView.h"
#include "ui/UtilityProgram.h"

namespace {
const QString kBaseTitle = QStringLiteral("ZU6400 Utility Version ");

QString LogText(CMainFrame& frame) {
  auto* page = static_cast<CFirmwarePage*>(frame.TabView().Page(frame.TabView().FirmwarePageIndex()));
  return page->Log().toPlainText();
}
}  // namespace

TEST(MainFrameStart, NoSavedPortStartsOnPortPageWhateverActivePageSays) {
  UiFixture f;
  UiFixture::SaveSetting("ActivePage", 4);
  CMainFrame& frame = f.OpenFrame();
  EXPECT_EQ(frame.TabView().currentIndex(), CTabView::kPortPage);
  EXPECT_EQ(frame.TabView().count(), 5);
  const QStringList titles = {"Port", "Firmware", "Operate", "Configuration", "Command Tester"};
  for (int i = 0; i < frame.TabView().count(); ++i) EXPECT_EQ(frame.TabView().tabText(i), titles[i]);
}

TEST(MainFrameStart, SavedPortRestoresActivePageOrFallsBackWhenOutOfRange) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  UiFixture::SaveSetting("Port", f.SimPort());
  UiFixture::SaveSetting("ActivePage", 4);
  EXPECT_EQ(f.OpenFrame().TabView().currentIndex(), 4);
  f.CloseFrame();
  // Closing stored the selected tab; a page index beyond the tabs is not kept.
  EXPECT_EQ(UiFixture::Setting("ActivePage").toInt(), 4);
  UiFixture::SaveSetting("ActivePage", 9);
  EXPECT_EQ(f.OpenFrame().TabView().currentIndex(), CTabView::kPortPage);
}

TEST(MainFrameTitle, FollowsSerialNumberPortAndSpeed) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  CModel& model = GetModel();
  EXPECT_TRUE(frame.windowTitle().startsWith(kBaseTitle));
  EXPECT_FALSE(frame.windowTitle().contains(" on "));
  const QString base = frame.windowTitle();

  model.Port.Set(QStringLiteral("/dev/zu6400-missing"));  // opening fails: the port stays closed
  EXPECT_EQ(frame.windowTitle(), base + " on /dev/zu6400-missing closed");
  model.SerialNumber.Set(42);
  EXPECT_EQ(frame.windowTitle(), base + " - S/N 00042 on /dev/zu6400-missing closed");

  SimOptions slow;
  slow.speed = 9600;
  slow.serial = 1234;
  ASSERT_TRUE(f.StartSimulator(slow));
  model.Port.Set(f.SimPort());
  ASSERT_TRUE(f.WaitRunning());
  EXPECT_EQ(frame.windowTitle(), base + " - S/N 01234 on " + f.SimPort() + " at 9600 bit/s");

  model.ClosePort();
  EXPECT_EQ(frame.windowTitle(), base + " on " + f.SimPort() + " closed");
}

TEST(MainFrameLog, LinesReachTheLogOnlyWhileTheFirmwarePageIsShown) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  CModel& model = GetModel();
  frame.TabView().setCurrentIndex(frame.TabView().FirmwarePageIndex());
  model.LogText(QStringLiteral("first line"));
  frame.TabView().setCurrentIndex(CTabView::kPortPage);
  model.LogText(QStringLiteral("while away"));
  frame.TabView().setCurrentIndex(frame.TabView().FirmwarePageIndex());
  model.LogText(QStringLiteral("second line"));

  const QStringList lines = LogText(frame).split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  const QRegularExpression stamped(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d first line$"));
  EXPECT_TRUE(stamped.match(lines[0]).hasMatch()) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(" second line"));
  EXPECT_FALSE(LogText(frame).contains("while away"));
}

TEST(MainFrameLog, MachineFinishedLogsReadyAndVerboseLinesNeedTheSetting) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  CModel& model = GetModel();
  frame.TabView().setCurrentIndex(frame.TabView().FirmwarePageIndex());
  model.MachineFinished.Fire(0);
  EXPECT_TRUE(LogText(frame).endsWith(" " + LoadString(Str::Ready)));
  EXPECT_EQ(LoadString(Str::Ready), "Ready");

  model.LogVerbose(QStringLiteral("detail one"));
  EXPECT_FALSE(LogText(frame).contains("detail one"));
  frame.VerboseAction().trigger();
  model.LogVerbose(QStringLiteral("detail two"));
  EXPECT_TRUE(LogText(frame).contains("detail two"));
}

TEST(MainFrameMenu, TraceAndVerboseToggleThePersistedValuesWithTheirCheckMarks) {
  UiFixture f;
  UiFixture::SaveSetting("VerboseLogging", 1);
  CMainFrame& frame = f.OpenFrame();
  CModel& model = GetModel();
  EXPECT_TRUE(frame.VerboseAction().isChecked());
  EXPECT_FALSE(frame.TraceAction().isChecked());
  frame.TraceAction().trigger();
  EXPECT_EQ(model.Trace.Get(), 1);
  EXPECT_TRUE(frame.TraceAction().isChecked());
  frame.TraceAction().trigger();
  EXPECT_EQ(model.Trace.Get(), 0);
  EXPECT_FALSE(frame.TraceAction().isChecked());

  frame.TraceAction().trigger();
  frame.VerboseAction().trigger();
  frame.StatusBarAction().trigger();
  EXPECT_FALSE(frame.statusBar()->isVisible());
  f.CloseFrame();
  EXPECT_EQ(UiFixture::Setting("Trace").toInt(), 1);
  EXPECT_EQ(UiFixture::Setting("VerboseLogging").toInt(), 0);
}

TEST(MainFrameWindow, StatusBarSaysReadyAndTheWindowKeepsItsInitialSizeAsMinimum) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");
  const QSize initial = frame.InitialSize();
  ASSERT_TRUE(initial.isValid());
  EXPECT_EQ(frame.size(), initial);
  frame.resize(initial.width() / 2, initial.height() / 2);
  EXPECT_GE(frame.width(), initial.width());
  EXPECT_GE(frame.height(), initial.height());
}

TEST(MainFrameWindow, PlacementRoundTripsThroughTheWindowGroup) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  const QSize initial = frame.InitialSize();
  const QRect wanted(QPoint(40, 30), initial + QSize(60, 50));
  frame.setGeometry(wanted);
  QCoreApplication::processEvents();
  f.CloseFrame();

  QSettings settings("Corvanta", "ZU6400 Utility");
  settings.beginGroup("Window");
  EXPECT_EQ(settings.childKeys().size(), 10);
  EXPECT_EQ(settings.value("left").toInt(), wanted.left());
  EXPECT_EQ(settings.value("right").toInt(), wanted.left() + wanted.width());
  settings.endGroup();

  EXPECT_EQ(f.OpenFrame().geometry(), wanted);
}

TEST(MainFrameWindow, IncompletePlacementFallsBackToTheCenteredInitialSize) {
  UiFixture f;
  {
    QSettings settings("Corvanta", "ZU6400 Utility");
    settings.beginGroup("Window");
    for (const char* name : {"flags", "showCmd", "minPosX", "minPosY", "maxPosX", "maxPosY", "bottom", "left", "right"})
      settings.setValue(name, 500);
    settings.setValue("right", 900);  // "top" is missing
  }
  CMainFrame& frame = f.OpenFrame();
  EXPECT_EQ(frame.size(), frame.InitialSize());
  EXPECT_NE(frame.geometry().left(), 500);
}

TEST(MainFrameHelp, F1OpensThePageTopicAndAMissingPageGivesHelpError) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  QTemporaryDir empty;
  CHelp::SetFolder(empty.path());
  frame.TabView().setCurrentIndex(CTabView::kCommandTesterPage);
  QTest::keyClick(&frame, Qt::Key_F1);
  ASSERT_EQ(f.boxes.Count("Help Error"), 1);
  EXPECT_TRUE(f.boxes.boxes.back().text.contains("CommandTester.htm"));

  CHelp::SetFolder(QStringLiteral(ZU_HELP_SOURCE_DIR));
  frame.TabView().setCurrentIndex(CTabView::kPortPage);
  QTest::keyClick(&frame, Qt::Key_F1);
  ASSERT_NE(CHelp::Window(), nullptr);
  EXPECT_TRUE(CHelp::Window()->source().path().endsWith("/Port.htm"));
  EXPECT_EQ(f.boxes.Count("Help Error"), 1);
  CHelp::CloseWindow();
  CHelp::SetFolder({});
}

TEST(MainFrameHelp, EveryTopicTheProgramAsksForIsShipped) {
  UiFixture f;
  CMainFrame& frame = f.OpenFrame();
  QStringList topics = {CHelp::kContents, "EditConfiguration.htm"};
  for (int i = 0; i < frame.TabView().count(); ++i) topics << frame.TabView().Page(i)->HelpTopic();
  for (const QString& topic : topics)
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ZU_HELP_SOURCE_DIR "/") + topic)) << topic.toStdString();
}

TEST(MainFrameUnplug, VanishingTunerIsReportedOnceAndShowsThePortClosed) {
  UiFixture f;
  ASSERT_TRUE(f.StartSimulator());
  CMainFrame& frame = f.OpenFrame(QString());
  GetModel().Port.Set(f.SimPort());
  ASSERT_TRUE(f.WaitRunning());
  const std::size_t boxesBefore = f.boxes.boxes.size();

  f.Sim().Vanish();
  ASSERT_TRUE(WaitFor([] { return GetModel().PortState.Get() == -1; }, 5000));
  // The window keeps working: its event loop turns and a timer fires.
  bool ticked = false;
  QTimer::singleShot(50, [&] { ticked = true; });
  EXPECT_TRUE(WaitFor([&] { return ticked; }, 2000));
  EXPECT_EQ(f.boxes.Count("COM Port Error"), 1);
  EXPECT_EQ(f.boxes.boxes.size(), boxesBefore + 1);
  EXPECT_TRUE(frame.windowTitle().endsWith(" on " + f.SimPort() + " closed"));
  EXPECT_EQ(GetModel().FirmwareStatus.Get(), FirmwareStatusNone);

  // The tuner comes back (the system may give it the same name again), and
  // Test Communications finds it.
  CSimulatorThread back;
  ASSERT_TRUE(back.Start());
  auto& portPage = *static_cast<CPortPage*>(frame.TabView().Page(CTabView::kPortPage));
  portPage.PortBox().setEditText(back.SlavePath());
  portPage.TestButton().click();
  EXPECT_TRUE(f.WaitRunning());
}

TEST(UtilityProgram, SimulateFindsTheTunerWithoutChangingTheSavedPort) {
  UiFixture f;
  UiFixture::SaveSetting("Port", "/dev/ttyUSB7");
  {
    CUtilityProgram program({QStringLiteral("zu6400-utility"), QStringLiteral("--simulate")});
    ASSERT_TRUE(program.Start());
    program.Frame().show();
    program.Frame().TabView().setCurrentIndex(program.Frame().TabView().FirmwarePageIndex());
    ASSERT_TRUE(f.WaitRunning());
    const QString port = GetModel().Port.Get();
    EXPECT_TRUE(program.Frame().windowTitle().endsWith(" - S/N 01234 on " + port + " at 38400 bit/s"));
    EXPECT_TRUE(LogText(program.Frame()).contains("ZU6400 MCU version 01.05 on " + port + " at 38400 bit/s"));
    program.Frame().close();
  }
  EXPECT_EQ(UiFixture::Setting("Port").toString(), "/dev/ttyUSB7");
}

TEST(MainFrameBoxes, BoxOpensModalWithoutHoldingTheCaller) {
  UiFixture f;
  CMainFrame::SetBoxPresenter({});  // the real boxes
  CMainFrame& frame = f.OpenFrame();
  GetModel().MessageBox(QStringLiteral("COM Port Error"), QStringLiteral("ReadFile failed"), BoxIcon::Error);
  // Back here at once: the box waits for the user on the main loop.
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), "COM Port Error");
  EXPECT_EQ(box->text(), "ReadFile failed");
  EXPECT_EQ(box->parentWidget(), &frame);
  box->accept();
  EXPECT_TRUE(WaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 2000));
}
