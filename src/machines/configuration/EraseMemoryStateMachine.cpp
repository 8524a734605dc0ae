#include "machines/configuration/EraseMemoryStateMachine.h"

#include "base/TextFormat.h"

QString EraseMemoryCommand(unsigned band, unsigned antenna) {
  const unsigned first = band == kAllBands ? 0 : band;
  const unsigned last = band == kAllBands ? kBandCount - 1 : band;
  QString command;
  for (unsigned b = first; b <= last; ++b) command += Format(Tuner::EraseMemoryFormat, "em", b, antenna);
  return command + QLatin1String(Tuner::McuVersion);
}

CEraseMemoryStateMachine::CEraseMemoryStateMachine(CModelBase& model)
    : CStateHost(model),
      m_findSpeedRead(*this, &m_getBandNumber),
      m_getBandNumber(*this, &Final()),
      m_eraseCheck(*this, &m_findSpeedErase),
      m_findSpeedErase(*this, &m_eraseMemory),
      m_eraseMemory(*this, &Final()) {
  SetRetryLimit(0);
}
