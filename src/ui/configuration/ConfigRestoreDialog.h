#pragma once
// "Restore Configuration": asks for a saved file, checks it, writes it into
// the tuner, restarts the tuner and closes once it has been found again.

#include <memory>

#include "machines/configuration/ConfigRestoreStateMachine.h"
#include "ui/configuration/ConfigFileDialog.h"

class CConfigRestoreDialog : public CConfigFileDialog {
  Q_OBJECT
 public:
  explicit CConfigRestoreDialog(QWidget* parent = nullptr);

  CConfigRestoreStateMachine& Machine() { return *m_machine; }

 protected:
  IStateMachine& JobMachine() override { return *m_machine; }
  void ChooseAndStart() override;
  void reject() override;
  void OnMachineFinished(ResultCode result) override;

 private:
  void Start();
  bool AskToGoOnWithOtherSerialNumber();

  std::unique_ptr<CConfigRestoreStateMachine> m_machine;
  // The result of the last run; the window's own when it closes.
  ResultCode m_result = Result::Success;
  QString m_path;
};
