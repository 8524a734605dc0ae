#pragma once
// Lets a job go on only when the tuner runs its firmware: in its bootstrap
// loader it has no configuration to read or take, and a job that went on
// would end as if it had succeeded with nothing done.

#include "engine/State.h"
#include "model/DeviceTypes.h"

template <class T>
class CRunningFirmwareState : public CState<T> {
 public:
  CRunningFirmwareState(T& owner, CState<T>* next) : CState<T>(owner, "RunningFirmware", next) {}
  void Enter() override {
    if (this->Owner().StatusValue() == FirmwareStatusLoader)
      this->Fail(Result::BootstrapLoaderRunning);
    else
      this->Next();
  }
};
