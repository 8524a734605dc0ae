#pragma once
// Resets the tuner's configuration to factory defaults: finds and identifies
// the tuner, has it initialise its configuration memory, resets its MCU and
// then lets the contact machine find it again.

#include "base/StringTable.h"
#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/RunningFirmwareState.h"
#include "engine/StateHost.h"

// Commands the tuner does not answer: sent, then a fixed wait.
template <class T>
class CEraseConfigurationState : public CCommandDelayState<T> {
 public:
  static constexpr unsigned kDelay = 3000;
  CEraseConfigurationState(T& owner, CState<T>* next)
      : CCommandDelayState<T>(owner, "EraseConfiguration", next, QString::fromLatin1(Tuner::FactoryInit), kDelay) {}
};

template <class T>
class CResetMcuState : public CCommandDelayState<T> {
 public:
  static constexpr unsigned kDelay = 3000;
  CResetMcuState(T& owner, CState<T>* next)
      : CCommandDelayState<T>(owner, "ResetMcu", next, QString::fromLatin1(Tuner::Reset), kDelay) {}
  void Enter() override {
    this->Owner().Log(Str::WaitingForReset, kDelay / 1000);
    CCommandDelayState<T>::Enter();
  }
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
  CRunningFirmwareState<M> m_loaderCheck;
  CEraseConfigurationState<M> m_erase;
  CResetMcuState<M> m_reset;
};
