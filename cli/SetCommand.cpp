// zu6400ctl set NAME=VALUE ...: request changes, then poll until the tuner
// reports them or a few cycles have passed.

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "base/ResultCodes.h"
#include "base/TextFormat.h"
#include "cli/OperateSession.h"
#include "cli/SettingWords.h"
#include "cli/UsageText.h"
#include "machines/RelayValues.h"
#include "machines/TunerModel.h"

namespace {
constexpr int kCycleLimit = 5;

// One requested change: how to ask for it and how to see that it was done.
struct Wish {
  std::function<void(COperateValues&)> request;
  std::function<bool(const COperateValues&)> reported;
  unsigned short minVersion = 0;
};

template <class V, class X>
Wish WishFor(V COperateValues::*member, X wanted, unsigned short minVersion = 0) {
  return {[=](COperateValues& v) { (v.*member).SetRequested(wanted); },
          [=](const COperateValues& v) { return (v.*member).Get() == wanted; }, minVersion};
}

std::optional<QChar> Letter(const QString& text, std::span<const LetterWord> words) {
  const QChar letter = LetterFor(text, words);
  return letter.isNull() ? std::nullopt : std::optional(letter);
}

// Digits of the base and nothing else (toUInt would also take a sign and
// spaces around them).
std::optional<unsigned> Digits(const QString& text, int base) {
  for (const QChar c : text)
    if (HexDigitValue(c) < 0 || HexDigitValue(c) >= base) return std::nullopt;
  bool ok = false;
  const unsigned n = text.toUInt(&ok, base);
  return ok ? std::optional(n) : std::nullopt;
}

std::optional<int> Number(const QString& text, int low, int high) {
  const std::optional<unsigned> n = Digits(text, 10);
  return n && *n >= unsigned(low) && *n <= unsigned(high) ? std::optional(int(*n)) : std::nullopt;
}

// What all the relays of a kind make together.
unsigned Largest(const RelayWeights& weights) { return RelayValue(0xFF, weights); }

// A relay byte as "0xHH", or a value in pF or nH made greedily; a value
// above what the relays make is refused rather than cut short.
std::optional<unsigned char> Relays(const QString& text, const RelayWeights& weights) {
  if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    const std::optional<unsigned> byte = Digits(text.mid(2), 16);
    return byte && text.size() == 4 ? std::optional<unsigned char>(*byte) : std::nullopt;
  }
  const std::optional<unsigned> value = Digits(text, 10);
  return value && *value <= Largest(weights) ? std::optional<unsigned char>(RelayByte(*value, weights)) : std::nullopt;
}

template <class X, class Make>
std::optional<Wish> Then(const std::optional<X>& parsed, Make make) {
  return parsed ? std::optional<Wish>(make(*parsed)) : std::nullopt;
}

// A name set takes, the values it allows as a usage error words them, and
// the wish a value makes.
struct Setting {
  const char* name;
  QString allowed;
  std::function<std::optional<Wish>(const QString&)> parse;
};

// "A, M or B (auto, manual or bypass)".
QString Choices(std::span<const LetterWord> words) {
  QStringList letters, names;
  for (const LetterWord& w : words) {
    letters << QString(QLatin1Char(w.letter));
    names << QLatin1String(w.word);
  }
  return ListWithOr(letters) + QStringLiteral(" (") + ListWithOr(names) + u')';
}

template <class T>
Setting LetterSetting(const char* name, std::span<const LetterWord> words, CObservable<T, 1> COperateValues::*member) {
  return {name, Choices(words), [=](const QString& text) {
            return Then(Letter(text, words), [=](QChar c) { return WishFor(member, c); });
          }};
}

template <class T>
Setting SwitchSetting(const char* name, CObservable<T, 1> COperateValues::*member, unsigned short minVersion = 0) {
  return {name, QStringLiteral("1 or 0 (on or off)"), [=](const QString& text) {
            return Then(Letter(text, kSwitchWords), [=](QChar c) {
              return WishFor(member, static_cast<T>(c.digitValue()), minVersion);
            });
          }};
}

template <class T>
Setting NumberSetting(const char* name, int low, int high, CObservable<T, 1> COperateValues::*member) {
  return {name, Format("%d to %d", low, high), [=](const QString& text) {
            return Then(Number(text, low, high), [=](int n) { return WishFor(member, static_cast<T>(n)); });
          }};
}

