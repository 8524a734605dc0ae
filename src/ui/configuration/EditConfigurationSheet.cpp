#include "ui/configuration/EditConfigurationSheet.h"

#include <QDialogButtonBox>
#include <QHideEvent>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Accessible.h"
#include "ui/configuration/AntennaPage.h"
#include "ui/shell/Help.h"
#include "ui/configuration/KeyInterruptPowerPage.h"
#include "ui/configuration/SwrThresholdPage.h"

CEditConfigurationSheet::CEditConfigurationSheet(QWidget* parent)
    : QDialog(parent),
      m_machine(GetModel()),
      m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply | QDialogButtonBox::Help, this)) {
  setWindowTitle(LoadString(Str::SheetTitle));
  GiveMnemonics(*m_buttons);
  m_context.UserChanged = [this] { UpdateButtons(); };
  // All six tabs in view at once: the sheet is as wide as they need.
  m_tabs->tabBar()->setUsesScrollButtons(false);
  m_tabs->setElideMode(Qt::ElideNone);
  AddPages();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addWidget(m_buttons);
  connect(m_buttons, &QDialogButtonBox::accepted, this, [this] { Write(true); });
  connect(m_buttons, &QDialogButtonBox::rejected, this, &CEditConfigurationSheet::reject);
  connect(&Button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] { Write(false); });
  connect(m_buttons, &QDialogButtonBox::helpRequested, this, &CEditConfigurationSheet::ShowHelp);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          &CEditConfigurationSheet::ShowHelp);
  UpdateButtons();
}

CEditConfigurationSheet::~CEditConfigurationSheet() { m_subscriptions.UnsubscribeAll(); }

// The tuner keeps some settings only from a firmware version on; their pages
// come only then.
void CEditConfigurationSheet::AddPages() {
  CConfigurationValues& v = m_machine.Values();
  AddPage(new CKeyInterruptPowerPage(v.KeyInterruptPower, m_context), ConfigFeature::KeyInterruptPower);
  AddPage(new CSwitchPage(tr("&Initial Power"), QStringLiteral("PowerStatusInitial"),
                          tr("Turn front panel power on when DC power is initially applied."),
                          tr("Power &On when DC power applied"), v.PowerStatusInitial, m_context),
          ConfigFeature::PowerStatusInitial);
  AddPage(new CSwitchPage(tr("Idle S&leep"), QStringLiteral("IdleSleep"),
                          tr("Turn off ZU6400 crystal oscillator when idle.\n\nSelect this checkbox unless you are "
                             "using computer software that does not \"wake up\" the microcontroller before sending "
                             "commands.\n\nSee Help and the ZU6400 Serial Command Reference for more detail."),
                          tr("&Sleep When Idle"), v.Sleep, m_context),
          ConfigFeature::Sleep);
  AddPage(new CAntennaPage({&v.AntennaEnable1, &v.AntennaEnable2, &v.AntennaEnable3}, v.AntennaPreferred, m_context));
  AddPage(new CSwrThresholdPage({&v.SwrThresholdKeyInterrupt, &v.SwrThresholdAutotune, &v.SwrThresholdBypass},
                                m_context));
  AddPage(new CAutoFineTunePage(v.AutoFineTune, m_context), ConfigFeature::AutoFineTune);
}

void CEditConfigurationSheet::AddPage(CEditConfigurationPage* page, unsigned short minimumVersion) {
  if (GetModel().McuVersion.Get() < minimumVersion) {
    delete page;
    return;
  }
  m_tabs->addTab(page, page->Title());
  connect(page, &CPage::HelpRequested, this, &CHelp::Show);
}

QPushButton& CEditConfigurationSheet::Button(int standardButton) {
  return *m_buttons->button(static_cast<QDialogButtonBox::StandardButton>(standardButton));
}

// Every showing reads the configuration afresh.
void CEditConfigurationSheet::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // back from being minimised
  CTunerModel& model = GetModel();
  m_active.emplace(model, m_machine);
  m_subscriptions.Subscribe(this, model.MachineFinished);
  m_machine.StartRead();
  UpdateButtons();
}

void CEditConfigurationSheet::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;
  m_subscriptions.UnsubscribeAll();
  m_active.reset();
}

void CEditConfigurationSheet::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto& modelEvent = *static_cast<CModelEvent*>(event);
  if (modelEvent.Message == Msg::MachineFinished) OnMachineFinished(static_cast<ResultCode>(modelEvent.Param));
}

// The write chain sends only what differs; with nothing changed it ends at once.
void CEditConfigurationSheet::Write(bool closeWhenFinished) {
  m_closeWhenFinished = m_closeWhenFinished || closeWhenFinished;
  m_machine.StartWrite();
  UpdateButtons();
}

// Cancel, Escape and the window's close button: refused while a chain runs,
// and remembered, so that its end closes the sheet.
void CEditConfigurationSheet::reject() {
  m_closeWhenFinished = true;
  if (m_machine.IsIdle()) QDialog::reject();
}

void CEditConfigurationSheet::OnMachineFinished(ResultCode result) {
  if (IsFailure(result) && !m_closeWhenFinished)
    GetModel().MessageBoxAndLog(LoadString(Str::SheetTitle), ErrorText(result), BoxIcon::Error);
  if (m_closeWhenFinished) {
    // After the notice has gone round: the pages still hear it.
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  UpdateButtons();
}

// Apply while something differs from the tuner; OK and Apply only between runs.
void CEditConfigurationSheet::UpdateButtons() {
  const bool idle = m_machine.IsIdle();
  Button(QDialogButtonBox::Ok).setEnabled(idle);
  if (m_closeWhenFinished || !m_machine.IsLoaded()) {
    Button(QDialogButtonBox::Apply).setEnabled(false);
    return;
  }
  Button(QDialogButtonBox::Apply).setEnabled(idle && m_machine.Values().IsAnyPending());
}

void CEditConfigurationSheet::ShowHelp() {
  if (auto* page = qobject_cast<CPage*>(m_tabs->currentWidget())) {
    page->RequestHelp();
    return;
  }
  CHelp::Show(QString::fromLatin1(kHelpTopic));
}
