#pragma once
// A simulated ZU6400 on a pseudo-terminal. It answers on the master side, and
// only while the line speed the program set on the slave equals its own.
// Tests use its fault injection: silence, dropped, replaced, split or late
// replies, and the device vanishing.

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "sim/SimConfigState.h"
#include "sim/SimLiveState.h"
#include "sim/SimLoader.h"
#include "sim/SimProms.h"

struct SimOptions {
  // The newest firmware the program knows: what a newcomer's simulated tuner
  // runs, so that every feature can be tried. Tests start from 01.05 and ask
  // for what they need.
  static constexpr const char* kNewestFirmware = "01.97";
  // The simulated tuner the programs offer (--simulate, zu6400-sim).
  static SimOptions Newest() {
    SimOptions options;
    options.version = QLatin1String(kNewestFirmware);
    return options;
  }

  unsigned speed = 38400;
  QString version = QStringLiteral("01.05");
  unsigned serial = 1234;
  QString identity = QStringLiteral("ZU6400");
  bool pace = false;  // hold replies for their wire time at the line speed
  unsigned restartMs = 1000;  // deaf this long after "rst0;"
  // How many times faster than real time its clock runs (a faster bench):
  // its restart, reply holds, wire times, tuning and replayed readings all
  // pass that much sooner.
  unsigned timeScale = 1;
  SimLive live;       // the live state the tuner starts with
  // Faults on the line: every reply this late; "PS1;" neither wakes it nor
  // is answered; the device vanishes when the vanishOnTimes-th command of
  // this name (lower case, without ";") comes, before it is carried out;
  // the last value byte of the next garbleTimes replies to commands of this
  // name becomes "Z".
  unsigned replyDelayMs = 0;
  bool neverWakes = false;
  QByteArray vanishOn;
  unsigned vanishOnTimes = 0;
  QByteArray garble;
  unsigned garbleTimes = 0;
  SimLoaderOptions loader;
  std::vector<SimPromFault> promFaults;
};

class CSimulatedTuner : public QObject {
  Q_OBJECT
 public:
  // A command handler: the command's bytes (with ";"), its reply or nothing.
  using Handler = std::function<std::optional<QByteArray>(const QByteArray& command)>;
  // Takes the line's bytes as they come instead of the command reader (the
  // bootstrap loader); returns what to answer.
  using RawReceiver = std::function<QByteArray(const QByteArray& bytes)>;

  explicit CSimulatedTuner(SimOptions options = {});
  ~CSimulatedTuner() override;

  // Opens the pseudo-terminal; the program opens SlavePath().
  bool Open();
  QString SlavePath() const { return m_slavePath; }

  // Fault injection and inspection; safe from any thread.
  void SetSilent(bool silent);
  void SetReplyDelay(unsigned ms);
  void SetSplitReplies(bool split);               // each reply in two writes, 30 ms apart
  void OverrideReply(const QByteArray& command, const QByteArray& reply);  // empty reply: none
  void DropReplies(unsigned count);
  // Replies to commands that begin with these bytes wait, as from a tuner
  // busy writing its memory, until ReleaseHeld() writes them; it returns once
  // the program can read them (false if nothing came within the time).
  void HoldReplies(const QByteArray& commandStart);
  bool ReleaseHeld(int timeoutMs);
  // The last byte before the ";" of the next count replies to commands of
  // this name (lower case, without ";") becomes "Z".
  void GarbleReplies(const QByteArray& name, unsigned count);
  void SetSpeed(unsigned speed);
  void SetIdentity(const QString& identity);
  void SetVersion(const QString& version);        // "01.06", what "rv;" reports
  void SetRawReceiver(RawReceiver receiver);      // none: back to commands
  void Vanish();                                  // close the master: the device is gone
  void SetRestartTime(unsigned ms);               // how long "rst0;" leaves the tuner deaf
  bool IsRestarting() const;
  QByteArray Received() const;                    // every command taken, in order
  void ClearReceived();                           // and the count of bytes written
  qint64 WrittenBytes() const;                    // reply bytes put on the line
  unsigned IgnoredBytes() const;                  // bytes that came at the wrong speed
  QList<double> CommandTimes() const;             // when the last ";"s came, at any speed (ms since made)
  void SendUnsolicited(const QByteArray& bytes);

  // Later features add their commands here (name in lower case, without ";").
  void AddHandler(const QByteArray& name, Handler handler);
  // Asked in order when no handler has the command's name (settings such as
  // "MDM;" whose value runs into their name).
  void AddFallbackHandler(Handler handler);

  CSimLiveState& Live() { return *m_live; }
  CSimLoader& Loader() { return *m_loader; }
  CSimConfigState& Config() { return *m_config; }
  CSimProms& Proms() { return *m_proms; }

 protected:
  virtual QByteArray Answer(const QByteArray& command);

 private:
  void OnReadable();
  void Take(const QByteArray& command);
  // Raw bytes for the receiver; with pacing, its answer waits until the
  // bytes have crossed the line.
  void TakeRaw(const RawReceiver& receiver, const QByteArray& bytes, double now);
  void Write(const QByteArray& bytes);
  void WriteLater(const QByteArray& bytes, unsigned delayMs, qsizetype commandBytes);
  unsigned LineSpeed() const;
  double Now() const;  // ms since made, on the tuner's clock
  void Restart();
  static QByteArray NameOf(const QByteArray& command);

  mutable QMutex m_lock;
  SimOptions m_options;
  int m_master = -1;
  int m_slave = -1;
  QString m_slavePath;
  std::unique_ptr<QSocketNotifier> m_notifier;
  QByteArray m_pending;
  QByteArray m_received;
  qint64 m_written = 0;
  double m_paceCarryMs = 0;  // what rounding took from the last paced wait
  unsigned m_ignored = 0;
  static constexpr qsizetype kCommandTimesKept = 4096;
  QElapsedTimer m_clock;
  QList<double> m_commandTimes;
  bool m_silent = false;
  double m_deafUntil = -1;  // on Now(); the tuner is restarting until then
  bool m_split = false;
  unsigned m_delay = 0;
  unsigned m_drop = 0;
  QByteArray m_garble;
  unsigned m_garbleCount = 0;
  QHash<QByteArray, QByteArray> m_overrides;
  QByteArray m_holdStart;   // replies to commands beginning so wait for release
  QByteArray m_heldReplies;
  QHash<QByteArray, Handler> m_handlers;
  std::vector<Handler> m_fallbacks;
  std::unique_ptr<CSimLiveState> m_live;
  RawReceiver m_raw;
  double m_lineFreeAt = 0;  // ms, when the bytes received so far have crossed the line
  std::unique_ptr<CSimLoader> m_loader;
  std::unique_ptr<CSimProms> m_proms;  // before the configuration that lives in it
  std::unique_ptr<CSimConfigState> m_config;
};
