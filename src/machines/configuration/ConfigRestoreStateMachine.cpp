#include "machines/configuration/ConfigRestoreStateMachine.h"

#include "base/StringTable.h"

CConfigRestoreStateMachine::CConfigRestoreStateMachine(CModelBase& model)
    : CProgressBarStateHost(model),
      m_findSpeed(*this, &m_identify),
      m_identify(*this, &m_checkSerialNumber),
      m_loaderRunning(*this),
      m_checkSerialNumber(*this, &m_picInit),
      m_picInit(*this, &m_picTest),
      m_picTest(*this, "LoopTestPic", &m_picBody, &m_serialInit, &Machine::PicRunCount),
      m_picBody(*this, "ConfigRestorePicPromBody", &m_picStep),
      m_picStep(*this, &m_picTest),
      m_serialInit(*this, &m_serialTest),
      m_serialTest(*this, "LoopTestSerial", &m_serialBody, &m_resetMcu, &Machine::SerialBlockCount),
      m_serialBody(*this, "ConfigRestoreSerialPromBody", &m_serialStep),
      m_serialStep(*this, &m_serialTest),
      m_resetMcu(*this, &m_powerOn),
      m_powerOn(*this, &Final()) {
  m_identify.SetAlternative(&m_loaderRunning);
  SetDivisor(kProgressDivisor);
}

bool CConfigRestoreStateMachine::StartRestore() {
  if (!IsIdle()) return StartIfIdle(m_findSpeed);  // refused: the running restore is left as it is
  unsigned total = 0;
  for (const PicPromRun& run : m_data.picRuns) total += run.last - run.first + 1u;
  for (const SerialPromBlock& block : m_data.serialBlocks) total += block.count;
  BeginProgress(total);
  m_written = Written::Nothing;
  return StartIfIdle(m_findSpeed);
}

QString CConfigRestoreStateMachine::IncompleteText() const {
  return m_written == Written::Part ? LoadString(Str::RestoreLeftIncomplete) : QString();
}

void CConfigRestoreStateMachine::OnFinished() {
  // Refused before anything was written: the tuner runs on as it was.
  const ResultCode result = GetResult();
  if (result == Result::BootstrapLoaderRunning || result == Result::SerialNumberMismatch)
    CProgressBarStateHost::OnFinished();
  else
    FinishAndRecontact();
}
