#include "ui/firmware/McuLoaderDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/firmware/McuLoaderStateMachine.h"
#include "model/ModelBase.h"
#include "ui/shell/DialogLayout.h"
#include "ui/shell/LogView.h"

CMcuLoaderDialog::CMcuLoaderDialog(CModelBase& model, const QString& imagePath, QWidget* parent)
    : QDialog(parent),
      m_model(model),
      m_imagePath(imagePath),
      m_machine(std::make_unique<CMcuLoaderStateMachine>(model)),
      m_log(new CLogView(this)),
      m_progress(new QProgressBar(this)),
      m_close(new QPushButton(LoadString(Str::CancelButton), this)) {
  setWindowTitle(FormatString(Str::LoaderDialogTitle, ModelName()));
  m_log->setAccessibleName(windowTitle());
  setSizeGripEnabled(true);
  m_log->setReadOnly(true);
  m_log->setFont(CLogView::LogFont());
  m_progress->setTextVisible(false);
  m_machine->SetProgressBar([this](int position, int maximum) {
    m_progress->setRange(0, maximum);
    m_progress->setValue(position);
  });
  connect(m_close, &QPushButton::clicked, this, &CMcuLoaderDialog::reject);
  LayOutLogWindow(*this, *m_log, *m_close, m_progress);
  resize(560, 360);
}

CMcuLoaderDialog::~CMcuLoaderDialog() {
  m_subscriptions.UnsubscribeAll();
  LowerWaitCursor();
  m_active.reset();
}

int CMcuLoaderDialog::Run(QWidget* parent, CModelBase& model, const QString& imagePath) {
  CMcuLoaderDialog dialog(model, imagePath, parent);
  return dialog.exec();
}

void CMcuLoaderDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!m_started) StartLoad();
}

void CMcuLoaderDialog::StartLoad() {
  m_started = true;
  m_subscriptions.Subscribe(this, m_model.MachineFinished);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_waitCursor = true;
  m_active.emplace(m_model, *m_machine);
  m_machine->Start(m_imagePath, this);
}

void CMcuLoaderDialog::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto* e = static_cast<CModelEvent*>(event);
  if (e->Message == Msg::StateText)
    Show(e->Text);
  else if (e->Message == Msg::MachineFinished && m_machine->IsIdle())
    OnFinished(static_cast<ResultCode>(e->Param));
}

void CMcuLoaderDialog::OnFinished(ResultCode result) {
  m_subscriptions.UnsubscribeAll();
  m_active.reset();
  m_result = result;
  m_close->setText(LoadString(Str::CloseButton));
  LowerWaitCursor();
  CMcuLoaderStateMachine& machine = *m_machine;
  if (machine.TotalRetries() != 0) {
    Show(FormatString(Str::LoaderTotalRetries, machine.TotalRetries()));
    Show(FormatString(Str::LoaderHighestRetries, machine.HighestRetries()));
  }
  if (m_result == Result::Success) m_result = machine.VerifyVersion(FirmwareFolderScan::VersionFromName(m_imagePath));
  if (m_result == Result::Success) {
    Show(FormatString(Str::LoaderComplete, machine.LoaderName()));
    if (m_model.Trace.Get() == 0) {
      accept();
      return;
    }
  } else {
    Show(FormatString(Str::LoaderErrorCode, m_result, ErrorText(m_result)));
  }
  Show(LoadString(Str::LoaderClickClose));
}

void CMcuLoaderDialog::Show(const QString& line) { m_log->AppendLine(ChopLineEnds(line)); }

void CMcuLoaderDialog::LowerWaitCursor() {
  if (!m_waitCursor) return;
  QApplication::restoreOverrideCursor();
  m_waitCursor = false;
}

void CMcuLoaderDialog::reject() {
  if (!m_machine->IsIdle()) {
    if (!ConfirmAbandon()) return;
    m_machine->Abandon();  // ends the run now: its closing lines still show
    QDialog::reject();
    return;
  }
  if (IsFailure(m_result))
    QDialog::reject();
  else
    accept();
}

bool CMcuLoaderDialog::ConfirmAbandon() {
  QMessageBox box(QMessageBox::Warning, LoadString(Str::LoaderCloseQuestionTitle), LoadString(Str::LoaderCloseQuestion),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}
