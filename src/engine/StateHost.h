#pragma once
// The host of a machine of class T: its current state and its final state.

#include "engine/State.h"
#include "engine/StateHostBase.h"
#include "model/ModelBase.h"
#include "model/StateMachine.h"

template <class T>
class CStateHost : public CStateHostBase, public IStateMachine {
 public:
  explicit CStateHost(CModelBase& model)
      : CStateHostBase(model), m_final(static_cast<T&>(*this)), m_current(&m_final) {}

  bool IsIdle() const override { return m_current == &m_final; }

  void OnCommEvent() override {
    if (!ReadReply() || !IsReplyComplete()) return;
    Trace("%s response %s %3u ms", m_current->Name(), EscapedReply(), TickCount() - SendTime());
    m_current->OnReply();
    ClearReply();
  }

  virtual void AdvanceProgress(unsigned) {}

  // Runs the machine from a state, without the busy check of a job's start.
  void Start(CState<T>& state) {
    BeginRun();
    m_cancelledIn.clear();
    Go(state);
  }

  // A job's own start refuses to disturb a running machine: the refusal is
  // the caller's last error, not the running run's result (which would end
  // that run as failed at its next step).
  bool StartIfIdle(CState<T>& state) {
    if (!IsIdle()) {
      SetLastError(Result::BusyStateMachine);
      return false;
    }
    Start(state);
    return true;
  }

  bool Cancel() override {
    if (IsIdle()) return false;
    if (GetResult() == 0) SetResult(Result::Cancelled);
    m_cancelledIn = m_current->Name();
    return true;
  }
  // The state the last cancel found running (its command had gone out);
  // empty when the run was not cancelled.
  const QString& CancelledIn() const { return m_cancelledIn; }

  // Makes a state current and enters it.
  void Go(CState<T>& state) {
    m_current = &state;
    state.Reset();
    state.Enter();
  }

  // Cancels and ends the run at once, for an owner that goes away.
  void Abandon() {
    if (!Cancel()) return;
    StopStateTimer();
    Go(m_final);
  }

  // Makes a state current again without its per-entry reset (a state that
  // carries on where it was interrupted).
  void Resume(CState<T>& state) { m_current = &state; }

  CState<T>& Final() { return m_final; }
  CState<T>* Current() const { return m_current; }

 protected:
  void TimerFired() override {
    StopStateTimer();
    const std::uint32_t elapsed = TickCount() - SendTime();
    if (elapsed != 0) Trace("%s elapsed %3u ms", m_current->Name(), elapsed);
    // The port went away while the state waited: what it waited for cannot
    // come, and no state may go on as if it had (an optional reply would).
    if (!Model().Channel->IsOpen())
      m_current->Fail(GetLastError());
    else
      m_current->OnTimeout();
  }

 private:
  CFinalState<T> m_final;
  CState<T>* m_current;
  QString m_cancelledIn;
};
