#include "ui/configuration/ConfigurationPage.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/StringTable.h"
#include "machines/connection/TunerModel.h"
#include "ui/configuration/ConfigRestoreDialog.h"
#include "ui/configuration/ConfigSaveDialog.h"
#include "ui/configuration/EditConfigurationSheet.h"
#include "ui/configuration/EraseConfigurationDialog.h"
#include "ui/configuration/EraseMemoryDialog.h"
#include "ui/configuration/FaultTableDialog.h"

CConfigurationPage::CConfigurationPage(QWidget* parent)
    : CPage(tr("&Configuration"), QStringLiteral("Configuration.htm"), parent) {
  auto* layout = new QVBoxLayout(this);
  AddButton(tr("&Edit Configuration..."), Str::EditTooltip)->setObjectName("editButton");
  AddButton(tr("&Save Configuration..."), Str::SaveTooltip);
  AddButton(tr("&Restore Configuration..."), Str::RestoreTooltip);
  AddButton(tr("&Display Fault Table..."), 0);
  AddButton(tr("Erase Antenna Tuner &Memories..."), 0);
  AddButton(tr("Reset Co&nfiguration..."), Str::ResetTooltip);
  // One width for all, the widest text's in any language, so that the column
  // reads as a list of jobs.
  int widest = 0;
  for (QPushButton* button : m_buttons) widest = std::max(widest, button->fontMetrics().horizontalAdvance(button->text()));
  for (QPushButton* button : m_buttons) {
    button->setMinimumWidth(widest + button->fontMetrics().averageCharWidth() * 4);
    layout->addWidget(button);
  }
  connect(m_buttons[Edit], &QPushButton::clicked, this, [this] { Open(new CEditConfigurationSheet(window())); });
  connect(m_buttons[Save], &QPushButton::clicked, this, [this] { Open(new CConfigSaveDialog(window())); });
  connect(m_buttons[Restore], &QPushButton::clicked, this, [this] { Open(new CConfigRestoreDialog(window())); });
  connect(m_buttons[FaultTable], &QPushButton::clicked, this, [this] { Open(new CFaultTableDialog(window())); });
  connect(m_buttons[EraseMemories], &QPushButton::clicked, this, [this] { Open(new CEraseMemoryDialog(window())); });
  connect(m_buttons[Reset], &QPushButton::clicked, this, [this] { Open(new CEraseConfigurationDialog(window())); });
  layout->addStretch();
  ApplyEnablingRule();
}

QPushButton* CConfigurationPage::AddButton(const QString& text, unsigned tooltip) {
  auto* button = new QPushButton(text, this);
  button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  m_buttons.append(button);
  m_tooltips.append(tooltip);
  return button;
}

void CConfigurationPage::OnShown() {
  ApplyEnablingRule();
  SubscribeAndNotify(GetModel().FirmwareStatus);
}

void CConfigurationPage::OnModelEvent(const CModelEvent& event) {
  if (event.Message == Msg::FirmwareStatus) ApplyEnablingRule();
}

void CConfigurationPage::ApplyEnablingRule() {
  const unsigned status = GetModel().FirmwareStatus.Get();
  const QString loader = tr("The %1 is in its bootstrap loader: send the firmware from the Firmware page first")
                             .arg(ModelName());
  for (qsizetype i = 0; i < m_buttons.size(); ++i) {
    m_buttons[i]->setEnabled(status == FirmwareStatusRunning);
    m_buttons[i]->setToolTip(status == FirmwareStatusLoader ? loader
                             : m_tooltips[i] != 0          ? LoadString(m_tooltips[i])
                                                           : QString());
  }
}

void CConfigurationPage::Open(QDialog* dialog) {
  if (auto* job = qobject_cast<CJobDialog*>(dialog)) connect(job, &CJobDialog::Confirmed, this, &CPage::StatusMessage);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->open();
}
