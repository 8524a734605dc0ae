// zu6400ctl erase-memories --band NAME|all --antenna 1|2|3: erase the tuning
// memories of a band (or all) for one antenna.
// zu6400ctl factory-reset --yes: reset the configuration to factory defaults,
// then contact the tuner again.

#include <QTextStream>

#include "base/TextFormat.h"
#include "cli/CliContext.h"
#include "cli/UsageText.h"
#include "machines/EraseConfigurationStateMachine.h"
#include "machines/EraseMemoryStateMachine.h"
#include "machines/OperateValues.h"
#include "machines/TunerModel.h"
#include "model/ActiveMachineScope.h"

namespace {
// The reset waits out its two fixed delays before the contact run begins.
constexpr unsigned kResetSeconds = 6;

// Contacts the tuner; a tuner in its loader has nothing to erase.
ResultCode ContactRunningTuner(CCliContext& context) {
  const ResultCode result = context.Contact();
  if (result != Result::Success) return result;
  return GetModel().FirmwareStatus.Get() == FirmwareStatusLoader ? Result::LoaderRunning : Result::Success;
}

QString BandText(unsigned band) { return band == kAllBands ? QStringLiteral("All") : BandName(band); }
}  // namespace

int RunEraseMemories(CCliContext& context, const QStringList&) {
  const CliOptions& options = context.Options();
  if (!options.band) return UsageError(QStringLiteral("--band is missing (usage: zu6400ctl erase-memories --band NAME|all --antenna 1|2|3)"));
  if (!options.antenna) return UsageError(QStringLiteral("--antenna is missing (usage: zu6400ctl erase-memories --band NAME|all --antenna 1|2|3)"));

  ResultCode result = ContactRunningTuner(context);
  if (result != Result::Success) return CCliContext::Fail(result);
  CTunerModel& model = GetModel();
  CEraseMemoryStateMachine machine(model);
  const CActiveMachineScope active(model, machine);
  if (options.trace) machine.SetStatusWindow(model.NotifyWindow);
  machine.Band.Set(static_cast<unsigned char>(*options.band));
  machine.Antenna = static_cast<unsigned char>(*options.antenna);
  model.LogText(Format("Erasing Band %s Antenna %u", BandText(*options.band), *options.antenna));
  result = context.RunUntilFinished([&machine] { machine.StartErase(); }, options.waitSeconds, Result::Timeout);
  if (result != Result::Success) return CCliContext::Fail(result);
  model.LogText(Format("ATU memory erased Band %s Antenna %u", BandText(*options.band), *options.antenna));
  return 0;
}

int RunFactoryReset(CCliContext& context, const QStringList&) {
  const CliOptions& options = context.Options();
  if (!options.yes)
    return UsageError(QStringLiteral(
        "--yes is missing: the factory reset cannot be undone; zu6400ctl save keeps a copy of the configuration first"));

  ResultCode result = ContactRunningTuner(context);
  if (result != Result::Success) return CCliContext::Fail(result);
  CTunerModel& model = GetModel();
  CEraseConfigurationStateMachine machine(model);
  const CActiveMachineScope active(model, machine);
  if (options.trace) machine.SetStatusWindow(model.NotifyWindow);
  // After the reset the contact machine reports the end of the job.
  result = context.RunUntilFinished([&machine] { machine.StartErase(); }, options.waitSeconds + kResetSeconds,
                                    Result::NoResponseAfterReset);
  if (result != Result::Success) return CCliContext::Fail(result);
  return model.FirmwareStatus.Get() == FirmwareStatusRunning ? 0 : CCliContext::Fail(Result::NoResponseAfterReset);
}
