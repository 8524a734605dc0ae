#include "machines/operate/PollLoop.h"

#include <algorithm>
#include <limits>

#include "base/TimeScale.h"
#include "model/ModelBase.h"
#include "model/Persistable.h"

CPollLoop::CPollLoop(COperateStateMachine& machine, QObject* parent) : QObject(parent), m_machine(machine) {
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, &CPollLoop::CycleNow);
  m_subscriptions.Subscribe(this, machine.Model().MachineFinished);
}

void CPollLoop::SetInterval(unsigned long ms) {
  m_interval = std::clamp<unsigned long>(ms, kShortestInterval, std::numeric_limits<int>::max());
}

void CPollLoop::LoadInterval(CAppInfoBase& app) {
  CPersistable<unsigned long, 1> saved{"OperatePollInterval", 0, kDefaultInterval};
  saved.Load(app);
  SetInterval(saved.Get());
}

void CPollLoop::Start() {
  m_polling = true;
  CycleNow();
}

void CPollLoop::Stop() {
  m_polling = false;
  m_startPending = false;
  m_timer.stop();
}

void CPollLoop::CycleNow() {
  m_timer.stop();
  const CModelBase& model = m_machine.Model();
  m_startPending = !m_machine.IsIdle() || !model.ContactMachine->IsIdle();
  // Armed first: a cycle that fails at once sets the retry pause instead.
  if (m_polling) m_timer.start(static_cast<int>(m_interval));
  if (!m_startPending) StartCycle();
}

void CPollLoop::StartCycle() {
  CModelBase& model = m_machine.Model();
  if (m_reopensPort && !model.IsPortOpen()) {
    m_lastFailed = false;  // one contact per retry: its failure is that retry's
    m_startPending = m_contacting = true;
    model.ContactMachine->StartAtOpenPort();
    return;
  }
  // Set before the start: the cycle may end within it.
  m_cycleRunning = true;
  if (!m_machine.StartCycle()) m_cycleRunning = false;
}

void CPollLoop::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto* e = static_cast<const CModelEvent*>(event);
  if (e->Message == Msg::MachineFinished) OnMachineFinished(static_cast<ResultCode>(e->Param));
}

void CPollLoop::OnMachineFinished(ResultCode result) {
  // Other machines finish too; only the end of this loop's own work counts.
  const bool contactEnded = m_contacting && m_machine.Model().ContactMachine->IsIdle();
  const bool cycleEnded = m_cycleRunning && m_machine.IsIdle();
  if (contactEnded) m_contacting = false;
  if (cycleEnded) m_cycleRunning = false;
  if (cycleEnded || (contactEnded && result != Result::Success)) EndCycle(result);
  if (m_startPending) CycleNow();
}

void CPollLoop::EndCycle(ResultCode result) {
  m_lastFailed = result != Result::Success && result != Result::DevicePoweredOff;
  if (m_lastFailed && m_polling) {
    m_startPending = false;  // a start that came due meanwhile waits for the retry too
    m_timer.start(static_cast<int>(std::max<unsigned long>(m_interval, CTimeScale::RealMs(kRetryPause))));
  }
  emit CycleEnded(result, m_machine.Values());
}
