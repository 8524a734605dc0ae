#pragma once
// "Fault Table (Newest Entry at Top)": reads the tuner's fault log and lists
// it in four columns, the newest entry first.

#include "machines/FaultTableStateMachine.h"
#include "ui/JobDialog.h"

class QTreeWidget;

class CFaultTableDialog : public CJobDialog {
  Q_OBJECT
 public:
  explicit CFaultTableDialog(QWidget* parent = nullptr);

  QTreeWidget& List() { return *m_list; }

 protected:
  void showEvent(QShowEvent* event) override;
  void OnMachineFinished(ResultCode result) override;

 private:
  void Fill();

  CFaultTableStateMachine m_machine;
  QTreeWidget* m_list;
};
