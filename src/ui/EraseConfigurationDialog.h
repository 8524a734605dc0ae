#pragma once
// "Reset Configuration to Factory Defaults": asks before the tuner's
// configuration is reset and its ATU memories erased, runs the reset and
// closes once the tuner has been found again.

#include "machines/EraseConfigurationStateMachine.h"
#include "ui/JobDialog.h"

class QPushButton;

class CEraseConfigurationDialog : public CJobDialog {
  Q_OBJECT
 public:
  explicit CEraseConfigurationDialog(QWidget* parent = nullptr);

  QPushButton& OkButton() { return *m_ok; }

 protected:
  void OnMachineFinished(ResultCode result) override;

 private:
  void StartReset();

  CEraseConfigurationStateMachine m_machine;
  QPushButton* m_ok;
};
