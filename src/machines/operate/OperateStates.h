#pragma once
// The states of the operate chain. Each query parses its reply into one of the
// machine's live values; each setting state is its query with the user's
// pending request written in front of it ("MDM;md;").

#include "base/TextFormat.h"
#include "engine/CommandStates.h"
#include "link/TunerCommands.h"
#include "machines/operate/OperateValues.h"

// A query of the chain, passed over on firmware older than its feature.
template <class T, class Base = CCommandResponseState<T>>
class COperateQueryState : public Base {
 public:
  COperateQueryState(T& owner, const char* name, CState<T>* next, ResultCode error, const char* command,
                     unsigned short minVersion = 0)
      : Base(owner, name, next, error, QString::fromLatin1(command)), m_minVersion(minVersion) {}

  void Reset() override {
    Base::Reset();
    if (this->Owner().Model().McuVersion.Get() < m_minVersion) this->SetCommand({});
  }

 protected:
  COperateValues& Values() const { return this->Owner().Values(); }

 private:
  unsigned short m_minVersion;
};

// A query that first writes the requested part of its value when it differs
// from the observed one, in one transmission with the query.
template <class T, template <class> class Get>
class CSettingState : public Get<T> {
 public:
  CSettingState(T& owner, CState<T>* next, const char* name) : Get<T>(owner, next, name) {}

  void Reset() override {
    Get<T>::Reset();
    const auto& value = this->Value();
    if (value.IsPending())
      this->SetCommand(Format(Get<T>::kSetFormat, this->Prefix(), Arg(value.GetRequested()), this->CommandTemplate()));
  }

 private:
  static char Arg(QChar c) { return c.toLatin1(); }
  static unsigned Arg(unsigned v) { return v; }
};

#define ZU_OPERATE_QUERY(Class, Name, Error, Command)                                            \
  Class(T& owner, CState<T>* next, const char* name = Name)                                     \
      : COperateQueryState<T>(owner, name, next, Error, Command) {}

template <class T>
class CGetPowerStatusState : public COperateQueryState<T> {
 public:
  ZU_OPERATE_QUERY(CGetPowerStatusState, "GetPowerStatus", Result::NoResponsePowerStatus, Tuner::PowerStatus)
  bool ParseReply() override { return this->Owner().ParseFlag(this->Prefix(), Value()); }
  CObservable<int, 1>& Value() const { return this->Values().PowerStatus; }
};

// Switching the power is sent alone ("PS1;"). Only the tuner's "PS" reply
// shows it done (a tuner that stays asleep keeps the request pending), and
// decides whether the cycle goes on.
template <class T>
class CSetPowerStatusState : public CGetPowerStatusState<T> {
 public:
  CSetPowerStatusState(T& owner, CState<T>* next) : CGetPowerStatusState<T>(owner, next, "SetPowerStatus") {}

  void Reset() override {
    CGetPowerStatusState<T>::Reset();
    const auto& power = this->Value();
    if (power.IsPending())
      this->SetCommand(Format("%s%01u;", this->Prefix(), static_cast<unsigned>(power.GetRequested())));
  }

  void OnSuccess() override {
    if (this->Value().Get() == 0)
      this->Finish(Result::DevicePoweredOff);  // asleep: nothing else to read
    else
      this->Next();
  }
};

template <class T>
class CGetAtuModeState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%c;%s";
  ZU_OPERATE_QUERY(CGetAtuModeState, "GetAtuMode", Result::NoResponseMode, Tuner::Mode)
  // Auto, manual, bypass, and a U that is shown as manual.
  bool ParseReply() override { return this->Owner().ParseLetter(this->Prefix(), "AMBU", Value()); }
  CObservable<QChar, 1>& Value() const { return this->Values().Mode; }
};
template <class T>
using CSetAtuModeState = CSettingState<T, CGetAtuModeState>;

template <class T>
class CGetAntennaState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%01u;%s";
  ZU_OPERATE_QUERY(CGetAntennaState, "GetAntenna", Result::NoResponseAntenna, Tuner::Antenna)
  bool ParseReply() override { return this->Owner().ParseNumberIn(this->Prefix(), 1, 3, Value()); }
  CObservable<unsigned char, 1>& Value() const { return this->Values().Antenna; }
};
template <class T>
using CSetAntennaState = CSettingState<T, CGetAntennaState>;

template <class T>
class CGetSideState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%c;%s";
  ZU_OPERATE_QUERY(CGetSideState, "GetSide", Result::NoResponseSide, Tuner::Side)
  bool ParseReply() override { return this->Owner().ParseLetter(this->Prefix(), "AT", Value()); }
  CObservable<QChar, 1>& Value() const { return this->Values().Side; }
};
template <class T>
using CSetSideState = CSettingState<T, CGetSideState>;

