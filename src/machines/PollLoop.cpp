#include "machines/PollLoop.h"

#include <algorithm>
#include <limits>

#include "base/TimeScale.h"
#include "model/ModelBase.h"

CPollLoop::CPollLoop(COperateStateMachine& machine, QObject* parent) : QObject(parent), m_machine(machine) {
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, &CPollLoop::CycleNow);
  m_subscriptions.Subscribe(this, machine.Model().MachineFinished);
}

void CPollLoop::SetInterval(unsigned long ms) {
  m_interval = std::clamp<unsigned long>(ms, kShortestInterval, std::numeric_limits<int>::max());
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
  if (!m_startPending) m_cycleRunning = m_machine.StartCycle();
  if (m_polling) m_timer.start(static_cast<int>(m_interval));
}

void CPollLoop::customEvent(QEvent* event) {
  if (event->type() != CModelEvent::EventType()) return;
  const auto* e = static_cast<const CModelEvent*>(event);
  if (e->Message == Msg::MachineFinished) OnMachineFinished(static_cast<ResultCode>(e->Param));
}

void CPollLoop::OnMachineFinished(ResultCode result) {
  // The contact machine finishes too; only the end of this loop's cycle counts.
  if (m_cycleRunning && m_machine.IsIdle()) {
    m_cycleRunning = false;
    const bool failed = result != Result::Success && result != Result::DevicePoweredOff;
    if (failed && m_polling) {
      m_startPending = false;  // a start that came due meanwhile waits for the retry too
      m_timer.start(static_cast<int>(std::max<unsigned long>(m_interval, CTimeScale::RealMs(kRetryPause))));
    }
    emit CycleEnded(result, m_machine.Values());
  }
  if (m_startPending) CycleNow();
}
