// zu6400ctl memorize: save the current relay settings for the band and antenna.

#include "cli/OperateSession.h"

int RunMemorize(CCliContext& context, const QStringList& args) {
  return RunOperateRequest(context, args, &COperateStateMachine::MemorizeRequested, OperateFeature::Memorize);
}
