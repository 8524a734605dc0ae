// zu6400ctl memorize: save the current relay settings for the band and antenna.

#include "cli/OperateSession.h"

int RunMemorize(CCliContext& context, const QStringList&) {
  COperateSession session(context);
  const ResultCode result = StartOperateRequest(session, &COperateStateMachine::MemorizeRequested, OperateFeature::Memorize);
  if (result != Result::Success) return CCliContext::Fail(result);
  session.PrintMemorized();
  return 0;
}
