#pragma once
// The check value of a configuration file: CRC-32 over every line but the
// CRC32 line itself, line ends excluded. The file carries its complement
// (the parameter set known as CRC-32/JAMCRC).

#include <QByteArrayView>
#include <cstdint>

class ConfigCrc {
 public:
  void AddLine(QByteArrayView line);
  // Standard CRC-32 of everything added so far.
  std::uint32_t Value() const { return m_value; }
  // What the CRC32 line holds.
  std::uint32_t CheckValue() const { return ~m_value; }

 private:
  std::uint32_t m_value = 0;
};
