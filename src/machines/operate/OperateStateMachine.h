#pragma once
// One poll cycle of the tuner's live state: a fixed chain of queries, each
// carrying the user's pending change in front of it, then the memorize and
// tune requests. The machine never starts itself again; its page does.

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/StateHost.h"
#include "machines/connection/ContactStateMachine.h"
#include "machines/operate/OperateStates.h"

class COperateStateMachine : public CStateHost<COperateStateMachine> {
 public:
  explicit COperateStateMachine(CModelBase& model);

  // A cycle from the bit-rate search, for a port or device not yet known to
  // be a ZU6400; else from the power status. False while a cycle runs.
  bool StartCycle();
  bool StartAtFindSpeed() { return StartIfIdle(m_findSpeed); }
  bool StartAtPowerStatus() { return StartIfIdle(m_setPowerStatus); }

  COperateValues& Values() { return m_values; }
  const COperateValues& Values() const { return m_values; }
  CObservable<unsigned char, 1>& BandValue() { return m_values.Band; }

  // Set by the user, consumed by the cycle that sends them.
  bool MemorizeRequested = false;
  bool TuneRequested = false;

 private:
  using M = COperateStateMachine;
  COperateValues m_values;
  CFindSpeedState<M> m_findSpeed;
  CIdentifyState<M> m_identify;
  CSetPowerStatusState<M> m_setPowerStatus;
  CGetMcuVersionState<M> m_getMcuVersion;
  CSetAtuModeState<M> m_setAtuMode;
  CSetAntennaState<M> m_setAntenna;
  CSetSideState<M> m_setSide;
  CSetAttenuatorState<M> m_setAttenuator;
  CSetAmplifierInterruptState<M> m_setAmplifierInterrupt;
  CGetBandNumberState<M> m_getBandNumber;
  CSetAtuBypassState<M> m_setAtuBypass;
  CGetFaultState<M> m_getFault;
  CGetTuneState<M> m_getTune;
  CSetCapacitorState<M> m_setCapacitor;
  CSetInductorState<M> m_setInductor;
  CGetFrequencyState<M> m_getFrequency;
  CGetFrequencyAtuState<M> m_getFrequencyAtu;
  CGetFrequencyCountState<M> m_getFrequencyCount;
  CGetFrequencyXcvrState<M> m_getFrequencyXcvr;
  CGetVfwdState<M> m_getVfwd;
  CGetVrflState<M> m_getVrfl;
  CGetSwrState<M> m_getSwr;
  CGetSwrBypassState<M> m_getSwrBypass;
  CMemorizeState<M> m_memorize;
  CTuneStartState<M> m_tuneStart;
};
