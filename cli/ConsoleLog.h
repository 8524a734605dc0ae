#pragma once
// The command-line front end's stand-in for the main window: activity-log
// lines (and trace lines when asked) go to standard error.

#include <QObject>
#include <QString>

#include "model/LogLineFilter.h"

class CConsoleLog : public QObject {
 public:
  explicit CConsoleLog(bool showTrace) : m_showTrace(showTrace) {}
  // A line as the activity log shows it: "hh:mm:ss text".
  static void PrintLogLine(const QString& text);

 protected:
  void customEvent(QEvent* event) override;

 private:
  bool m_showTrace;
  CLogLineFilter m_filter;
};
