#pragma once
// Shared test helpers: an observer that records what it is told, a fresh
// model with clean settings, and a simulated tuner on a pseudo-terminal.

#include <QJsonObject>
#include <QObject>
#include <QSettings>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "base/ReportSink.h"
#include "base/TimeScale.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelEvents.h"
#include "sim/SimulatorThread.h"

struct RecordedEvent {
  unsigned message;
  std::uintptr_t param;
  QString text;
  QString title;
};

// Stands in for the main window: records notifications, log lines and boxes.
class CRecorder : public QObject {
 public:
  std::vector<RecordedEvent> events;
  QStringList Lines(unsigned message) const;
  QStringList LogLines() const { return Lines(Msg::LogText); }
  int Count(unsigned message) const;
  int CountLinesContaining(const QString& text) const;
  void Clear() { events.clear(); }

 protected:
  void customEvent(QEvent* event) override;
};

// Keeps what a file reader or writer reports.
class CRecordingSink : public IReportSink {
 public:
  QStringList lines;
  QStringList boxes;
  void Log(const QString& text) override { lines << text; }
  void ErrorBox(const QString& title, const QString& text) override { boxes << title + u'|' + text; }
};

// Removes every saved setting of the program.
void ClearSettings();

// A simulated tuner running the given firmware version ("01.97").
SimOptions Firmware(const char* version);

// A file's bytes; none when it cannot be read.
QByteArray FileBytes(const QString& path);
// Writes the bytes as the whole file: its path, or none when it cannot be
// written (so that what reads it next fails).
QString WriteFileBytes(const QString& path, const QByteArray& content);

// A TCP port on 127.0.0.1 that was free a moment ago.
quint16 FreeTcpPort();
// Whether something listens on 127.0.0.1:port, read from the system's socket
// table without connecting.
bool IsListening(quint16 port);

// Runs the event loop until the condition holds or the time runs out.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

// The keys of a JSON object, and of the objects in it, that are not in
// snake_case ("swr_bypass", not "swr-bypass" or "pF").
QStringList KeysNotInSnakeCase(const QJsonObject& object);

// The program's waits (time-outs, polls, settling pauses) pass factor times
// sooner while it lives; the engine's clock runs as much faster.
class CTimeScaleScope {
 public:
  explicit CTimeScaleScope(unsigned factor) : m_previous(CTimeScale::Factor()) { CTimeScale::SetFactor(factor); }
  ~CTimeScaleScope() { CTimeScale::SetFactor(m_previous); }
  CTimeScaleScope(const CTimeScaleScope&) = delete;
  CTimeScaleScope& operator=(const CTimeScaleScope&) = delete;

 private:
  unsigned m_previous;
};

// The factor from the from-th line (since the pace was set) that contains text.
struct PaceRule {
  QString text;
  unsigned factor;
  unsigned from = 1;
};

// Sets the pace of the waits by the first rule that a line matches: a log
// line, or a send in the trace, which comes before the send's timer starts.
// It hears the lines sent to it, standing in for a job's status window, or
// with EveryWindow the lines on their way to any window.
class CPacer : public QObject {
 public:
  enum Hears { OwnLines, EveryWindow };
  explicit CPacer(std::vector<PaceRule> rules, Hears hears = OwnLines);
  ~CPacer() override { CTimeScale::SetFactor(1); }

 protected:
  void customEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Hear(const QString& text);

  std::vector<PaceRule> m_rules;
  std::vector<unsigned> m_seen;  // per rule
  Hears m_hears;
  QString m_last;  // heard from every window: the same line again is that line on its way to another
};

// Time scales for tests that wait out time-outs: kIdleTime for a wait nothing
// answers while nothing else runs (a fill poll in 1 ms); kFastTime where
// nothing has to come back in time; kAnsweredTime where a reply must still come within a
// shortened 500 ms time-out (100 ms, what a poll has at real time);
// kSearchTime for a search whose polls must still be answered (50 ms).
constexpr unsigned kIdleTime = 100;
constexpr unsigned kFastTime = 10;
constexpr unsigned kAnsweredTime = 5;
constexpr unsigned kSearchTime = 2;

// A fresh model whose notify window is a recorder, wired to a simulated tuner.
class ModelFixture {
 public:
  explicit ModelFixture(SimOptions options = {}, bool withSimulator = true);
  ~ModelFixture();
  CTunerModel& Model() { return GetModel(); }
  CSimulatedTuner& Sim() { return m_sim->Tuner(); }
  QString SimPort() const { return m_sim->SlavePath(); }
  CRecorder& Recorder() { return m_recorder; }
  // Starts contact at the open-port state and waits for MachineFinished.
  bool ContactAndWait(int timeoutMs = 15000);
  // The same, with the waits factor times faster once the search has been
  // answered (the search itself runs at real time: its polls are answered).
  bool ContactAndWaitFasterAfterSearch(unsigned factor, int timeoutMs = 15000);
  // Starts a job and runs the event loop until MachineFinished: its result;
  // a refused start's last error; 0xFFFFFFFF when it never ended.
  ResultCode RunJob(const std::function<bool()>& start, int timeoutMs = 60000);
  // The result code MachineFinished carried last, if it fired.
  bool Finished() const { return m_recorder.Count(Msg::MachineFinished) > 0; }
  ResultCode LastResult() const;

 private:
  // True once MachineFinished has fired again after this call.
  std::function<bool()> NextFinish() const;

  std::unique_ptr<CSimulatorThread> m_sim;
  CRecorder m_recorder;
};
