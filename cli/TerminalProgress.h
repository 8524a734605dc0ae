#pragma once
// A progress bar on standard error, drawn only when standard error is a
// terminal (a log file or a pipe gets the log lines alone).

#include <QString>

class CTerminalProgress {
 public:
  CTerminalProgress();

  void Show(int position, int maximum);
  // "[#####-----]  50%": the bar of a position out of maximum.
  static QString Render(int position, int maximum);

 private:
  bool m_enabled;
  QString m_last;
};
