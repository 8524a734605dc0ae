#include "ui/configuration/EraseConfigurationDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Accessible.h"

CEraseConfigurationDialog::CEraseConfigurationDialog(QWidget* parent)
    : CJobDialog(LoadString(Str::ResetDialogTitle), QStringLiteral("Configuration.htm#EEINIT"), parent),
      m_machine(GetModel()) {
  m_text = new QLabel(tr("Click OK to reset configuration to factory default and erase ATU memories.\n\n"
                         "Reset is not reversible. Consider saving this configuration before erasing it."),
                      this);
  m_text->setWordWrap(true);
  m_busy = new QProgressBar(this);
  m_busy->setRange(0, 0);  // no steps to count: it moves while the reset runs
  m_busy->setVisible(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  GiveMnemonics(*buttons);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  // Nothing irreversible on a stray Enter.
  m_ok->setAutoDefault(false);
  buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addWidget(m_busy);
  layout->addStretch();
  layout->addWidget(buttons);
  connect(m_ok, &QPushButton::clicked, this, &CEraseConfigurationDialog::StartReset);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CJobDialog::ShowHelp);
}

void CEraseConfigurationDialog::StartReset() {
  Activate(m_machine);
  if (!m_machine.StartErase()) return;
  RunStarted();
  m_ok->setEnabled(false);
  m_text->setText(tr("Resetting the %1 to its factory defaults, then waiting for it to restart...").arg(ModelName()));
  m_busy->setVisible(true);
}

// After a reset the notice comes from the contact machine, once it has found
// the tuner again.
void CEraseConfigurationDialog::OnMachineFinished(ResultCode result) {
  Deactivate();
  RunEnded();
  m_busy->setVisible(false);
  if (result == Result::Success) {
    Confirm(tr("The %1 was reset to its factory defaults and is back on %2").arg(ModelName(), GetModel().Run.port));
    FinishLater(QDialog::Accepted);
  } else if (result == Result::Cancelled) {
    FinishLater(QDialog::Rejected);
  } else {
    GetModel().MessageBoxAndLog(LoadString(Str::ResetErrorTitle), ErrorText(result), BoxIcon::Error);
    FinishLater(3);
  }
}
