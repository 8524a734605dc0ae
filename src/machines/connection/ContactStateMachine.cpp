#include "machines/connection/ContactStateMachine.h"

#include <QCoreApplication>

CContactStateMachine::CContactStateMachine(CModelBase& model)
    : CStateHost(model),
      m_findSpeed(*this, &m_identify),
      m_openPort(*this, &m_findSpeedLoop),
      m_findSpeedLoop(*this, &m_identify),
      m_identify(*this, &m_getMcuVersion),
      m_getMcuVersion(*this, &m_getSerialNumber),
      m_getSerialNumber(*this, &Final()) {}

void CContactStateMachine::OnFinished() {
  const ResultCode result = GetResult();
  if (IsNegative(result)) {
    Model().LogText(
        Format(QCoreApplication::translate("CContactStateMachine", "Contact failed 0x%x %s\n"), result, ErrorText(result)));
    if (result == Result::UnexpectedDevice)
      Model().MessageBoxAndLog(LoadString(Str::UnexpectedDeviceTitle),
                               FormatString(Str::UnexpectedDeviceText, ModelName()), BoxIcon::Error);
    else
      SetStatusValue(FirmwareStatusNone);
  }
  Model().FirmwareStatus.Set(StatusValue());
  CStateHostBase::OnFinished();
}
