#pragma once
// Intel HEX records as the firmware tests write them.

#include <QByteArray>
#include <cstdint>

// One record with its checksum.
inline QByteArray Record(std::uint8_t type, std::uint16_t address, const QByteArray& data) {
  QByteArray bytes;
  bytes += static_cast<char>(data.size());
  bytes += static_cast<char>(address >> 8);
  bytes += static_cast<char>(address & 0xFF);
  bytes += static_cast<char>(type);
  bytes += data;
  std::uint8_t sum = 0;
  for (const char b : bytes) sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(b));
  bytes += static_cast<char>(-sum);
  return ':' + bytes.toHex().toUpper() + "\r\n";
}

inline QByteArray DataRecord(std::uint16_t address, const QByteArray& data) { return Record(0, address, data); }
inline const QByteArray kEndRecord = ":00000001FF\r\n";
inline QByteArray Word(std::uint16_t word) { return QByteArray(1, char(word >> 8)) + char(word & 0xFF); }
inline QByteArray Linear(std::uint16_t upper) { return Record(4, 0, Word(upper)); }
