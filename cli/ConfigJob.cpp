#include "cli/ConfigJob.h"

#include <QTextStream>
#include <unistd.h>

#include "machines/TunerModel.h"
#include "model/ActiveMachineScope.h"

namespace {
// The machines end by their own reply time-outs; this only guards a stuck run.
constexpr unsigned kLongestJobSeconds = 3600;
constexpr int kBarWidth = 40;
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

CConsoleProgress::CConsoleProgress(const char* label) : m_label(label), m_terminal(isatty(STDERR_FILENO) == 1) {}

CConsoleProgress::~CConsoleProgress() {
  if (m_shown) QTextStream(stderr) << "\n";
}

std::function<void(int, int)> CConsoleProgress::Sink() {
  return [this](int position, int maximum) { Show(position, maximum); };
}

void CConsoleProgress::Show(int position, int maximum) {
  if (!m_terminal || maximum <= 0) return;
  const int percent = static_cast<int>(qint64{position} * 100 / maximum);
  if (percent == m_lastPercent) return;
  m_lastPercent = percent;
  m_shown = true;
  const int filled = percent * kBarWidth / 100;
  QTextStream(stderr) << '\r' << m_label << " [" << QString(filled, u'#') << QString(kBarWidth - filled, u'.') << "] "
                      << QString::number(percent).rightJustified(3) << '%' << Qt::flush;
}
