#include "sim/SimLiveState.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
struct BandEdges {
  unsigned low, high;  // kHz
};
constexpr BandEdges kBands[] = {{1800, 2000},   {3500, 4000},   {5330, 5410},   {7000, 7300},
                                {10100, 10150}, {14000, 14350}, {18068, 18168}, {21000, 21450},
                                {24890, 24990}, {28000, 29700}, {50000, 54000}};

unsigned Distance(unsigned frequency, const BandEdges& band) {
  if (frequency < band.low) return band.low - frequency;
  return frequency > band.high ? frequency - band.high : 0;
}

bool IsDigits(const QByteArray& value, unsigned max) {
  bool ok = false;
  return !value.isEmpty() && value.toUInt(&ok) <= max && ok;
}

bool IsHexByte(const QByteArray& value) {
  bool ok = false;
  value.toUInt(&ok, 16);
  return value.size() == 2 && ok;
}

QByteArray Reply(const QByteArray& name, const QByteArray& value) { return name.toUpper() + value + ';'; }
QByteArray Reply(const QByteArray& name, unsigned value) { return Reply(name, QByteArray::number(value)); }
QByteArray SwrText(double swr) { return QByteArray::number(std::min(swr, 9.99), 'f', 2); }
}  // namespace

CSimLiveState::CSimLiveState(unsigned short version, const SimLive& initial, unsigned timeScale)
    : m_version(version), m_timeScale(timeScale), m_live(initial) {}

double CSimLiveState::ElapsedMs(const QElapsedTimer& clock) const { return double(clock.elapsed()) * m_timeScale; }

const QList<QByteArray>& CSimLiveState::Names() {
  // Longest first, so that "vswrb" is not taken for "vswr" nor "ts" for "t".
  static const QList<QByteArray> names = {"vswrb", "vswr", "vfwd", "vrfl", "side", "attn", "ampi", "byp",
                                          "flt",   "md",   "an",   "bn",   "ts",   "fc",   "fx",   "fy",
                                          "ps",    "sm",   "c",    "l",    "f",    "t"};
  return names;
}

std::optional<QByteArray> CSimLiveState::Answer(const QByteArray& command) {
  const QByteArray body = command.endsWith(';') ? command.chopped(1) : command;
  const QByteArray lower = body.toLower();
  for (const QByteArray& name : Names()) {
    if (!lower.startsWith(name)) continue;
    QMutexLocker lock(&m_lock);
    Advance();
    const QByteArray value = body.mid(name.size());
    if (value.isEmpty()) return name == "sm" || name == "t" ? Action(name) : Query(name);
    return Setting(name, value);
  }
  return std::nullopt;
}

std::optional<QByteArray> CSimLiveState::Query(const QByteArray& name) {
  if (name == "ps") return Reply(name, m_live.power);
  if (m_live.power == 0) return std::nullopt;  // asleep: only the power status answers
  const bool extra = m_version >= 197;
  const SimLive& s = m_live;
  if (name == "md") return Reply(name, QByteArray(1, s.mode));
  if (name == "an") return Reply(name, s.antenna);
  if (name == "side") return Reply(name, QByteArray(1, s.side));
  if (name == "attn") return Reply(name, s.attenuator);
  if (name == "ampi") return Reply(name, s.keyInterrupt);
  if (name == "byp") return Reply(name, QByteArray(1, s.bypass));
  if (name == "bn") return Reply(name, QByteArray::number(Band()).rightJustified(2, '0'));
  if (name == "flt") return Reply(name, s.fault);
  if (name == "ts") return Reply(name, m_tuning ? "1" : "0");
  if (name == "c") return Reply(name, QByteArray::number(s.capacitor, 16).rightJustified(2, '0').toUpper());
  if (name == "l") return Reply(name, QByteArray::number(s.inductor, 16).rightJustified(2, '0').toUpper());
  if (name == "f") return Reply(name, s.frequency);
  if (name == "fc" || name == "fx") return extra ? std::optional(Reply(name, s.frequency)) : std::nullopt;
  if (name == "fy" && extra)
    return Reply(name, QByteArray::number(kBands[Band()].low) + '-' + QByteArray::number(kBands[Band()].high));
  if (std::optional<QByteArray> replayed = Reading(name)) return replayed;
  if (name == "vfwd") return Reply(name, s.forward);
  const double swr = Swr();
  if (name == "vrfl") return Reply(name, static_cast<unsigned>(std::lround(s.forward * (swr - 1) / (swr + 1))));
  if (name == "vswr") return Reply(name, SwrText(swr));
  if (name == "vswrb") return Reply(name, SwrText(SwrWith(0, 0)));
  return std::nullopt;
}

std::optional<QByteArray> CSimLiveState::Reading(const QByteArray& name) const {
  const SimReading* r = m_replay.empty() ? nullptr : ReadingAt(m_replay, ElapsedMs(m_replayClock) / 1000.0);
  if (r == nullptr) return std::nullopt;
  if (name == "vfwd") return Reply(name, r->forward);
  if (name == "vrfl") return Reply(name, r->reflected);
  if (name == "vswr") return Reply(name, SwrText(r->swr));
  return std::nullopt;
}

