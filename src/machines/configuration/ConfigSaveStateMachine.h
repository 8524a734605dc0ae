#pragma once
// Reads both of the tuner's PROMs into a snapshot that the configuration
// file writer saves: the PIC PROM in four pages, then the serial PROM.

#include <iterator>

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/LoopStates.h"
#include "engine/ProgressBarStateHost.h"
#include "machines/configuration/PromStates.h"
#include "machines/connection/RestartStates.h"

class CConfigSaveStateMachine : public CProgressBarStateHost<CConfigSaveStateMachine> {
 public:
  static constexpr unsigned kTotalBytes = 0x10400;
  static constexpr unsigned kProgressDivisor = 32;

  explicit CConfigSaveStateMachine(CModelBase& model);

  // False when the machine is busy (result BusyStateMachine).
  bool StartSave();
  void OnFinished() override;

  int& LoopCounter() { return m_loop; }
  int PicRangeCount() const { return static_cast<int>(std::size(kPicSaveRanges)); }
  int SerialRangeCount() const { return static_cast<int>(std::size(kSerialSaveRanges)); }
  // What was read, with the tuner's firmware version and serial number.
  const ConfigSnapshot& Snapshot() const { return m_snapshot; }

 private:
  template <class Read, const AddressRange* Ranges>
  class CBodyState : public Read {
   public:
    CBodyState(CConfigSaveStateMachine& owner, const char* name, CState<CConfigSaveStateMachine>* next,
               std::uint8_t* image)
        : Read(owner, name, next), m_image(image) {}
    void SelectRange() override {
      const AddressRange& range = Ranges[this->Owner().LoopCounter()];
      this->SetTarget(range.start, range.length, m_image + range.start);
    }

   private:
    std::uint8_t* m_image;
  };
  using Machine = CConfigSaveStateMachine;

  int m_loop = 0;
  ConfigSnapshot m_snapshot;
  CFindSpeedState<Machine> m_findSpeed;
  CIdentifyState<Machine> m_identify;
  CLoaderRunningState<Machine> m_loaderRunning;
  CLoopInitState<Machine> m_picInit;
  CLoopTestState<Machine> m_picTest;
  CBodyState<CReadPicPromState<Machine>, kPicSaveRanges> m_picBody;
  CLoopStepState<Machine> m_picStep;
  CLoopInitState<Machine> m_serialInit;
  CLoopTestState<Machine> m_serialTest;
  CBodyState<CReadSerialPromState<Machine>, kSerialSaveRanges> m_serialBody;
  CLoopStepState<Machine> m_serialStep;
};
