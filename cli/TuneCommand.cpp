// zu6400ctl tune: start a full search tune, wait until the tuner reports it
// has ended, and print the state it left.

#include <QDeadlineTimer>

#include "base/TextFormat.h"
#include "base/TimeScale.h"
#include "cli/OperateSession.h"

namespace {
// A full search takes seconds; a tuner still searching after this is stuck.
constexpr unsigned kTuneLimitMs = 60000;

bool IsTuning(COperateSession& session) { return session.Values().TuneStatus.Get() == QLatin1String("1"); }
}  // namespace

int RunTune(CCliContext& context, const QStringList&) {
  COperateSession session(context);
  ResultCode result = StartOperateRequest(session, &COperateStateMachine::TuneRequested, 0);
  const QDeadlineTimer deadline(CTimeScale::RealMs(kTuneLimitMs));
  // The start goes out last in its cycle: the tune status comes in the next.
  do {
    if (result == Result::Success) result = session.Cycle();
  } while (result == Result::Success && IsTuning(session) && !deadline.hasExpired());
  if (result != Result::Success) return CCliContext::Fail(result);
  if (IsTuning(session))
    return CCliContext::Fail(Result::Timeout, Format("The tune had not ended after %u seconds", kTuneLimitMs / 1000));
  session.Print();
  return 0;
}
