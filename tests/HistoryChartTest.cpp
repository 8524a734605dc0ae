// The history chart offscreen, alone on a readings ring and on the Operate
// page against the simulated tuner; the page's readings log in a temporary
// folder; the main window's menu item and status bar.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QComboBox>
#include <QStatusBar>
#include <QTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "ReadingsTestSupport.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "ui/OperatePage.h"
#include "ui/SwrAlarmDialog.h"
#include "ui/TabView.h"

namespace {

// A point with every reading, at second s.
CHistoryPoint Reading(int s, float swr, float vfwd = 100) {
  CHistoryPoint p;
  p.time = 1'000'000'000'000 + 1000LL * s;
  p.swr = swr;
  p.swrBypass = swr + 1;
  p.vfwd = vfwd;
  p.vrfl = vfwd / 10;
  return p;
}

CHistoryPoint Gap(int s) {
  CHistoryPoint p;
  p.time = Reading(s, 1).time;
  return p;
}

TEST(HistoryChart, PointsOlderThanTheWindowLeaveAndALongerWindowRedrawsFromTheRing) {
  CReadingsHistory ring;
  CHistoryChart chart(ring);
  chart.SetWindowMinutes(1);
  for (int s = 0; s <= 180; ++s) {
    ring.Add(Reading(s, 1.5f));
    chart.Update();
  }
  chart.Update();  // nothing new: nothing drawn twice
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 61);  // seconds 120 to 180
  EXPECT_EQ(chart.PieceCount(CHistoryChart::Swr), 1);
  chart.SetWindowMinutes(5);
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 181);
}

TEST(HistoryChart, GapSplitsEveryLineAndPiecesAndMarksLeaveWithTheirTime) {
  CReadingsHistory ring;
  CHistoryChart chart(ring);
  chart.SetWindowMinutes(1);
  CHistoryPoint marked = Reading(0, 1.2f);
  marked.mark = HistoryMark::Tune;
  ring.Add(marked);
  ring.Add(Reading(1, 1.3f));
  ring.Add(Gap(2));
  ring.Add(Gap(3));
  CHistoryPoint noSwr = Reading(4, CHistoryPoint::kNone);  // no carrier: voltages only
  noSwr.swrBypass = CHistoryPoint::kNone;
  noSwr.mark = HistoryMark::Memorize;
  ring.Add(noSwr);
  ring.Add(Reading(5, 1.4f));
  chart.Update();
  EXPECT_EQ(chart.PieceCount(CHistoryChart::Swr), 2);
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 3);
  EXPECT_EQ(chart.PieceCount(CHistoryChart::ForwardVoltage), 2);
  EXPECT_EQ(chart.PointCount(CHistoryChart::ForwardVoltage), 4);
  EXPECT_EQ(chart.MarkCount(), 2);
  // What a screen reader hears of the lines.
  EXPECT_EQ(chart.accessibleDescription(), "Last 1 minute(s): latest SWR 1.40, lowest SWR 1.20");

  ring.Add(Reading(62, 1.5f));  // the first piece and the Tune mark are out of the window now
  chart.Update();
  EXPECT_EQ(chart.PieceCount(CHistoryChart::Swr), 1);
  EXPECT_EQ(chart.MarkCount(), 1);
  EXPECT_EQ(chart.accessibleDescription(), "Last 1 minute(s): latest SWR 1.50, lowest SWR 1.40");
}

TEST(HistoryChart, AxesGrowWithTheDataAndTheChartNeverHoldsMoreThanTheRing) {
  CReadingsHistory ring(50);
  CHistoryChart chart(ring);
  chart.SetWindowMinutes(60);
  ring.Add(Reading(0, 1.8f, 80));
  chart.Update();
  EXPECT_EQ(chart.SwrTop(), 3.0);
  ring.Add(Reading(1, 7.0f, 430));
  chart.Update();
  EXPECT_EQ(chart.SwrTop(), 10.0);
  EXPECT_EQ(chart.VoltageTop(), 500.0);
  for (int s = 2; s < 500; ++s) {
    ring.Add(s % 7 == 0 ? Gap(s) : Reading(s, 1.1f));
    chart.Update();
    ASSERT_LE(chart.PointCount(CHistoryChart::Swr), 50);
  }
  EXPECT_EQ(ring.Size(), 50u);
  EXPECT_EQ(chart.SwrTop(), 3.0);  // the high readings have left the ring
}

TEST(HistoryChart, LongWindowDrawsATimeSlotPerPointAndKeepsItsPeak) {
  CReadingsHistory ring;
  CHistoryChart chart(ring);
  chart.SetWindowMinutes(60);  // 6-second slots
  for (int s = 0; s < 120; ++s) {
    ring.Add(Reading(s, s == 61 ? 9.0f : 1.2f));
    chart.Update();
  }
  EXPECT_GE(chart.PointCount(CHistoryChart::Swr), 20);
  EXPECT_LE(chart.PointCount(CHistoryChart::Swr), 21);
  EXPECT_EQ(chart.SwrTop(), 10.0);  // the one high reading is in its slot's point
}

