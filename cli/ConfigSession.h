#pragma once
// What the stored-configuration commands share: contact, an edit-configuration
// machine running as the model's job, its chains run to their end, and the
// printout of the whole configuration.

#include "cli/CliContext.h"
#include "machines/configuration/EditConfigurationStateMachine.h"
#include "model/ActiveMachineScope.h"

class CConfigSession {
 public:
  explicit CConfigSession(CCliContext& context);
  CConfigSession(const CConfigSession&) = delete;
  CConfigSession& operator=(const CConfigSession&) = delete;

  // Contacts the tuner and reads its configuration.
  ResultCode ContactAndRead();
  // Writes what was requested; a setting the tuner did not take is a failure.
  ResultCode Write();
  // The configuration as a table, or as one JSON object; values the firmware
  // does not have are left out.
  void Print() const;

  CConfigurationValues& Values() { return m_machine.Values(); }

 private:
  ResultCode Run(bool (CEditConfigurationStateMachine::*start)());

  CCliContext& m_context;
  CEditConfigurationStateMachine m_machine;
  CActiveMachineScope m_active;
};
