// zu6400ctl memorize: save the current relay settings for the band and antenna.

#include "cli/OperateSession.h"

int RunMemorize(CCliContext& context, const QStringList&) {
  return RunOperateRequest(context, &COperateStateMachine::MemorizeRequested, OperateFeature::Memorize);
}
