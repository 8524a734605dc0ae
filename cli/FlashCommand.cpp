// zu6400ctl flash [FILE]: loads a firmware image into the tuner through its
// bootstrap loader (by default the newest image in the firmware folder) and
// checks that the tuner then reports the version in the file's name.

#include "base/Printout.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "cli/CliContext.h"
#include "cli/ConsoleLog.h"
#include "cli/TerminalProgress.h"
#include "cli/UsageText.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/firmware/McuLoaderStateMachine.h"
#include "machines/connection/TunerModel.h"
#include "model/ActiveMachineScope.h"
#include "sim/SimulatorThread.h"

namespace {
// Every wait of the load has its own time-out, so the run always ends; this
// only guards against a run that never reports.
constexpr unsigned kLongestLoadSeconds = 3600;

// The image to send: the one named, or the newest in the firmware folder.
QString ImagePath(const QStringList& args) {
  if (!args.isEmpty()) return args.first();
  return CCliContext::ScanFirmwareFolder().Path();
}

// What a stopped load left in the tuner (a tuner left in its loader has been
// told so by the load).
QString StoppedState(const CMcuLoaderStateMachine& machine) {
  if (machine.InLoader()) return {};
  return machine.Sent() ? QStringLiteral("The new firmware was sent; the tuner was not checked after its restart")
                        : QStringLiteral("The tuner's firmware was not changed");
}

void PrintClosingLines(const CMcuLoaderStateMachine& machine) {
  if (machine.TotalRetries() == 0) return;
  CConsoleLog::PrintLogLine(FormatString(Str::LoaderTotalRetries, machine.TotalRetries()));
  CConsoleLog::PrintLogLine(FormatString(Str::LoaderHighestRetries, machine.HighestRetries()));
}
}  // namespace

int RunFlash(CCliContext& context, const QStringList& args) {
  if (!context.Options().yes) return UsageError(QStringLiteral("flash: loading firmware cannot be undone; add --yes"));
  const QString path = ImagePath(args);
  if (path.isEmpty()) return CCliContext::Fail(Result::FileNotFound);
  if (FirmwareFolderScan::VersionFromName(path) == 0)
    return CCliContext::Fail(Result::InvalidName, FormatString(Str::ImageNameWithoutVersion, path));
  // Where nothing answers, the load's own search looks for a loader that a
  // load cut short left deaf to it.
  const ResultCode contact = context.Contact();
  if (contact != Result::Success && contact != Result::NoResponseAfterReset) return CCliContext::Fail(contact);

  // The built-in simulated tuner comes back with the version it is given.
  if (CSimulatorThread* simulator = context.Simulator()) simulator->Tuner().Loader().NameImage(path);
  CTunerModel& model = GetModel();
  CMcuLoaderStateMachine machine(model);
  CActiveMachineScope active(model, machine);
  CTerminalProgress progress;
  machine.SetProgressBar([&progress](int position, int maximum) { progress.Show(position, maximum); });
  ResultCode result = context.RunUntilFinished([&] { machine.Start(path, context.StatusWindow()); },
                                               kLongestLoadSeconds, Result::NoResponseAfterReset);
  PrintClosingLines(machine);
  if (result == Result::Cancelled) return CCliContext::Stopped(StoppedState(machine));
  if (result == Result::Success) result = machine.VerifyVersion(FirmwareFolderScan::VersionFromName(path));
  // Neither the firmware nor a loader answered: the advice is the last word.
  if (result == Result::NoResponseSyncPoll && !machine.InLoader())
    return CCliContext::Fail(result, FormatString(Str::LoaderNotRecovered, ModelName()));
  if (result != Result::Success) return CCliContext::Fail(result);
  CConsoleLog::PrintLogLine(FormatString(Str::LoaderComplete, machine.LoaderName()));
  CPrintout out;
  out.Add("file", path);
  out.Add("firmware", model.GetVersionText());
  out.Add("sent", machine.SendLength());
  out.Add("retries", machine.TotalRetries());
  out.Print(context.Options().json);
  return 0;
}
