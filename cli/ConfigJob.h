#pragma once
// What save, restore and faults share: contact, then a job machine run as
// the model's active one to its end.

#include <functional>

#include "cli/CliContext.h"
#include "engine/StateHostBase.h"
#include "model/StateMachine.h"

// Contacts the tuner, then calls start and waits until the machine (or the
// contact run a restarting job hands over to) finishes.
ResultCode RunConfigJob(CCliContext& context, CStateHostBase& host, IStateMachine& machine,
                        const std::function<void()>& start);
