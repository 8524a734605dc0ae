#pragma once
// Keeps the operate machine polling: a cycle every interval (start to start),
// never two at once and never while the contact machine owns the port. Each
// cycle's end is handed over with its result and the values it read; a cycle
// that failed is simply tried again, at the interval but no sooner than the
// retry pause, so that a silent tuner is not pestered.

#include <QObject>
#include <QTimer>

#include "machines/operate/OperateStateMachine.h"
#include "model/AppInfo.h"
#include "model/EventSubscriptions.h"

class CPollLoop : public QObject {
  Q_OBJECT
 public:
  // A stored 0 would poll without pause, and the timer takes no more than an int.
  static constexpr unsigned long kShortestInterval = 20;
  static constexpr unsigned kRetryPause = 1000;
  static constexpr unsigned long kDefaultInterval = 300;

  explicit CPollLoop(COperateStateMachine& machine, QObject* parent = nullptr);

  COperateStateMachine& Machine() { return m_machine; }
  // Kept within kShortestInterval and what the timer can do.
  void SetInterval(unsigned long ms);
  unsigned long Interval() const { return m_interval; }
  // The interval the user saved (OperatePollInterval), or the default.
  void LoadInterval(CAppInfoBase& app);

  // A cycle while the port is closed (at the start, or after a failed cycle
  // lost it) opens it again and contacts the tuner first: for front ends
  // that have no port page.
  void SetReopensPort(bool reopens) { m_reopensPort = reopens; }

  // Polls from now on, with a cycle at once.
  void Start();
  // No further cycles; one that runs goes on and still reports its end.
  void Stop();
  bool IsPolling() const { return m_polling; }
  // A cycle (or the contact before it) is under way and its end still to come.
  bool IsCycleUnderWay() const { return m_cycleRunning || m_contacting; }
  // A cycle now, or as soon as the running one ends (a user's change goes out
  // at once); while polling the interval counts from this start.
  void CycleNow();

 signals:
  // A cycle started here ended: Success, DevicePoweredOff for a sleeping
  // tuner, or the failure that ended it (or the contact before it).
  void CycleEnded(ResultCode result, const COperateValues& values);

 protected:
  void customEvent(QEvent* event) override;

 private:
  void OnMachineFinished(ResultCode result);
  void StartCycle();
  void EndCycle(ResultCode result);

  COperateStateMachine& m_machine;
  CEventSubscriptions m_subscriptions;
  QTimer m_timer;
  unsigned long m_interval = kShortestInterval;
  bool m_polling = false;
  bool m_startPending = false;
  bool m_cycleRunning = false;
  bool m_contacting = false;
  bool m_reopensPort = false;
  bool m_lastFailed = false;
};
