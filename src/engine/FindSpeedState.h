#pragma once
// The bit-rate search: ";" five times per speed, 100 ms apart, over 38400,
// 19200, 9600 and 4800 bit/s (or only the fixed speed) until a reply comes.

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "base/StringTable.h"
#include "engine/CommandStates.h"
#include "link/TunerCommands.h"

// The speeds of the search, fastest first.
inline constexpr std::uint32_t kSearchSpeeds[] = {38400, 19200, 9600, 4800};

// Where a search starts: the fixed speed, raised to the next search speed
// (a stored speed between them could never be set on the port, and a search
// waiting to return to it would never end); 38400 when automatic or above.
inline std::uint32_t SearchStartSpeed(unsigned long fixedSpeed) {
  std::uint32_t start = kSearchSpeeds[0];
  for (const std::uint32_t speed : kSearchSpeeds)
    if (fixedSpeed != 0 && speed >= fixedSpeed) start = speed;
  return start;
}

// The speed after an unanswered one: the next slower, and after the slowest
// (or from a speed outside the search, such as 57600) the fastest again.
inline std::uint32_t NextSearchSpeed(std::uint32_t speed) {
  const auto* it = std::find(std::begin(kSearchSpeeds), std::end(kSearchSpeeds), speed);
  return it == std::end(kSearchSpeeds) || it + 1 == std::end(kSearchSpeeds) ? kSearchSpeeds[0] : *(it + 1);
}

template <class T>
class CFindSpeedState : public CCommandResponseRetryState<T> {
 public:
  static constexpr unsigned kPollInterval = 100;
  static constexpr unsigned kPollsPerSpeed = 5;

  CFindSpeedState(T& owner, CState<T>* next, const char* name = "FindSpeed")
      : CCommandResponseRetryState<T>(owner, name, next, Result::NoResponseAfterReset, QString::fromLatin1(Tuner::Poll)) {}

  void Reset() override {
    CCommandResponseRetryState<T>::Reset();
    m_tries.Reset();
    CModelBase& model = this->Owner().Model();
    m_startSpeed = SearchStartSpeed(model.Run.fixedSpeed);
    model.SerialSpeed.Set(m_startSpeed);
    this->SetDelay(kPollInterval);
    LogAttempt(model.GetBitRate());
  }

  void OnTimeout() override {
    if (m_tries.MaySendAgain(kPollsPerSpeed)) {
      this->Send();
      return;
    }
    m_tries.Reset();
    CModelBase& model = this->Owner().Model();
    std::uint32_t speed = model.GetBitRate();
    if (model.Run.fixedSpeed == 0) {
      speed = NextSearchSpeed(speed);
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
    this->Owner().Log(Str::ConnectedTo, ModelName(), model.Run.port, model.GetBitRate());
    this->Next();
  }

  virtual void OnSearchExhausted() { this->Fail(this->ErrorCode()); }

 private:
  void LogAttempt(std::uint32_t speed) {
    this->Owner().Log(Str::AttemptingContact, ModelName(), this->Owner().Model().Run.port, speed);
  }

  CSendCounter m_tries;
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
