// zu6400ctl check-hex FILE: loads a firmware file as the loader would and
// prints its checksum reconciliation and how much of it would be sent.

#include <QTextStream>

#include "cli/CliContext.h"
#include "model/ModelReportSink.h"
#include "base/TextFormat.h"
#include "firmware/FirmwareImage.h"
#include "machines/TunerModel.h"

int RunCheckHex(CCliContext&, const QStringList& args) {
  FirmwareImage image;
  if (!image.Load(args.first())) {
    const ResultCode code = GetLastError() != 0 ? GetLastError() : Result::LoadFailedWithoutCode;
    QTextStream(stderr) << Format("Line %u, error code 0x%08X: %s", image.LineCount(), code, ErrorText(code))
                        << Qt::endl;
    return 1;
  }
  const std::uint16_t found = image.ReconciliationWord();
  const std::uint16_t sum = image.Sum();
  CModelReportSink sink(GetModel());
  const ResultCode result = image.CheckReconciliation(sink);
  if (result != Result::Success) return CCliContext::Fail(result);
  const auto sendLength = static_cast<unsigned>(image.SendEnd() - image.Data());
  QTextStream out(stdout);
  out << "lines: " << image.LineCount() << "\n";
  out << Format("reconciliation value: 0x%04X\n", unsigned{found});
  if (sum == 0)
    out << "checksum: zero\n";
  else
    out << Format("computed reconciliation value: 0x%04X\n", unsigned{image.ReconciliationWord()});
  out << Format("send length: %u bytes, %u packets\n", sendLength, sendLength / FirmwareImage::kBlockSize);
  return 0;
}
