#include "config/ConfigCrc.h"

#include <array>

namespace {
constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}
constexpr auto kTable = MakeTable();
}  // namespace

void ConfigCrc::AddLine(QByteArrayView line) {
  std::uint32_t c = ~m_value;
  for (const char ch : line) c = (c >> 8) ^ kTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF];
  m_value = ~c;
}
