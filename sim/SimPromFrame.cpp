#include "sim/SimPromFrame.h"

std::optional<QByteArray> CSimPromFrame::Bytes(QByteArrayView digits) {
  if (digits.size() % 2 != 0) return std::nullopt;
  for (const char c : digits) {
    const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!digit) return std::nullopt;
  }
  return QByteArray::fromHex(digits.toByteArray());
}

bool CSimPromFrame::SumsToZero(QByteArrayView bytes) { return Balance(bytes) == 0; }

std::uint8_t CSimPromFrame::Balance(QByteArrayView bytes) {
  std::uint8_t sum = 0;
  for (const char byte : bytes) sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(byte));
  return static_cast<std::uint8_t>(0x100 - sum);
}

bool CSimPromFrame::ChunkFits(std::uint32_t address, std::uint32_t length, std::uint32_t memorySize) {
  const std::uint32_t last = address + length - 1;
  return length >= 1 && length <= kLargestChunk && last < memorySize && address / kPageSize == last / kPageSize;
}

QByteArray CSimPromFrame::Reply(const QByteArray& name, const QByteArray& bytes) {
  return name.toUpper() + (bytes + static_cast<char>(Balance(bytes))).toHex().toUpper() + ';';
}
