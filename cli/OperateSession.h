#pragma once
// What the live-state commands share: contact, an operate machine running as
// the model's job, one poll cycle at a time, and the printout of the values.

#include "cli/CliContext.h"
#include "machines/operate/OperateStateMachine.h"
#include "model/ActiveMachineScope.h"

class COperateSession {
 public:
  explicit COperateSession(CCliContext& context);
  COperateSession(const COperateSession&) = delete;
  COperateSession& operator=(const COperateSession&) = delete;

  // Contacts the tuner; a tuner in its loader has no live state to show.
  ResultCode Connect();
  // Runs one poll cycle to its end, again while the tuner did not answer it
  // and the wait (--wait) lasts.
  ResultCode Cycle();
  // Every value the cycle read, as "name: value" lines or one JSON object.
  void Print() const;
  // What a memorize stored: band, antenna and the relays.
  void PrintMemorized() const;
  // The same JSON object with the time the values were read, on one line.
  void PrintJsonLine(const QString& time) const;

  COperateStateMachine& Machine() { return m_machine; }
  COperateValues& Values() { return m_machine.Values(); }

 private:
  CCliContext& m_context;
  COperateStateMachine m_machine;
  CActiveMachineScope m_active;
};

// Sets a request flag (on firmware that has the feature) and runs the cycle
// that sends it; the session is then ready to report or go on.
ResultCode StartOperateRequest(COperateSession& session, bool COperateStateMachine::*request, unsigned short minVersion);
