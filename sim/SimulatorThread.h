#pragma once
// Runs a simulated tuner on a thread of its own, so that it answers while the
// program's thread is busy or asleep (as a real tuner would).

#include <QThread>
#include <memory>

#include "sim/SimulatedTuner.h"

class CSimulatorThread {
 public:
  explicit CSimulatorThread(SimOptions options = {});
  ~CSimulatorThread();
  CSimulatorThread(const CSimulatorThread&) = delete;
  CSimulatorThread& operator=(const CSimulatorThread&) = delete;

  // Opens the pseudo-terminal; false when the system has none to give.
  bool Start();
  QString SlavePath() const { return m_tuner->SlavePath(); }
  CSimulatedTuner& Tuner() { return *m_tuner; }

 private:
  QThread m_thread;
  CSimulatedTuner* m_tuner;
};
