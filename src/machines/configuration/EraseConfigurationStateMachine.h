#pragma once
// Resets the tuner's configuration to factory defaults: finds and identifies
// the tuner, has it initialise its configuration memory, resets its MCU and
// then lets the contact machine find it again.

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/StateHost.h"
#include "machines/connection/RestartStates.h"

// Sent without a reply awaited, then a fixed wait.
template <class T>
class CEraseConfigurationState : public CCommandDelayState<T> {
 public:
  static constexpr unsigned kDelay = 3000;
  CEraseConfigurationState(T& owner, CState<T>* next)
      : CCommandDelayState<T>(owner, "EraseConfiguration", next, QString::fromLatin1(Tuner::FactoryInit), kDelay) {}
};

class CEraseConfigurationStateMachine : public CStateHost<CEraseConfigurationStateMachine> {
 public:
  explicit CEraseConfigurationStateMachine(CModelBase& model);

  bool StartErase() { return StartIfIdle(m_findSpeed); }
  // After success the contact machine runs again and reports the end.
  void OnFinished() override;

 private:
  using M = CEraseConfigurationStateMachine;
  CFindSpeedState<M> m_findSpeed;
  CIdentifyState<M> m_identify;
  CLoaderRunningState<M> m_loaderRunning;
  CEraseConfigurationState<M> m_erase;
  CResetMcuState<M> m_reset;
};
