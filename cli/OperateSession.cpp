#include "cli/OperateSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <vector>

#include "base/StringTable.h"
#include "machines/TunerModel.h"
#include "machines/RelayValues.h"

namespace {
struct Field {
  const char* name;
  QString text;
  QJsonValue json;
};

Field Letter(const char* name, QChar c) { return {name, QString(c), QString(c)}; }
Field Number(const char* name, unsigned n) { return {name, QString::number(n), static_cast<int>(n)}; }
Field Text(const char* name, const QString& s) { return {name, s, s}; }

Field Relays(const char* name, unsigned char relays, const RelayWeights& weights, const char* unit) {
  const QString hex = Format("0x%02x", static_cast<unsigned>(relays));
  const unsigned value = RelayValue(relays, weights);
  return {name, Format("%s %u %s", hex, value, unit), QJsonObject{{"hex", hex}, {unit, static_cast<int>(value)}}};
}

std::vector<Field> Fields(const COperateValues& v) {
  if (v.IsAsleep()) return {Number("power", 0)};
  std::vector<Field> fields = {
      Letter("mode", v.Mode.Get()),       Number("antenna", v.Antenna.Get()),
      Letter("side", v.Side.Get()),       Letter("bypass", v.Bypass.Get()),
      Number("attenuator", v.Attenuator.Get()), Number("ampi", v.KeyInterrupt.Get()),
      Number("power", v.PowerStatus.Get()), Text("band", BandName(v.Band.Get())),
      Relays("c", v.Capacitor.Get(), kCapacitorWeights, "pF"),
      Relays("l", v.Inductor.Get(), kInductorWeights, "nH"),
      Number("frequency", v.Frequency.Get())};
  if (GetModel().McuVersion.Get() >= OperateFeature::ExtraFrequencies) {
    const unsigned low = v.FrequencyAtu.Get(0), high = v.FrequencyAtu.Get(1);
    fields.push_back({"frequency-atu", Format("%u-%u", low, high), QJsonArray{int(low), int(high)}});
    fields.push_back(Number("frequency-count", v.FrequencyCount.Get()));
    fields.push_back(Number("frequency-xcvr", v.FrequencyXcvr.Get()));
  }
  const unsigned fault = v.Fault.Get();
  const QString faultText = LoadString(FaultTextId(fault));
  fields.insert(fields.end(), {Number("vfwd", v.ForwardVoltage.Get()), Number("vrfl", v.ReflectedVoltage.Get()),
                               Text("swr", v.Swr.Get()), Text("swr-bypass", v.SwrBypass.Get()),
                               {"fault", Format("%u %s", fault, faultText),
                                QJsonObject{{"code", static_cast<int>(fault)}, {"text", faultText}}}});
  return fields;
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
  const std::vector<Field> fields = Fields(m_machine.Values());
  QTextStream out(stdout);
  if (!m_context.Options().json) {
    for (const Field& f : fields) out << f.name << ": " << f.text << "\n";
    return;
  }
  QJsonObject object;
  for (const Field& f : fields) object.insert(QLatin1String(f.name), f.json);
  out << QJsonDocument(object).toJson(QJsonDocument::Compact) << "\n";
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
