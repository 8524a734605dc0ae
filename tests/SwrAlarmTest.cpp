// The SWR alarm fed with replayed readings, a poll every 100 ms on its own
// clock: direct calls, no waiting.

#include <gtest/gtest.h>

#include <vector>

#include "machines/SwrAlarm.h"
#include "sim/SimReadings.h"

namespace {

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