template <class T>
class CGetAttenuatorState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%01u;%s";
  ZU_OPERATE_QUERY(CGetAttenuatorState, "GetAttenuator", Result::NoResponseAttenuator, Tuner::Attenuator)
  bool ParseReply() override { return this->Owner().ParseFlag(this->Prefix(), Value()); }
  CObservable<int, 1>& Value() const { return this->Values().Attenuator; }
};
template <class T>
using CSetAttenuatorState = CSettingState<T, CGetAttenuatorState>;

template <class T>
class CGetAmplifierInterruptState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%01u;%s";
  ZU_OPERATE_QUERY(CGetAmplifierInterruptState, "GetAmplifierInterrupt", Result::NoResponseKeyInterrupt,
                   Tuner::KeyInterrupt)
  bool ParseReply() override { return this->Owner().ParseFlag(this->Prefix(), Value()); }
  CObservable<int, 1>& Value() const { return this->Values().KeyInterrupt; }
};
template <class T>
using CSetAmplifierInterruptState = CSettingState<T, CGetAmplifierInterruptState>;

template <class T>
class CGetAtuBypassState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%c;%s";
  ZU_OPERATE_QUERY(CGetAtuBypassState, "GetAtuBypass", Result::NoResponseBypass, Tuner::Bypass)
  bool ParseReply() override { return this->Owner().ParseLetter(this->Prefix(), "BN", Value()); }
  CObservable<QChar, 1>& Value() const { return this->Values().Bypass; }
};
template <class T>
using CSetAtuBypassState = CSettingState<T, CGetAtuBypassState>;

template <class T>
class CGetCapacitorState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%02x;%s";
  ZU_OPERATE_QUERY(CGetCapacitorState, "GetCapacitor", Result::NoResponseCapacitor, Tuner::Capacitor)
  bool ParseReply() override { return this->Owner().ParseHexByte(this->Prefix(), Value()); }
  CObservable<unsigned char, 1>& Value() const { return this->Values().Capacitor; }
};
template <class T>
using CSetCapacitorState = CSettingState<T, CGetCapacitorState>;

template <class T>
class CGetInductorState : public COperateQueryState<T> {
 public:
  static constexpr const char* kSetFormat = "%s%02x;%s";
  ZU_OPERATE_QUERY(CGetInductorState, "GetInductor", Result::NoResponseInductor, Tuner::Inductor)
  bool ParseReply() override { return this->Owner().ParseHexByte(this->Prefix(), Value()); }
  CObservable<unsigned char, 1>& Value() const { return this->Values().Inductor; }
};
template <class T>
using CSetInductorState = CSettingState<T, CGetInductorState>;

#undef ZU_OPERATE_QUERY

// The band is read with the retrying template into the machine's band value
// (T::BandValue()); only the eleven bands count ("BN11;" is refused).
template <class T>
class CGetBandNumberState : public COperateQueryState<T, CCommandResponseRetryState<T>> {
 public:
  CGetBandNumberState(T& owner, CState<T>* next)
      : COperateQueryState<T, CCommandResponseRetryState<T>>(owner, "GetBandNumber", next,
                                                             Result::NoResponseBandNumber, Tuner::BandNumber) {}
  bool ParseReply() override {
    return this->Owner().ParseNumberIn(this->Prefix(), 0, kBandCount - 1, this->Owner().BandValue());
  }
};

template <class T>
class CGetFaultState : public COperateQueryState<T> {
 public:
  CGetFaultState(T& owner, CState<T>* next)
      : COperateQueryState<T>(owner, "GetFault", next, Result::NoResponseFault, Tuner::Fault) {}
  bool ParseReply() override { return this->Owner().ParseNumber8(this->Prefix(), this->Values().Fault); }
};

// A query whose reply is stored as text.
template <class T>
class COperateTextState : public COperateQueryState<T> {
 public:
  COperateTextState(T& owner, const char* name, CState<T>* next, ResultCode error, const char* command,
                    CObservable<QString, 1>& value)
      : COperateQueryState<T>(owner, name, next, error, command), m_value(value) {}
  bool ParseReply() override { return this->Owner().ParseText(this->Prefix(), m_value); }

 private:
  CObservable<QString, 1>& m_value;
};

template <class T>
class CGetTuneState : public COperateTextState<T> {
 public:
  CGetTuneState(T& owner, CState<T>* next)
      : COperateTextState<T>(owner, "GetTune", next, Result::NoResponseTuneStatus, Tuner::TuneStatus,
                             owner.Values().TuneStatus) {}
};

template <class T>
class CGetSwrBypassState : public COperateTextState<T> {
 public:
  CGetSwrBypassState(T& owner, CState<T>* next)
      : COperateTextState<T>(owner, "GetSwrBypass", next, Result::NoResponseSwrBypass, Tuner::SwrBypass,
                             owner.Values().SwrBypass) {}
};

