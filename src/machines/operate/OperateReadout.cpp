#include "machines/operate/OperateReadout.h"

#include <QJsonArray>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/operate/RelayValues.h"
#include "machines/operate/SettingWords.h"

namespace {
void AddRelays(CPrintout& out, const char* name, unsigned char relays, const RelayWeights& weights, const char* unit) {
  const QString hex = Format("0x%02x", static_cast<unsigned>(relays));
  const unsigned value = RelayValue(relays, weights);
  out.Add(name, Format("%s %u %s", hex, value, unit), QJsonObject{{"hex", hex}, {QString::fromLatin1(unit).toLower(), static_cast<int>(value)}});
}

// The letter with its word for a person; the letter alone for a script.
void AddLetter(CPrintout& out, const char* name, QChar letter, std::span<const LetterWord> words) {
  out.Add(name, LetterWithWord(letter, words), QString(letter));
}
}  // namespace

void AddMemorizedValues(CPrintout& out, const COperateValues& v) {
  out.Add("band", BandName(v.Band.Get()));
  out.Add("antenna", v.Antenna.Get());
  AddRelays(out, "c", v.Capacitor.Get(), kCapacitorWeights, "pF");
  AddRelays(out, "l", v.Inductor.Get(), kInductorWeights, "nH");
}

void AddOperateValues(CPrintout& out, const COperateValues& v, unsigned short mcuVersion) {
  if (v.IsAsleep()) return out.Add("power", 0u);
  AddLetter(out, "mode", v.Mode.Get(), kModeWords);
  out.Add("antenna", v.Antenna.Get());
  AddLetter(out, "side", v.Side.Get(), kSideWords);
  AddLetter(out, "bypass", v.Bypass.Get(), kBypassWords);
  out.Add("attenuator", unsigned(v.Attenuator.Get()));
  out.Add("ampi", unsigned(v.KeyInterrupt.Get()));
  out.Add("power", unsigned(v.PowerStatus.Get()));
  out.Add("band", BandName(v.Band.Get()));
  AddRelays(out, "c", v.Capacitor.Get(), kCapacitorWeights, "pF");
  AddRelays(out, "l", v.Inductor.Get(), kInductorWeights, "nH");
  out.Add("frequency", v.Frequency.Get());
  if (mcuVersion >= OperateFeature::ExtraFrequencies) {
    const unsigned low = v.FrequencyAtu.Get(0), high = v.FrequencyAtu.Get(1);
    out.Add("frequency-atu", Format("%u-%u", low, high), QJsonArray{int(low), int(high)});
    out.Add("frequency-count", v.FrequencyCount.Get());
    out.Add("frequency-xcvr", v.FrequencyXcvr.Get());
  }
  out.Add("vfwd", v.ForwardVoltage.Get());
  out.Add("vrfl", v.ReflectedVoltage.Get());
  out.AddDecimal("swr", v.Swr.Get());
  out.AddDecimal("swr-bypass", v.SwrBypass.Get());
  const unsigned fault = v.Fault.Get();
  const QString faultText = LoadString(FaultTextId(fault));
  out.Add("fault", Format("%u %s", fault, faultText), QJsonObject{{"code", static_cast<int>(fault)}, {"text", faultText}});
}
