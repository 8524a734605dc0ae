#include "ui/configuration/ConfigRestoreDialog.h"

#include <QDir>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "config/ConfigurationFileReader.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"
#include "ui/shell/UserPrompts.h"

CConfigRestoreDialog::CConfigRestoreDialog(QWidget* parent)
    : CConfigFileDialog(LoadString(Str::RestoreConfigurationTitle), LoadString(Str::RestoringConfiguration),
                        QStringLiteral("Configuration.htm#Save"), parent),
      m_machine(std::make_unique<CConfigRestoreStateMachine>(GetModel())) {
  m_machine->SetProgressBar([this](int position, int maximum) { ShowProgress(position, maximum); });
}

// A file that does not pass the reader (its box has said why) leaves the
// window idle: nothing is written, and Cancel closes it.
void CConfigRestoreDialog::ChooseAndStart() {
  const QString path = CUserPrompts::Current().ChooseConfigurationFile(this, CUserPrompts::FileUse::Open, Folder());
  if (path.isEmpty()) {
    reject();
    return;
  }
  CTunerModel& model = GetModel();
  CModelReportSink sink(model);
  if (ReadConfigurationFile(path, model.SerialNumber.Get(), m_machine->Data(), sink) != Result::Success) return;
  KeepFolderOf(path);
  m_path = path;
  Start();
}

void CConfigRestoreDialog::Start() {
  if (m_machine->StartRestore())
    RunStarted();
  else
    Deactivate();
}

// Interrupting leaves the tuner half written: the user is asked first and
// told what to do after.
void CConfigRestoreDialog::reject() {
  if (m_machine->IsIdle()) {
    CloseNow(m_result == Result::Success ? QDialog::Accepted : m_result == Result::Cancelled ? QDialog::Rejected : 3);
    return;
  }
  const QString title = LoadString(Str::CriticalOperationTitle);
  if (!CUserPrompts::Current().Ask(this, title, LoadString(Str::InterruptRestoreQuestion))) return;
  if (!m_machine->IsIdle()) m_machine->Cancel();
  GetModel().MessageBox(title, LoadString(Str::RestoreInterrupted), BoxIcon::Warning);
}

void CConfigRestoreDialog::OnMachineFinished(ResultCode result) {
  RunEnded();
  m_result = result;
  CTunerModel& model = GetModel();
  if (result == Result::SerialNumberMismatch && AskToGoOnWithOtherSerialNumber()) return;
  if (result == Result::Success) {
    Confirm(tr("%1 from %2").arg(LoadString(Str::ConfigurationRestored), QDir::toNativeSeparators(m_path)));
    FinishLater(QDialog::Accepted);
    return;
  }
  const QString incomplete = m_machine->IncompleteText();
  model.LogText(LoadString(result == Result::Cancelled ? Str::RestoreCancelled : Str::RestoreFailed));
  if (!incomplete.isEmpty()) model.LogText(incomplete);
  if (result == Result::Cancelled) {
    FinishLater(QDialog::Rejected);
    return;
  }
  OfferClose();
  QString text = ErrorText(result);
  if (!incomplete.isEmpty()) text = ChopLineEnds(text) + QStringLiteral("\n\n") + incomplete;
  model.MessageBox(LoadString(Str::RestoreErrorTitle), text, BoxIcon::Error);
}

// The file comes from another tuner; nothing has been written yet. Yes
// restores it all the same, No closes without writing.
bool CConfigRestoreDialog::AskToGoOnWithOtherSerialNumber() {
  const std::optional<std::uint16_t> fileSerial = m_machine->Data().fileSerialNumber;
  const QString numbers = Format(tr("\n\nThe file: S/N %05u\nYour %s: S/N %05u"), unsigned{fileSerial.value_or(0)},
                                 ModelName(), unsigned{GetModel().SerialNumber.Get()});
  const QString question = LoadString(Str::SerialMismatchQuestion) + numbers;
  if (CUserPrompts::Current().Ask(this, LoadString(Str::SerialMismatchTitle), question)) {
    m_machine->SetForced(true);
    Start();
    return true;
  }
  m_result = Result::Cancelled;
  GetModel().LogText(LoadString(Str::RestoreCancelled));
  FinishLater(QDialog::Rejected);
  return true;
}
