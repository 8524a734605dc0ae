// zu6400ctl watch: polls until stopped and prints a line per cycle, a JSON
// object or with --csv the readings log's line. A cycle that fails is an
// error line on standard error, and polling goes on. With an SWR alarm, its
// raising and clearing are ALARM and CLEAR lines on standard error, so that
// the lines on standard output stay of one kind.

#include <QDateTime>
#include <QEventLoop>
#include <QTextStream>

#include "base/Printout.h"
#include "base/TimeScale.h"
#include "cli/OperateSession.h"
#include "cli/StopSignals.h"
#include "machines/operate/PollLoop.h"
#include "machines/operate/ReadingsLog.h"
#include "machines/operate/SwrAlarm.h"
#include "machines/connection/TunerModel.h"

namespace {
class CWatch {
 public:
  CWatch(CCliContext& context, COperateSession& session)
      : m_context(context), m_options(context.Options()), m_session(session), m_alarm(m_options.alarm) {}

  // The exit status: 0, or kAlarmExitStatus when --alarm-exit saw the alarm.
  int Run() {
    CPollLoop loop(m_session.Machine());
    loop.SetReopensPort(true);
    if (m_options.intervalMs == 0)
      loop.LoadInterval(GetModel().AppInfo);
    else
      loop.SetInterval(m_options.intervalMs);
    CStopSignals& stop = m_context.StopSignals();
    QObject::connect(&loop, &CPollLoop::CycleEnded, [&](ResultCode result, const COperateValues& values) {
      const QDateTime now = QDateTime::currentDateTime();
      Print(now, result, values);
      FeedAlarm(now, result, values);
      if (m_stopping || (m_options.count != 0 && m_printed >= m_options.count)) End(loop);
    });
    // Between cycles nothing is in progress; during one its line comes first.
    QObject::connect(&stop, &CStopSignals::Raised, &loop, [&] {
      m_stopping = true;
      if (m_session.Machine().IsIdle()) End(loop);
    });
    if (m_options.csv && !PrintOut(ReadingsHeader() + u'\n')) return 0;  // main reports the output's failure
    loop.Start();
    m_events.exec();
    return m_status;
  }

 private:
  void Print(const QDateTime& now, ResultCode result, const COperateValues& values) {
    if (result != Result::Success && result != Result::DevicePoweredOff) {
      CCliContext::Fail(result);
      return;
    }
    // Each line is flushed: a reader of the pipe sees each cycle as it ends.
    if (m_options.csv)
      PrintOut(ReadingsLine(now, values) + u'\n');
    else
      m_session.PrintJsonLine(ReadingsTime(now));
    if (StandardOutputFailure() != Result::Success) m_stopping = true;  // no line can be shown any more
    ++m_printed;
  }

  void FeedAlarm(const QDateTime& now, ResultCode result, const COperateValues& values) {
    const CHistoryPoint point = HistoryPoint(now.toMSecsSinceEpoch(), result, values);
    const CSwrAlarm::Change change = m_alarm.Feed(CTimeScale::Now(), point);
    if (change == CSwrAlarm::Change::None) return;
    const bool raised = change == CSwrAlarm::Change::Raised;
    QTextStream(stderr) << (raised ? "ALARM " : "CLEAR ") << ReadingsTime(now) << " SWR "
                        << QString::number(point.swr, 'f', 2) << (raised ? " above " : " at or below ")
                        << m_options.alarm.swr << " for " << m_options.alarm.seconds << " s\n";
    if (raised && m_options.alarmExit) {
      m_status = kAlarmExitStatus;
      m_stopping = true;
    }
  }

  void End(CPollLoop& loop) {
    loop.Stop();
    m_events.quit();
  }

  CCliContext& m_context;
  const CliOptions& m_options;
  COperateSession& m_session;
  QEventLoop m_events;
  CSwrAlarm m_alarm;
  unsigned m_printed = 0;
  bool m_stopping = false;
  int m_status = 0;
};
}  // namespace

int RunWatch(CCliContext& context, const QStringList&) {
  COperateSession session(context);
  const ResultCode result = session.Connect();
  if (result != Result::Success) return CCliContext::Fail(result);
  return CWatch(context, session).Run();
}
