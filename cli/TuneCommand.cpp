// zu6400ctl tune: start a full search tune.

#include "cli/OperateSession.h"

int RunTune(CCliContext& context, const QStringList& args) {
  return RunOperateRequest(context, args, &COperateStateMachine::TuneRequested, 0);
}

