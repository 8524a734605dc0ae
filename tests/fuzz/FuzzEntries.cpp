#include "FuzzEntries.h"

#include <QByteArrayView>
#include <cstdlib>

#include "base/ReportSink.h"
#include "config/ConfigurationFileReader.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FtpListing.h"
#include "firmware/IntelHexReader.h"

namespace {
QByteArrayView Bytes(const std::uint8_t* data, std::size_t size) {
  return QByteArrayView(data, static_cast<qsizetype>(size));
}

// Every run and block a reader hands out must be one a restore may write.
void CheckRestoreData(const ConfigRestoreData& restore) {
  for (const PicPromRun& run : restore.picRuns)
    if (run.first > run.last || (run.page == 0 && run.first < 0x20) || run.page > 3) std::abort();
  for (const SerialPromBlock& block : restore.serialBlocks)
    if (block.count == 0 || block.count > 64 || block.start < 0x1000 || block.start + block.count > 0x10000)
      std::abort();
}
}  // namespace

void FuzzConfigFile(const std::uint8_t* data, std::size_t size) {
  CSilentReportSink sink;
  for (const std::uint16_t serial : {kNoSerialNumber, std::uint16_t{1234}}) {
    ConfigRestoreData restore;
    CConfigurationFileReader(serial, restore, sink).Parse(Bytes(data, size));
    CheckRestoreData(restore);
  }
}

void FuzzHexFile(const std::uint8_t* data, std::size_t size) {
  IntelHexReader reader;
  reader.ReadAll(Bytes(data, size), nullptr);
  FirmwareImage image;
  if (!image.LoadData(Bytes(data, size))) return;
  CSilentReportSink sink;
  image.CheckReconciliation(sink);
  const std::uint8_t* end = image.SendEnd();
  if (end < image.Data() || end > image.Data() + image.Length() || (end - image.Data()) % 128 != 0) std::abort();
}

void FuzzFtpListing(const std::uint8_t* data, std::size_t size) {
  // Every entry is one line's name: never empty, never across a line break.
  for (const FtpListEntry& entry : ParseFtpListing(Bytes(data, size)))
    if (entry.name.isEmpty() || entry.name.contains(u'\n')) std::abort();
}
