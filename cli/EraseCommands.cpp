// zu6400ctl erase-memories --band NAME|all --antenna 1|2|3: erase the tuning
// memories of a band (or all) for one antenna.
// zu6400ctl factory-reset --yes: reset the configuration to factory defaults,
// then contact the tuner again.

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "cli/ConfigJob.h"
#include "cli/UsageText.h"
#include "machines/configuration/EraseConfigurationStateMachine.h"
#include "machines/configuration/EraseMemoryStateMachine.h"
#include "machines/connection/TunerModel.h"

namespace {
QString BandText(unsigned band) { return band == kAllBands ? QStringLiteral("All") : BandName(band); }

// What a stopped reset left, by the step the stop found running (none: the
// search after the restart).
QString ResetStoppedState(const QString& step) {
  if (step == QLatin1String("EraseConfiguration"))
    return Format("The configuration was reset to factory defaults, but the %s was not restarted: switch it off and on",
                  ModelName());
  if (step.isEmpty() || step == QLatin1String("ResetMcu"))
    return Format("The configuration was reset to factory defaults and the %s restarted", ModelName());
  return QStringLiteral("The configuration was not changed");
}
}  // namespace

int RunEraseMemories(CCliContext& context, const QStringList&) {
  const CliOptions& options = context.Options();
  const QString usage = QStringLiteral(" is missing (usage: zu6400ctl erase-memories --band NAME|all --antenna 1|2|3)");
  if (!options.band) return UsageError("--band" + usage);
  if (!options.antenna) return UsageError("--antenna" + usage);

  CTunerModel& model = GetModel();
  CEraseMemoryStateMachine machine(model);
  machine.Band.Set(static_cast<unsigned char>(*options.band));
  machine.Antenna = static_cast<unsigned char>(*options.antenna);
  const QString what = Format("Band %s Antenna %u", BandText(*options.band), *options.antenna);
  const ResultCode result = RunConfigJob(context, machine, machine, [&] {
    model.LogText("Erasing " + what);
    machine.StartErase();
  });
  // A stop that came while the erase command was out did not keep it from the tuner.
  if (result == Result::Cancelled)
    return CCliContext::Stopped(machine.CancelledIn() == QLatin1String("EraseMemory")
                                    ? "The erase command had gone out: the memories of " + what + " are erased"
                                    : QStringLiteral("Nothing was erased"));
  if (result != Result::Success) return CCliContext::Fail(result);
  model.LogText("ATU memory erased " + what);
  return 0;
}

int RunFactoryReset(CCliContext& context, const QStringList&) {
  if (!context.Options().yes)
    return UsageError(QStringLiteral(
        "--yes is missing: the factory reset cannot be undone; zu6400ctl save keeps a copy of the configuration first"));
  CEraseConfigurationStateMachine machine(GetModel());
  // After the reset the contact machine reports the end of the job.
  const ResultCode result = RunConfigJob(context, machine, machine, [&machine] { machine.StartErase(); });
  if (result == Result::Cancelled) return CCliContext::Stopped(ResetStoppedState(machine.CancelledIn()));
  if (result != Result::Success) return CCliContext::Fail(result);
  return GetModel().FirmwareStatus.Get() == FirmwareStatusRunning ? 0 : CCliContext::Fail(Result::NoResponseAfterReset);
}
