#include "machines/configuration/FaultTableStateMachine.h"

CFaultTableStateMachine::CFaultTableStateMachine(CModelBase& model)
    : CStateHost(model),
      m_findSpeed(*this, &m_identify),
      m_identify(*this, &m_readIndex),
      m_loaderRunning(*this),
      m_readIndex(*this, "ReadFaultTableIndex", &m_readTable),
      m_readTable(*this, "ReadFaultTable", &Final()) {
  m_identify.SetAlternative(&m_loaderRunning);
  m_readIndex.SetTarget(kIndexAddress, 1, &m_index);
  m_readTable.SetTarget(0, static_cast<std::uint32_t>(m_table.size()), m_table.data());
}
