// zu6400ctl check-config FILE: reads a configuration file as a restore would
// and prints what it holds.

#include <QTextStream>

#include "cli/CliContext.h"
#include "model/ModelReportSink.h"
#include "base/TextFormat.h"
#include "config/ConfigurationFileReader.h"
#include "machines/TunerModel.h"

namespace {
std::size_t PicBytes(const std::vector<PicPromRun>& runs) {
  std::size_t bytes = 0;
  for (const PicPromRun& run : runs) bytes += std::size_t{run.last} - run.first + 1;
  return bytes;
}

std::size_t SerialBytes(const std::vector<SerialPromBlock>& blocks) {
  std::size_t bytes = 0;
  for (const SerialPromBlock& block : blocks) bytes += block.count;
  return bytes;
}
}  // namespace

int RunCheckConfig(CCliContext&, const QStringList& args) {
  CModelReportSink sink(GetModel());
  ConfigRestoreData data;
  const ResultCode result = ReadConfigurationFile(args.first(), kNoSerialNumber, data, sink);
  if (result != Result::Success) return CCliContext::Fail(result);
  QTextStream out(stdout);
  out << "complete\n";
  out << "pic runs: " << data.picRuns.size() << "\n";
  out << "pic bytes: " << PicBytes(data.picRuns) << "\n";
  out << "serial blocks: " << data.serialBlocks.size() << "\n";
  out << "serial bytes: " << SerialBytes(data.serialBlocks) << "\n";
  if (data.fileSerialNumber) out << Format("serial number: %05u\n", unsigned{*data.fileSerialNumber});
  return 0;
}
