#pragma once
// What save, restore and faults share: contact, then a job machine run as
// the model's active one to its end, with a progress bar on a terminal.

#include <functional>

#include "cli/CliContext.h"
#include "engine/StateHostBase.h"
#include "model/StateMachine.h"

// Contacts the tuner, then calls start and waits until the machine (or the
// contact run a restarting job hands over to) finishes.
ResultCode RunConfigJob(CCliContext& context, CStateHostBase& host, IStateMachine& machine,
                        const std::function<void()>& start);

// A bar on standard error while it is a terminal; nothing otherwise.
class CConsoleProgress {
 public:
  explicit CConsoleProgress(const char* label);
  ~CConsoleProgress();
  CConsoleProgress(const CConsoleProgress&) = delete;
  CConsoleProgress& operator=(const CConsoleProgress&) = delete;

  // For a progress host's bar.
  std::function<void(int, int)> Sink();

 private:
  void Show(int position, int maximum);

  const char* m_label;
  bool m_terminal;
  bool m_shown = false;
  int m_lastPercent = -1;
};
