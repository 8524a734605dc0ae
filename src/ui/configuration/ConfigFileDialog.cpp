#include "ui/configuration/ConfigFileDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "machines/connection/TunerModel.h"

CConfigFileDialog::CConfigFileDialog(const QString& title, const QString& text, const QString& helpTopic,
                                     QWidget* parent)
    : CJobDialog(title, helpTopic, parent), m_progress(new QProgressBar(this)) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  m_cancel = buttons->button(QDialogButtonBox::Cancel);
  m_progress->setRange(0, 1);
  m_progress->setValue(0);
  m_progress->setTextVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(text, this));
  layout->addWidget(m_progress);
  layout->addStretch();
  layout->addWidget(buttons);
  setMinimumWidth(fontMetrics().averageCharWidth() * 50);
  connect(buttons, &QDialogButtonBox::rejected, this, &CConfigFileDialog::reject);
  GetModel().ConfigurationFolder.Load(GetModel().AppInfo);
}

CConfigFileDialog::~CConfigFileDialog() {
  CTunerModel& model = GetModel();
  if (!model.ConfigurationFolder.Get().isEmpty()) model.ConfigurationFolder.Save(model.AppInfo);
}

void CConfigFileDialog::showEvent(QShowEvent* event) {
  CJobDialog::showEvent(event);
  if (event->spontaneous()) return;
  Activate(JobMachine());
  QMetaObject::invokeMethod(this, [this] { ChooseAndStart(); }, Qt::QueuedConnection);
}

QString CConfigFileDialog::Folder() {
  CTunerModel& model = GetModel();
  if (model.ConfigurationFolder.Get().isEmpty()) model.ConfigurationFolder.Set(model.DefaultConfigurationFolder());
  return model.ConfigurationFolder.Get();
}

void CConfigFileDialog::KeepFolderOf(const QString& path) {
  GetModel().ConfigurationFolder.Set(QFileInfo(path).absolutePath());
}

void CConfigFileDialog::ShowProgress(int position, int maximum) {
  m_progress->setRange(0, maximum);
  m_progress->setValue(position);
}

void CConfigFileDialog::OfferClose() { m_cancel->setText(tr("Close")); }
