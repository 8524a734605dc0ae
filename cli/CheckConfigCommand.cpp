// zu6400ctl check-config FILE: reads a configuration file as a restore would
// and prints what it holds.

#include "base/Printout.h"
#include "base/TextFormat.h"
#include "cli/CliContext.h"
#include "config/ConfigurationFileReader.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"

namespace {
unsigned PicBytes(const std::vector<PicPromRun>& runs) {
  unsigned bytes = 0;
  for (const PicPromRun& run : runs) bytes += unsigned{run.last} - run.first + 1;
  return bytes;
}

unsigned SerialBytes(const std::vector<SerialPromBlock>& blocks) {
  unsigned bytes = 0;
  for (const SerialPromBlock& block : blocks) bytes += block.count;
  return bytes;
}
}  // namespace

int RunCheckConfig(CCliContext& context, const QStringList& args) {
  CModelReportSink sink(GetModel());
  ConfigRestoreData data;
  const ResultCode result = ReadConfigurationFile(args.first(), kNoSerialNumber, data, sink);
  if (result != Result::Success) return CCliContext::Fail(result);
  CPrintout out;
  out.AddLine(QStringLiteral("complete"));
  out.AddJson(QStringLiteral("complete"), true);
  out.Add("pic runs", unsigned(data.picRuns.size()));
  out.Add("pic bytes", PicBytes(data.picRuns));
  out.Add("serial blocks", unsigned(data.serialBlocks.size()));
  out.Add("serial bytes", SerialBytes(data.serialBlocks));
  if (const auto serial = data.fileSerialNumber) out.Add("serial number", Format("%05u", unsigned{*serial}), *serial);
  out.Print(context.Options().json);
  return 0;
}
