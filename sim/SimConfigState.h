#pragma once
// The simulated tuner's stored configuration: per band the antenna enables,
// the preferred antenna, auto fine tune and three SWR thresholds; the
// amplifier key interrupt power, initial power and idle sleep. It answers the
// configuration queries and settings (the firmware version decides which
// exist), erases tuning memories and returns to factory defaults. The values
// live in the PIC PROM's bytes (CSimConfigLayout), nowhere else.

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
  bool operator==(const SimBandConfig&) const = default;
};

struct SimConfig {
  std::array<SimBandConfig, 11> bands;
  unsigned keyInterruptPower = 1500;
  unsigned powerInitial = 1;
  unsigned sleep = 0;
  bool operator==(const SimConfig&) const = default;

  // What "eeinit;" leaves: every band alike, antenna 1 only.
  static SimConfig FactoryDefaults();
};

class CSimProms;

class CSimConfigState {
 public:
  // Erases the tuning memories of a band and antenna (the live state keeps them).
  using MemoryEraser = std::function<void(unsigned band, unsigned antenna)>;

  // Puts a tuner in use's configuration into the memories.
  CSimConfigState(unsigned short version, CSimProms& proms, MemoryEraser eraser);

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
  std::optional<QByteArray> Global(SimConfig& config, const QByteArray& name, const QByteArray& value);
  std::optional<QByteArray> PerBand(SimConfig& config, const QByteArray& name, const QByteArray& rest);
  static unsigned* Flag(SimBandConfig& band, const QByteArray& name, char parameter);
  static QByteArray* Threshold(SimBandConfig& band, char kind);
  bool Exists(const QByteArray& name) const;
  // With the lock held.
  SimConfig Load() const;
  void Store(const SimConfig& config);

  mutable QMutex m_lock;
  unsigned short m_version;
  CSimProms& m_proms;
  MemoryEraser m_eraser;
  QSet<QByteArray> m_refused;
};
