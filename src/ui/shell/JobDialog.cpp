#include "ui/shell/JobDialog.h"

#include <QHideEvent>
#include <QShortcut>

#include "machines/connection/TunerModel.h"
#include "ui/shell/Help.h"

CJobDialog::CJobDialog(const QString& title, const QString& helpTopic, QWidget* parent)
    : QDialog(parent), m_helpTopic(helpTopic) {
  setWindowTitle(title);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &CJobDialog::ShowHelp);
}

CJobDialog::~CJobDialog() { Deactivate(); }

void CJobDialog::ShowHelp() { CHelp::Show(m_helpTopic); }

void CJobDialog::Activate(IStateMachine& machine) {
  CTunerModel& model = GetModel();
  m_active.emplace(model, machine);
  m_subscriptions.UnsubscribeAll();
  m_subscriptions.Subscribe(this, model.MachineFinished);
}

void CJobDialog::Deactivate() {
  m_subscriptions.UnsubscribeAll();
  m_active.reset();
}

void CJobDialog::RunStarted() {
  if (m_busy++ == 0) setCursor(Qt::WaitCursor);
}

void CJobDialog::RunEnded() {
  if (m_busy > 0 && --m_busy == 0) unsetCursor();
}

void CJobDialog::FinishLater(int result) {
  QMetaObject::invokeMethod(this, [this, result] { done(result); }, Qt::QueuedConnection);
}

void CJobDialog::Confirm(const QString& text) {
  GetModel().LogText(text);
  emit Confirmed(text);
}

void CJobDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) Deactivate();
}

void CJobDialog::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto& modelEvent = *static_cast<CModelEvent*>(event);
  if (modelEvent.Message == Msg::MachineFinished) OnMachineFinished(static_cast<ResultCode>(modelEvent.Param));
}
