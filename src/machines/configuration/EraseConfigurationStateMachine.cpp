#include "machines/configuration/EraseConfigurationStateMachine.h"

CEraseConfigurationStateMachine::CEraseConfigurationStateMachine(CModelBase& model)
    : CStateHost(model),
      m_findSpeed(*this, &m_identify),
      m_identify(*this, &m_erase),
      m_loaderRunning(*this),
      m_erase(*this, &m_reset),
      m_reset(*this, &Final()) {
  // A tuner in its loader has no configuration to reset: the run fails
  // rather than restarting it and reporting success.
  m_identify.SetAlternative(&m_loaderRunning);
}

void CEraseConfigurationStateMachine::OnFinished() {
  // The loader still answers; its status stays for the firmware page.
  if (GetResult() == Result::BootstrapLoaderRunning)
    CStateHostBase::OnFinished();
  else
    FinishAndRecontact();
}
