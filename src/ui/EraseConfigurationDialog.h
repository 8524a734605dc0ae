#pragma once
// "Reset Configuration to Factory Defaults": asks before the tuner's
// configuration is reset and its ATU memories erased, runs the reset and
// closes once the tuner has been found again.

#include <memory>

#include "ui/JobDialog.h"

class CEraseConfigurationStateMachine;
class QPushButton;

class CEraseConfigurationDialog : public CJobDialog {
  Q_OBJECT
 public:
  explicit CEraseConfigurationDialog(QWidget* parent = nullptr);
  ~CEraseConfigurationDialog() override;

  QPushButton& OkButton() { return *m_ok; }

 protected:
  void OnMachineFinished(ResultCode result) override;

 private:
  void StartReset();

  // Its reset state shares a name with the restore's: kept out of this header.
  std::unique_ptr<CEraseConfigurationStateMachine> m_machine;
  QPushButton* m_ok;
};