Setting RelaySetting(const char* name, const RelayWeights& weights, const char* unit,
                     CObservable<unsigned char, 1> COperateValues::*member) {
  return {name, Format("0 to %u %s or a relay byte 0x00 to 0xff", Largest(weights), unit),
          [=, &weights](const QString& text) {
            return Then(Relays(text, weights), [=](unsigned char b) { return WishFor(member, b); });
          }};
}

const std::vector<Setting>& Settings() {
  using V = COperateValues;
  static const std::vector<Setting> settings = {
      LetterSetting("mode", kModeWords, &V::Mode),
      NumberSetting("antenna", 1, 3, &V::Antenna),
      LetterSetting("side", kSideWords, &V::Side),
      LetterSetting("bypass", kBypassWords, &V::Bypass),
      SwitchSetting("attenuator", &V::Attenuator),
      SwitchSetting("ampi", &V::KeyInterrupt),
      SwitchSetting("power", &V::PowerStatus, OperateFeature::PowerSwitch),
      RelaySetting("c", kCapacitorWeights, "pF", &V::Capacitor),
      RelaySetting("l", kInductorWeights, "nH", &V::Inductor),
  };
  return settings;
}

}  // namespace

QString SettingUsages() {
  QString text;
  for (const Setting& setting : Settings()) text += UsageLine(QLatin1String(setting.name), setting.allowed);
  return text;
}

namespace {
QString SettingNames() {
  QStringList names;
  for (const Setting& setting : Settings()) names << QLatin1String(setting.name);
  return names.join(QStringLiteral(", "));
}

// The wish a NAME=VALUE argument makes; otherwise the problem, naming it.
std::optional<Wish> ParseWish(const QString& arg, QString& problem) {
  const qsizetype eq = arg.indexOf(u'=');
  if (eq <= 0) {
    problem = arg + QStringLiteral(": expected NAME=VALUE");
    return std::nullopt;
  }
  const QString name = arg.left(eq).toLower();
  for (const Setting& setting : Settings()) {
    if (name != QLatin1String(setting.name)) continue;
    std::optional<Wish> wish = setting.parse(arg.mid(eq + 1));
    if (!wish) problem = Format("%s: %s takes %s", arg, name, setting.allowed);
    return wish;
  }
  problem = arg + QStringLiteral(": unknown setting (settings: ") + SettingNames() + u')';
  return std::nullopt;
}

bool AllReported(const std::vector<Wish>& wishes, const COperateValues& values) {
  for (const Wish& w : wishes)
    if (!w.reported(values)) return false;
  return true;
}

// Asks again for what is not there yet: a reading that differs from the
// last one (the tuner woke, say) replaces the requested part.
void RequestMissing(const std::vector<Wish>& wishes, COperateValues& values) {
  for (const Wish& w : wishes)
    if (!w.reported(values)) w.request(values);
}
}  // namespace

int RunSet(CCliContext& context, const QStringList& args) {
  std::vector<Wish> wishes;
  for (const QString& arg : args) {
    QString problem;
    const std::optional<Wish> wish = ParseWish(arg, problem);
    if (!wish) return UsageError(problem);
    wishes.push_back(*wish);
  }

  COperateSession session(context);
  ResultCode result = session.Connect();
  if (result != Result::Success) return CCliContext::Fail(result);
  for (const Wish& w : wishes)
    if (GetModel().McuVersion.Get() < w.minVersion)
      return CCliContext::Fail(Result::NotSupported, GetModel().FirmwareNeededText(w.minVersion));

  result = session.Cycle();  // learn what the tuner has now
  for (int cycle = 0; cycle < kCycleLimit && !AllReported(wishes, session.Values()); ++cycle) {
    if (IsFailure(result) && result != Result::DevicePoweredOff) return CCliContext::Fail(result);
    RequestMissing(wishes, session.Values());
    result = session.Cycle();
  }
  const bool done = AllReported(wishes, session.Values());
  session.Print();
  if (done) return 0;
  return CCliContext::Fail(IsFailure(result) ? result : Result::RetryLimitExhausted);
}
