#include "ui/ReleaseInfoDialog.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "firmware/FirmwareFolderScan.h"
#include "ui/LogView.h"
#include "ui/RtfReader.h"

CReleaseInfoDialog::CReleaseInfoDialog(QWidget* parent) : QDialog(parent), m_text(new CLogView(this)) {
  setWindowTitle(LoadString(Str::ReleaseNotesTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QTextEdit::WidgetWidth);
  auto* close = new QPushButton(tr("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text, 1);
  layout->addLayout(buttons);
  resize(620, 520);
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
  CRtfReader::Read(rtf, *m_text->document());
  return true;
}
