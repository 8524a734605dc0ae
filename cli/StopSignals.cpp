#include "cli/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

namespace {
int g_writeEnd = -1;

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(g_writeEnd, &byte, 1);
}
}  // namespace

CStopSignals::CStopSignals() {
  if (pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  g_writeEnd = m_pipe[1];
  m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
  connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
    // One notice per signal: a second Ctrl+C means more than the first.
    char bytes[16];
    ssize_t count = 0;
    for (ssize_t n = 0; (n = read(m_pipe[0], bytes, sizeof bytes)) > 0;) count += n;
    for (; count > 0; --count) emit Raised();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &m_previousInt);
  sigaction(SIGTERM, &action, &m_previousTerm);
}

CStopSignals::~CStopSignals() {
  if (m_pipe[0] < 0) return;
  sigaction(SIGINT, &m_previousInt, nullptr);
  sigaction(SIGTERM, &m_previousTerm, nullptr);
  g_writeEnd = -1;
  m_notifier.reset();
  close(m_pipe[0]);
  close(m_pipe[1]);
}
