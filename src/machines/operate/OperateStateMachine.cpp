#include "machines/operate/OperateStateMachine.h"

COperateStateMachine::COperateStateMachine(CModelBase& model)
    : CStateHost(model),
      m_findSpeed(*this, &m_identify),
      m_identify(*this, &m_setPowerStatus),
      m_setPowerStatus(*this, &m_getMcuVersion),
      m_getMcuVersion(*this, &m_setAtuMode),
      m_setAtuMode(*this, &m_setAntenna, "SetAtuMode"),
      m_setAntenna(*this, &m_setSide, "SetAntenna"),
      m_setSide(*this, &m_setAttenuator, "SetSide"),
      m_setAttenuator(*this, &m_setAmplifierInterrupt, "SetAttenuator"),
      m_setAmplifierInterrupt(*this, &m_getBandNumber, "SetAmplifierInterrupt"),
      m_getBandNumber(*this, &m_setAtuBypass),
      m_setAtuBypass(*this, &m_getFault, "SetAtuBypass"),
      m_getFault(*this, &m_getTune),
      m_getTune(*this, &m_setCapacitor),
      m_setCapacitor(*this, &m_setInductor, "SetCapacitor"),
      m_setInductor(*this, &m_getFrequency, "SetInductor"),
      m_getFrequency(*this, &m_getFrequencyAtu),
      m_getFrequencyAtu(*this, &m_getFrequencyCount),
      m_getFrequencyCount(*this, &m_getFrequencyXcvr),
      m_getFrequencyXcvr(*this, &m_getVfwd),
      m_getVfwd(*this, &m_getVrfl),
      m_getVrfl(*this, &m_getSwr),
      m_getSwr(*this, &m_getSwrBypass),
      m_getSwrBypass(*this, &m_memorize),
      m_memorize(*this, &m_tuneStart),
      m_tuneStart(*this, &Final()) {
  // Every reply is awaited once: a silent tuner ends the cycle, and the next
  // cycle asks again.
  SetRetryLimit(0);
}

bool COperateStateMachine::StartCycle() {
  return Model().IsDeviceSupported() ? StartAtPowerStatus() : StartAtFindSpeed();
}
