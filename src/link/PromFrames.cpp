#include "link/PromFrames.h"

#include "base/ResultCodes.h"
#include "base/TextFormat.h"

namespace Prom {
namespace {
constexpr qsizetype kPrefixLength = 3;
// Prefix, four address digits and two length digits.
constexpr qsizetype kEchoLength = kPrefixLength + 6;
// The echo, two checksum digits and ";".
constexpr qsizetype kFrameLength = kEchoLength + 3;

bool PairAt(const QString& text, qsizetype at, std::uint8_t& byte) {
  return at + 1 < text.size() && HexPairToByte(text[at], text[at + 1], byte);
}

bool EchoMatches(const QString& command, const QString& reply) {
  return command.size() >= kEchoLength && reply.size() >= kEchoLength &&
         QStringView(reply).left(kEchoLength).compare(QStringView(command).left(kEchoLength), Qt::CaseInsensitive) == 0;
}

// The sum of the hexadecimal pairs from position 3 up to (not counting) end;
// false when one is no pair.
bool SumPairs(const QString& text, qsizetype end, std::uint8_t& sum, QByteArray* data = nullptr) {
  sum = 0;
  for (qsizetype at = kPrefixLength; at < end; at += 2) {
    std::uint8_t byte = 0;
    if (!PairAt(text, at, byte)) return false;
    sum = static_cast<std::uint8_t>(sum + byte);
    if (data != nullptr && at >= kEchoLength) data->append(static_cast<char>(byte));
  }
  return true;
}
}  // namespace

std::uint8_t Checksum(std::uint32_t address, unsigned length, QByteArrayView data) {
  unsigned sum = (address >> 24) + (address >> 16) + (address >> 8) + address + length;
  for (const char byte : data) sum += static_cast<std::uint8_t>(byte);
  return static_cast<std::uint8_t>(-static_cast<std::uint8_t>(sum));
}

unsigned ChunkLength(std::uint32_t address, std::uint32_t remaining) {
  const std::uint32_t length = remaining < kMaxChunk ? remaining : kMaxChunk;
  const std::uint32_t toPageEnd = kPageSize - (address & (kPageSize - 1));
  return length < toPageEnd ? length : toPageEnd;
}

QString ReadCommand(const char* prefix, std::uint32_t address, unsigned length) {
  return Format("%s%04X%02X%02X;", prefix, address, length, unsigned{Checksum(address, length)});
}

QString WriteCommand(const char* prefix, std::uint32_t address, QByteArrayView data) {
  const auto length = static_cast<unsigned>(data.size());
  return Format("%s%04X%02X%s%02X;", prefix, address, length, QString::fromLatin1(data.toByteArray().toHex().toUpper()),
                unsigned{Checksum(address, length, data)});
}

QByteArray ReadReplyData(const QString& command, const QString& reply) {
  std::uint8_t asked = 0, count = 0;
  if (command.size() != kFrameLength || !EchoMatches(command, reply)) return {};
  if (!PairAt(command, kEchoLength - 2, asked) || !PairAt(reply, kEchoLength - 2, count)) return {};
  // A shorter answer than asked for would leave bytes unread that count as read.
  if (count != asked || count > kMaxChunk || reply.size() != kFrameLength + 2 * count || !reply.endsWith(u';'))
    return {};
  QByteArray data;
  std::uint8_t sum = 0;
  if (!SumPairs(reply, reply.size() - 1, sum, &data) || sum != 0) return {};
  data.chop(1);  // the checksum
  return data;
}

bool IsWriteReplyFor(const QString& command, const QString& reply) {
  std::uint8_t sum = 0;
  return reply.size() == kFrameLength && reply.endsWith(u';') && EchoMatches(command, reply) &&
         SumPairs(reply, reply.size() - 1, sum) && sum == 0;
}
}  // namespace Prom
