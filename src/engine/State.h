#pragma once
// A state of a machine of class T: it sends one command (or waits) and reacts
// to a complete reply or to its timer.

#include <QString>

#include "base/ResultCodes.h"

template <class T>
class CState {
 public:
  CState(T& owner, const char* name, CState<T>* next) : m_owner(owner), m_name(QString::fromLatin1(name)), m_next(next) {}
  virtual ~CState() = default;
  CState(const CState&) = delete;
  CState& operator=(const CState&) = delete;

  virtual void Next() {
    if (m_next != nullptr) m_owner.Go(*m_next);
  }
  virtual void ToFinal() { m_owner.Go(m_owner.Final()); }
  virtual void Finish(ResultCode code) {
    if (!IsNegative(m_owner.GetResult())) m_owner.SetResult(code);
    if (m_next != nullptr && m_owner.GetResult() == 0)
      m_owner.Go(*m_next);
    else
      ToFinal();
  }
  virtual void OnReply() {}
  virtual void Enter() = 0;
  virtual void Reset() {}
  virtual void OnTimeout() {}
  virtual void TraceSend(const QString&) {}
  virtual void Fail(ResultCode code) {
    m_owner.SetResult(code);
    ToFinal();
  }

  const QString& Name() const { return m_name; }
  CState<T>* NextState() const { return m_next; }
  void SetNextState(CState<T>* next) { m_next = next; }

 protected:
  T& Owner() const { return m_owner; }

 private:
  T& m_owner;
  QString m_name;
  CState<T>* m_next;
};

// The state a machine rests in when it is not running.
template <class T>
class CFinalState : public CState<T> {
 public:
  explicit CFinalState(T& owner) : CState<T>(owner, "Final", nullptr) {}
  void Enter() override { this->Owner().OnFinished(); }
};
