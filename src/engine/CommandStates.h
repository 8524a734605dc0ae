#pragma once
// The reusable command states: wait, send and wait, send and take an optional
// reply, send and require a reply, and the same with retries.

#include <QString>

#include "engine/State.h"
#include "model/ModelBase.h"

// Waits for its delay, then goes on.
template <class T>
class CDelayState : public CState<T> {
 public:
  CDelayState(T& owner, const char* name, CState<T>* next, unsigned delay)
      : CState<T>(owner, name, next), m_delay(delay) {}
  void Enter() override { this->Owner().StartStateTimer(m_delay); }
  void OnTimeout() override { this->Next(); }
  unsigned Delay() const { return m_delay; }
  void SetDelay(unsigned ms) { m_delay = ms; }

 private:
  unsigned m_delay;
};

// Sends a command and goes on when its delay has passed.
template <class T>
class CCommandDelayState : public CDelayState<T> {
 public:
  CCommandDelayState(T& owner, const char* name, CState<T>* next, const QString& command, unsigned delay)
      : CDelayState<T>(owner, name, next, delay), m_command(command) {}

  void Enter() override {
    if (m_command.isEmpty())
      this->Next();
    else
      Send();
  }

  void TraceSend(const QString& command) override {
    this->Owner().Trace("%s send %s", this->Name(), command);
  }

  // The one way a command goes out.
  virtual void Send() {
    T& owner = this->Owner();
    if (IsFailure(owner.GetResult())) {
      this->ToFinal();  // cancelled or failed earlier: stop here
      return;
    }
    owner.ClearReply();
    owner.Current()->TraceSend(m_command);
    CModelBase& model = owner.Model();
    // Twice: a late reply to an earlier command may still be on its way in
    // during the first; only the second's outcome counts.
    model.PurgeReceive();
    if (!model.PurgeReceive() || !model.WriteText(m_command)) {
      owner.SetResult(GetLastError());
      this->ToFinal();
      return;
    }
    owner.StartStateTimer(this->Delay());
  }

  const QString& Command() const { return m_command; }
  void SetCommand(const QString& command) { m_command = command; }

 private:
  QString m_command;
};

// Sends a command and takes a reply if one comes in time; goes on either way.
template <class T>
class CCommandOptionalResponseState : public CCommandDelayState<T> {
 public:
  CCommandOptionalResponseState(T& owner, const char* name, CState<T>* next, const QString& command, unsigned timeout)
      : CCommandDelayState<T>(owner, name, next, command, timeout), m_template(command), m_prefix(PrefixOf(command)) {}

  void OnReply() override {
    if (!ParseReply()) return;  // not ours: keep waiting
    this->Owner().StopStateTimer();
    OnAccepted();
  }

  void Reset() override {
    this->Owner().SetTerminators(Terminators());
    this->SetCommand(m_template);
  }

  void OnTimeout() override { this->Next(); }

  virtual void OnAccepted() { OnSuccess(); }
  virtual QString Terminators() const { return QStringLiteral(";"); }
  virtual void OnSuccess() { this->Next(); }
  virtual bool ParseReply() { return true; }

  const QString& Prefix() const { return m_prefix; }
  const QString& CommandTemplate() const { return m_template; }

  // The reply prefix of a command: upper case, trailing ";" removed.
  static QString PrefixOf(const QString& command) {
    QString prefix = command.toUpper();
    while (prefix.endsWith(u';')) prefix.chop(1);
    return prefix;
  }

 private:
  QString m_template;
  QString m_prefix;
};

// Sends a command that must be answered; fails with its code otherwise.
template <class T>
class CCommandResponseState : public CCommandOptionalResponseState<T> {
 public:
  static constexpr unsigned kTimeout = 500;
  CCommandResponseState(T& owner, const char* name, CState<T>* next, ResultCode error, const QString& command)
      : CCommandOptionalResponseState<T>(owner, name, next, command, kTimeout), m_error(error) {}

  void OnTimeout() override { this->Fail(m_error); }
  ResultCode ErrorCode() const { return m_error; }

 private:
  ResultCode m_error;
};

// Counts the sends of a state that sends again on each time-out.
class CSendCounter {
 public:
  void Reset() { m_sends = 0; }
  // A time-out: true while the sends so far stay below the limit.
  bool MaySendAgain(unsigned limit) { return ++m_sends < limit; }

 private:
  unsigned m_sends = 0;
};

// As above, sending again on each time-out until the owner's retry limit.
template <class T>
class CCommandResponseRetryState : public CCommandResponseState<T> {
 public:
  using CCommandResponseState<T>::CCommandResponseState;

  void Reset() override {
    CCommandResponseState<T>::Reset();
    m_sends.Reset();
  }

  void OnTimeout() override {
    if (m_sends.MaySendAgain(this->Owner().RetryLimit()))
      this->Send();
    else
      this->Fail(this->ErrorCode());
  }

 private:
  CSendCounter m_sends;
};
