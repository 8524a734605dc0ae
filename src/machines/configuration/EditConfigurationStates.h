#pragma once
// The states of the edit-configuration chains. Each asks the tuner for one
// value (of the current band, for per-band values); its set variant sends the
// value's change in front of the query, and nothing at all when there is none.
// Firmware older than a setting is never asked for it.

#include <type_traits>

#include "base/TextFormat.h"
#include "engine/CommandStates.h"
#include "link/TunerCommands.h"
#include "machines/configuration/ConfigurationValues.h"

// How a state's query is built: "akip;", "ap03;" or "st03a;".
struct ConfigQuery {
  const char* name;
  bool perBand;
  char parameter;  // antenna digit or threshold kind; 0 for none

  QString For(unsigned band) const {
    const QString n = QLatin1String(name);
    if (!perBand) return n + u';';
    if (parameter == 0) return Format(Tuner::BandValueFormat, n, band);
    return Format("%s%02u%c;", n, band, parameter);
  }
};

template <class T>
class CConfigurationState : public CCommandResponseRetryState<T> {
  using Base = CCommandResponseRetryState<T>;

 public:
  CConfigurationState(T& owner, const char* name, CState<T>* next, ResultCode error, ConfigQuery query,
                      unsigned short minVersion, bool writes)
      : Base(owner, name, next, error, QString()), m_query(query), m_minVersion(minVersion), m_writes(writes) {}

  void Reset() override {
    Base::Reset();
    const QString query = m_query.For(this->Owner().LoopCounter());
    m_prefix = Base::PrefixOf(query);
    if (this->Owner().Model().McuVersion.Get() < m_minVersion) return;  // passed over
    this->SetCommand(m_writes ? Change(m_prefix, query) : query);
  }

  bool ParseReply() override { return Parse(m_prefix, Element()); }

 protected:
  // The set command with the query behind it, or nothing when unchanged.
  virtual QString Change(const QString& prefix, const QString& query) const = 0;
  virtual bool Parse(const QString& prefix, std::size_t element) = 0;
  std::size_t Element() const { return m_query.perBand ? this->Owner().LoopCounter() : 0; }

 private:
  ConfigQuery m_query;
  unsigned short m_minVersion;
  bool m_writes;
  QString m_prefix;
};

// A number: one digit up to 1 (flags) or 3 (preferred antenna), or a
// decimal number up to 65535 (key interrupt power).
template <class T, class Value>
class CConfigurationNumberState : public CConfigurationState<T> {
 public:
  CConfigurationNumberState(T& owner, const char* name, CState<T>* next, ResultCode error, ConfigQuery query,
                            unsigned short minVersion, bool writes, Value& value, unsigned max)
      : CConfigurationState<T>(owner, name, next, error, query, minVersion, writes), m_value(value), m_max(max) {}

 protected:
  QString Change(const QString& prefix, const QString& query) const override {
    const std::size_t i = this->Element();
    return SettingCommand(prefix, m_value.Get(i), m_value.GetRequested(i), query);
  }

  bool Parse(const QString& prefix, std::size_t element) override {
    unsigned v = 0;
    if (!Scan(prefix, v)) return false;
    m_value.Set(element, static_cast<std::remove_cvref_t<decltype(m_value.Get())>>(v));
    return true;
  }

 private:
  bool Scan(const QString& prefix, unsigned& v) const {
    if (m_max > 9) return this->Owner().ScanNumber(prefix, m_max, v);
    QChar c;
    if (!this->Owner().ScanChar(prefix, c) || c < u'0' || c.unicode() > u'0' + m_max) return false;
    v = c.unicode() - u'0';
    return true;
  }

  Value& m_value;
  unsigned m_max;
};

// A threshold: the tuner's text, written only when the change shows at its
// resolution.
template <class T>
class CConfigurationThresholdState : public CConfigurationState<T> {
 public:
  CConfigurationThresholdState(T& owner, const char* name, CState<T>* next, char kind, bool writes,
                               CConfigurationValues::PerBandText& value)
      : CConfigurationState<T>(owner, name, next, Result::NoResponseSwrThreshold, {"st", true, kind}, 0, writes),
        m_value(value) {}

 protected:
  QString Change(const QString& prefix, const QString& query) const override {
    const std::size_t i = this->Element();
    return SwrThresholdCommand(prefix, m_value.Get(i), m_value.GetRequested(i), query);
  }
  bool Parse(const QString& prefix, std::size_t element) override {
    return this->Owner().ParseText(prefix, m_value, element);
  }

 private:
  CConfigurationValues::PerBandText& m_value;
};

template <class T>
class CGetAmplifierKeyInterruptPowerState
    : public CConfigurationNumberState<T, CObservable<unsigned short, 1>> {
 public:
  CGetAmplifierKeyInterruptPowerState(T& owner, CState<T>* next, const char* name = "GetAmplifierKeyInterruptPower",
                                      bool writes = false)
      : CConfigurationNumberState<T, CObservable<unsigned short, 1>>(
            owner, name, next, Result::NoResponseKeyInterruptPower, {"akip", false, 0},
            ConfigFeature::KeyInterruptPower, writes, owner.Values().KeyInterruptPower, 0xFFFF) {}
};

