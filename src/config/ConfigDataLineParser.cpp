#include "config/ConfigDataLineParser.h"

#include <QByteArray>
#include <algorithm>

#include "base/ResultCodes.h"

namespace {

// The first few space-separated tokens of a line, trimmed, and how many
// there are in all. Two spaces in a row give an empty token; a trailing
// empty piece is not a token.
struct Tokens {
  static constexpr int kKept = 6;
  QByteArrayView token[kKept];
  int count = 0;

  explicit Tokens(QByteArrayView line) {
    qsizetype begin = 0;
    for (qsizetype end; (end = line.indexOf(' ', begin)) >= 0; begin = end + 1) Add(line.sliced(begin, end - begin));
    if (begin < line.size()) Add(line.sliced(begin));
  }

  void Add(QByteArrayView piece) {
    if (count < kKept) token[count] = piece.trimmed();
    ++count;
  }
};

// Exactly digits hexadecimal digits, read high digit first into bytes.
bool HexToken(QByteArrayView token, qsizetype digits, QByteArray& bytes) {
  if (token.size() != digits) return false;
  bytes.resize(digits / 2);
  for (qsizetype i = 0; i < digits / 2; ++i) {
    std::uint8_t byte = 0;
    if (!HexPairToByte(QChar::fromLatin1(token[2 * i]), QChar::fromLatin1(token[2 * i + 1]), byte)) return false;
    bytes[i] = static_cast<char>(byte);
  }
  return true;
}

std::uint64_t BigEndian(const QByteArray& bytes) {
  std::uint64_t value = 0;
  for (const char b : bytes) value = value << 8 | static_cast<std::uint8_t>(b);
  return value;
}

// A decimal number from 0 to 255 starting at begin; end is set past its digits.
bool DecimalByte(QByteArrayView line, qsizetype begin, qsizetype& end, std::uint32_t& value) {
  value = 0;
  end = begin;
  while (end < line.size() && line[end] >= '0' && line[end] <= '9') {
    value = value * 10 + static_cast<std::uint32_t>(line[end] - '0');
    if (value > 255) return false;
    ++end;
  }
  return end > begin;
}

bool HasAt(QByteArrayView line, qsizetype index, QByteArrayView text) {
  return index + text.size() <= line.size() && line.sliced(index, text.size()) == text;
}

}  // namespace

bool CConfigDataLineParser::Parse(QByteArrayView line) {
  if (line.startsWith(kMem2Key)) return ParseMem2(line);
  if (line.startsWith(kMem3Key)) return ParseSerial(line, kMem3Key, 4);
  if (line.startsWith(kMem4Key)) return ParseSerial(line, kMem4Key, 8);
  return ParseDecimal(line);
}

bool CConfigDataLineParser::ParseMem2(QByteArrayView line) {
  const Tokens t(line);
  QByteArray high, low, count, data;
  if (t.count < 5 || t.token[0].compare(kMem2Key, Qt::CaseInsensitive) != 0) return false;
  if (!HexToken(t.token[1], 2, high) || !HexToken(t.token[2], 2, low) || !HexToken(t.token[3], 2, count)) return false;
  if (!HexToken(t.token[4], 2 * qsizetype{static_cast<std::uint8_t>(count[0])}, data)) return false;
  const std::uint32_t address = static_cast<std::uint32_t>(BigEndian(high + low));
  for (qsizetype i = 0; i < data.size(); ++i)
    AddPicByte(address + static_cast<std::uint32_t>(i), static_cast<std::uint8_t>(data[i]));
  return true;
}

bool CConfigDataLineParser::ParseSerial(QByteArrayView line, const char* key, qsizetype addressDigits) {
  const Tokens t(line);
  QByteArray address, count, data;
  if (t.count != 4 || t.token[0].compare(key, Qt::CaseInsensitive) != 0) return false;
  if (!HexToken(t.token[1], addressDigits, address) || !HexToken(t.token[2], 2, count)) return false;
  if (!HexToken(t.token[3], 2 * qsizetype{static_cast<std::uint8_t>(count[0])}, data)) return false;
  AddSerialBlock(BigEndian(address), data);
  return true;
}

// "MEMxppp.ooo = v": page from index 4 ending before the "." at index 7,
// offset from index 8 ending before the " = " at index 11, value from 14.
bool CConfigDataLineParser::ParseDecimal(QByteArrayView line) {
  std::uint32_t page = 0, offset = 0, value = 0;
  qsizetype end = 0;
  if (!DecimalByte(line, 4, end, page) || end > 7 || !HasAt(line, 7, ".")) return false;
  if (!DecimalByte(line, 8, end, offset) || end > 11 || !HasAt(line, 11, " = ")) return false;
  if (!DecimalByte(line, 14, end, value)) return false;
  AddPicByte(page * 256 + offset, static_cast<std::uint8_t>(value));
  return true;
}

void CConfigDataLineParser::AddPicByte(std::uint32_t address, std::uint8_t value) {
  const bool accepted = std::any_of(std::begin(kPicAcceptRanges), std::end(kPicAcceptRanges),
                                    [&](const AddressRange& r) { return r.Contains(address, 1); });
  if (!accepted) return;
  const auto page = static_cast<std::uint8_t>(address >> 8);
  const auto offset = static_cast<std::uint8_t>(address & 0xFF);
  auto& runs = m_data.picRuns;
  if (runs.empty() || runs.back().page != page || runs.back().last == 0xFF || offset != runs.back().last + 1) {
    runs.emplace_back();
    runs.back().page = page;
    runs.back().first = offset;
  }
  runs.back().last = offset;
  runs.back().data[offset] = value;
}

void CConfigDataLineParser::AddSerialBlock(std::uint64_t start, QByteArrayView bytes) {
  const auto count = static_cast<std::uint64_t>(bytes.size());
  const bool accepted = std::any_of(std::begin(kSerialAcceptRanges), std::end(kSerialAcceptRanges),
                                    [&](const AddressRange& r) { return r.Contains(start, count); });
  if (count == 0 || count > kMaxSerialBlock || !accepted) return;
  SerialPromBlock block;
  block.start = static_cast<std::uint32_t>(start);
  block.count = static_cast<std::uint32_t>(count);
  std::copy(bytes.begin(), bytes.end(), block.data.begin());
  m_data.serialBlocks.push_back(block);
}
