// zu6400ctl firmware: the version in the tuner against the newest image in
// the firmware folder, and whether loading it would be an update.

#include <QJsonValue>

#include "base/Printout.h"
#include "cli/CliContext.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/connection/TunerModel.h"

namespace {

// A tuner in its boot loader needs any image; a running one a newer one.
bool IsUpdate(const CTunerModel& model, const FirmwareFolderScan& scan) {
  if (!scan.Found()) return false;
  if (model.FirmwareStatus.Get() == FirmwareStatusLoader) return true;
  const unsigned short installed = model.McuVersion.Get();
  const bool known = installed != McuVersionValue::Unknown && installed != McuVersionValue::NotAvailable &&
                     installed != McuVersionValue::Loading;
  return known && scan.Version() > installed;
}

void AddYesNo(CPrintout& out, const QString& name, bool value) {
  out.Add(name, value ? QStringLiteral("yes") : QStringLiteral("no"), value);
}

}  // namespace

int RunFirmware(CCliContext& context, const QStringList&) {
  const ResultCode result = context.Contact();
  if (result != Result::Success) return CCliContext::Fail(result);
  CTunerModel& model = GetModel();
  const FirmwareFolderScan scan = CCliContext::ScanFirmwareFolder();
  CPrintout out;
  const bool loader = model.FirmwareStatus.Get() == FirmwareStatusLoader;
  out.Add("installed", loader ? QStringLiteral("loader") : model.GetVersionText());
  out.Add("available", scan.AvailableText());
  if (scan.Found()) out.Add("file", scan.Path());
  AddYesNo(out, "notes", scan.HasReleaseNotes());
  AddYesNo(out, "update", IsUpdate(model, scan));
  out.Print(context.Options().json);
  return 0;
}
