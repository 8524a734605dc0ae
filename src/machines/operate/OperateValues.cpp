#include "machines/operate/OperateValues.h"

#include "base/StringTable.h"

std::array<CEventSource*, 20> COperateValues::All() {
  return {&Antenna,  &Attenuator,     &Bypass,         &Mode,         &Band,        &Capacitor,     &Fault,
          &Frequency, &FrequencyAtu,  &FrequencyCount, &FrequencyXcvr, &Inductor,   &KeyInterrupt,  &PowerStatus,
          &Side,      &Swr,           &SwrBypass,      &TuneStatus,   &ForwardVoltage, &ReflectedVoltage};
}

void COperateValues::ShowAsleep() {
  Antenna.Set(1);
  Bypass.Set(u'B');
  Mode.Set(u'B');
  Capacitor.Set(0);
  Inductor.Set(0);
  // A zero reading, shown as such: only the tuner's own "0.00" (no carrier)
  // is blanked by the pages.
  Swr.Set(QStringLiteral("0.0"));
  SwrBypass.Set(QStringLiteral("0.0"));
  ForwardVoltage.Set(0);
  ReflectedVoltage.Set(0);
}

QString BandName(unsigned band) {
  static const char* const kNames[kBandCount] = {"160", "80", "60", "40", "30", "20", "17", "15", "12", "10", "6"};
  return band < kBandCount ? QString::fromLatin1(kNames[band]) : QString();
}

unsigned FaultTextId(unsigned fault) {
  switch (fault) {
    case 1: return Str::FaultNoMatch;
    case 2: return Str::FaultPowerAboveLimit;
    case 3: return Str::FaultPowerTooHighForTune;
    case 4: return Str::FaultSwrAboveKeyInterrupt;
    default: return Str::FaultNone;
  }
}

bool IsShownFault(unsigned fault) { return FaultTextId(fault) != Str::FaultNone; }