class PageFixture : public ModelFixture {
 public:
  explicit PageFixture(SimOptions options = Firmware("01.97")) : ModelFixture(options) {
    QSettings("Corvanta", "ZU6400 Utility").setValue("OperatePollInterval", 50);
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
    page = std::make_unique<COperatePage>();
    page->show();
  }
  ~PageFixture() { page.reset(); }
  bool WaitForCycles(std::uint64_t n) {
    const std::uint64_t target = page->History().AddedCount() + n;
    return WaitFor([&] { return page->History().AddedCount() >= target; }, 5000);
  }
  std::unique_ptr<COperatePage> page;
};

TEST(OperateHistory, LogLinesEqualTheReadingsAndALogThatCannotBeOpenedIsABox) {
  SimOptions options = Firmware("01.97");
  options.live = SimLive{'M', 2, 'A', 'N', 0, 0, 1, 0x09, 0x03, 7100, 0, 150};
  PageFixture f(options);
  QTemporaryDir dir;
  QSignalSpy changed(f.page.get(), &COperatePage::ReadingsLogChanged);
  EXPECT_FALSE(f.page->StartReadingsLog(PathUnderAFile(dir)));
  EXPECT_FALSE(f.page->IsLoggingReadings());
  ASSERT_EQ(f.Recorder().Count(Msg::MessageBox), 1);
  EXPECT_TRUE(f.Recorder().Lines(Msg::MessageBox)[0].contains("plain/readings.csv"));
  EXPECT_EQ(changed.count(), 0);

  const QString path = dir.filePath("readings.csv");
  ASSERT_TRUE(f.page->StartReadingsLog(path));
  ASSERT_TRUE(f.WaitForCycles(3));
  f.page->StopReadingsLog();
  EXPECT_EQ(changed.count(), 2);
  const QStringList lines = FileLines(path);
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines[0], ReadingsHeader());
  const COperateValues& v = f.page->Machine().Values();
  const QString readings = ReadingsLine(QDateTime::currentDateTime(), v).section(',', 1);
  EXPECT_TRUE(readings.startsWith("7100,40,M,2,A,N,90,160,150,")) << readings.toStdString();
  for (const QString& line : lines.mid(1)) EXPECT_EQ(line.section(',', 1), readings);
}

TEST(OperateHistory, HidingThePageLeavesAGapInTheChartAndAPauseLineInTheLog) {
  PageFixture f;
  QTemporaryDir dir;
  const QString path = dir.filePath("readings.csv");
  ASSERT_TRUE(f.page->StartReadingsLog(path));
  ASSERT_TRUE(f.WaitForCycles(2));
  f.page->hide();
  ASSERT_TRUE(WaitFor([&] { return f.page->History().Newest().IsGap(); }, 3000));
  f.page->show();
  ASSERT_TRUE(f.WaitForCycles(2));
  EXPECT_EQ(f.page->Chart().PieceCount(CHistoryChart::Swr), 2);

  const QStringList lines = FileLines(path);
  const QStringList paused = lines.filter(",polling paused,");
  ASSERT_EQ(paused.size(), 1) << lines.join('\n').toStdString();
  EXPECT_LT(lines.indexOf(paused[0]), lines.size() - 2);
}

TEST(OperateHistory, SwrAlarmChosenInTheViewMenuIsSavedSaidAndItsSpanBandedOnTheChart) {
  const CTimeScaleScope fast(kAnsweredTime);  // the 1 s hold passes in 200 ms
  UiFixture ui;
  ASSERT_TRUE(ui.StartSimulator(Firmware("01.97")));
  UiFixture::SaveSetting("Port", ui.SimPort());
  UiFixture::SaveSetting("OperatePollInterval", 40);
  CMainWindow& window = ui.OpenWindow();
  ASSERT_TRUE(ui.WaitRunning());
  window.TabView().setCurrentIndex(window.TabView().FirmwarePageIndex() + 1);
  auto* page = dynamic_cast<COperatePage*>(window.TabView().CurrentPage());
  ASSERT_NE(page, nullptr);
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CSwrAlarmDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->OnBox().setChecked(true);
    dialog->SwrBox().setValue(2.5);
    dialog->SecondsBox().setValue(1);
    dialog->accept();
  });
  window.SwrAlarmAction().trigger();
  EXPECT_EQ(UiFixture::Setting("AlarmSwr").toString(), "2.5");

  QSignalSpy changes(page, &COperatePage::AlarmChanged);
  ui.Sim().Live().Replay({{0, 3.5, 120, 68}, {0.8, 1.3, 120, 8}});
  ASSERT_TRUE(WaitFor([&] { return changes.count() == 1; }, 10000));
  EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("SWR alarm: the SWR stayed above 2.5 for 1 s (SWR 3.50)"))
      << window.statusBar()->currentMessage().toStdString();
  ASSERT_TRUE(WaitFor([&] { return changes.count() == 2; }, 10000));
  EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("SWR alarm cleared"));
  // The cycles from the raising up to the clearing are banded.
  const CReadingsHistory& ring = page->History();
  int alarmed = 0;
  for (std::size_t i = 0; i < ring.Size(); ++i) alarmed += ring.At(i).alarm;
  EXPECT_GT(alarmed, 0);
  EXPECT_LT(alarmed, static_cast<int>(ring.Size()));
  EXPECT_EQ(page->Chart().PieceCount(CHistoryChart::Alarm), 1) << "one band, however many time slots";
}

}  // namespace
