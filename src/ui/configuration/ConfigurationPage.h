#pragma once
// The Configuration tab: the buttons that start every job on the tuner's
// stored configuration. Each opens its own modal window, which owns the
// machine that does the work. The buttons are usable once the tuner's firmware
// answered; while the tuner waits in its bootstrap loader they are off, and
// their tooltip says why.

#include <QList>

#include "ui/shell/Page.h"

class QDialog;
class QPushButton;

class CConfigurationPage : public CPage {
  Q_OBJECT
 public:
  enum Job { Edit, Save, Restore, FaultTable, EraseMemories, Reset, JobCount };

  explicit CConfigurationPage(QWidget* parent = nullptr);

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;

 private:
  QPushButton* AddButton(const QString& text, unsigned tooltip);
  void ApplyEnablingRule();
  // Shows a job's window modal over the main window; it deletes itself when closed.
  void Open(QDialog* dialog);

  QList<QPushButton*> m_buttons;
  QList<unsigned> m_tooltips;  // each button's own, 0 for none
};
