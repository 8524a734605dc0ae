// zu6400ctl check-hex FILE: loads a firmware file as the loader would and
// prints its checksum reconciliation and how much of it would be sent.

#include "base/Printout.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "cli/CliContext.h"
#include "cli/ConsoleLog.h"
#include "firmware/FirmwareImage.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"

int RunCheckHex(CCliContext& context, const QStringList& args) {
  FirmwareImage image;
  if (!image.Load(args.first())) {
    const ResultCode code = GetLastError() != 0 ? GetLastError() : Result::LoadFailedWithoutCode;
    // Where in the file, as the loader logs it.
    CConsoleLog::PrintLogLine(FormatString(Str::FileLineError, image.LineCount(), code, ErrorText(code)));
    return CCliContext::Fail(code);
  }
  const std::uint16_t found = image.ReconciliationWord();
  const std::uint16_t sum = image.Sum();
  CModelReportSink sink(GetModel());
  const ResultCode result = image.CheckReconciliation(sink);
  if (result != Result::Success) return CCliContext::Fail(result);
  const auto sendLength = static_cast<unsigned>(image.SendEnd() - image.Data());
  CPrintout out;
  out.Add("lines", image.LineCount());
  out.Add("reconciliation value", Format("0x%04X", unsigned{found}), found);
  if (sum == 0)
    out.Add("checksum", QStringLiteral("zero"));
  else
    out.Add("computed reconciliation value", Format("0x%04X", unsigned{image.ReconciliationWord()}),
            image.ReconciliationWord());
  const unsigned packets = sendLength / FirmwareImage::kBlockSize;
  out.AddLine(Format("send length: %u bytes, %u packets", sendLength, packets));
  out.AddJson(QStringLiteral("send bytes"), qint64{sendLength});
  out.AddJson(QStringLiteral("send packets"), qint64{packets});
  out.Print(context.Options().json);
  return 0;
}
