#pragma once
// The bit-rate search: ";" five times per speed, 100 ms apart, over 38400,
// 19200, 9600 and 4800 bit/s (or only the fixed speed) until a reply comes.

#include <algorithm>

#include "engine/CommandStates.h"
#include "base/StringTable.h"
#include "link/TunerCommands.h"

template <class T>
class CFindSpeedState : public CCommandResponseRetryState<T> {
 public:
  static constexpr unsigned kPollInterval = 100;
  static constexpr unsigned kPollsPerSpeed = 5;

  CFindSpeedState(T& owner, CState<T>* next, const char* name = "FindSpeed")
      : CCommandResponseRetryState<T>(owner, name, next, Result::NoResponseAfterReset, QString::fromLatin1(Tuner::Poll)) {}

  void Reset() override {
    CCommandResponseRetryState<T>::Reset();
    m_tries = 0;
    CModelBase& model = this->Owner().Model();
    const unsigned long fixed = model.FixedSerialSpeed.Get();
    m_startSpeed = static_cast<std::uint32_t>((fixed + 4799) / 4800 * 4800);
    if (m_startSpeed == 0 || m_startSpeed > CSerialPort::kOpenSpeed) m_startSpeed = CSerialPort::kOpenSpeed;
    model.SerialSpeed.Set(m_startSpeed);
    this->SetDelay(kPollInterval);
    LogAttempt(model.GetBitRate());
  }

  void OnTimeout() override {
    if (++m_tries < kPollsPerSpeed) {
      this->Send();
      return;
    }
    m_tries = 0;
    CModelBase& model = this->Owner().Model();
    std::uint32_t speed = model.GetBitRate();
    if (model.FixedSerialSpeed.Get() == 0) {
      speed = (speed == 4800 || speed == 57600) ? CSerialPort::kOpenSpeed : speed / 2;
      model.SerialSpeed.Set(speed);
    }
    if (speed != m_startSpeed) {
      LogAttempt(speed);
      this->Send();
    } else {
      OnSearchExhausted();
    }
  }

  void OnSuccess() override {
    CModelBase& model = this->Owner().Model();
    this->Owner().Log(Str::ConnectedTo, QString::fromLatin1(kModelName), model.Port.Get(), model.GetBitRate());
    this->Next();
  }

  virtual void OnSearchExhausted() { this->Fail(this->ErrorCode()); }

 private:
  void LogAttempt(std::uint32_t speed) {
    this->Owner().Log(Str::AttemptingContact, QString::fromLatin1(kModelName), this->Owner().Model().Port.Get(), speed);
  }

  unsigned m_tries = 0;
  std::uint32_t m_startSpeed = CSerialPort::kOpenSpeed;
};

// The endless search: each unanswered pass polls 1.5 times more slowly, up to
// one poll in 5 s.
template <class T>
class CFindSpeedLoopState : public CFindSpeedState<T> {
 public:
  static constexpr unsigned kLongestPoll = 5000;

  CFindSpeedLoopState(T& owner, CState<T>* next) : CFindSpeedState<T>(owner, next, "FindSpeedLoop") {}

  void OnSearchExhausted() override {
    const unsigned remembered = this->Delay();
    this->Reset();
    this->SetDelay(std::min(kLongestPoll, remembered * 3 / 2));
    this->Send();
  }
};
