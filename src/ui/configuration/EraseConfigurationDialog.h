#pragma once
// "Reset Configuration to Factory Defaults": asks before the tuner's
// configuration is reset and its ATU memories erased, runs the reset (saying
// so, with a busy bar) and closes once the tuner has been found again, which
// it confirms.

#include "machines/configuration/EraseConfigurationStateMachine.h"
#include "ui/shell/JobDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

class CEraseConfigurationDialog : public CJobDialog {
  Q_OBJECT
 public:
  explicit CEraseConfigurationDialog(QWidget* parent = nullptr);

 protected:
  void OnMachineFinished(ResultCode result) override;

 private:
  void StartReset();

  CEraseConfigurationStateMachine m_machine;
  QPushButton* m_ok;
  QLabel* m_text;
  QProgressBar* m_busy;
};
