// zu6400ctl contact: find and identify the tuner on the port.

#include "base/Printout.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "cli/CliContext.h"
#include "cli/ConsoleLog.h"
#include "machines/connection/TunerModel.h"

int RunContact(CCliContext& context, const QStringList&) {
  const ResultCode result = context.Contact();
  if (result != Result::Success) return CCliContext::Fail(result);
  CTunerModel& model = GetModel();
  CPrintout out;
  out.Add("device", ModelName());
  if (model.FirmwareStatus.Get() == FirmwareStatusLoader) {
    out.Add("firmware", QStringLiteral("loader"));
    CConsoleLog::PrintLogLine(model.GetLoaderStatusText());
  } else {
    out.Add("firmware", model.GetVersionText());
    const unsigned serial = model.SerialNumber.Get();
    out.Add("serial", Format("%05u", serial), qint64{serial});
  }
  out.Add("port", model.Run.port);
  out.Add("speed", model.GetBitRate());
  out.Print(context.Options().json);
  return 0;
}
