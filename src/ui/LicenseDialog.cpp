#include "ui/LicenseDialog.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "ui/LogView.h"
#include "ui/RtfReader.h"

CLicenseDialog::CLicenseDialog(const QString& resource, QWidget* parent)
    : QDialog(parent), m_text(new CLogView(this)) {
  setWindowTitle(QStringLiteral("Corvanta ?? Utility License Agreement").replace("??", ModelName()));
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QTextEdit::WidgetWidth);
  QFile file(resource);
  if (file.open(QIODevice::ReadOnly)) CRtfReader::Read(file.readAll(), *m_text->document());
  auto* close = new QPushButton(tr("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text, 1);
  layout->addLayout(buttons);
  resize(620, 520);
}
