#pragma once
// The framing of the tuner's checked PROM commands: chunks of at most 64
// bytes that never cross a 256-byte page, each with an 8-bit checksum that
// makes the sum of its address bytes, length, data and checksum zero.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace Prom {
inline constexpr unsigned kMaxChunk = 64;
inline constexpr std::uint32_t kPageSize = 256;

// The two's complement of the 8-bit sum of the address's four bytes, the
// length and the data.
std::uint8_t Checksum(std::uint32_t address, unsigned length, QByteArrayView data = {});

// The next chunk of a range: at most 64 bytes and ending in the address's page.
unsigned ChunkLength(std::uint32_t address, std::uint32_t remaining);

// "erp00404080;": prefix, address, length and checksum.
QString ReadCommand(const char* prefix, std::uint32_t address, unsigned length);
// "ewp0020" "02" "AABB" checksum ";".
QString WriteCommand(const char* prefix, std::uint32_t address, QByteArrayView data);

// The data of a read reply that answers the command exactly: the echoed
// prefix, address and length, every byte asked for, and a checksum that sums
// to zero. Empty when the reply is not such an answer.
QByteArray ReadReplyData(const QString& command, const QString& reply);
// Whether a write reply echoes the command's prefix, address and length with
// a checksum that sums to zero.
bool IsWriteReplyFor(const QString& command, const QString& reply);
}  // namespace Prom
