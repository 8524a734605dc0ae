#pragma once
// Connects the program to the tuner: opens the port, finds the bit rate,
// checks that the device is a ZU6400, reads its firmware version and serial
// number, and publishes the outcome in the model.

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "engine/StateHost.h"

// Opens the model's port, then goes on to the search.
template <class T>
class COpenPortState : public CState<T> {
 public:
  COpenPortState(T& owner, CState<T>* next) : CState<T>(owner, "OpenPort", next) {}

  void Enter() override {
    CModelBase& model = this->Owner().Model();
    if (model.IsPortOpen()) {
      this->Next();
      return;
    }
    const QString name = model.Run.port;
    if (name.isEmpty()) {
      this->Finish(Result::SerialPortNameMissing);
      return;
    }
    this->Owner().Log(Str::OpeningSerialPort, name);
    const ResultCode code = model.OpenPort(name);
    if (code != Result::Success) {
      model.PortState.Set(-1);
      this->Owner().LogLine(model.Channel->FailureText(code));
    } else {
      model.PortState.Set(0);
      this->Owner().Log(Str::SerialPortOpen, name);
      model.SerialSpeed.Set(CSerialPort::kOpenSpeed);
    }
    this->Finish(code);
  }
};

// Identification that sends "I;" again on each time-out, up to the retry limit.
template <class T>
class CIdentifyZU6400State : public CIdentifyState<T> {
 public:
  CIdentifyZU6400State(T& owner, CState<T>* next) : CIdentifyState<T>(owner, next, "IdentifyZU6400") {}

  void Reset() override {
    CIdentifyState<T>::Reset();
    m_sends.Reset();
  }

  void OnTimeout() override {
    if (m_sends.MaySendAgain(this->Owner().RetryLimit())) {
      this->Send();
      return;
    }
    this->NoDevice();
    this->Next();
  }

 private:
  CSendCounter m_sends;
};

template <class T>
class CGetMcuVersionState : public CCommandResponseRetryState<T> {
 public:
  CGetMcuVersionState(T& owner, CState<T>* next)
      : CCommandResponseRetryState<T>(owner, "GetMcuVersion", next, Result::NoResponseFirmwareVersion,
                                      QString::fromLatin1(Tuner::McuVersion)) {}
  bool ParseReply() override { return this->Owner().ParseVersion(this->Prefix()); }
  void OnSuccess() override {
    this->Owner().SetStatusValue(FirmwareStatusRunning);
    this->Next();
  }
};

template <class T>
class CGetSerialNumberState : public CCommandResponseState<T> {
 public:
  CGetSerialNumberState(T& owner, CState<T>* next)
      : CCommandResponseState<T>(owner, "GetSerialNumber", next, Result::NoResponseSerialNumber,
                                 QString::fromLatin1(Tuner::SerialNumber)) {}
  bool ParseReply() override { return this->Owner().ParseNumber16(this->Prefix(), this->Owner().Model().SerialNumber); }
};

class CContactStateMachine : public CStateHost<CContactStateMachine>, public IContactMachine {
 public:
  explicit CContactStateMachine(CModelBase& model);

  void StartAtOpenPort() override { Start(m_openPort); }
  void StartAtFindSpeed() override { Start(m_findSpeed); }
  void OnFinished() override;

  bool IsIdle() const override { return CStateHost::IsIdle(); }
  void OnCommEvent() override { CStateHost::OnCommEvent(); }
  bool Cancel() override { return CStateHost::Cancel(); }
  void Abandon() override { CStateHost::Abandon(); }

 private:
  CFindSpeedState<CContactStateMachine> m_findSpeed;
  COpenPortState<CContactStateMachine> m_openPort;
  CFindSpeedLoopState<CContactStateMachine> m_findSpeedLoop;
  CIdentifyZU6400State<CContactStateMachine> m_identify;
  CGetMcuVersionState<CContactStateMachine> m_getMcuVersion;
  CGetSerialNumberState<CContactStateMachine> m_getSerialNumber;
};
