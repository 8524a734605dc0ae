#pragma once
// "Save Configuration": asks where to save, reads both of the tuner's PROMs
// and writes them into a configuration file.

#include <QDateTime>
#include <memory>

#include "machines/configuration/ConfigSaveStateMachine.h"
#include "ui/configuration/ConfigFileDialog.h"

class CConfigSaveDialog : public CConfigFileDialog {
  Q_OBJECT
 public:
  explicit CConfigSaveDialog(QWidget* parent = nullptr);

  const QString& Path() const { return m_path; }

 protected:
  IStateMachine& JobMachine() override { return *m_machine; }
  void ChooseAndStart() override;
  void reject() override;
  void OnMachineFinished(ResultCode result) override;

 private:
  // Logs the failure, shows its text in a box and waits for Close.
  void ShowFailure(const QString& text);

  const QDateTime m_time = QDateTime::currentDateTime();
  std::unique_ptr<CConfigSaveStateMachine> m_machine;  // holds 65 KiB of images
  QString m_path;
};
