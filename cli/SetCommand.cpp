// zu6400ctl set NAME=VALUE ...: request changes, then poll until the tuner
// reports them or a few cycles have passed.

#include <functional>
#include <optional>
#include <vector>

#include "cli/OperateSession.h"
#include "machines/TunerModel.h"
#include "machines/RelayValues.h"

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

std::optional<QChar> Letter(const QString& text, const char* allowed) {
  if (text.size() != 1 || !QLatin1String(allowed).contains(text[0].toUpper())) return std::nullopt;
  return text[0].toUpper();
}

std::optional<int> Number(const QString& text, int low, int high) {
  bool ok = false;
  const int n = text.toInt(&ok);
  return ok && n >= low && n <= high ? std::optional(n) : std::nullopt;
}

// What all the relays of a kind make together.
unsigned Largest(const RelayWeights& weights) { return RelayValue(0xFF, weights); }

// A relay byte as "0xHH", or a value in pF or nH made greedily; a value
// above what the relays make is refused rather than cut short.
std::optional<unsigned char> Relays(const QString& text, const RelayWeights& weights) {
  bool ok = false;
  if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    const unsigned byte = text.mid(2).toUInt(&ok, 16);
    return ok && text.size() == 4 ? std::optional<unsigned char>(byte) : std::nullopt;
  }
  const unsigned value = text.toUInt(&ok);
  return ok && value <= Largest(weights) ? std::optional<unsigned char>(RelayByte(value, weights)) : std::nullopt;
}

template <class X, class Make>
std::optional<Wish> Then(const std::optional<X>& parsed, Make make) {
  return parsed ? std::optional<Wish>(make(*parsed)) : std::nullopt;
}

std::optional<Wish> ParseWish(const QString& name, const QString& value) {
  using V = COperateValues;
  if (name == u"mode") return Then(Letter(value, "AMB"), [](QChar c) { return WishFor(&V::Mode, c); });
  if (name == u"side") return Then(Letter(value, "AT"), [](QChar c) { return WishFor(&V::Side, c); });
  if (name == u"bypass") return Then(Letter(value, "BN"), [](QChar c) { return WishFor(&V::Bypass, c); });
  if (name == u"antenna")
    return Then(Number(value, 1, 3), [](int n) { return WishFor(&V::Antenna, static_cast<unsigned char>(n)); });
  if (name == u"attenuator") return Then(Number(value, 0, 1), [](int n) { return WishFor(&V::Attenuator, n); });
  if (name == u"ampi") return Then(Number(value, 0, 1), [](int n) { return WishFor(&V::KeyInterrupt, n); });
  if (name == u"power")
    return Then(Number(value, 0, 1), [](int n) { return WishFor(&V::PowerStatus, n, OperateFeature::PowerSwitch); });
  if (name == u"c")
    return Then(Relays(value, kCapacitorWeights), [](unsigned char b) { return WishFor(&V::Capacitor, b); });
  if (name == u"l")
    return Then(Relays(value, kInductorWeights), [](unsigned char b) { return WishFor(&V::Inductor, b); });
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
    const qsizetype eq = arg.indexOf(u'=');
    const std::optional<Wish> wish = eq > 0 ? ParseWish(arg.left(eq).toLower(), arg.mid(eq + 1)) : std::nullopt;
    if (!wish) return 2;
    wishes.push_back(*wish);
  }
  if (wishes.empty()) return 2;

  COperateSession session(context);
  ResultCode result = session.Connect();
  for (const Wish& w : wishes)
    if (result == Result::Success && GetModel().McuVersion.Get() < w.minVersion) result = Result::NotSupported;
  if (result != Result::Success) return CCliContext::Fail(result);

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
