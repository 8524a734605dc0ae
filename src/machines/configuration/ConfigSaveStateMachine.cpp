#include "machines/configuration/ConfigSaveStateMachine.h"

CConfigSaveStateMachine::CConfigSaveStateMachine(CModelBase& model)
    : CProgressBarStateHost(model),
      m_findSpeed(*this, &m_identify),
      m_identify(*this, &m_picInit),
      m_loaderRunning(*this),
      m_picInit(*this, &m_picTest),
      m_picTest(*this, "LoopTestPic", &m_picBody, &m_serialInit, &Machine::PicRangeCount),
      m_picBody(*this, "ConfigSavePicPromBody", &m_picStep, m_snapshot.pic.data()),
      m_picStep(*this, &m_picTest),
      m_serialInit(*this, &m_serialTest),
      m_serialTest(*this, "LoopTestSerial", &m_serialBody, &Final(), &Machine::SerialRangeCount),
      m_serialBody(*this, "ConfigSaveSerialPromBody", &m_serialStep, m_snapshot.serial.data()),
      m_serialStep(*this, &m_serialTest) {
  m_identify.SetAlternative(&m_loaderRunning);
  SetDivisor(kProgressDivisor);
}

bool CConfigSaveStateMachine::StartSave() {
  BeginProgress(kTotalBytes);
  return StartIfIdle(m_findSpeed);
}

void CConfigSaveStateMachine::OnFinished() {
  m_snapshot.firmwareVersionText = Model().GetVersionText();
  m_snapshot.serialNumber = Model().SerialNumber.Get();
  CProgressBarStateHost::OnFinished();
}
