#pragma once
// What a configuration file holds: the two PROM images a save writes, the PIC
// runs and serial blocks a restore writes back, and the address ranges of each.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

using PicPromImage = std::array<std::uint8_t, 0x400>;
using SerialPromImage = std::array<std::uint8_t, 0x10000>;

// Consecutive PIC PROM bytes of one 256-byte page; unset bytes stay 0xFF.
struct PicPromRun {
  std::uint8_t page = 0;
  std::uint8_t first = 0;
  std::uint8_t last = 0;
  std::array<std::uint8_t, 256> data;
  PicPromRun() { data.fill(0xFF); }
};

// One serial PROM block of 1 to 64 bytes.
struct SerialPromBlock {
  std::uint32_t start = 0;
  std::uint32_t count = 0;
  std::array<std::uint8_t, 64> data{};
};

struct AddressRange {
  std::uint32_t start;
  std::uint32_t length;
  bool Contains(std::uint64_t first, std::uint64_t count) const {
    return first >= start && first + count <= std::uint64_t{start} + length;
  }
};

// Everything is saved, but the first 32 PIC bytes and the first 4 KiB of the
// serial PROM hold per-unit data that a restore must never overwrite.
inline constexpr AddressRange kPicSaveRanges[] = {{0x000, 0x100}, {0x100, 0x100}, {0x200, 0x100}, {0x300, 0x100}};
inline constexpr AddressRange kPicAcceptRanges[] = {{0x020, 0x0E0}, {0x100, 0x100}, {0x200, 0x100}, {0x300, 0x100}};
inline constexpr AddressRange kSerialSaveRanges[] = {{0x0000, 0x10000}};
inline constexpr AddressRange kSerialAcceptRanges[] = {{0x1000, 0xF000}};

inline constexpr std::uint32_t kMaxSerialBlock = 64;
inline constexpr std::uint16_t kNoSerialNumber = 0xFFFF;

// What a save writes: the images and what is known of the tuner.
struct ConfigSnapshot {
  PicPromImage pic{};
  SerialPromImage serial{};
  QString firmwareVersionText;
  std::uint16_t serialNumber = kNoSerialNumber;
};

// What a restore reads.
struct ConfigRestoreData {
  std::vector<PicPromRun> picRuns;
  std::vector<SerialPromBlock> serialBlocks;
  std::optional<std::uint16_t> fileSerialNumber;  // the serial-number line's number
  bool serialNumberDiffers = false;               // recorded only; nothing acts on it
};

// Keys of the file's lines.
inline constexpr char kMem2Key[] = "MEM2";
inline constexpr char kMem3Key[] = "MEM3";
inline constexpr char kMem4Key[] = "MEM4";
inline constexpr char kCrcKey[] = "CRC32";
inline constexpr char kSerialNumberKey[] = "ZU6400 Serial Number";
inline constexpr char kUtilityVersionKey[] = "ZU6400 Utility Version";
inline constexpr char kFirmwareVersionKey[] = "ZU6400 Firmware Version";