// "VSWRB..." also begins with VSWR: a late bypass reading is not the SWR.
template <class T>
class CGetSwrState : public COperateTextState<T> {
 public:
  CGetSwrState(T& owner, CState<T>* next)
      : COperateTextState<T>(owner, "GetSwr", next, Result::NoResponseSwr, Tuner::Swr, owner.Values().Swr) {}
  bool ParseReply() override {
    return !this->Owner().HasPrefix(QStringLiteral("VSWRB")) && COperateTextState<T>::ParseReply();
  }
};

// A query whose reply is one number of 0 to 65535.
template <class T>
class COperateNumberState : public COperateQueryState<T> {
 public:
  COperateNumberState(T& owner, const char* name, CState<T>* next, ResultCode error, const char* command,
                      CObservable<unsigned short, 1>& value, unsigned short minVersion = 0)
      : COperateQueryState<T>(owner, name, next, error, command, minVersion), m_value(value) {}
  bool ParseReply() override { return this->Owner().ParseNumber16(this->Prefix(), m_value); }

 private:
  CObservable<unsigned short, 1>& m_value;
};

template <class T>
class CGetFrequencyState : public COperateNumberState<T> {
 public:
  CGetFrequencyState(T& owner, CState<T>* next)
      : COperateNumberState<T>(owner, "GetFrequency", next, Result::NoResponseFrequency, Tuner::Frequency,
                               owner.Values().Frequency) {}
};

template <class T>
class CGetFrequencyCountState : public COperateNumberState<T> {
 public:
  CGetFrequencyCountState(T& owner, CState<T>* next)
      : COperateNumberState<T>(owner, "GetFrequencyCount", next, Result::NoResponseFrequency, Tuner::FrequencyC,
                               owner.Values().FrequencyCount, OperateFeature::ExtraFrequencies) {}
};

template <class T>
class CGetFrequencyXcvrState : public COperateNumberState<T> {
 public:
  CGetFrequencyXcvrState(T& owner, CState<T>* next)
      : COperateNumberState<T>(owner, "GetFrequencyXcvr", next, Result::NoResponseFrequency, Tuner::FrequencyX,
                               owner.Values().FrequencyXcvr, OperateFeature::ExtraFrequencies) {}
};

template <class T>
class CGetVfwdState : public COperateNumberState<T> {
 public:
  CGetVfwdState(T& owner, CState<T>* next)
      : COperateNumberState<T>(owner, "GetVfwd", next, Result::NoResponseForwardVoltage, Tuner::ForwardVoltage,
                               owner.Values().ForwardVoltage) {}
};

template <class T>
class CGetVrflState : public COperateNumberState<T> {
 public:
  CGetVrflState(T& owner, CState<T>* next)
      : COperateNumberState<T>(owner, "GetVrfl", next, Result::NoResponseReflectedVoltage, Tuner::ReflectedVoltage,
                               owner.Values().ReflectedVoltage) {}
};

template <class T>
class CGetFrequencyAtuState : public COperateQueryState<T> {
 public:
  CGetFrequencyAtuState(T& owner, CState<T>* next)
      : COperateQueryState<T>(owner, "GetFrequencyAtu", next, Result::NoResponseFrequency, Tuner::FrequencyY,
                              OperateFeature::ExtraFrequencies) {}
  bool ParseReply() override { return this->Owner().ParseRange16(this->Prefix(), this->Values().FrequencyAtu); }
};

// Sends its command once per request and goes on after a short delay; the
// tuner does not answer it.
template <class T>
class CRequestedCommandState : public CCommandDelayState<T> {
 public:
  static constexpr unsigned kDelay = 10;
  CRequestedCommandState(T& owner, const char* name, CState<T>* next, const char* command, bool& requested)
      : CCommandDelayState<T>(owner, name, next, QString::fromLatin1(command), kDelay),
        m_template(QString::fromLatin1(command)),
        m_requested(requested) {}

  void Reset() override {
    this->SetCommand(m_requested ? m_template : QString());
    m_requested = false;
  }

 private:
  QString m_template;
  bool& m_requested;
};

template <class T>
class CMemorizeState : public CRequestedCommandState<T> {
 public:
  CMemorizeState(T& owner, CState<T>* next)
      : CRequestedCommandState<T>(owner, "Memorize", next, Tuner::Memorize, owner.MemorizeRequested) {}
};

template <class T>
class CTuneStartState : public CRequestedCommandState<T> {
 public:
  CTuneStartState(T& owner, CState<T>* next)
      : CRequestedCommandState<T>(owner, "TuneStart", next, Tuner::Tune, owner.TuneRequested) {}
};
