// zu6400ctl tune: start a full search tune.

#include "cli/OperateSession.h"

int RunTune(CCliContext& context, const QStringList&) {
  return RunOperateRequest(context, &COperateStateMachine::TuneRequested, 0);
}

