#pragma once
// A modal window that runs one job on the tuner with a machine of its own:
// the machine is the model's active one while the window is shown, the end
// of a run arrives as MachineFinished, and the cursor over the window waits
// while a run it started goes on.

#include <QDialog>
#include <optional>

#include "base/ResultCodes.h"
#include "model/ActiveMachineScope.h"
#include "model/EventSubscriptions.h"

class CJobDialog : public QDialog {
  Q_OBJECT
 public:
  CJobDialog(const QString& title, const QString& helpTopic, QWidget* parent);
  ~CJobDialog() override;

  void ShowHelp();

 signals:
  // What the job did, for the status bar once the window has closed.
  void Confirmed(const QString& text);

 protected:
  // Makes the machine the active one and listens for the end of its runs.
  void Activate(IStateMachine& machine);
  void Deactivate();
  // A run started (or ended): the wait cursor follows the count.
  void RunStarted();
  void RunEnded();
  virtual void OnMachineFinished(ResultCode result) = 0;
  // Ends the window after the notice that asked for it has gone round.
  void FinishLater(int result);
  // Says what the job did: in the activity log and, through Confirmed, the status bar.
  void Confirm(const QString& text);

  void hideEvent(QHideEvent* event) override;
  void customEvent(QEvent* event) override;

 private:
  QString m_helpTopic;
  int m_busy = 0;
  std::optional<CActiveMachineScope> m_active;
  CEventSubscriptions m_subscriptions;
};
