#pragma once
// Reads the tuner's stored configuration into observable values and writes
// the user's changes back: a read chain that asks for every setting and a
// write chain that sends only what the user changed, both walking the eleven
// bands.

#include "engine/LoopStates.h"
#include "engine/RunningFirmwareState.h"
#include "engine/StateHost.h"
#include "machines/configuration/EditConfigurationStates.h"

class CEditConfigurationStateMachine : public CStateHost<CEditConfigurationStateMachine> {
 public:
  explicit CEditConfigurationStateMachine(CModelBase& model);

  // False (and the busy code) while a chain runs.
  bool StartRead() { return StartIfIdle(m_readCheck); }
  bool StartWrite() { return StartIfIdle(m_writeCheck); }
  void OnFinished() override;

  CConfigurationValues& Values() { return m_values; }
  const CConfigurationValues& Values() const { return m_values; }
  unsigned char& LoopCounter() { return m_band; }
  int BandCount() const { return kBandCount; }
  // Set once a chain has ended.
  bool IsLoaded() const { return m_loaded; }

 private:
  using M = CEditConfigurationStateMachine;
  // The per-band states of one chain, in the order they run.
  template <template <class> class AntennaEnable, template <class> class Preferred, template <class> class FineTune,
            template <class> class Threshold>
  struct BandStates {
    BandStates(M& m, CState<M>* after)
        : antenna1(m, &antenna2, 1),
          antenna2(m, &antenna3, 2),
          antenna3(m, &preferred, 3),
          preferred(m, &fineTune),
          fineTune(m, &keyThreshold),
          keyThreshold(m, &autotuneThreshold, 'k'),
          autotuneThreshold(m, &bypassThreshold, 'a'),
          bypassThreshold(m, after, 'b') {}
    CState<M>& First() { return antenna1; }
    AntennaEnable<M> antenna1, antenna2, antenna3;
    Preferred<M> preferred;
    FineTune<M> fineTune;
    Threshold<M> keyThreshold, autotuneThreshold, bypassThreshold;
  };

  unsigned char m_band = 0;
  CConfigurationValues m_values;
  bool m_loaded = false;

  CRunningFirmwareState<M> m_readCheck;
  CGetAmplifierKeyInterruptPowerState<M> m_getKeyInterruptPower;
  CGetPowerStatusInitialState<M> m_getPowerStatusInitial;
  CGetSleepState<M> m_getSleep;
  CLoopInitState<M> m_readInit;
  CLoopTestState<M> m_readTest;
  BandStates<CGetAntennaEnableState, CGetAntennaPreferredState, CGetAutoFineTuneState, CGetSwrThresholdState>
      m_readBand;
  CLoopStepState<M> m_readStep;

  CRunningFirmwareState<M> m_writeCheck;
  CSetAmplifierKeyInterruptPowerState<M> m_setKeyInterruptPower;
  CSetPowerStatusInitialState<M> m_setPowerStatusInitial;
  CSetSleepState<M> m_setSleep;
  CLoopInitState<M> m_writeInit;
  CLoopTestState<M> m_writeTest;
  BandStates<CSetAntennaEnableState, CSetAntennaPreferredState, CSetAutoFineTuneState, CSetSwrThresholdState>
      m_writeBand;
  CLoopStepState<M> m_writeStep;
};
