#pragma once
// "Fault Table (Newest Entry at Top)": reads the tuner's fault log and lists
// it in four columns, the newest entry first; its rows can be copied or saved
// as CSV.

#include "machines/configuration/FaultTableStateMachine.h"
#include "ui/shell/JobDialog.h"

class QTreeWidget;

class CFaultTableDialog : public CJobDialog {
  Q_OBJECT
 public:
  explicit CFaultTableDialog(QWidget* parent = nullptr);

  // The rows as CSV on the clipboard.
  void CopyRows();

 protected:
  void showEvent(QShowEvent* event) override;
  void OnMachineFinished(ResultCode result) override;

 private:
  void Fill();
  // The rows as CSV in a file the user chooses (false, after a box, when it
  // cannot be written).
  void SaveRowsAs();
  bool SaveRows(const QString& path);

  CFaultTableStateMachine m_machine;
  QTreeWidget* m_list;
};
