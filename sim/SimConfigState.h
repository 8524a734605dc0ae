#pragma once
// The simulated tuner's stored configuration: per band the antenna enables,
// the preferred antenna, auto fine tune and three SWR thresholds; the
// amplifier key interrupt power, initial power and idle sleep. It answers the
// configuration queries and settings (the firmware version decides which
// exist), erases tuning memories and returns to factory defaults.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSet>
#include <array>
#include <functional>
#include <optional>

struct SimBandConfig {
  std::array<unsigned, 3> antennas{1, 0, 0};
  unsigned preferred = 0;
  unsigned fineTune = 0;
  QByteArray keyThreshold = "2.00";
  QByteArray autotuneThreshold = "1.50";
  QByteArray bypassThreshold = "1.20";
};

struct SimConfig {
  std::array<SimBandConfig, 11> bands;
  unsigned keyInterruptPower = 1500;
  unsigned powerInitial = 1;
  unsigned sleep = 0;

  // What "eeinit;" leaves: every band alike, antenna 1 only.
  static SimConfig FactoryDefaults();
};

class CSimConfigState {
 public:
  // Erases the tuning memories of a band and antenna (the live state keeps them).
  using MemoryEraser = std::function<void(unsigned band, unsigned antenna)>;

  CSimConfigState(unsigned short version, MemoryEraser eraser);

  // Every configuration command name, for the tuner's handler table.
  static const QList<QByteArray>& Names();
  // The reply to a query; nothing for a setting (the query behind it
  // answers), an erase, a malformed command or one the firmware lacks.
  std::optional<QByteArray> Answer(const QByteArray& command);

  // For tests; safe from any thread.
  SimConfig State() const;
  void Modify(const std::function<void(SimConfig&)>& change);
  // A refused setting is taken without a word and changes nothing.
  void RefuseSetting(const QByteArray& name, bool refuse = true);

 private:
  std::optional<QByteArray> Global(const QByteArray& name, const QByteArray& value);
  std::optional<QByteArray> PerBand(const QByteArray& name, const QByteArray& rest);
  unsigned* Flag(const QByteArray& name, unsigned band, char parameter);
  QByteArray* Threshold(unsigned band, char kind);
  bool Exists(const QByteArray& name) const;

  mutable QMutex m_lock;
  unsigned short m_version;
  MemoryEraser m_eraser;
  SimConfig m_config = SimConfig::FactoryDefaults();
  QSet<QByteArray> m_refused;
};
