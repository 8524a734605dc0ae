// The history chart offscreen, alone on a readings ring and on the Operate
// page against the simulated tuner; the page's readings log in a temporary
// folder; the main window's menu item and status bar.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "ReadingsTestSupport.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "ui/OperatePage.h"
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
  EXPECT_EQ(chart.PointCount(CHistoryChart::ReflectedVoltage), 61);
  EXPECT_EQ(chart.PieceCount(CHistoryChart::Swr), 1);
  chart.SetWindowMinutes(5);
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 181);
  chart.SetWindowMinutes(1);
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 61);
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
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 2);
  EXPECT_EQ(chart.PointCount(CHistoryChart::ForwardVoltage), 3);
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
  EXPECT_EQ(chart.VoltageTop(), 100.0);
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
  chart.SetWindowMinutes(1);
  EXPECT_EQ(chart.PointCount(CHistoryChart::Swr), 61);
}

class PageFixture : public ModelFixture {
 public:
  explicit PageFixture(SimOptions options = Firmware("01.97"), int pollMs = 50) : ModelFixture(options) {
    QSettings("Corvanta", "ZU6400 Utility").setValue("OperatePollInterval", pollMs);
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

TEST(OperateHistory, ChartGetsAPointPerCycleAndASleepingTunerLeavesAGap) {
  // Cycles further apart than the time slots of the shortest window.
  PageFixture f(Firmware("01.97"), 250);
  f.page->ChartWindowBox().setCurrentIndex(0);
  ASSERT_EQ(f.page->Chart().WindowMinutes(), 1);
  ASSERT_TRUE(f.WaitForCycles(3));
  const CReadingsHistory& ring = f.page->History();
  EXPECT_EQ(f.page->Chart().PointCount(CHistoryChart::Swr), static_cast<int>(ring.Size()));
  EXPECT_EQ(f.page->Chart().PieceCount(CHistoryChart::Swr), 1);
  f.Sim().Live().Modify([](SimLive& s) { s.power = 0; });
  ASSERT_TRUE(WaitFor([&] { return ring.Newest().IsGap(); }, 3000));
  f.Sim().Live().Modify([](SimLive& s) { s.power = 1; });
  ASSERT_TRUE(WaitFor([&] { return !ring.Newest().IsGap(); }, 3000));
  ASSERT_TRUE(f.WaitForCycles(1));
  EXPECT_EQ(f.page->Chart().PieceCount(CHistoryChart::Swr), 2);
  int gaps = 0;
  for (std::size_t i = 0; i < ring.Size(); ++i) gaps += ring.At(i).IsGap();
  EXPECT_EQ(f.page->Chart().PointCount(CHistoryChart::Swr), static_cast<int>(ring.Size()) - gaps);

  f.page->TuneButton().click();
  ASSERT_TRUE(f.WaitForCycles(2));
  EXPECT_EQ(f.page->Chart().MarkCount(), 1);
}

TEST(OperateHistory, WindowChoiceIsSavedAndTakenByTheNextPage) {
  PageFixture f;
  EXPECT_EQ(f.page->Chart().WindowMinutes(), CHistoryChart::kDefaultWindowMinutes);
  QComboBox& box = f.page->ChartWindowBox();
  box.setCurrentIndex(box.findData(15));
  EXPECT_EQ(f.page->Chart().WindowMinutes(), 15);
  f.page.reset();
  EXPECT_EQ(QSettings("Corvanta", "ZU6400 Utility").value("OperateHistoryMinutes").toInt(), 15);
  COperatePage next;
  EXPECT_EQ(next.Chart().WindowMinutes(), 15);
  QSettings("Corvanta", "ZU6400 Utility").setValue("OperateHistoryMinutes", 7);  // not a choice: the default
  COperatePage odd;
  EXPECT_EQ(odd.Chart().WindowMinutes(), CHistoryChart::kDefaultWindowMinutes);
}

TEST(OperateHistory, LogLinesEqualTheReadingsWithOneHeaderAcrossRuns) {
  SimOptions options = Firmware("01.97");
  options.live = SimLive{'M', 2, 'A', 'N', 0, 0, 1, 0x09, 0x03, 7100, 0, 150};
  PageFixture f(options);
  QTemporaryDir dir;
  const QString path = dir.filePath("readings.csv");
  QSignalSpy changed(f.page.get(), &COperatePage::ReadingsLogChanged);
  for (int run = 0; run < 2; ++run) {
    ASSERT_TRUE(f.page->StartReadingsLog(path));
    ASSERT_TRUE(f.WaitForCycles(3));
    f.page->StopReadingsLog();
  }
  EXPECT_EQ(changed.count(), 4);
  EXPECT_EQ(changed[0][0].toString(), path);
  EXPECT_EQ(changed[1][0].toString(), "");
  const QStringList lines = FileLines(path);
  ASSERT_GE(lines.size(), 7);
  EXPECT_EQ(lines.count(ReadingsHeader()), 1);
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
  const std::uint64_t atPause = f.page->History().AddedCount();
  WaitFor([] { return false; }, 150);  // polls would have come meanwhile
  EXPECT_EQ(f.page->History().AddedCount(), atPause);
  f.page->show();
  ASSERT_TRUE(f.WaitForCycles(2));
  EXPECT_EQ(f.page->Chart().PieceCount(CHistoryChart::Swr), 2);

  const QStringList lines = FileLines(path);
  const QStringList paused = lines.filter(",polling paused,");
  ASSERT_EQ(paused.size(), 1) << lines.join('\n').toStdString();
  EXPECT_EQ(paused[0].count(u','), ReadingsHeader().count(u','));
  const qsizetype at = lines.indexOf(paused[0]);
  EXPECT_GE(at, 3);  // the header and the readings before
  EXPECT_LT(at, lines.size() - 2);
}

TEST(OperateHistory, LogThatCannotBeOpenedOrWrittenIsABoxAndLoggingStops) {
  PageFixture f;
  QTemporaryDir dir;
  QSignalSpy changed(f.page.get(), &COperatePage::ReadingsLogChanged);
  EXPECT_FALSE(f.page->StartReadingsLog(PathUnderAFile(dir)));
  EXPECT_FALSE(f.page->IsLoggingReadings());
  ASSERT_EQ(f.Recorder().Count(Msg::MessageBox), 1);
  EXPECT_TRUE(f.Recorder().Lines(Msg::MessageBox)[0].contains("plain/readings.csv"));
  EXPECT_EQ(changed.count(), 0);

  const QString path = dir.filePath("readings.csv");
  ASSERT_TRUE(f.page->StartReadingsLog(path));
  ASSERT_TRUE(f.WaitForCycles(2));
  {
    const CFileSizeLimit limit(QFileInfo(path).size() + 10);  // not one more whole line
    ASSERT_TRUE(limit.IsSet());
    ASSERT_TRUE(WaitFor([&] { return f.Recorder().Count(Msg::MessageBox) == 2; }, 5000));
  }
  EXPECT_FALSE(f.page->IsLoggingReadings());
  EXPECT_EQ(changed.count(), 2);
  EXPECT_EQ(changed.back()[0].toString(), "");
  const QStringList lines = FileLines(path);
  ASSERT_GE(lines.size(), 3);
  for (const QString& line : lines) EXPECT_EQ(line.count(','), 13) << line.toStdString();
}

TEST(OperateHistory, MenuItemIsCheckedAndTheStatusBarNamesTheFileWhileLogging) {
  UiFixture ui;
  CMainWindow& window = ui.OpenWindow();
  auto* page = window.TabView().findChild<COperatePage*>();
  ASSERT_NE(page, nullptr);
  QTemporaryDir dir;
  const QString path = dir.filePath("readings.csv");
  EXPECT_FALSE(window.ReadingsLogAction().isChecked());
  ASSERT_TRUE(page->StartReadingsLog(path));
  EXPECT_TRUE(window.ReadingsLogAction().isChecked());
  EXPECT_TRUE(window.ReadingsLogStatus().contains(path));
  window.ReadingsLogAction().trigger();  // on: the item stops the log
  EXPECT_FALSE(page->IsLoggingReadings());
  EXPECT_FALSE(window.ReadingsLogAction().isChecked());
  EXPECT_TRUE(window.ReadingsLogStatus().isEmpty());
}

}  // namespace
