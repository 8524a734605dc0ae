#include "ui/shell/LicenseDialog.h"

#include <QFile>

#include "base/StringTable.h"
#include "ui/shell/LogView.h"
#include "ui/shell/RtfReader.h"

CLicenseDialog::CLicenseDialog(const QString& resource, QWidget* parent) : CTextDialog(parent) {
  setWindowTitle(tr("Corvanta ?? Utility License Agreement").replace(QStringLiteral("??"), ModelName()));
  Text().setAccessibleName(windowTitle());
  QFile file(resource);
  if (file.open(QIODevice::ReadOnly)) CRtfReader::Read(file.readAll(), *Text().document());
}
