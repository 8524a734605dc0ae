#pragma once
// Makes a job machine the model's active one for as long as the scope lives:
// serial input that the contact machine does not take goes to it while it
// runs. At the end the machine is let go only if it is still the active one.

#include "model/ModelBase.h"

class CActiveMachineScope {
 public:
  CActiveMachineScope(CModelBase& model, IStateMachine& machine) : m_model(model), m_machine(machine) {
    m_model.ActiveMachine = &m_machine;
  }
  ~CActiveMachineScope() {
    if (m_model.ActiveMachine == &m_machine) m_model.ActiveMachine = nullptr;
  }
  CActiveMachineScope(const CActiveMachineScope&) = delete;
  CActiveMachineScope& operator=(const CActiveMachineScope&) = delete;

 private:
  CModelBase& m_model;
  IStateMachine& m_machine;
};