template <class T>
class CGetPowerStatusInitialState : public CConfigurationNumberState<T, CObservable<int, 1>> {
 public:
  CGetPowerStatusInitialState(T& owner, CState<T>* next, const char* name = "GetPowerStatusInitial",
                              bool writes = false)
      : CConfigurationNumberState<T, CObservable<int, 1>>(owner, name, next, Result::NoResponsePowerStatusInitial,
                                                          {"psi", false, 0}, ConfigFeature::PowerStatusInitial, writes,
                                                          owner.Values().PowerStatusInitial, 1) {}
};

template <class T>
class CGetSleepState : public CConfigurationNumberState<T, CObservable<int, 1>> {
 public:
  CGetSleepState(T& owner, CState<T>* next, const char* name = "GetSleep", bool writes = false)
      : CConfigurationNumberState<T, CObservable<int, 1>>(owner, name, next, Result::NoResponseSleep,
                                                          {"sl", false, 0}, ConfigFeature::Sleep, writes,
                                                          owner.Values().Sleep, 1) {}
};

template <class T>
class CGetAntennaEnableState : public CConfigurationNumberState<T, CConfigurationValues::PerBandFlag> {
 public:
  CGetAntennaEnableState(T& owner, CState<T>* next, unsigned antenna, const char* name = "GetAntennaEnable",
                         bool writes = false)
      : CConfigurationNumberState<T, CConfigurationValues::PerBandFlag>(
            owner, name, next, Result::NoResponseAntennaEnable, {"ae", true, static_cast<char>('0' + antenna)}, 0,
            writes, owner.Values().AntennaEnable(antenna), 1) {}
};

template <class T>
class CGetAntennaPreferredState
    : public CConfigurationNumberState<T, CObservable<unsigned char, kBandCount>> {
 public:
  CGetAntennaPreferredState(T& owner, CState<T>* next, const char* name = "GetAntennaPrefered", bool writes = false)
      : CConfigurationNumberState<T, CObservable<unsigned char, kBandCount>>(
            owner, name, next, Result::NoResponseAntennaPreferred, {"ap", true, 0}, 0, writes,
            owner.Values().AntennaPreferred, 3) {}
};

template <class T>
class CGetAutoFineTuneState : public CConfigurationNumberState<T, CConfigurationValues::PerBandFlag> {
 public:
  CGetAutoFineTuneState(T& owner, CState<T>* next, const char* name = "GetAutoFineTune", bool writes = false)
      : CConfigurationNumberState<T, CConfigurationValues::PerBandFlag>(
            owner, name, next, Result::NoResponseAutoFineTune, {"aft", true, 0}, ConfigFeature::AutoFineTune, writes,
            owner.Values().AutoFineTune, 1) {}
};

// Kinds 'k' (amplifier key interrupt), 'a' (autotune) and 'b' (bypass).
template <class T>
class CGetSwrThresholdState : public CConfigurationThresholdState<T> {
 public:
  CGetSwrThresholdState(T& owner, CState<T>* next, char kind, const char* name = "GetSwrThreshold",
                        bool writes = false)
      : CConfigurationThresholdState<T>(owner, name, next, kind, writes, owner.Values().SwrThreshold(kind)) {}
};

// Each set state is its get state sending the change in front of the query.
#define ZU_CONFIG_SETTING(Set, Get, Name)                                           \
  template <class T>                                                                \
  class Set : public Get<T> {                                                       \
   public:                                                                          \
    template <class... P>                                                           \
    Set(T& owner, CState<T>* next, P... parameter) : Get<T>(owner, next, parameter..., Name, true) {} \
  };

ZU_CONFIG_SETTING(CSetAmplifierKeyInterruptPowerState, CGetAmplifierKeyInterruptPowerState,
                  "SetAmplifierKeyInterruptPower")
ZU_CONFIG_SETTING(CSetPowerStatusInitialState, CGetPowerStatusInitialState, "SetPowerStatusInitial")
ZU_CONFIG_SETTING(CSetSleepState, CGetSleepState, "SetSleep")
ZU_CONFIG_SETTING(CSetAntennaEnableState, CGetAntennaEnableState, "SetAntennaEnable")
ZU_CONFIG_SETTING(CSetAntennaPreferredState, CGetAntennaPreferredState, "SetAntennaPreferred")
ZU_CONFIG_SETTING(CSetAutoFineTuneState, CGetAutoFineTuneState, "SetAutoFineTune")
ZU_CONFIG_SETTING(CSetSwrThresholdState, CGetSwrThresholdState, "SetSwrThreshold")

#undef ZU_CONFIG_SETTING
