#pragma once
// The simulated tuner's live state: mode, antenna, relays, power, frequency
// and the readings that follow from them. It answers the live queries, carries
// out the settings (unless told to refuse one), and tunes over a short time.

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QSet>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "sim/SimReadings.h"

struct SimLive {
  char mode = 'A';
  unsigned antenna = 1;
  char side = 'T';
  char bypass = 'N';
  unsigned attenuator = 0;
  unsigned keyInterrupt = 0;
  unsigned power = 1;
  unsigned capacitor = 0;
  unsigned inductor = 0;
  unsigned frequency = 14200;  // kHz
  unsigned fault = 0;
  unsigned forward = 120;      // forward detector reading
};

class CSimLiveState {
 public:
  static constexpr unsigned kDefaultTuneMs = 300;

  // The firmware version (times 100) decides which queries exist; its clock
  // runs timeScale times faster than real time.
  CSimLiveState(unsigned short version, const SimLive& initial, unsigned timeScale = 1);

  // Every live command name, for the tuner's handler table.
  static const QList<QByteArray>& Names();

  // The reply to a command; nothing for a command that is not a live one,
  // for a setting (the query behind it answers), and while asleep.
  std::optional<QByteArray> Answer(const QByteArray& command);

  // For tests and the simulator's options; safe from any thread.
  SimLive State();
  void Modify(const std::function<void(SimLive&)>& change);
  void RefuseSetting(const QByteArray& name, bool refuse = true);
  void SetTuneDuration(unsigned ms);
  // From now on the forward, reflected and SWR readings follow these.
  void Replay(std::vector<SimReading> readings);
  bool IsTuning();
  std::optional<std::pair<unsigned, unsigned>> Memory(unsigned band, unsigned antenna) const;
  void EraseMemories(unsigned band, unsigned antenna);

 private:
  std::optional<QByteArray> Query(const QByteArray& name);
  std::optional<QByteArray> Setting(const QByteArray& name, const QByteArray& value);
  std::optional<QByteArray> Action(const QByteArray& name);
  bool Apply(const QByteArray& name, const QByteArray& value);
  void Advance();
  double ElapsedMs(const QElapsedTimer& clock) const;  // on the tuner's clock
  unsigned Band() const;
  double SwrWith(unsigned capacitor, unsigned inductor) const;
  double Swr() const;
  std::pair<unsigned, unsigned> Target() const;
  std::optional<QByteArray> Reading(const QByteArray& name) const;

  mutable QMutex m_lock;
  unsigned short m_version;
  unsigned m_timeScale;
  SimLive m_live;
  QSet<QByteArray> m_refused;
  std::map<std::pair<unsigned, unsigned>, std::pair<unsigned, unsigned>> m_memories;
  unsigned m_tuneMs = kDefaultTuneMs;
  bool m_tuning = false;
  QElapsedTimer m_tuneClock;
  std::pair<unsigned, unsigned> m_tuneFrom;
  std::vector<SimReading> m_replay;
  QElapsedTimer m_replayClock;
};
