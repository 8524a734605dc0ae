// zu6400ctl save [FILE]: reads both of the tuner's PROMs and writes them to a
// configuration file, by default a new one in the configuration folder.

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "base/AtomicFileWriter.h"
#include "base/Printout.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "cli/ConfigJob.h"
#include "cli/TerminalProgress.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/configuration/ConfigSaveStateMachine.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"

namespace {
QString ConfigurationFolder() {
  CTunerModel& model = GetModel();
  model.ConfigurationFolder.Load(model.AppInfo);
  const QString folder = model.ConfigurationFolder.Get();
  return folder.isEmpty() ? model.DefaultConfigurationFolder() : folder;
}
}  // namespace

int RunSave(CCliContext& context, const QStringList& args) {
  CTunerModel& model = GetModel();
  const QDateTime time = QDateTime::currentDateTime();
  // A file that cannot be written is found before the tuner is read for 40 s.
  const QString folder = args.isEmpty() ? ConfigurationFolder() : QFileInfo(args.first()).absolutePath();
  if (const ResultCode problem = FolderWriteProblem(folder))
    return CCliContext::Fail(problem, Format("Cannot save into \"%s\": %s", folder, ErrorText(problem)));

  auto machine = std::make_unique<CConfigSaveStateMachine>(model);  // holds 65 KiB of images
  CTerminalProgress progress;
  machine->SetProgressBar([&progress](int position, int maximum) { progress.Show(position, maximum); });
  ResultCode result = RunConfigJob(context, *machine, *machine, [&] { machine->StartSave(); });
  const QString path = args.isEmpty()
                           ? QDir(folder).filePath(DefaultConfigurationFileName(time, model.SerialNumber.Get()))
                           : args.first();
  if (result == Result::Success) {
    CModelReportSink sink(model);
    if (!WriteConfigurationFile(path, time, machine->Snapshot(), sink)) result = GetLastError();
  }
  if (result == Result::Cancelled) {
    model.LogText(LoadString(Str::SaveCancelled));
    return CCliContext::Stopped(QFileInfo::exists(path) ? path + QStringLiteral(" was left as it was")
                                                        : QStringLiteral("No file was written"));
  }
  if (result != Result::Success) {
    model.LogText(LoadString(Str::SaveFailed));
    return CCliContext::Fail(result);
  }
  model.LogText(LoadString(Str::ConfigurationSaved));
  CPrintout out;
  out.Add("saved", QFileInfo(path).absoluteFilePath());
  out.Print(context.Options().json);
  return 0;
}
