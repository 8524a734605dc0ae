#include "cli/ConfigSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <utility>
#include <vector>

#include "base/Printout.h"
#include "machines/operate/OperateValues.h"
#include "machines/connection/TunerModel.h"

namespace {
bool Has(unsigned short feature) { return GetModel().McuVersion.Get() >= feature; }

QString OnOff(int flag) { return flag != 0 ? QStringLiteral("on") : QStringLiteral("off"); }
QString JsonFlag(int flag) { return flag != 0 ? QStringLiteral("true") : QStringLiteral("false"); }

// A threshold as the tuner gives it ("1.50"), a number in JSON too.
QString JsonNumber(const QString& text) {
  bool ok = false;
  text.toDouble(&ok);
  return ok ? text : QStringLiteral("null");
}

QString JsonText(const QString& text) {
  return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// A JSON object with its members in the order given, spaced as people write it.
QString JsonObject(const std::vector<std::pair<const char*, QString>>& members) {
  QStringList parts;
  for (const auto& [name, value] : members) parts << u'"' + QLatin1String(name) + QStringLiteral("\": ") + value;
  return u'{' + parts.join(QStringLiteral(", ")) + u'}';
}

QString JsonBand(const CConfigurationValues& v, unsigned b) {
  const QString antennas = u'[' + JsonFlag(v.AntennaEnable1.Get(b)) + QStringLiteral(", ") +
                           JsonFlag(v.AntennaEnable2.Get(b)) + QStringLiteral(", ") +
                           JsonFlag(v.AntennaEnable3.Get(b)) + u']';
  std::vector<std::pair<const char*, QString>> members = {
      {"band", JsonText(BandName(b))},
      {"antennas", antennas},
      {"preferred", QString::number(v.AntennaPreferred.Get(b))}};
  if (Has(ConfigFeature::AutoFineTune)) members.emplace_back("fine_tune", JsonFlag(v.AutoFineTune.Get(b)));
  members.emplace_back("swr_key", JsonNumber(v.SwrThresholdKeyInterrupt.Get(b)));
  members.emplace_back("swr_autotune", JsonNumber(v.SwrThresholdAutotune.Get(b)));
  members.emplace_back("swr_bypass", JsonNumber(v.SwrThresholdBypass.Get(b)));
  return JsonObject(members);
}

QString Json(const CConfigurationValues& v) {
  std::vector<std::pair<const char*, QString>> members;
  if (Has(ConfigFeature::KeyInterruptPower))
    members.emplace_back("key_interrupt_power", QString::number(v.KeyInterruptPower.Get()));
  if (Has(ConfigFeature::PowerStatusInitial)) members.emplace_back("initial_power", JsonFlag(v.PowerStatusInitial.Get()));
  if (Has(ConfigFeature::Sleep)) members.emplace_back("idle_sleep", JsonFlag(v.Sleep.Get()));
  QStringList bands;
  for (unsigned b = 0; b < kBandCount; ++b) bands << JsonBand(v, b);
  members.emplace_back("bands", u'[' + bands.join(QStringLiteral(", ")) + u']');
  return JsonObject(members);
}

// Each column as wide as its heading and two spaces more.
QString Row(const QStringList& headings, const QStringList& cells) {
  QString row;
  for (qsizetype i = 0; i + 1 < cells.size(); ++i) row += cells[i].leftJustified(headings[i].size() + 2);
  return row + cells.last() + u'\n';
}

QString Table(const CConfigurationValues& v) {
  QString text;
  if (Has(ConfigFeature::KeyInterruptPower))
    text += QStringLiteral("key interrupt power: %1 W\n").arg(v.KeyInterruptPower.Get());
  if (Has(ConfigFeature::PowerStatusInitial)) text += "initial power: " + OnOff(v.PowerStatusInitial.Get()) + u'\n';
  if (Has(ConfigFeature::Sleep)) text += "idle sleep: " + OnOff(v.Sleep.Get()) + u'\n';
  const bool fineTune = Has(ConfigFeature::AutoFineTune);
  QStringList headings{"band ", "ant1", "ant2", "ant3", "preferred", "swr key", "swr autotune", "swr bypass"};
  if (fineTune) headings.insert(5, QStringLiteral("fine tune"));
  text += Row(headings, headings);
  for (unsigned b = 0; b < kBandCount; ++b) {
    const unsigned preferred = v.AntennaPreferred.Get(b);
    QStringList cells{BandName(b), OnOff(v.AntennaEnable1.Get(b)), OnOff(v.AntennaEnable2.Get(b)),
                      OnOff(v.AntennaEnable3.Get(b)), preferred == 0 ? QStringLiteral("last") : QString::number(preferred),
                      v.SwrThresholdKeyInterrupt.Get(b), v.SwrThresholdAutotune.Get(b), v.SwrThresholdBypass.Get(b)};
    if (fineTune) cells.insert(5, OnOff(v.AutoFineTune.Get(b)));
    text += Row(headings, cells);
  }
  return text;
}
}  // namespace

CConfigSession::CConfigSession(CCliContext& context)
    : m_context(context), m_machine(GetModel()), m_active(GetModel(), m_machine) {
  if (context.Options().trace) m_machine.SetStatusWindow(GetModel().NotifyWindow);
}

ResultCode CConfigSession::Run(bool (CEditConfigurationStateMachine::*start)()) {
  return m_context.RunUntilFinished([this, start] { (m_machine.*start)(); }, m_context.Options().waitSeconds,
                                    Result::Timeout);
}

ResultCode CConfigSession::ContactAndRead() {
  const ResultCode result = m_context.Contact();
  return result != Result::Success ? result : Run(&CEditConfigurationStateMachine::StartRead);
}

ResultCode CConfigSession::Write() {
  const ResultCode result = Run(&CEditConfigurationStateMachine::StartWrite);
  if (result != Result::Success) return result;
  return Values().HasChangesToSend() ? Result::WriteFault : Result::Success;
}

void CConfigSession::Print() const {
  PrintOut(m_context.Options().json ? Json(m_machine.Values()) + u'\n' : Table(m_machine.Values()));
}
