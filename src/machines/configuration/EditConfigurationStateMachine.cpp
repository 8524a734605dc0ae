#include "machines/configuration/EditConfigurationStateMachine.h"

#include "model/ModelBase.h"

CEditConfigurationStateMachine::CEditConfigurationStateMachine(CModelBase& model)
    : CStateHost(model),
      m_readCheck(*this, &m_getKeyInterruptPower),
      m_getKeyInterruptPower(*this, &m_getPowerStatusInitial),
      m_getPowerStatusInitial(*this, &m_getSleep),
      m_getSleep(*this, &m_readInit),
      m_readInit(*this, &m_readTest, "InitRead"),
      m_readTest(*this, "LoopTest", &m_readBand.First(), &Final(), &M::BandCount),
      m_readBand(*this, &m_readStep),
      m_readStep(*this, &m_readTest, "ReadStep"),
      m_writeCheck(*this, &m_setKeyInterruptPower),
      m_setKeyInterruptPower(*this, &m_setPowerStatusInitial),
      m_setPowerStatusInitial(*this, &m_setSleep),
      m_setSleep(*this, &m_writeInit),
      m_writeInit(*this, &m_writeTest, "WriteInit"),
      m_writeTest(*this, "LoopTest", &m_writeBand.First(), &Final(), &M::BandCount),
      m_writeBand(*this, &m_writeStep),
      m_writeStep(*this, &m_writeTest, "WriteStep") {}

void CEditConfigurationStateMachine::OnFinished() {
  // A failed run marks the tuner as not answering; a tuner found in its
  // loader still answers, and keeps that status so firmware can be sent.
  if (IsFailure(GetResult()) && GetResult() != Result::BootstrapLoaderRunning) SetStatusValue(FirmwareStatusNone);
  Model().FirmwareStatus.Set(StatusValue());
  m_loaded = true;
  CStateHostBase::OnFinished();
}
