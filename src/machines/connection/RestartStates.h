#pragma once
// The end of a job that restarts the tuner ("rst0;", then "ps1;", neither
// answered), and the refusal of a job that needs the running firmware.

#include "base/StringTable.h"
#include "engine/CommandStates.h"
#include "link/TunerCommands.h"

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

template <class T>
class CSetPowerStatusOnState : public CCommandDelayState<T> {
 public:
  static constexpr unsigned kDelay = 2000;
  CSetPowerStatusOnState(T& owner, CState<T>* next)
      : CCommandDelayState<T>(owner, "PowerOn", next, QString::fromLatin1(Tuner::PowerOn), kDelay) {}
};

// Where identification goes when the tuner answers from its bootstrap
// loader: it has no memories to read or write, so the job ends at once.
template <class T>
class CLoaderRunningState : public CState<T> {
 public:
  explicit CLoaderRunningState(T& owner) : CState<T>(owner, "LoaderRunning", nullptr) {}
  void Enter() override { this->Fail(Result::BootstrapLoaderRunning); }
};
