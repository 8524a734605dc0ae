#pragma once
// Reads the records of an Intel HEX file: data, end of file, extended
// segment and linear addresses, start addresses (ignored). Text outside
// records is skipped; the line count tells where a failure was met.

#include <QByteArrayView>
#include <QString>
#include <cstdint>

class FirmwareImage;

class IntelHexReader {
 public:
  // Far above any real firmware file; larger files are refused unread.
  static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

  // Reads the file's records up to its end record; false with the reason
  // as the last error.
  bool VerifyFile(const QString& path);
  // The same, copying data records into image when it is given.
  bool ReadFile(const QString& path, FirmwareImage* image);
  bool ReadAll(QByteArrayView content, FirmwareImage* image);

  // Reads records up to the next data record or the end record.
  bool ReadRecord();
  bool EndOfFile() const { return m_endOfFile; }
  // The line the reader stands on.
  std::uint32_t LineCount() const { return m_lineCount; }

 private:
  bool SkipToRecord();
  bool NextDigit(char& digit);
  bool ReadByte(std::uint8_t& byte);
  bool ReadFields();
  bool Fail(std::uint32_t code);

  QByteArrayView m_content;
  FirmwareImage* m_image = nullptr;
  qsizetype m_position = 0;
  std::uint32_t m_lineCount = 0;
  std::uint32_t m_column = 0;
  std::uint64_t m_upperAddress = 0;
  bool m_endOfFile = false;
  // The current record.
  std::uint8_t m_count = 0;
  std::uint16_t m_address = 0;
  std::uint8_t m_type = 0;
  std::uint8_t m_data[255] = {};
  std::uint8_t m_sum = 0;
};
