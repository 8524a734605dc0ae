#pragma once
// The MCU's application flash, 0x800 to 0x1FD7F, as an Intel HEX file gives
// it: bytes the file does not give stay 0xFF. The first two bytes are the
// checksum reconciliation word that makes the image sum to zero.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

#include "base/ReportSink.h"
#include "base/ResultCodes.h"

class FirmwareImage {
 public:
  static constexpr std::uint32_t kStartAddress = 0x800;
  static constexpr std::uint32_t kEndAddress = 0x1FD80;
  static constexpr std::uint32_t kBlockSize = 128;
  static constexpr std::uint32_t kFillWord = 0xFFFFFFFF;

  // Reads the file's records into a fresh image; false with the reason as
  // the last error.
  bool Load(const QString& path);
  // The same for a file's bytes already in memory.
  bool LoadData(QByteArrayView content);

  // Checks the reconciliation word against the image's sum, or computes and
  // stores it when the file leaves it zero; logs what it finds.
  ResultCode CheckReconciliation(IReportSink& sink);
  // End of the data to send: after the last byte that is not fill, raised to
  // a whole block. Computed once.
  const std::uint8_t* SendEnd();

  // Copies a data record's bytes at a full MCU address; only records that
  // begin inside the image are kept, cut at its end.
  void Store(std::uint64_t address, QByteArrayView bytes);

  // The two bytes at 0x800, low byte first.
  std::uint16_t ReconciliationWord() const;
  // Sum of the image as big-endian 16-bit words.
  std::uint16_t Sum() const;

  const std::uint8_t* Data() const { return m_buffer.data(); }
  std::uint32_t Length() const { return m_length; }
  bool Loaded() const { return m_loaded; }
  const QString& Path() const { return m_path; }
  std::uint32_t LineCount() const { return m_lineCount; }

 private:
  void Reset();

  std::uint32_t m_length = 0;
  std::uint32_t m_allocatedSize = 0;
  bool m_loaded = false;
  const std::uint8_t* m_sendEnd = nullptr;
  std::vector<std::uint8_t> m_buffer;
  QString m_path;
  std::uint32_t m_lineCount = 0;
};
