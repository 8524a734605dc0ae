#include "ui/firmware/ReleaseInfoDialog.h"

#include <QDir>
#include <QFile>

#include "base/StringTable.h"
#include "firmware/FirmwareFolderScan.h"
#include "ui/shell/LogView.h"
#include "ui/shell/RtfReader.h"

CReleaseInfoDialog::CReleaseInfoDialog(QWidget* parent) : CTextDialog(parent) {
  setWindowTitle(LoadString(Str::ReleaseNotesTitle));
  Text().setAccessibleName(windowTitle());
  setAttribute(Qt::WA_DeleteOnClose);
}

QString CReleaseInfoDialog::NotesPath(const QString& folder) {
  // A folder that is not absolute would mean whatever the working directory is.
  if (folder.isEmpty() || QDir::isRelativePath(folder)) return {};
  return QDir(folder).filePath(FirmwareFolderScan::ReleaseNotesName());
}

bool CReleaseInfoDialog::Load(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return false;
  const QByteArray rtf = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  CRtfReader::Read(rtf, *Text().document());
  return true;
}
