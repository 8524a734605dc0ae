#pragma once
// The data lines of a configuration file: MEM2 (PIC PROM), MEM3 and MEM4
// (serial PROM) and the decimal single-byte MEM form. Bytes outside the
// ranges a restore may write are dropped; the line still counts as parsed.

#include <QByteArrayView>

#include "config/ConfigurationData.h"

class CConfigDataLineParser {
 public:
  explicit CConfigDataLineParser(ConfigRestoreData& data) : m_data(data) {}
  // Takes a line that begins with "MEM"; false when it does not parse.
  bool Parse(QByteArrayView line);

  void AddPicByte(std::uint32_t address, std::uint8_t value);
  void AddSerialBlock(std::uint64_t start, QByteArrayView bytes);

 private:
  bool ParseMem2(QByteArrayView line);
  bool ParseSerial(QByteArrayView line, const char* key, qsizetype addressDigits);
  bool ParseDecimal(QByteArrayView line);

  ConfigRestoreData& m_data;
};
