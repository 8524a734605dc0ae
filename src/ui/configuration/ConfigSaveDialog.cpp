#include "ui/configuration/ConfigSaveDialog.h"

#include <QDir>
#include <QFileInfo>

#include "base/AtomicFileWriter.h"
#include "base/FailureText.h"
#include "base/StringTable.h"
#include "config/ConfigurationFileWriter.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"
#include "ui/shell/UserPrompts.h"

CConfigSaveDialog::CConfigSaveDialog(QWidget* parent)
    : CConfigFileDialog(LoadString(Str::SaveConfigurationTitle), tr("Saving configuration"),
                        QStringLiteral("Configuration.htm#Save"), parent),
      m_machine(std::make_unique<CConfigSaveStateMachine>(GetModel())) {
  m_machine->SetProgressBar([this](int position, int maximum) { ShowProgress(position, maximum); });
}

void CConfigSaveDialog::ChooseAndStart() {
  const QString name = DefaultConfigurationFileName(m_time, GetModel().SerialNumber.Get());
  const QString proposal = QDir(Folder()).filePath(name);
  m_path = CUserPrompts::Current().ChooseConfigurationFile(this, CUserPrompts::FileUse::Save, proposal);
  if (m_path.isEmpty()) {
    CloseNow(QDialog::Rejected);
    return;
  }
  // Found before the long read, not after it.
  if (const ResultCode problem = FolderWriteProblem(QFileInfo(m_path).absolutePath())) {
    ShowFailure(FailureText(IoOperation::Open, m_path, problem));
    return;
  }
  if (m_machine->StartSave()) RunStarted();
}

// A running save stops at its next command; its end closes the window.
void CConfigSaveDialog::reject() {
  GetModel().LogText(LoadString(Str::SaveCancelled));
  if (m_machine->IsIdle())
    CloseNow(QDialog::Rejected);
  else
    m_machine->Cancel();
}

void CConfigSaveDialog::OnMachineFinished(ResultCode result) {
  CTunerModel& model = GetModel();
  if (result == Result::Success) {
    CModelReportSink sink(model);
    if (!WriteConfigurationFile(m_path, m_time, m_machine->Snapshot(), sink)) result = GetLastError();
  }
  RunEnded();
  if (result == Result::Success) {
    KeepFolderOf(m_path);
    Confirm(tr("%1 to %2").arg(LoadString(Str::ConfigurationSaved), QDir::toNativeSeparators(m_path)));
    FinishLater(QDialog::Accepted);
  } else if (result == Result::Cancelled) {
    model.LogText(LoadString(Str::SaveCancelled));
    FinishLater(QDialog::Rejected);
  } else {
    ShowFailure(ErrorText(result));
  }
}

void CConfigSaveDialog::ShowFailure(const QString& text) {
  CTunerModel& model = GetModel();
  model.LogText(LoadString(Str::SaveFailed));
  model.MessageBox(LoadString(Str::SaveErrorTitle), text, BoxIcon::Error);
  OfferClose();
}
