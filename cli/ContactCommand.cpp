// zu6400ctl contact: find and identify the tuner on the port.

#include <QTextStream>

#include "cli/CliContext.h"
#include "cli/ConsoleLog.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/TunerModel.h"

int RunContact(CCliContext& context, const QStringList&) {
  const ResultCode result = context.Contact();
  if (result != Result::Success) return CCliContext::Fail(result);
  CTunerModel& model = GetModel();
  QTextStream out(stdout);
  out << "device: " << ModelName() << "\n";
  if (model.FirmwareStatus.Get() == FirmwareStatusLoader) {
    out << "firmware: loader\n";
    CConsoleLog::PrintLogLine(model.GetLoaderStatusText());
  } else {
    out << "firmware: " << model.GetVersionText() << "\n";
    out << Format("serial: %05u\n", static_cast<unsigned>(model.SerialNumber.Get()));
  }
  out << "port: " << model.Port.Get() << "\n";
  out << "speed: " << model.GetBitRate() << "\n";
  return 0;
}
