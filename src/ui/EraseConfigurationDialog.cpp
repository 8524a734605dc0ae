#include "ui/EraseConfigurationDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "machines/TunerModel.h"
#include "ui/Accessible.h"

CEraseConfigurationDialog::CEraseConfigurationDialog(QWidget* parent)
    : CJobDialog(LoadString(Str::ResetDialogTitle), QStringLiteral("Configuration.htm#EEINIT"), parent),
      m_machine(GetModel()) {
  auto* text = new QLabel(tr("Click OK to reset configuration to factory default and erase ATU memories.\n\n"
                             "Reset is not reversible. Consider saving this configuration before erasing it."),
                          this);
  text->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  GiveMnemonics(*buttons);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  // Nothing irreversible on a stray Enter.
  m_ok->setAutoDefault(false);
  buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addStretch();
  layout->addWidget(buttons);
  connect(m_ok, &QPushButton::clicked, this, &CEraseConfigurationDialog::StartReset);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CJobDialog::ShowHelp);
}

void CEraseConfigurationDialog::StartReset() {
  Activate(m_machine);
  if (m_machine.StartErase()) RunStarted();
}

// After a reset the notice comes from the contact machine, once it has found
// the tuner again.
void CEraseConfigurationDialog::OnMachineFinished(ResultCode result) {
  Deactivate();
  RunEnded();
  if (result == Result::Success) {
    FinishLater(QDialog::Accepted);
  } else if (result == Result::Cancelled) {
    FinishLater(QDialog::Rejected);
  } else {
    GetModel().MessageBoxAndLog(LoadString(Str::ResetErrorTitle), ErrorText(result), BoxIcon::Error);
    FinishLater(3);
  }
}
