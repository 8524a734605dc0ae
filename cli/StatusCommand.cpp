// zu6400ctl status: one poll cycle, then every value it read.

#include "cli/OperateSession.h"

int RunStatus(CCliContext& context, const QStringList&) {
  COperateSession session(context);
  ResultCode result = session.Connect();
  if (result == Result::Success) result = session.Cycle();
  // A sleeping tuner is a state worth printing, not a failure.
  if (result != Result::Success && result != Result::DevicePoweredOff) return CCliContext::Fail(result);
  session.Print();
  return 0;
}
