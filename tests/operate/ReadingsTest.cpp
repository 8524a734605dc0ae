// The readings log's lines and file, the readings ring, and the SWR alarm fed
// with replayed readings (a poll every 100 ms on its own clock): direct
// calls, without widgets or waiting.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

#include "tests/support/ReadingsTestSupport.h"
#include "machines/operate/ReadingsHistory.h"
#include "machines/operate/ReadingsLog.h"
#include "machines/operate/SwrAlarm.h"
#include "sim/SimReadings.h"

namespace {

// Values as a cycle of a tuner on 40 m would leave them.
void Fill(COperateValues& v) {
  v.PowerStatus.Set(1);
  v.Frequency.Set(7100);
  v.Band.Set(3);
  v.Mode.Set(u'M');
  v.Antenna.Set(2);
  v.Side.Set(u'A');
  v.Bypass.Set(u'N');
  v.Capacitor.Set(0x09);   // 8 + 82 pF
  v.Inductor.Set(0x03);    // 50 + 110 nH
  v.ForwardVoltage.Set(150);
  v.ReflectedVoltage.Set(20);
  v.Swr.Set("1.35");
  v.SwrBypass.Set("2.60");
  v.Fault.Set(4);
}

TEST(ReadingsLog, LineHoldsEveryReadingQuotedAsNeededAndASleepingTunerTheTimeAlone) {
  COperateValues v;
  Fill(v);
  const QDateTime time = QDateTime::currentDateTime();
  const QString line = ReadingsLine(time, v);
  const QStringList fields = line.split(',');
  ASSERT_EQ(fields.size(), ReadingsHeader().split(',').size());
  EXPECT_EQ(fields.mid(1), (QStringList{"7100", "40", "M", "2", "A", "N", "90", "160", "150", "20", "1.35", "2.60", "4"}));
  // Read back, the time is the same instant to the millisecond.
  EXPECT_EQ(QDateTime::fromString(fields[0], Qt::ISODateWithMs).toMSecsSinceEpoch(), time.toMSecsSinceEpoch());

  v.PowerStatus.Set(0);
  const QStringList asleep = ReadingsLine(time, v).split(',');
  ASSERT_EQ(asleep.size(), fields.size());
  EXPECT_EQ(asleep[0], fields[0]);
  EXPECT_EQ(asleep.mid(1).join(""), "");

  v.PowerStatus.Set(1);
  v.Swr.Set("1,5\"x");  // reply text with a separator or quote stays one field
  EXPECT_TRUE(ReadingsLine(time, v).endsWith(",\"1,5\"\"x\",2.60,4"));
}

// The header only in a new file, each line in it as soon as it is appended;
// a file that cannot be made or written is reported, and a write that fails
// part way leaves no half line after the last whole one.
TEST(ReadingsLog, HeaderOnceEveryLineAppendedAndAFailedWriteKeepsWhatWasWritten) {
  QTemporaryDir dir;
  CReadingsFile file;
  EXPECT_EQ(file.Open(PathUnderAFile(dir)), Result::PathNotFound);
  EXPECT_EQ(file.Open("/dev/full"), Result::DiskFull);  // the header cannot go
  EXPECT_FALSE(file.IsOpen());

  const QString path = dir.filePath("readings.csv");
  COperateValues v;
  Fill(v);
  QStringList written;
  for (int run = 0; run < 2; ++run) {  // the second run appends to the first's file
    CReadingsFile appending;
    ASSERT_EQ(appending.Open(path), Result::Success);
    v.Frequency.Set(static_cast<unsigned short>(7000 + run));
    written << ReadingsLine(QDateTime::currentDateTime(), v);
    ASSERT_EQ(appending.Append(written.back()), Result::Success);
    EXPECT_EQ(FileLines(path), QStringList{ReadingsHeader()} + written);
  }

  ASSERT_EQ(file.Open(path), Result::Success);
  {
    const CFileSizeLimit limit(QFileInfo(path).size() + written[0].size() / 2);
    ASSERT_TRUE(limit.IsSet());
    EXPECT_NE(file.Append(written[0]), Result::Success);
  }
  EXPECT_EQ(FileLines(path), QStringList{ReadingsHeader()} + written);
}

// The newest points within the bound; a cycle without readings is a gap, and
// a mark goes with the next point only.
TEST(ReadingsHistory, RingKeepsTheNewestPointsCyclesWithoutReadingsAreGapsAndAMarkGoesWithTheNextPoint) {
  CReadingsHistory ring(4);
  COperateValues v;
  Fill(v);
  ring.AddCycle(1, Result::Success, v);
  ring.AddCycle(2, Result::Success, v);
  ring.MarkNext(HistoryMark::Tune);
  ring.AddCycle(3, Result::Success, v);
  ring.AddCycle(4, Result::NoResponseSwr, v);
  v.Swr.Set("0.00");  // no carrier: no SWR, but the voltages stand
  ring.AddCycle(5, Result::Success, v);
  v.PowerStatus.Set(0);
  ring.AddCycle(6, Result::DevicePoweredOff, v);

  EXPECT_EQ(ring.AddedCount(), 6u);
  ASSERT_EQ(ring.Size(), 4u);
  EXPECT_EQ(ring.At(0).time, 3);
  EXPECT_FLOAT_EQ(ring.At(0).swr, 1.35f);
  EXPECT_EQ(ring.At(0).mark, HistoryMark::Tune);
  EXPECT_TRUE(ring.At(1).IsGap());
  EXPECT_EQ(ring.At(1).mark, HistoryMark::None);
  EXPECT_TRUE(std::isnan(ring.At(2).swr));
  EXPECT_EQ(ring.At(2).vfwd, 150.0f);
  EXPECT_TRUE(ring.Newest().IsGap());
  EXPECT_EQ(ring.Newest().time, 6);
}

struct Seen {
  double seconds;
  CSwrAlarm::Change change;
};

// What the alarm did when polled through the readings until the end second.
std::vector<Seen> Replay(CSwrAlarm& alarm, const QByteArray& text, double end) {
  QString problem;
  const std::vector<SimReading> readings = ParseSimReadings(text, problem).value();
  std::vector<Seen> seen;
  for (unsigned ms = 0; ms <= end * 1000; ms += 100) {
    const SimReading* r = ReadingAt(readings, ms / 1000.0);
    COperateValues values;
    values.PowerStatus.Set(1);
    values.Swr.Set(QString::number(r->swr, 'f', 2));
    values.ForwardVoltage.Set(static_cast<unsigned short>(r->forward));
    const CSwrAlarm::Change change = alarm.Feed(ms, HistoryPoint(ms, Result::Success, values));
    if (change != CSwrAlarm::Change::None) seen.push_back({ms / 1000.0, change});
  }
  return seen;
}

TEST(SwrAlarm, RaisedAndClearedOnlyAfterTheHoldTimeOfPoweredReadings) {
  CSwrAlarm alarm({2.5, 3});
  // Bad from 1 s, but the carrier drops at 1.5 s: the count starts again at
  // 2 s. A reading at the threshold is not above it.
  const std::vector<Seen> seen = Replay(alarm,
                                        "# seconds swr forward reflected\n"
                                        "0 2.50 120 27\n"
                                        "1, 3.00, 120, 40\n"
                                        "1.5 0 0 0\n"
                                        "2 3.00 120 40\n"
                                        "6 1.20 120 5\n"
                                        "7.5 2.8 120 35\n"
                                        "7.6 1.2 120 5\n",
                                        12);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_DOUBLE_EQ(seen[0].seconds, 5.0);
  EXPECT_EQ(seen[0].change, CSwrAlarm::Change::Raised);
  // The blip at 7.5 s restarts the clearing count from 7.6 s.
  EXPECT_DOUBLE_EQ(seen[1].seconds, 10.6);
  EXPECT_EQ(seen[1].change, CSwrAlarm::Change::Cleared);
  EXPECT_FALSE(alarm.IsRaised());
  EXPECT_FLOAT_EQ(alarm.ChangedAtSwr(), 1.2f);

  // Off, nothing is raised; a new threshold starts cleared.
  alarm.Configure({});
  EXPECT_TRUE(Replay(alarm, "0 5 120 80\n", 5).empty());
  alarm.Configure({1.5, 0});
  EXPECT_EQ(Replay(alarm, "0 5 120 80\n", 1).front().seconds, 0.0) << "no hold time: the first reading raises";
}

TEST(SimReadings, LinesOutOfOrderOrIncompleteAreNamed) {
  QString problem;
  EXPECT_FALSE(ParseSimReadings("0 1.2 120 5\n2 1.5 120\n", problem));
  EXPECT_TRUE(problem.startsWith("line 2: \"2 1.5 120\"")) << problem.toStdString();
  EXPECT_FALSE(ParseSimReadings("3 1.2 120 5\n\n2 1.5 120 9\n", problem));
  EXPECT_TRUE(problem.startsWith("line 3:")) << problem.toStdString();
  EXPECT_FALSE(ParseSimReadings("0 0.5 120 5\n", problem)) << "an SWR below 1 but not 0";
  const std::vector<SimReading> readings = ParseSimReadings("1 1.2 120 5\n", problem).value();
  EXPECT_EQ(ReadingAt(readings, 0.5), nullptr) << "nothing before the first line's second";
  EXPECT_EQ(ReadingAt(readings, 99)->forward, 120u) << "the last line holds";
}

}  // namespace
