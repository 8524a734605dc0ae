#include "firmware/IntelHexReader.h"

#include "base/ResultCodes.h"
#include "base/WholeFileReader.h"
#include "firmware/FirmwareImage.h"

namespace {
enum RecordType : std::uint8_t { Data, EndOfFileRecord, ExtendedSegment, StartSegment, ExtendedLinear, StartLinear };
}  // namespace

bool IntelHexReader::Fail(std::uint32_t code) {
  SetLastError(code);
  return false;
}

bool IntelHexReader::VerifyFile(const QString& path) { return ReadFile(path, nullptr); }

bool IntelHexReader::ReadFile(const QString& path, FirmwareImage* image) {
  // A failed load is worded by whoever loads (the code stays the last error).
  CSilentReportSink silent;
  CWholeFileReader file(QString(), silent);
  if (!file.Open(path)) return false;
  if (file.Size() > kMaxFileSize) return Fail(Result::FileTooLarge);
  QByteArray content;
  return file.Read(file.Size(), content) && ReadAll(content, image);
}

bool IntelHexReader::ReadAll(QByteArrayView content, FirmwareImage* image) {
  *this = IntelHexReader();
  m_content = content;
  m_image = image;
  m_lineCount = 1;
  while (!m_endOfFile)
    if (!ReadRecord()) return false;
  return true;
}

// Moves past the ":" that opens the next record, which must stand in the
// first column; anything else between records is skipped.
bool IntelHexReader::SkipToRecord() {
  for (; m_position < m_content.size(); ++m_position) {
    const char c = m_content[m_position];
    if (c == ':' && m_column == 0) {
      ++m_position;
      ++m_column;
      return true;
    }
    if (c == '\n') ++m_lineCount;
    m_column = (c == '\r' || c == '\n') ? 0 : m_column + 1;
  }
  return Fail(Result::HexMissingEndRecord);
}

// The next digit of a record; line ends inside a record are skipped. A
// record cut short by the end of the file has the wrong length.
bool IntelHexReader::NextDigit(char& digit) {
  while (m_position < m_content.size()) {
    const char c = m_content[m_position++];
    if (c == '\n') ++m_lineCount;
    if (c == '\r' || c == '\n') {
      m_column = 0;
      continue;
    }
    ++m_column;
    digit = c;
    return true;
  }
  return Fail(Result::HexRecordLength);
}

bool IntelHexReader::ReadByte(std::uint8_t& byte) {
  char high = 0, low = 0;
  if (!NextDigit(high) || !NextDigit(low)) return false;
  if (!HexPairToByte(QChar::fromLatin1(high), QChar::fromLatin1(low), byte)) return false;
  m_sum = static_cast<std::uint8_t>(m_sum + byte);
  return true;
}

bool IntelHexReader::ReadFields() {
  std::uint8_t high = 0, low = 0, checksum = 0;
  m_sum = 0;
  if (!ReadByte(m_count) || !ReadByte(high) || !ReadByte(low) || !ReadByte(m_type)) return false;
  m_address = static_cast<std::uint16_t>(high << 8 | low);
  for (unsigned i = 0; i < m_count; ++i)
    if (!ReadByte(m_data[i])) return false;
  if (!ReadByte(checksum)) return false;
  if (m_sum != 0) return Fail(Result::HexChecksumError);
  if (m_type > StartLinear) return Fail(Result::HexUnknownRecordType);
  return true;
}

bool IntelHexReader::ReadRecord() {
  SetLastError(Result::Success);
  for (;;) {
    if (!SkipToRecord() || !ReadFields()) return false;
    switch (m_type) {
      case Data:
        if (m_image != nullptr)
          m_image->Store(m_upperAddress + m_address, QByteArrayView(m_data, m_count));
        return true;
      case EndOfFileRecord: m_endOfFile = true; return true;
      case ExtendedSegment:
      case ExtendedLinear: {
        // The address is in the first two data bytes; a shorter record has none.
        if (m_count < 2) return Fail(Result::HexRecordLength);
        const std::uint64_t base = std::uint64_t{m_data[0]} << 8 | m_data[1];
        m_upperAddress = m_type == ExtendedSegment ? base << 4 : base << 16;
        break;
      }
      default: break;  // start addresses mean nothing to the tuner's loader
    }
  }
}
