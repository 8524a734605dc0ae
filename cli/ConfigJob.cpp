#include "cli/ConfigJob.h"

#include "machines/connection/TunerModel.h"
#include "model/ActiveMachineScope.h"

namespace {
// The machines end by their own reply time-outs; this only guards a stuck run.
constexpr unsigned kLongestJobSeconds = 3600;
}  // namespace

ResultCode RunConfigJob(CCliContext& context, CStateHostBase& host, IStateMachine& machine,
                        const std::function<void()>& start) {
  const ResultCode contact = context.Contact();
  if (contact != Result::Success) return contact;
  CTunerModel& model = GetModel();
  CActiveMachineScope active(model, machine);
  if (context.Options().trace) host.SetStatusWindow(model.NotifyWindow);
  return context.RunUntilFinished(start, kLongestJobSeconds, Result::Timeout);
}
