// zu6400ctl config: read and print the tuner's stored configuration.
// zu6400ctl config set [--band NAME|all] NAME=VALUE ...: read it, request the
// changes as the edit sheet does, write what differs and print the result.

#include <QRegularExpression>
#include <functional>
#include <optional>
#include <vector>

#include "base/TextFormat.h"
#include "cli/ConfigSession.h"
#include "cli/UsageText.h"
#include "machines/connection/TunerModel.h"

namespace {
// A change: written into the requested parts of the band's elements (or of
// every band), on firmware that has the setting.
using Change = std::function<void(CConfigurationValues&, unsigned band)>;

struct ConfigSetting {
  const char* name;
  const char* allowed;
  bool perBand;
  unsigned short minVersion;
  std::function<std::optional<Change>(const QString&)> parse;
};

std::optional<int> OnOff(const QString& text) {
  if (text == QLatin1String("on")) return 1;
  if (text == QLatin1String("off")) return 0;
  return std::nullopt;
}

// For each band a change covers: the one given, or all eleven.
void ForBands(unsigned band, const std::function<void(unsigned)>& apply) {
  for (unsigned b = 0; b < kBandCount; ++b)
    if (band == kAllBands || band == b) apply(b);
}

template <class Value, class V>
Change PerBand(Value CConfigurationValues::*member, V wanted) {
  return [=](CConfigurationValues& v, unsigned band) {
    ForBands(band, [&](unsigned b) { (v.*member).SetRequested(b, wanted); });
  };
}

template <class Value, class V>
Change Global(Value CConfigurationValues::*member, V wanted) {
  return [=](CConfigurationValues& v, unsigned) { (v.*member).SetRequested(wanted); };
}

template <class Value>
ConfigSetting FlagSetting(const char* name, bool perBand, unsigned short minVersion, Value CConfigurationValues::*member) {
  return {name, "on or off", perBand, minVersion, [=](const QString& text) -> std::optional<Change> {
            const std::optional<int> flag = OnOff(text);
            if (!flag) return std::nullopt;
            return perBand ? PerBand(member, *flag) : Global(member, *flag);
          }};
}

std::optional<Change> KeyPower(const QString& text) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
  if (!digits.match(text).hasMatch() || text.toUInt() > 0xFFFF) return std::nullopt;
  return Global(&CConfigurationValues::KeyInterruptPower, static_cast<unsigned short>(text.toUInt()));
}

std::optional<Change> Preferred(const QString& text) {
  const qsizetype choice = QStringList{"last", "1", "2", "3"}.indexOf(text);
  if (choice < 0) return std::nullopt;
  return PerBand(&CConfigurationValues::AntennaPreferred, static_cast<unsigned char>(choice));
}

// What the sheet's threshold edit lets a user type: up to three digits, or
// up to six characters with one ".".
ConfigSetting ThresholdSetting(const char* name, CConfigurationValues::PerBandText CConfigurationValues::*member) {
  return {name, "an SWR such as 1.50", true, 0, [=](const QString& text) -> std::optional<Change> {
            static const QRegularExpression swr(QStringLiteral("^([0-9]{1,3}|[0-9]*\\.[0-9]*)$"));
            if (!swr.match(text).hasMatch() || text.size() > 6 || text == QLatin1String(".")) return std::nullopt;
            return PerBand(member, NormalizeSwrThreshold(text));
          }};
}

const std::vector<ConfigSetting>& Settings() {
  using V = CConfigurationValues;
  static const std::vector<ConfigSetting> settings = {
      {"key-power", "0 to 65535 W", false, ConfigFeature::KeyInterruptPower, KeyPower},
      FlagSetting("initial-power", false, ConfigFeature::PowerStatusInitial, &V::PowerStatusInitial),
      FlagSetting("sleep", false, ConfigFeature::Sleep, &V::Sleep),
      FlagSetting("ant1", true, 0, &V::AntennaEnable1),
      FlagSetting("ant2", true, 0, &V::AntennaEnable2),
      FlagSetting("ant3", true, 0, &V::AntennaEnable3),
      {"preferred", "last, 1, 2 or 3", true, 0, Preferred},
      FlagSetting("fine-tune", true, ConfigFeature::AutoFineTune, &V::AutoFineTune),
      ThresholdSetting("swr-key", &V::SwrThresholdKeyInterrupt),
      ThresholdSetting("swr-autotune", &V::SwrThresholdAutotune),
      ThresholdSetting("swr-bypass", &V::SwrThresholdBypass),
  };
  return settings;
}

QString SettingNames() {
  QStringList names;
  for (const ConfigSetting& setting : Settings()) names << QLatin1String(setting.name);
  return names.join(QStringLiteral(", "));
}

struct Request {
  Change change;
  unsigned short minVersion;
};

// The change a NAME=VALUE argument makes; otherwise the problem, naming it.
std::optional<Request> ParseRequest(const QString& arg, bool bandGiven, QString& problem) {
  const qsizetype eq = arg.indexOf(u'=');
  const QString name = arg.left(eq).toLower();
  for (const ConfigSetting& setting : Settings()) {
    if (eq <= 0 || name != QLatin1String(setting.name)) continue;
    if (setting.perBand && !bandGiven) {
      problem = Format("%s: %s is set per band: add --band NAME or --band all", arg, name);
      return std::nullopt;
    }
    std::optional<Change> change = setting.parse(arg.mid(eq + 1));
    if (!change) problem = Format("%s: %s takes %s", arg, name, setting.allowed);
    return change ? std::optional<Request>({*change, setting.minVersion}) : std::nullopt;
  }
  problem = eq <= 0 ? arg + QStringLiteral(": expected NAME=VALUE")
                    : arg + QStringLiteral(": unknown setting (settings: ") + SettingNames() + u')';
  return std::nullopt;
}
}  // namespace

QString ConfigSettingUsages() {
  QString text;
  for (const ConfigSetting& setting : Settings())
    text += UsageLine(QLatin1String(setting.name), QLatin1String(setting.allowed) +
                                                       (setting.perBand ? QStringLiteral(", per band") : QString()));
  return text;
}

int RunConfig(CCliContext& context, const QStringList&) {
  CConfigSession session(context);
  const ResultCode result = session.ContactAndRead();
  if (result != Result::Success) return CCliContext::Fail(result);
  session.Print();
  return 0;
}

int RunConfigSet(CCliContext& context, const QStringList& args) {
  const std::optional<unsigned> band = context.Options().band;
  std::vector<Request> requests;
  for (const QString& arg : args) {
    QString problem;
    const std::optional<Request> request = ParseRequest(arg, band.has_value(), problem);
    if (!request) return UsageError(problem);
    requests.push_back(*request);
  }

  CConfigSession session(context);
  ResultCode result = session.ContactAndRead();
  for (const Request& r : requests)
    if (result == Result::Success && GetModel().McuVersion.Get() < r.minVersion) result = Result::NotSupported;
  if (result == Result::Cancelled)
    return CCliContext::Stopped(QStringLiteral("The tuner's stored configuration was not changed"));
  if (result != Result::Success) return CCliContext::Fail(result);
  for (const Request& r : requests) r.change(session.Values(), band.value_or(kAllBands));
  result = session.Write();
  if (result == Result::Cancelled)
    return CCliContext::Stopped(session.Values().HasChangesToSend()
                                    ? QStringLiteral("Some of the changes may have been written: "
                                                     "zu6400ctl config shows what the tuner holds")
                                    : QStringLiteral("Every change was written"));
  session.Print();
  return result == Result::Success ? 0 : CCliContext::Fail(result);
}
