// zu6400ctl watch end to end against zu6400-sim, both as processes: the
// lines, a stop by signal and the alarm's words; the readings and the
// alarm's rules are their own tests'.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <csignal>

#include "tests/support/CtlRunner.h"
#include "tests/support/TestSupport.h"
#include "machines/operate/ReadingsLog.h"

namespace {

class WatchCli : public CtlSimTest {
 protected:
  QStringList On(QStringList args) const { return args << "--port" << port; }
  // Each line whole: a JSON object with the time it was read.
  static void ExpectJsonLines(const QString& out) {
    ASSERT_TRUE(out.endsWith('\n'));
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
      const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
      ASSERT_FALSE(object.isEmpty()) << line.toStdString();
      EXPECT_TRUE(QDateTime::fromString(object["time"].toString(), Qt::ISODateWithMs).isValid());
    }
  }
};

TEST_F(WatchCli, CountLinesOfJsonOrCsvWithItsHeaderFirst) {
  StartSim({"--version", "01.97", "--frequency", "7100"});
  const CtlRun json = Ctl({"watch", "--count", "3", "--interval", "50"});
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  EXPECT_EQ(json.out.count('\n'), 3);
  ExpectJsonLines(json.out);
  EXPECT_EQ(QJsonDocument::fromJson(json.out.section('\n', 0, 0).toUtf8()).object()["band"].toString(), "40");
  const CtlRun csv = Ctl({"--csv", "watch", "--count", "1", "--interval", "50"});
  const QStringList rows = csv.out.split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(rows.size(), 2);
  EXPECT_EQ(rows.value(0), ReadingsHeader());
}

TEST_F(WatchCli, ReplayedBadSwrRaisesThenClearsTheAlarmAndAlarmExitEndsWithStatus3) {
  // A second bad, a second good, over and over (on the simulator's clock):
  // however late the watch starts, it sees the alarm raised and cleared.
  QByteArray lines;
  for (int second = 0; second < 60; ++second)
    lines += QByteArray::number(second) + (second % 2 == 0 ? " 3.5 120 68\n" : " 1.3 120 8\n");
  StartSim({"--version", "01.97", "--readings", WriteFileBytes(config.filePath("readings.txt"), lines)});
  QProcess watch;
  StartCtl(watch, On({"watch", "--interval", "50", "--alarm-swr", "2.5", "--alarm-seconds", "0.2"}), config.path());
  watch.setReadChannel(QProcess::StandardError);  // peeked, left for the run's end
  ASSERT_TRUE(WaitFor([&] { return watch.peek(1 << 20).contains("CLEAR "); }, 20000))
      << watch.readAllStandardError().toStdString();
  // Ctrl+C ends the run with the line in progress whole (the stop signals are
  // the commands' shared handler).
  ::kill(static_cast<pid_t>(watch.processId()), SIGINT);
  const CtlRun run = FinishCtl(watch);
  EXPECT_EQ(run.status, 0);
  ExpectJsonLines(run.out);  // the alarm's lines keep out of the readings
  // Raised, then cleared (a cycle that failed may have its line between).
  const qsizetype raised = run.err.indexOf(QRegularExpression("\nALARM \\S+ SWR 3\\.50 above 2\\.5 for 0\\.2 s\\n"));
  EXPECT_GE(raised, 0) << run.err.toStdString();
  EXPECT_GT(run.err.indexOf(QRegularExpression("\nCLEAR \\S+ SWR 1\\.30 at or below 2\\.5 for 0\\.2 s\\n")), raised)
      << run.err.toStdString();

  // Above 1.2 all through: the first alarm ends the run.
  const CtlRun exit = Ctl({"watch", "--interval", "50", "--alarm-swr", "1.2", "--alarm-seconds", "0", "--alarm-exit"});
  EXPECT_EQ(exit.status, 3) << exit.err.toStdString();
  EXPECT_EQ(exit.err.count("ALARM "), 1);
}

}  // namespace
