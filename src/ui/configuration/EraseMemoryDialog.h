#pragma once
// "Erase Antenna Tuner Memories": shows the band the tuner is on, lets the
// user choose a band (or all) and erases the memories of one antenna per
// click, as often as he likes before he closes the window. Each erase is
// asked for first and said when done.

#include "machines/configuration/EraseMemoryStateMachine.h"
#include "ui/shell/JobDialog.h"

class CBandGroup;
class QLabel;
class QPushButton;

class CEraseMemoryDialog : public CJobDialog {
  Q_OBJECT
 public:
  explicit CEraseMemoryDialog(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void customEvent(QEvent* event) override;
  void OnMachineFinished(ResultCode result) override;

 private:
  void Erase(unsigned antenna);
  void ShowErase(unsigned format, const QString& more = {});

  CEraseMemoryStateMachine m_machine;
  CBandGroup* m_bands;
  std::array<QPushButton*, 3> m_antennaButtons{};
  QLabel* m_status;
  bool m_eraseStarted = false;
  CEventSubscriptions m_bandSubscription;
};
