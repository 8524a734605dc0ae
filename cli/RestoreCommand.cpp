// zu6400ctl restore FILE [--force]: reads and checks a configuration file as
// the restore dialog does, writes it into the tuner, restarts the tuner and
// finds it again.

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <memory>

#include "base/Printout.h"
#include "base/StringTable.h"
#include "cli/ConfigJob.h"
#include "cli/TerminalProgress.h"
#include "config/ConfigurationFileReader.h"
#include "machines/configuration/ConfigRestoreStateMachine.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"

namespace {
// What a stopped restore left in the tuner.
QString StoppedState(const CConfigRestoreStateMachine& machine) {
  switch (machine.HowMuchWritten()) {
    case CConfigRestoreStateMachine::Written::Nothing:
      return QStringLiteral("The tuner's stored configuration was not changed");
    case CConfigRestoreStateMachine::Written::Part: return machine.IncompleteText();
    case CConfigRestoreStateMachine::Written::All: break;
  }
  return QStringLiteral("The whole file was written into the tuner");
}
}  // namespace

int RunRestore(CCliContext& context, const QStringList& args) {
  CTunerModel& model = GetModel();
  const QString path = args.first();
  auto machine = std::make_unique<CConfigRestoreStateMachine>(model);
  {
    // A missing or damaged file is found before the tuner is spoken to.
    CModelReportSink sink(model);
    const ResultCode checked = ReadConfigurationFile(path, kNoSerialNumber, machine->Data(), sink);
    if (checked != Result::Success) return CCliContext::Fail(checked);
  }
  machine->SetForced(context.Options().force);
  CTerminalProgress progress;
  machine->SetProgressBar([&progress](int position, int maximum) { progress.Show(position, maximum); });
  ResultCode fileResult = Result::Success;
  const auto start = [&] {
    // Read again once the tuner's serial number is known, as the dialog does.
    CModelReportSink sink(model);
    machine->Data() = {};
    fileResult = ReadConfigurationFile(path, model.SerialNumber.Get(), machine->Data(), sink);
    if (fileResult == Result::Success)
      machine->StartRestore();
    else
      model.MachineFinished.Fire(fileResult);
  };
  const ResultCode result = RunConfigJob(context, *machine, *machine, start);
  if (result == Result::SerialNumberMismatch)
    QTextStream(stderr) << LoadString(Str::SerialMismatchText) << "\n(--force restores it all the same)" << Qt::endl;
  if (result == Result::Cancelled) {
    model.LogText(LoadString(Str::RestoreCancelled));
    return CCliContext::Stopped(StoppedState(*machine));
  }
  if (result != Result::Success) {
    if (fileResult == Result::Success) model.LogText(LoadString(Str::RestoreFailed));
    const QString incomplete = machine->IncompleteText();
    if (!incomplete.isEmpty()) model.LogText(incomplete);
    return CCliContext::Fail(result);
  }
  model.LogText(LoadString(Str::ConfigurationRestored));
  CPrintout out;
  out.Add("restored", QFileInfo(path).absoluteFilePath());
  out.Print(context.Options().json);
  return 0;
}