std::optional<QByteArray> CSimLiveState::Setting(const QByteArray& name, const QByteArray& value) {
  if (!Apply(name, value)) return std::nullopt;
  // Only the power switch answers for itself; other settings are read back by
  // the query sent behind them.
  return name == "ps" ? std::optional(Reply(name, m_live.power)) : std::nullopt;
}

bool CSimLiveState::Apply(const QByteArray& name, const QByteArray& value) {
  const bool refused = m_refused.contains(name);
  SimLive& s = m_live;
  const char c = value.size() == 1 ? value[0] : '\0';
  if (name == "ps" && IsDigits(value, 1)) {
    if (!refused) s.power = value.toUInt();
    return true;
  }
  if (s.power == 0) return false;
  unsigned* number = name == "an" ? &s.antenna : name == "attn" ? &s.attenuator : name == "ampi" ? &s.keyInterrupt : nullptr;
  if (number != nullptr && IsDigits(value, name == "an" ? 3 : 1) && (name != "an" || value.toUInt() >= 1)) {
    if (!refused) *number = value.toUInt();
    return true;
  }
  char* letter = name == "md" ? &s.mode : name == "side" ? &s.side : name == "byp" ? &s.bypass : nullptr;
  const QByteArray allowed = name == "md" ? "AMB" : name == "side" ? "AT" : "BN";
  if (letter != nullptr && c != '\0' && allowed.contains(c)) {
    if (!refused) *letter = c;
    return true;
  }
  unsigned* relays = name == "c" ? &s.capacitor : name == "l" ? &s.inductor : nullptr;
  if (relays != nullptr && IsHexByte(value)) {
    if (!refused) *relays = value.toUInt(nullptr, 16);
    return true;
  }
  return false;
}

std::optional<QByteArray> CSimLiveState::Action(const QByteArray& name) {
  if (m_live.power == 0) return std::nullopt;
  if (name == "sm") {
    m_memories[{Band(), m_live.antenna}] = {m_live.capacitor, m_live.inductor};
  } else {
    m_tuning = true;
    m_tuneFrom = {m_live.capacitor, m_live.inductor};
    m_tuneClock.start();
  }
  return std::nullopt;
}

// The relays walk from where they were to the match over the tune time.
void CSimLiveState::Advance() {
  if (!m_tuning) return;
  const double done = m_tuneMs == 0 ? 1.0 : std::min(1.0, ElapsedMs(m_tuneClock) / m_tuneMs);
  const auto [c, l] = Target();
  auto step = [done](unsigned from, unsigned to) {
    return static_cast<unsigned>(std::lround(from + (double(to) - double(from)) * done));
  };
  m_live.capacitor = step(m_tuneFrom.first, c);
  m_live.inductor = step(m_tuneFrom.second, l);
  m_tuning = done < 1.0;
}

unsigned CSimLiveState::Band() const {
  unsigned best = 0;
  for (unsigned b = 1; b < std::size(kBands); ++b)
    if (Distance(m_live.frequency, kBands[b]) < Distance(m_live.frequency, kBands[best])) best = b;
  return best;
}

// Lower bands need more of both; each antenna has its own match.
std::pair<unsigned, unsigned> CSimLiveState::Target() const {
  const unsigned f = std::max(m_live.frequency, 1500u);
  return {std::min(255u, 60000u / f * 4 + m_live.antenna * 3), std::min(255u, 40000u / f * 5 + m_live.antenna)};
}

double CSimLiveState::SwrWith(unsigned capacitor, unsigned inductor) const {
  const auto [c, l] = Target();
  const unsigned mismatch = static_cast<unsigned>(std::abs(int(capacitor) - int(c)) + std::abs(int(inductor) - int(l)));
  return 1.1 + mismatch / 20.0;
}

double CSimLiveState::Swr() const {
  if (m_live.bypass == 'B' || m_live.mode == 'B') return SwrWith(0, 0);
  return SwrWith(m_live.capacitor, m_live.inductor);
}

SimLive CSimLiveState::State() {
  QMutexLocker lock(&m_lock);
  Advance();
  return m_live;
}

void CSimLiveState::Modify(const std::function<void(SimLive&)>& change) {
  QMutexLocker lock(&m_lock);
  change(m_live);
}

void CSimLiveState::RefuseSetting(const QByteArray& name, bool refuse) {
  QMutexLocker lock(&m_lock);
  if (refuse)
    m_refused.insert(name);
  else
    m_refused.remove(name);
}

void CSimLiveState::SetTuneDuration(unsigned ms) {
  QMutexLocker lock(&m_lock);
  m_tuneMs = ms;
}

void CSimLiveState::Replay(std::vector<SimReading> readings) {
  QMutexLocker lock(&m_lock);
  m_replay = std::move(readings);
  m_replayClock.start();
}

bool CSimLiveState::IsTuning() {
  QMutexLocker lock(&m_lock);
  Advance();
  return m_tuning;
}

std::optional<std::pair<unsigned, unsigned>> CSimLiveState::Memory(unsigned band, unsigned antenna) const {
  QMutexLocker lock(&m_lock);
  const auto it = m_memories.find({band, antenna});
  if (it == m_memories.end()) return std::nullopt;
  return it->second;
}

void CSimLiveState::EraseMemories(unsigned band, unsigned antenna) {
  QMutexLocker lock(&m_lock);
  m_memories.erase({band, antenna});
}
