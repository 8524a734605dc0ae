#pragma once
// The host of a machine that sends a firmware image through the tuner's
// bootstrap loader: the image, the packet in flight, the next load address and
// the retry statistics that the loader's states share.

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/ProgressBarStateHost.h"
#include "firmware/FirmwareImage.h"

template <class T>
class CLoaderStateHost : public CProgressBarStateHost<T> {
 public:
  static constexpr unsigned kProgressDivisor = 32;
  static constexpr std::size_t kPacketSize = 132;
  static constexpr std::uint8_t kFinalMark = 2;  // byte 130 of the final packet

  CLoaderStateHost(CModelBase& model, const char* name)
      : CProgressBarStateHost<T>(model), m_name(QString::fromLatin1(name)) {
    this->SetDivisor(kProgressDivisor);
  }

  const QString& LoaderName() const { return m_name; }
  const QString& ImagePath() const { return m_path; }
  FirmwareImage& Image() { return m_image; }
  // Bytes from the start address up to the send end.
  std::uint32_t SendLength() const { return m_sendLength; }

  std::uint32_t LoadAddress() const { return m_loadAddress; }
  void SetLoadAddress(std::uint32_t address) { m_loadAddress = address; }
  unsigned FillBytes() const { return m_fillBytes; }
  void SetFillBytes(unsigned count) { m_fillBytes = count; }

  // The packet of the block at address: 128 image bytes, the address low
  // byte first (the final packet marks its third address byte), the checksum.
  void BuildPacket(std::uint32_t address, bool final) {
    const std::uint8_t* block = m_image.Data() + (address - FirmwareImage::kStartAddress);
    std::copy_n(block, FirmwareImage::kBlockSize, m_packet.begin());
    m_packet[128] = static_cast<std::uint8_t>(address);
    m_packet[129] = static_cast<std::uint8_t>(address >> 8);
    m_packet[130] = final ? kFinalMark : static_cast<std::uint8_t>(address >> 16);
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i + 1 < kPacketSize; ++i) sum = static_cast<std::uint8_t>(sum + m_packet[i]);
    m_packet[131] = static_cast<std::uint8_t>(-sum);
    m_packetAddress = address;
  }
  const std::array<std::uint8_t, kPacketSize>& Packet() const { return m_packet; }
  // The block the packet in flight carries.
  std::uint32_t PacketAddress() const { return m_packetAddress; }

  // The retries a block needed, once it is done with (sent or failed).
  void RecordRetries(unsigned count) {
    m_highestRetries = std::max(m_highestRetries, count);
    m_totalRetries += count;
  }
  unsigned HighestRetries() const { return m_highestRetries; }
  unsigned TotalRetries() const { return m_totalRetries; }

  // The tuner was told (or found) to wait in its bootstrap loader this run.
  void SetInLoader(bool inLoader) { m_inLoader = inLoader; }
  bool InLoader() const { return m_inLoader; }
  // The loader took the final packet this run: the tuner has the new image.
  void SetSent() { m_sent = true; }
  bool Sent() const { return m_sent; }

 protected:
  // A fresh run's path and counters; the image is loaded by the caller.
  void BeginLoad(const QString& path) {
    m_path = path;
    m_highestRetries = m_totalRetries = m_fillBytes = 0;
    m_inLoader = m_sent = false;
    m_sendLength = 0;
  }
  void SetSendLength(std::uint32_t length) { m_sendLength = length; }

 private:
  QString m_name;
  QString m_path;
  FirmwareImage m_image;
  std::uint32_t m_sendLength = 0;
  std::uint32_t m_loadAddress = 0;
  std::uint32_t m_packetAddress = 0;
  unsigned m_fillBytes = 0;
  unsigned m_highestRetries = 0;
  unsigned m_totalRetries = 0;
  bool m_inLoader = false;
  bool m_sent = false;
  std::array<std::uint8_t, kPacketSize> m_packet{};
};
