#include "firmware/FirmwareImage.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "firmware/IntelHexReader.h"

void FirmwareImage::Reset() {
  m_length = kEndAddress - kStartAddress;
  m_allocatedSize = (std::max(m_length, kBlockSize) + 3) & ~3u;
  m_loaded = false;
  m_sendEnd = nullptr;
  m_buffer.assign(m_allocatedSize, static_cast<std::uint8_t>(kFillWord & 0xFF));
  m_lineCount = 0;
}

bool FirmwareImage::Load(const QString& path) {
  Reset();
  m_path = path;
  IntelHexReader reader;
  m_loaded = reader.ReadFile(path, this);
  m_lineCount = reader.LineCount();
  return m_loaded;
}

bool FirmwareImage::LoadData(QByteArrayView content) {
  Reset();
  IntelHexReader reader;
  m_loaded = reader.ReadAll(content, this);
  m_lineCount = reader.LineCount();
  return m_loaded;
}

void FirmwareImage::Store(std::uint64_t address, QByteArrayView bytes) {
  if (address < kStartAddress || address >= kEndAddress) return;
  const std::uint64_t offset = address - kStartAddress;
  const auto count = std::min<std::uint64_t>(static_cast<std::uint64_t>(bytes.size()), m_length - offset);
  std::memcpy(m_buffer.data() + offset, bytes.data(), count);
}

std::uint16_t FirmwareImage::ReconciliationWord() const {
  return static_cast<std::uint16_t>(m_buffer[0] | m_buffer[1] << 8);
}

std::uint16_t FirmwareImage::Sum() const {
  std::uint32_t sum = 0;
  for (std::uint32_t i = 0; i + 1 < m_length; i += 2) sum += static_cast<std::uint32_t>(m_buffer[i] << 8 | m_buffer[i + 1]);
  return static_cast<std::uint16_t>(sum);
}

ResultCode FirmwareImage::CheckReconciliation(IReportSink& sink) {
  const QString device = ModelName();
  const std::uint16_t word = ReconciliationWord();
  sink.Log(Format(QCoreApplication::translate("FirmwareImage", "%s firmware file %s checksum reconciliation value is 0x%X"), device, m_path, unsigned{word}));
  const std::uint16_t sum = Sum();
  if (word != 0) {
    if (sum == 0) return Result::Success;
    sink.Log(Format(QCoreApplication::translate("FirmwareImage", "File does not checksum to zero. Checksum is 0x%X"), unsigned{sum}));
    return Result::HexChecksumNotZero;
  }
  if (sum == 0) {
    sink.Log(QCoreApplication::translate("FirmwareImage", "Checksum reconciliation value is zero; alert Corvanta\r\n\r\n"
                                                     "Note: A zero checksum reconciliation value should occur only "
                                                     "during firmware development."));
    return Result::Success;
  }
  const auto value = static_cast<std::uint16_t>(0x10000 - sum);
  m_buffer[0] = static_cast<std::uint8_t>(value >> 8);
  m_buffer[1] = static_cast<std::uint8_t>(value & 0xFF);
  sink.Log(Format(QCoreApplication::translate("FirmwareImage", "%s computed checksum reconciliation value is 0x%X"), device, unsigned{ReconciliationWord()}));
  return Result::Success;
}

const std::uint8_t* FirmwareImage::SendEnd() {
  if (m_sendEnd != nullptr) return m_sendEnd;
  std::uint32_t end = m_allocatedSize & ~3u;
  for (; end >= 4; end -= 4) {
    std::uint32_t word = 0;
    std::memcpy(&word, m_buffer.data() + end - 4, 4);
    if (word != kFillWord) break;
  }
  const std::uint32_t length = (end + kBlockSize - 1) / kBlockSize * kBlockSize;
  m_sendEnd = m_buffer.data() + std::min(length, m_allocatedSize);
  return m_sendEnd;
}
