#pragma once
// Reads the tuner's fault log: the newest-entry index from the PIC PROM and
// the 256 records from the start of the serial PROM.

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/StateHost.h"
#include "machines/configuration/FaultRows.h"
#include "machines/configuration/PromStates.h"
#include "machines/connection/RestartStates.h"

class CFaultTableStateMachine : public CStateHost<CFaultTableStateMachine> {
 public:
  static constexpr std::uint32_t kIndexAddress = 0x002;

  explicit CFaultTableStateMachine(CModelBase& model);

  // False when the machine is busy (result BusyStateMachine).
  bool StartReading() { return StartIfIdle(m_findSpeed); }
  // The rows, newest first, of what the last successful run read.
  std::vector<FaultRow> Rows() const { return FaultRows(m_index, m_table); }

 private:
  using Machine = CFaultTableStateMachine;

  std::uint8_t m_index = 0;
  FaultTable m_table{};
  CFindSpeedState<Machine> m_findSpeed;
  CIdentifyState<Machine> m_identify;
  CLoaderRunningState<Machine> m_loaderRunning;
  CReadPicPromState<Machine> m_readIndex;
  CReadSerialPromState<Machine> m_readTable;
};
