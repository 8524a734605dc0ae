#include "ui/configuration/EraseMemoryDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Accessible.h"
#include "ui/operate/BandGroup.h"
#include "ui/configuration/PerBandValues.h"
#include "ui/shell/UserPrompts.h"

CEraseMemoryDialog::CEraseMemoryDialog(QWidget* parent)
    : CJobDialog(LoadString(Str::EraseMemoryTitle), QStringLiteral("Configuration.htm#EraseMemories"), parent),
      m_machine(GetModel()),
      m_bands(new CBandGroup(this)),
      m_status(new QLabel(this)) {
  auto* eraseGroup = new QGroupBox(tr("Erase Memories"), this);
  auto* eraseLayout = new QVBoxLayout(eraseGroup);
  for (unsigned antenna = 1; antenna <= 3; ++antenna) {
    QPushButton*& button = m_antennaButtons[antenna - 1];
    button = new QPushButton(tr("Antenna &%1").arg(antenna), eraseGroup);
    button->setAutoDefault(false);
    button->setObjectName(QStringLiteral("eraseAntenna%1").arg(antenna));
    eraseLayout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, antenna] { Erase(antenna); });
  }
  eraseLayout->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  GiveMnemonics(*buttons);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("Choose Band, then click one or more Antenna buttons"), this), 0, 0, 1, 2);
  layout->addWidget(m_bands, 1, 0);
  layout->addWidget(eraseGroup, 1, 1);
  layout->addWidget(m_status, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);
  layout->addWidget(buttons, 4, 0, 1, 2);
  connect(m_bands, &CBandGroup::BandChosen, this,
          [this](unsigned band) { m_machine.Band.Set(static_cast<unsigned char>(band)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CJobDialog::ShowHelp);
}

// Showing reads the band the tuner is on.
void CEraseMemoryDialog::showEvent(QShowEvent* event) {
  CJobDialog::showEvent(event);
  if (event->spontaneous()) return;
  Activate(m_machine);
  m_bandSubscription.SubscribeAndNotify(this, m_machine.Band);
  if (m_machine.StartReadBand()) RunStarted();
}

void CEraseMemoryDialog::customEvent(QEvent* event) {
  if (event->type() == CModelEvent::EventType() &&
      static_cast<CModelEvent*>(event)->Message == m_machine.Band.Message()) {
    m_bands->Show(m_machine.Band.Get());
    return;
  }
  CJobDialog::customEvent(event);
}

// Nothing is erased unless the user says yes to the band and antenna named.
// A click while a run goes on is refused by the busy machine, without a word.
void CEraseMemoryDialog::Erase(unsigned antenna) {
  if (!m_machine.IsIdle()) return;
  const unsigned band = m_machine.Band.Get();
  const QString where = band == kAllBands ? tr("on all bands") : tr("on the %1 m band").arg(BandName(band));
  const QString question = tr("Erase the tuning memories of antenna %1 %2? This cannot be undone.").arg(antenna).arg(where);
  if (!CUserPrompts::Current().Ask(this, LoadString(Str::EraseMemoryTitle), question)) return;
  m_machine.Antenna = static_cast<unsigned char>(antenna);
  if (!m_machine.StartErase()) return;
  ShowErase(Str::ErasingMemory);
  m_eraseStarted = true;
  RunStarted();
}

void CEraseMemoryDialog::OnMachineFinished(ResultCode result) {
  if (m_eraseStarted && result == Result::Success) ShowErase(Str::MemoryErased);
  else if (m_eraseStarted) ShowErase(Str::ErasingMemory, tr(" failed: ") + ErrorText(result));
  m_eraseStarted = false;
  RunEnded();
}

// In the window and in the activity log.
void CEraseMemoryDialog::ShowErase(unsigned format, const QString& more) {
  const QString text = FormatString(format, BandChoiceName(m_machine.Band.Get()), unsigned{m_machine.Antenna}) + more;
  m_status->setText(text);
  GetModel().LogText(text);
}
