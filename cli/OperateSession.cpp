#include "cli/OperateSession.h"

#include <QJsonArray>

#include "base/StringTable.h"
#include "cli/Printout.h"
#include "machines/RelayValues.h"
#include "machines/TunerModel.h"

namespace {
void AddRelays(CPrintout& out, const char* name, unsigned char relays, const RelayWeights& weights, const char* unit) {
  const QString hex = Format("0x%02x", static_cast<unsigned>(relays));
  const unsigned value = RelayValue(relays, weights);
  out.Add(name, Format("%s %u %s", hex, value, unit), QJsonObject{{"hex", hex}, {unit, static_cast<int>(value)}});
}

void AddValues(CPrintout& out, const COperateValues& v) {
  if (v.IsAsleep()) return out.Add("power", 0u);
  out.Add("mode", v.Mode.Get());
  out.Add("antenna", v.Antenna.Get());
  out.Add("side", v.Side.Get());
  out.Add("bypass", v.Bypass.Get());
  out.Add("attenuator", unsigned(v.Attenuator.Get()));
  out.Add("ampi", unsigned(v.KeyInterrupt.Get()));
  out.Add("power", unsigned(v.PowerStatus.Get()));
  out.Add("band", BandName(v.Band.Get()));
  AddRelays(out, "c", v.Capacitor.Get(), kCapacitorWeights, "pF");
  AddRelays(out, "l", v.Inductor.Get(), kInductorWeights, "nH");
  out.Add("frequency", v.Frequency.Get());
  if (GetModel().McuVersion.Get() >= OperateFeature::ExtraFrequencies) {
    const unsigned low = v.FrequencyAtu.Get(0), high = v.FrequencyAtu.Get(1);
    out.Add("frequency-atu", Format("%u-%u", low, high), QJsonArray{int(low), int(high)});
    out.Add("frequency-count", v.FrequencyCount.Get());
    out.Add("frequency-xcvr", v.FrequencyXcvr.Get());
  }
  out.Add("vfwd", v.ForwardVoltage.Get());
  out.Add("vrfl", v.ReflectedVoltage.Get());
  out.Add("swr", v.Swr.Get());
  out.Add("swr-bypass", v.SwrBypass.Get());
  const unsigned fault = v.Fault.Get();
  const QString faultText = LoadString(FaultTextId(fault));
  out.Add("fault", Format("%u %s", fault, faultText), QJsonObject{{"code", static_cast<int>(fault)}, {"text", faultText}});
}
}  // namespace

COperateSession::COperateSession(CCliContext& context)
    : m_context(context), m_machine(GetModel()), m_active(GetModel(), m_machine) {
  if (context.Options().trace) m_machine.SetStatusWindow(GetModel().NotifyWindow);
}

ResultCode COperateSession::Connect() {
  const ResultCode result = m_context.Contact();
  if (result != Result::Success) return result;
  return GetModel().FirmwareStatus.Get() == FirmwareStatusRunning ? Result::Success : Result::NotSupported;
}

ResultCode COperateSession::Cycle() {
  return m_context.RunUntilFinished([this] { m_machine.StartCycle(); }, m_context.Options().waitSeconds,
                                    Result::Timeout);
}

void COperateSession::Print() const {
  CPrintout out;
  AddValues(out, m_machine.Values());
  out.Print(m_context.Options().json);
}

void COperateSession::PrintJsonLine(const QString& time) const {
  CPrintout out;
  AddValues(out, m_machine.Values());
  out.AddJson(QStringLiteral("time"), time);
  out.Print(true);
}

int RunOperateRequest(CCliContext& context, bool COperateStateMachine::*request, unsigned short minVersion) {
  COperateSession session(context);
  ResultCode result = session.Connect();
  if (result == Result::Success && GetModel().McuVersion.Get() < minVersion) result = Result::NotSupported;
  if (result != Result::Success) return CCliContext::Fail(result);
  session.Machine().*request = true;
  result = session.Cycle();
  // Asleep, the cycle ends before the request is sent.
  if (result != Result::Success) return CCliContext::Fail(result);
  session.Print();
  return 0;
}
