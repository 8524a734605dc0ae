#pragma once
// The tuner's live state as the operate machine reads it: each value has an
// observed part (the tuner's last report) and a requested part (the user's wish).

#include <QChar>
#include <array>
#include <QString>

#include "model/Observable.h"

// The observer message of each live value; the element index is the event's Param.
namespace OperateMsg {
constexpr unsigned Antenna = 33021;
constexpr unsigned Attenuator = 33023;
constexpr unsigned Bypass = 33028;
constexpr unsigned Mode = 33029;
constexpr unsigned Band = 33032;
constexpr unsigned Capacitor = 33038;
constexpr unsigned Fault = 33041;
constexpr unsigned Frequency = 33042;
constexpr unsigned FrequencyAtu = 33043;
constexpr unsigned FrequencyCount = 33044;
constexpr unsigned FrequencyXcvr = 33045;
constexpr unsigned Inductor = 33048;
constexpr unsigned KeyInterrupt = 33049;
constexpr unsigned PowerStatus = 33059;
constexpr unsigned Side = 33061;
constexpr unsigned Swr = 33063;
constexpr unsigned SwrBypass = 33068;
constexpr unsigned TuneStatus = 33069;
constexpr unsigned ForwardVoltage = 33070;
constexpr unsigned ReflectedVoltage = 33071;
}  // namespace OperateMsg

struct COperateValues {
  CObservable<unsigned char, 1> Antenna{OperateMsg::Antenna};
  CObservable<int, 1> Attenuator{OperateMsg::Attenuator};
  CObservable<QChar, 1> Bypass{OperateMsg::Bypass};
  CObservable<QChar, 1> Mode{OperateMsg::Mode, u'B'};
  CObservable<unsigned char, 1> Band{OperateMsg::Band};
  CObservable<unsigned char, 1> Capacitor{OperateMsg::Capacitor};
  CObservable<unsigned char, 1> Fault{OperateMsg::Fault};
  CObservable<unsigned short, 1> Frequency{OperateMsg::Frequency};
  CObservable<unsigned short, 2> FrequencyAtu{OperateMsg::FrequencyAtu};
  CObservable<unsigned short, 1> FrequencyCount{OperateMsg::FrequencyCount};
  CObservable<unsigned short, 1> FrequencyXcvr{OperateMsg::FrequencyXcvr};
  CObservable<unsigned char, 1> Inductor{OperateMsg::Inductor};
  CObservable<int, 1> KeyInterrupt{OperateMsg::KeyInterrupt};
  CObservable<int, 1> PowerStatus{OperateMsg::PowerStatus};
  CObservable<QChar, 1> Side{OperateMsg::Side, u'A'};
  CObservable<QString, 1> Swr{OperateMsg::Swr};
  CObservable<QString, 1> SwrBypass{OperateMsg::SwrBypass};
  CObservable<QString, 1> TuneStatus{OperateMsg::TuneStatus};
  CObservable<unsigned short, 1> ForwardVoltage{OperateMsg::ForwardVoltage};
  CObservable<unsigned short, 1> ReflectedVoltage{OperateMsg::ReflectedVoltage};

  // Every value, for observers that follow them all.
  std::array<CEventSource*, 20> All();

  // A sleeping tuner (power status 0) has no relays in and nothing to measure.
  bool IsAsleep() const { return PowerStatus.Get() == 0; }
  // Writes what a sleeping tuner shows into its readings, both parts.
  void ShowAsleep();
};

// Firmware versions (times 100) from which the tuner has a feature.
namespace OperateFeature {
constexpr unsigned short Memorize = 94;
constexpr unsigned short PowerSwitch = 119;
constexpr unsigned short ExtraFrequencies = 197;
}  // namespace OperateFeature

constexpr unsigned kBandCount = 11;
// "160" ... "6" for bands 0 to 10; empty for any other number.
QString BandName(unsigned band);

// The string-table id of a fault code's text ("No fault" for codes without one).
unsigned FaultTextId(unsigned fault);
// Whether a fault code is one the tuner shows as a fault.
bool IsShownFault(unsigned fault);
