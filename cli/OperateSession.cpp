#include "cli/OperateSession.h"

#include <QDeadlineTimer>
#include <algorithm>

#include "machines/operate/OperateReadout.h"
#include "machines/connection/TunerModel.h"

COperateSession::COperateSession(CCliContext& context)
    : m_context(context), m_machine(GetModel()), m_active(GetModel(), m_machine) {
  if (context.Options().trace) m_machine.SetStatusWindow(GetModel().NotifyWindow);
}

ResultCode COperateSession::Connect() {
  const ResultCode result = m_context.Contact();
  if (result != Result::Success) return result;
  return GetModel().FirmwareStatus.Get() == FirmwareStatusRunning ? Result::Success : Result::NotSupported;
}

ResultCode COperateSession::Cycle() {
  // A reply lost or garbled on the line ends a cycle with the tuner's code
  // (a negative one); the cycle is run again as long as the wait allows. A
  // port that failed (a system code) is not.
  const QDeadlineTimer deadline(std::chrono::seconds(m_context.Options().waitSeconds));
  for (;;) {
    const auto left = static_cast<unsigned>(std::max<qint64>(1, (deadline.remainingTime() + 999) / 1000));
    const ResultCode result = m_context.RunUntilFinished([this] { m_machine.StartCycle(); }, left, Result::Timeout);
    if (!IsNegative(result) || deadline.hasExpired()) return result;
  }
}

void COperateSession::Print() const {
  CPrintout out;
  AddOperateValues(out, m_machine.Values(), GetModel().McuVersion.Get());
  out.Print(m_context.Options().json);
}

void COperateSession::PrintMemorized() const {
  CPrintout out;
  AddMemorizedValues(out, m_machine.Values());
  out.Print(m_context.Options().json);
}

void COperateSession::PrintJsonLine(const QString& time) const {
  CPrintout out;
  AddOperateValues(out, m_machine.Values(), GetModel().McuVersion.Get());
  out.AddJson(QStringLiteral("time"), time);
  out.Print(true);
}

ResultCode StartOperateRequest(COperateSession& session, bool COperateStateMachine::*request,
                               unsigned short minVersion) {
  ResultCode result = session.Connect();
  if (result == Result::Success && GetModel().McuVersion.Get() < minVersion) result = Result::NotSupported;
  if (result != Result::Success) return result;
  session.Machine().*request = true;
  // Asleep, the cycle ends before the request is sent.
  return session.Cycle();
}
