// zu6400ctl save [FILE]: reads both of the tuner's PROMs and writes them to a
// configuration file, by default a new one in the configuration folder.

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "base/Printout.h"
#include "base/StringTable.h"
#include "cli/ConfigJob.h"
#include "cli/TerminalProgress.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/ConfigSaveStateMachine.h"
#include "machines/TunerModel.h"
#include "model/ModelReportSink.h"

namespace {
QString DefaultPath(const QDateTime& time) {
  CTunerModel& model = GetModel();
  model.ConfigurationFolder.Load(model.AppInfo);
  QString folder = model.ConfigurationFolder.Get();
  if (folder.isEmpty()) folder = model.DefaultConfigurationFolder();
  return QDir(folder).filePath(DefaultConfigurationFileName(time, model.SerialNumber.Get()));
}
}  // namespace

int RunSave(CCliContext& context, const QStringList& args) {
  CTunerModel& model = GetModel();
  const QDateTime time = QDateTime::currentDateTime();
  auto machine = std::make_unique<CConfigSaveStateMachine>(model);  // holds 65 KiB of images
  CTerminalProgress progress;
  machine->SetProgressBar([&progress](int position, int maximum) { progress.Show(position, maximum); });
  ResultCode result = RunConfigJob(context, *machine, *machine, [&] { machine->StartSave(); });
  const QString path = args.isEmpty() ? DefaultPath(time) : args.first();
  if (result == Result::Success) {
    CModelReportSink sink(model);
    if (!WriteConfigurationFile(path, time, machine->Snapshot(), sink)) result = GetLastError();
  }
  if (result != Result::Success) {
    model.LogText(LoadString(result == Result::Cancelled ? Str::SaveCancelled : Str::SaveFailed));
    return CCliContext::Fail(result);
  }
  model.LogText(LoadString(Str::ConfigurationSaved));
  CPrintout out;
  out.Add("saved", QFileInfo(path).absoluteFilePath());
  out.Print(context.Options().json);
  return 0;
}
