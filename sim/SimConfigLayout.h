#pragma once
// Where the simulated tuner keeps its stored configuration in its PIC PROM: a
// layout of its own (a real tuner's is not known to it), in page 0 above the
// unit's own 32 bytes and the fault index at 0x002, so that a save, a restore,
// an edit and "eeinit;" all see one memory.
//
//   0x030  key interrupt power, 16 bits, low byte first
//   0x032  initial power (0 or 1)
//   0x033  idle sleep (0 or 1)
//   0x040  per band, 24 bytes each for bands 0 to 10:
//          +0 antenna enables (bit 0 antenna 1 ... bit 2 antenna 3)
//          +1 preferred antenna, +2 auto fine tune
//          +3, +8, +13 the key, autotune and bypass SWR thresholds as the
//          tuner reports them ("1.50"), five characters, NUL-padded

#include <QByteArray>
#include <cstdint>

#include "sim/SimConfigState.h"

class CSimConfigLayout {
 public:
  static constexpr std::uint32_t kStart = 0x030;
  static constexpr std::uint32_t kBandsStart = 0x040;
  static constexpr std::uint32_t kBandSize = 24;
  static constexpr std::uint32_t kEnd = kBandsStart + kBandSize * std::tuple_size_v<decltype(SimConfig::bands)>;

  // The configuration the PIC PROM's bytes hold.
  static SimConfig Read(const QByteArray& pic);
  // The bytes from kStart to kEnd that hold the configuration.
  static QByteArray Bytes(const SimConfig& config);
};
