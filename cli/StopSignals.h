#pragma once
// SIGINT and SIGTERM as a Qt signal: the handler only writes a byte to a pipe
// that the event loop reads, so that the work in progress can end cleanly.
// One at a time (the front end's context holds it); the previous handlers
// come back when it goes.

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <memory>

class CStopSignals : public QObject {
  Q_OBJECT
 public:
  CStopSignals();
  ~CStopSignals() override;

 signals:
  void Raised();

 private:
  int m_pipe[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> m_notifier;
  struct sigaction m_previousInt {};
  struct sigaction m_previousTerm {};
};
