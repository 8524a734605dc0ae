// zu6400ctl erase-memories --band NAME|all --antenna 1|2|3: erase the tuning
// memories of a band (or all) for one antenna.
// zu6400ctl factory-reset --yes: reset the configuration to factory defaults,
// then contact the tuner again.

#include <functional>

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

// Contacts the tuner, then runs a job machine as the model's job until
// MachineFinished (or the wait runs out: onTimeout).
template <class M>
ResultCode RunJob(CCliContext& context, M& machine, const std::function<void()>& start, unsigned seconds,
                  ResultCode onTimeout) {
  const ResultCode result = ContactRunningTuner(context);
  if (result != Result::Success) return result;
  const CActiveMachineScope active(GetModel(), machine);
  if (context.Options().trace) machine.SetStatusWindow(GetModel().NotifyWindow);
  return context.RunUntilFinished(start, seconds, onTimeout);
}

QString BandText(unsigned band) { return band == kAllBands ? QStringLiteral("All") : BandName(band); }
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
  const auto start = [&] {
    model.LogText(Format("Erasing Band %s Antenna %u", BandText(*options.band), *options.antenna));
    machine.StartErase();
  };
  const ResultCode result = RunJob(context, machine, start, options.waitSeconds, Result::Timeout);
  if (result != Result::Success) return CCliContext::Fail(result);
  model.LogText(Format("ATU memory erased Band %s Antenna %u", BandText(*options.band), *options.antenna));
  return 0;
}

int RunFactoryReset(CCliContext& context, const QStringList&) {
  const CliOptions& options = context.Options();
  if (!options.yes)
    return UsageError(QStringLiteral(
        "--yes is missing: the factory reset cannot be undone; zu6400ctl save keeps a copy of the configuration first"));

  CEraseConfigurationStateMachine machine(GetModel());
  // After the reset the contact machine reports the end of the job.
  const ResultCode result = RunJob(context, machine, [&machine] { machine.StartErase(); },
                                   options.waitSeconds + kResetSeconds, Result::NoResponseAfterReset);
  if (result != Result::Success) return CCliContext::Fail(result);
  return GetModel().FirmwareStatus.Get() == FirmwareStatusRunning ? 0 : CCliContext::Fail(Result::NoResponseAfterReset);
}
