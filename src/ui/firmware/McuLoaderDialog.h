#pragma once
// "Sending ZU6400 Firmware": runs the firmware loader for one image and shows
// its progress lines, a progress bar and the outcome. Closing while the load
// runs asks first; "Cancel" becomes "Close" when the run has ended.

#include <QDialog>
#include <memory>
#include <optional>

#include "base/ResultCodes.h"
#include "model/ActiveMachineScope.h"
#include "model/EventSubscriptions.h"

class CLogView;
class CMcuLoaderStateMachine;
class CModelBase;
class QProgressBar;
class QPushButton;

class CMcuLoaderDialog : public QDialog {
  Q_OBJECT
 public:
  CMcuLoaderDialog(CModelBase& model, const QString& imagePath, QWidget* parent = nullptr);
  ~CMcuLoaderDialog() override;

  // Loads the image into the tuner with the dialog shown modally; Accepted
  // after a load whose version was verified.
  static int Run(QWidget* parent, CModelBase& model, const QString& imagePath);

 protected:
  // The load starts when the dialog is first shown.
  void showEvent(QShowEvent* event) override;
  void customEvent(QEvent* event) override;

 public slots:
  // Cancel, Escape and the window's close: asks while the load runs.
  void reject() override;

 private:
  void StartLoad();
  void OnFinished(ResultCode result);
  void Show(const QString& line);
  void LowerWaitCursor();
  bool ConfirmAbandon();

  CModelBase& m_model;
  QString m_imagePath;
  std::unique_ptr<CMcuLoaderStateMachine> m_machine;
  std::optional<CActiveMachineScope> m_active;
  CEventSubscriptions m_subscriptions;
  CLogView* m_log;
  QProgressBar* m_progress;
  QPushButton* m_close;
  ResultCode m_result = 0;
  bool m_started = false;
  bool m_waitCursor = false;
};
