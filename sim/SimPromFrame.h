#pragma once
// What the tuner checks in a PROM frame, as its firmware sees one: after the
// three letters come the address (high byte, low byte), the length, any data
// and a checksum, in hexadecimal pairs, and all of those bytes add up to zero.
// A chunk holds 1 to 64 bytes, stays inside one 256-byte page and inside the
// memory. Kept apart from the program's framing on purpose: a fault there
// must show here as a refused frame, not be made again on this side.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

class CSimPromFrame {
 public:
  static constexpr unsigned kLargestChunk = 64;
  static constexpr unsigned kPageSize = 256;

  // The bytes of the hexadecimal pairs; nothing when a character is no digit
  // or a pair is incomplete.
  static std::optional<QByteArray> Bytes(QByteArrayView digits);
  static bool SumsToZero(QByteArrayView bytes);
  // The byte that, added to the others, makes them sum to zero.
  static std::uint8_t Balance(QByteArrayView bytes);
  // Whether a chunk may be read or written in one frame.
  static bool ChunkFits(std::uint32_t address, std::uint32_t length, std::uint32_t memorySize);
  // The frame as the tuner sends it: the bytes in upper-case pairs, their
  // balancing checksum and ";" after the name.
  static QByteArray Reply(const QByteArray& name, const QByteArray& bytes);
};
