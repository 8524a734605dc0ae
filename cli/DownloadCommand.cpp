// zu6400ctl download: copies new firmware files from the maker's server into
// the firmware folder, printing the lines the desktop dialog shows.

#include <QDir>
#include <QEventLoop>

#include "cli/CliContext.h"
#include "cli/ConsoleLog.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/firmware/FirmwareDownload.h"
#include "machines/connection/TunerModel.h"

int RunDownload(CCliContext& context, const QStringList&) {
  CTunerModel& model = GetModel();
  const QString folder = model.Run.firmwareFolder;
  const QString notFolder = FolderIsNoFolderText(folder);
  if (!notFolder.isEmpty()) return CCliContext::Fail(Result::PathNotFound, notFolder);
  // Asked for by name, so made without a question.
  if (!QDir().mkpath(folder)) return CCliContext::Fail(Result::PathNotFound);
  FirmwareFolderScan scan;
  scan.Scan(folder);
  CFirmwareDownload download(model.Run.firmwareServer, folder, scan, context.Options().trace);
  QEventLoop loop;
  QObject::connect(&download, &CFirmwareDownload::Line, [](const QString& text) { CConsoleLog::PrintLogLine(text); });
  QObject::connect(&download, &CFirmwareDownload::Finished, &loop, &QEventLoop::quit);
  const QMetaObject::Connection stop = context.StopWith([&download] { download.Cancel(); });
  download.Start();
  if (download.Busy()) loop.exec();
  QObject::disconnect(stop);
  if (download.Result() == Result::Cancelled)
    return CCliContext::Stopped(QStringLiteral("Files copied before the stop were kept; the one in progress was not"));
  return download.Result() == Result::Success ? 0 : CCliContext::Fail(download.Result());
}
