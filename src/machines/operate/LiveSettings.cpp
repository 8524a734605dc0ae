#include "machines/operate/LiveSettings.h"

#include <algorithm>
#include <span>

#include "base/TextFormat.h"
#include "machines/operate/RelayValues.h"
#include "machines/operate/SettingWords.h"

namespace {
template <class V, class X>
LiveWish LiveWishFor(V COperateValues::*member, X wanted, unsigned short minVersion = 0) {
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
std::optional<LiveWish> Then(const std::optional<X>& parsed, Make make) {
  return parsed ? std::optional<LiveWish>(make(*parsed)) : std::nullopt;
}

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
LiveSetting LetterSetting(const char* name, std::span<const LetterWord> words, CObservable<T, 1> COperateValues::*member) {
  return {name, Choices(words), [=](const QString& text) {
            return Then(Letter(text, words), [=](QChar c) { return LiveWishFor(member, c); });
          }};
}

template <class T>
LiveSetting SwitchSetting(const char* name, CObservable<T, 1> COperateValues::*member, unsigned short minVersion = 0) {
  return {name, Choices(kSwitchWords), [=](const QString& text) {
            return Then(Letter(text, kSwitchWords), [=](QChar c) {
              return LiveWishFor(member, static_cast<T>(c.digitValue()), minVersion);
            });
          }};
}

template <class T>
LiveSetting NumberSetting(const char* name, int low, int high, CObservable<T, 1> COperateValues::*member) {
  return {name, Format("%d to %d", low, high), [=](const QString& text) {
            return Then(Number(text, low, high), [=](int n) { return LiveWishFor(member, static_cast<T>(n)); });
          }};
}

LiveSetting RelaySetting(const char* name, const RelayWeights& weights, const char* unit,
                     CObservable<unsigned char, 1> COperateValues::*member) {
  return {name, Format("0 to %u %s or a relay byte 0x00 to 0xff", Largest(weights), unit),
          [=, &weights](const QString& text) {
            return Then(Relays(text, weights), [=](unsigned char b) { return LiveWishFor(member, b); });
          }};
}

}  // namespace

const std::vector<LiveSetting>& LiveSettings() {
  using V = COperateValues;
  static const std::vector<LiveSetting> settings = {
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

QString LiveSettingNames() {
  QStringList names;
  for (const LiveSetting& setting : LiveSettings()) names << QLatin1String(setting.name);
  return names.join(QStringLiteral(", "));
}

std::optional<LiveWish> ParseLiveSetting(const QString& name, const QString& value, QString& problem) {
  const QString lower = name.toLower();
  for (const LiveSetting& setting : LiveSettings()) {
    if (lower != QLatin1String(setting.name)) continue;
    std::optional<LiveWish> wish = setting.parse(value);
    if (!wish) problem = Format("%s takes %s", lower, setting.allowed);
    return wish;
  }
  problem = QStringLiteral("unknown setting (settings: ") + LiveSettingNames() + u')';
  return std::nullopt;
}

unsigned short CLiveRequest::NeededVersion(unsigned short mcuVersion) const {
  unsigned short needed = 0;
  for (const LiveWish& w : m_wishes)
    if (mcuVersion < w.minVersion) needed = std::max(needed, w.minVersion);
  return needed;
}

// A reading that differs from the last one (the tuner woke, say) replaces
// the requested part, so what is missing is asked for again.
void CLiveRequest::Ask(COperateValues& values) const {
  for (const LiveWish& w : m_wishes)
    if (!w.reported(values)) w.request(values);
}

bool CLiveRequest::AllReported(const COperateValues& values) const {
  for (const LiveWish& w : m_wishes)
    if (!w.reported(values)) return false;
  return true;
}

std::optional<ResultCode> CLiveRequest::Judge(ResultCode result, COperateValues& values) {
  // A cycle that failed is no success, whatever it read before it stopped.
  const bool failed = IsFailure(result) && result != Result::DevicePoweredOff;
  if (!failed && AllReported(values)) return Result::Success;
  const bool lastCycle = m_cycles++ >= kCycleLimit;
  if (failed || (result == Result::DevicePoweredOff && lastCycle)) return result;
  if (lastCycle) return Result::RetryLimitExhausted;
  Ask(values);
  return std::nullopt;
}
