#pragma once
// The Firmware tab. For now it holds the program's activity log, which keeps
// every line whichever tab is shown.

#include "ui/Page.h"

class CLogView;

class CFirmwarePage : public CPage {
  Q_OBJECT
 public:
  explicit CFirmwarePage(QWidget* parent = nullptr);
  void OnPageLog(const QString& line) override;
  CLogView& Log() { return *m_log; }

 private:
  CLogView* m_log;
};
