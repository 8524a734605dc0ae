#pragma once
// A machine's progress line reaches its status window as a state text and then
// the activity log as a log line; a log showing both shows it once.

#include <QString>

class CLogLineFilter {
 public:
  // A state text: shown only with Trace on.
  bool ShowStateText(const QString& text, bool traceOn) {
    m_shownStateText = traceOn ? text : QString();
    m_stateTextShown = traceOn;
    return traceOn;
  }
  // A log line: not shown when it repeats the state text just shown.
  bool ShowLogText(const QString& text) {
    const bool repeat = m_stateTextShown && text == m_shownStateText;
    m_stateTextShown = false;
    return !repeat;
  }

 private:
  QString m_shownStateText;
  bool m_stateTextShown = false;
};
