#include "sim/SimConfigLayout.h"

namespace {
constexpr qsizetype kThresholdSize = 5;
constexpr qsizetype kThresholdAt[] = {3, 8, 13};  // key, autotune, bypass

unsigned Byte(const QByteArray& pic, std::uint32_t at) { return static_cast<std::uint8_t>(pic[at]); }

QByteArray* Thresholds(SimBandConfig& band, int i) {
  QByteArray* all[] = {&band.keyThreshold, &band.autotuneThreshold, &band.bypassThreshold};
  return all[i];
}
}  // namespace

SimConfig CSimConfigLayout::Read(const QByteArray& pic) {
  SimConfig config;
  config.keyInterruptPower = Byte(pic, kStart) | Byte(pic, kStart + 1) << 8;
  config.powerInitial = Byte(pic, kStart + 2);
  config.sleep = Byte(pic, kStart + 3);
  for (std::uint32_t n = 0; n < config.bands.size(); ++n) {
    const std::uint32_t at = kBandsStart + n * kBandSize;
    SimBandConfig& band = config.bands[n];
    for (unsigned a = 0; a < 3; ++a) band.antennas[a] = Byte(pic, at) >> a & 1;
    band.preferred = Byte(pic, at + 1);
    band.fineTune = Byte(pic, at + 2);
    for (int i = 0; i < 3; ++i) {
      const QByteArray text = pic.mid(at + kThresholdAt[i], kThresholdSize);
      const qsizetype end = text.indexOf('\0');
      *Thresholds(band, i) = end < 0 ? text : text.left(end);
    }
  }
  return config;
}

QByteArray CSimConfigLayout::Bytes(const SimConfig& config) {
  QByteArray bytes(kEnd - kStart, '\0');
  bytes[0] = static_cast<char>(config.keyInterruptPower & 0xFF);
  bytes[1] = static_cast<char>(config.keyInterruptPower >> 8);
  bytes[2] = static_cast<char>(config.powerInitial);
  bytes[3] = static_cast<char>(config.sleep);
  for (std::uint32_t n = 0; n < config.bands.size(); ++n) {
    const qsizetype at = kBandsStart - kStart + n * kBandSize;
    SimBandConfig band = config.bands[n];
    bytes[at] = static_cast<char>(band.antennas[0] | band.antennas[1] << 1 | band.antennas[2] << 2);
    bytes[at + 1] = static_cast<char>(band.preferred);
    bytes[at + 2] = static_cast<char>(band.fineTune);
    for (int i = 0; i < 3; ++i) {
      const QByteArray text = Thresholds(band, i)->left(kThresholdSize);
      bytes.replace(at + kThresholdAt[i], text.size(), text);
    }
  }
  return bytes;
}
