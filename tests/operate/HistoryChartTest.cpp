// The history chart offscreen, alone on a readings ring and on the Operate
// page against the simulated tuner; the page's readings log in a temporary
// folder; the SWR alarm from the main window's menu to its status bar.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineSeries>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QValueAxis>

#include "tests/support/ReadingsTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/operate/SwrAlarmDialog.h"

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

// What the chart draws of a trace ("SWR", "VFWD", "SWR Alarm"...): its line pieces.
QList<QXYSeries*> Pieces(const CHistoryChart& chart, const QString& trace) {
  QList<QXYSeries*> pieces;
  for (QAbstractSeries* series : chart.chart()->series())
    if (series->objectName() == trace) pieces << static_cast<QXYSeries*>(series);
  return pieces;
}

int Points(const CHistoryChart& chart, const QString& trace) {
  int n = 0;
  for (const QXYSeries* piece : Pieces(chart, trace)) n += piece->count();
  return n;
}

double Top(const CHistoryChart& chart, const QString& axis) {
  for (QAbstractAxis* a : chart.chart()->axes())
    if (a->objectName() == axis) return static_cast<QValueAxis*>(a)->max();
  return -1;
}

// What the chart shows of its window: marks and the words a screen reader
// hears leave with their time; a long window draws a slot per point, with the
// slot's peak. Gaps split the lines on the page's own case.
TEST(HistoryChart, MarksAndWordsLeaveWithTheirTimeAndALongWindowKeepsEachSlotsPeak) {
  CReadingsHistory ring;
  CHistoryChart chart(ring);
  chart.SetWindowMinutes(1);
  CHistoryPoint marked = Reading(0, 1.2f);
  marked.mark = HistoryMark::Tune;
  ring.Add(marked);
  CHistoryPoint noSwr = Reading(1, CHistoryPoint::kNone);  // no carrier: voltages only
  noSwr.swrBypass = CHistoryPoint::kNone;
  noSwr.mark = HistoryMark::Memorize;
  ring.Add(noSwr);
  ring.Add(Reading(2, 1.4f));
  chart.Update();
  EXPECT_EQ(Points(chart, "SWR"), 2);
  EXPECT_EQ(Points(chart, "VFWD"), 3);
  EXPECT_EQ(Points(chart, "marks"), 2);
  EXPECT_EQ(chart.accessibleDescription(), "Last 1 minute(s): latest SWR 1.40, lowest SWR 1.20");
  ring.Add(Reading(61, 1.5f));  // the first reading and its Tune mark are out of the window now
  chart.Update();
  EXPECT_EQ(Points(chart, "marks"), 1);
  EXPECT_EQ(chart.accessibleDescription(), "Last 1 minute(s): latest SWR 1.50, lowest SWR 1.40");

  CReadingsHistory longRing;
  CHistoryChart hour(longRing);
  for (int s = 0; s <= 180; ++s) longRing.Add(Reading(s, s == 61 ? 9.0f : 1.5f));
  hour.SetWindowMinutes(60);  // 6-second slots, drawn from the ring
  EXPECT_GE(Points(hour, "SWR"), 31);
  EXPECT_LE(Points(hour, "SWR"), 32);
  EXPECT_EQ(Top(hour, "swrAxis"), 10.0);  // the one high reading is in its slot's point
}

TEST(OperateHistory, TheLogHoldsTheReadingsAndHidingThePageStopsPollingWithAGapAndAPauseLine) {
  SimOptions options = Firmware("01.97");
  options.live = SimLive{'M', 2, 'A', 'N', 0, 0, 1, 0x09, 0x03, 7100, 0, 150};
  OperatePageFixture f(options);
  QTemporaryDir dir;
  QSignalSpy changed(f.page.get(), &COperatePage::ReadingsLogChanged);
  EXPECT_FALSE(f.page->StartReadingsLog(PathUnderAFile(dir)));
  EXPECT_EQ(f.Recorder().Count(Msg::MessageBox), 1);
  const QString path = dir.filePath("readings.csv");
  ASSERT_TRUE(f.page->StartReadingsLog(path));
  ASSERT_TRUE(f.WaitForCycles(2));
  f.page->hide();
  ASSERT_TRUE(WaitFor([&] { return FileLines(path).filter(",polling paused,").size() == 1; }, 3000));
  f.page->show();
  ASSERT_TRUE(f.WaitForCycles(2));
  f.page->StopReadingsLog();
  EXPECT_EQ(changed.count(), 2);
  EXPECT_EQ(Pieces(Child<CHistoryChart>(*f.page), "SWR").size(), 2);
  // The pause line between readings of the tuner's state.
  const QStringList lines = FileLines(path);
  const qsizetype paused = lines.indexOf(lines.filter(",polling paused,").value(0));
  EXPECT_GE(paused, 3) << lines.join("\n").toStdString();
  EXPECT_LT(paused, lines.size() - 2);
  EXPECT_TRUE(lines.last().section(',', 1).startsWith("7100,40,M,2,A,N,90,160,150,")) << lines.last().toStdString();
}

TEST(OperateHistory, SwrAlarmChosenInTheViewMenuIsSavedSaidAndItsSpanBandedOnTheChart) {
  const CTimeScaleScope fast(kAnsweredTime);  // the 1 s hold passes in 200 ms
  UiFixture ui;
  ASSERT_TRUE(ui.StartSimulator(Firmware("01.97")));
  UiFixture::SaveSetting("Port", ui.SimPort());
  UiFixture::SaveSetting("OperatePollInterval", 40);
  CMainWindow& window = ui.OpenWindow();
  ASSERT_TRUE(ui.WaitRunning());
  COperatePage& page = ui.ShowPage<COperatePage>();
  OnNextModal<CSwrAlarmDialog>([](CSwrAlarmDialog& dialog) {
    Child<QCheckBox>(dialog, "alarmOnBox").setChecked(true);
    Child<QDoubleSpinBox>(dialog, "alarmSwrBox").setValue(2.5);
    Child<QDoubleSpinBox>(dialog, "alarmSecondsBox").setValue(1);
    dialog.accept();
  });
  Child<QAction>(window, "swrAlarmAction").trigger();
  EXPECT_EQ(UiFixture::Setting("AlarmSwr").toString(), "2.5");

  QSignalSpy changes(&page, &COperatePage::AlarmChanged);
  ui.Sim().Live().Replay({{0, 3.5, 120, 68}, {0.8, 1.3, 120, 8}});
  ASSERT_TRUE(WaitFor([&] { return changes.count() == 1; }, 10000));
  EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("SWR alarm: the SWR stayed above 2.5 for 1 s (SWR 3.50)"))
      << window.statusBar()->currentMessage().toStdString();
  ASSERT_TRUE(WaitFor([&] { return changes.count() == 2; }, 10000));
  // The cycles from the raising up to the clearing are banded: one band,
  // however many time slots, that begins after the chart does.
  const auto& chart = Child<CHistoryChart>(page);
  const QList<QXYSeries*> band = Pieces(chart, "SWR Alarm");
  ASSERT_EQ(band.size(), 1);
  ASSERT_GT(band[0]->count(), 0);
  EXPECT_GT(band[0]->at(0).x(), Pieces(chart, "SWR")[0]->at(0).x());
}

}  // namespace
