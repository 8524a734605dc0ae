#pragma once
// Writes what a configuration file holds back into the tuner: every PIC run
// with "ewp", every serial block with "ews", then resets the tuner, switches
// it on and hands over to the contact machine to find it again.

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/LoopStates.h"
#include "engine/ProgressBarStateHost.h"
#include "machines/configuration/PromStates.h"
#include "machines/connection/RestartStates.h"

// Refuses a file saved from another tuner (both serial numbers known)
// before anything is written, unless the user chose to go on.
template <class T>
class CCheckSerialNumberState : public CState<T> {
 public:
  CCheckSerialNumberState(T& owner, CState<T>* next) : CState<T>(owner, "CheckSerialNumber", next) {}
  void Enter() override {
    T& owner = this->Owner();
    const std::uint16_t tuner = owner.Model().SerialNumber.Get();
    const auto file = owner.Data().fileSerialNumber;
    if (!owner.IsForced() && file && tuner != kNoSerialNumber && *file != tuner)
      this->Fail(Result::SerialNumberMismatch);
    else
      this->Next();
  }
};

class CConfigRestoreStateMachine : public CProgressBarStateHost<CConfigRestoreStateMachine> {
 public:
  static constexpr unsigned kProgressDivisor = 32;

  // How much of the file reached the tuner this run. Part of it leaves the
  // tuner's stored configuration half old, half new.
  enum class Written { Nothing, Part, All };

  explicit CConfigRestoreStateMachine(CModelBase& model);

  // What the configuration file reader fills before the start.
  ConfigRestoreData& Data() { return m_data; }
  // Go on even when the file's serial number is another tuner's.
  void SetForced(bool forced) { m_forced = forced; }
  bool IsForced() const { return m_forced; }

  // False when the machine is busy (result BusyStateMachine).
  bool StartRestore();
  void OnFinished() override;

  Written HowMuchWritten() const { return m_written; }
  // The line that says so, when the tuner was left with part of the file.
  QString IncompleteText() const;

  int& LoopCounter() { return m_loop; }
  int PicRunCount() const { return static_cast<int>(m_data.picRuns.size()); }
  int SerialBlockCount() const { return static_cast<int>(m_data.serialBlocks.size()); }

 private:
  using Machine = CConfigRestoreStateMachine;

  // A write that goes out changes the tuner: from then on it holds part of the file.
  void OnWriting() {
    if (!IsFailure(GetResult())) m_written = Written::Part;
  }

  class CPicBodyState : public CWritePicPromState<Machine> {
   public:
    using CWritePicPromState::CWritePicPromState;
    void Send() override {
      Owner().OnWriting();
      CWritePicPromState::Send();
    }
    void SelectRange() override {
      const PicPromRun& run = Owner().Data().picRuns[static_cast<std::size_t>(Owner().LoopCounter())];
      SetSource(run.page * 256u + run.first, run.last - run.first + 1u, run.data.data() + run.first);
    }
  };

  class CSerialBodyState : public CWriteSerialPromState<Machine> {
   public:
    using CWriteSerialPromState::CWriteSerialPromState;
    void Send() override {
      Owner().OnWriting();
      CWriteSerialPromState::Send();
    }
    void SelectRange() override {
      const SerialPromBlock& block = Owner().Data().serialBlocks[static_cast<std::size_t>(Owner().LoopCounter())];
      SetSource(block.start, block.count, block.data.data());
    }
  };

  class CRestoreResetState : public CResetMcuState<Machine> {
   public:
    using CResetMcuState::CResetMcuState;
    void Enter() override {
      Owner().m_written = Written::All;
      CResetMcuState::Enter();
    }
  };

  int m_loop = 0;
  bool m_forced = false;
  Written m_written = Written::Nothing;
  ConfigRestoreData m_data;
  CFindSpeedState<Machine> m_findSpeed;
  CIdentifyState<Machine> m_identify;
  CLoaderRunningState<Machine> m_loaderRunning;
  CCheckSerialNumberState<Machine> m_checkSerialNumber;
  CLoopInitState<Machine> m_picInit;
  CLoopTestState<Machine> m_picTest;
  CPicBodyState m_picBody;
  CLoopStepState<Machine> m_picStep;
  CLoopInitState<Machine> m_serialInit;
  CLoopTestState<Machine> m_serialTest;
  CSerialBodyState m_serialBody;
  CLoopStepState<Machine> m_serialStep;
  CRestoreResetState m_resetMcu;
  CSetPowerStatusOnState<Machine> m_powerOn;
};
