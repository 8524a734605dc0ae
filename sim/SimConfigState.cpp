#include "sim/SimConfigState.h"

#include <cmath>

#include "sim/SimConfigLayout.h"
#include "sim/SimProms.h"

namespace {
constexpr unsigned kBands = 11;

// Firmware versions (times 100) from which a setting exists.
unsigned short Since(const QByteArray& name) {
  if (name == "akip") return 105;
  if (name == "psi") return 137;
  if (name == "sl") return 138;
  if (name == "aft") return 139;
  return 0;
}

std::optional<unsigned> Digits(const QByteArray& text, unsigned max) {
  if (text.isEmpty()) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  bool ok = false;
  const unsigned n = text.toUInt(&ok);
  return ok && n <= max ? std::optional(n) : std::nullopt;
}

// A threshold the tuner can hold, in the tuner's form: two decimals.
std::optional<QByteArray> ThresholdText(const QByteArray& text) {
  bool ok = false;
  const double v = text.toDouble(&ok);
  if (!ok || v < 1.0 || v >= 100.0 || text.startsWith('+') || text.contains('e') || text.contains('E'))
    return std::nullopt;
  return QByteArray::number(std::floor(v * 100 + 1e-6) / 100, 'f', 2);
}

QByteArray Reply(const QByteArray& prefix, const QByteArray& value) { return prefix.toUpper() + value + ';'; }
}  // namespace

SimConfig SimConfig::FactoryDefaults() { return {}; }

CSimConfigState::CSimConfigState(unsigned short version, CSimProms& proms, MemoryEraser eraser)
    : m_version(version), m_proms(proms), m_eraser(std::move(eraser)) {
  // A tuner in use: a second antenna on 40 m and 20 m, preferred on 20 m.
  SimConfig config = SimConfig::FactoryDefaults();
  config.bands[3].antennas[1] = 1;
  config.bands[5].antennas[1] = 1;
  config.bands[5].preferred = 2;
  Store(config);
}

SimConfig CSimConfigState::Load() const { return CSimConfigLayout::Read(m_proms.Pic()); }

void CSimConfigState::Store(const SimConfig& config) {
  m_proms.SetPic(CSimConfigLayout::kStart, CSimConfigLayout::Bytes(config));
}

const QList<QByteArray>& CSimConfigState::Names() {
  static const QList<QByteArray> names = {"akip", "psi", "sl", "ae", "ap", "aft", "st", "em", "eeinit"};
  return names;
}

bool CSimConfigState::Exists(const QByteArray& name) const { return m_version >= Since(name); }

std::optional<QByteArray> CSimConfigState::Answer(const QByteArray& command) {
  const QByteArray body = command.endsWith(';') ? command.chopped(1) : command;
  QByteArray name;
  for (char c : body) {
    if (c < 'A' || (c > 'Z' && c < 'a') || c > 'z') break;
    name += static_cast<char>(c | 0x20);
  }
  QMutexLocker lock(&m_lock);
  if (!Exists(name)) return std::nullopt;
  if (name == "eeinit" && body.size() == name.size()) {
    Store(SimConfig::FactoryDefaults());
    for (unsigned band = 0; band < kBands; ++band)
      for (unsigned antenna = 1; antenna <= 3; ++antenna) m_eraser(band, antenna);
    return std::nullopt;
  }
  const QByteArray rest = body.mid(name.size());
  SimConfig config = Load();
  const SimConfig before = config;
  const bool global = name == "akip" || name == "psi" || name == "sl";
  const auto reply = global ? Global(config, name, rest) : PerBand(config, name, rest);
  // Untouched bytes stay as they are, whatever a restore put there.
  if (config != before) Store(config);
  return reply;
}

std::optional<QByteArray> CSimConfigState::Global(SimConfig& config, const QByteArray& name, const QByteArray& value) {
  unsigned& stored = name == "akip" ? config.keyInterruptPower : name == "psi" ? config.powerInitial : config.sleep;
  if (value.isEmpty()) return Reply(name, QByteArray::number(stored));
  if (const auto n = Digits(value, name == "akip" ? 0xFFFF : 1); n && !m_refused.contains(name)) stored = *n;
  return std::nullopt;
}

// "ae021" (band 2, antenna 1), "ap02", "aft02", "st02k", "em021", each with
// the value behind it for a setting.
std::optional<QByteArray> CSimConfigState::PerBand(SimConfig& config, const QByteArray& name, const QByteArray& rest) {
  const std::optional<unsigned> band = Digits(rest.left(2), kBands - 1);
  if (!band || rest.size() < 2) return std::nullopt;
  const bool hasParameter = name == "ae" || name == "st" || name == "em";
  const char parameter = hasParameter && rest.size() > 2 ? static_cast<char>(rest[2] | 0x20) : '\0';
  if (hasParameter && parameter == '\0') return std::nullopt;
  const QByteArray query = rest.left(hasParameter ? 3 : 2);
  const QByteArray value = rest.mid(query.size());
  const bool refused = m_refused.contains(name);
  if (name == "em") {
    if (const auto antenna = Digits(query.right(1), 3); antenna && *antenna >= 1 && value.isEmpty())
      m_eraser(*band, *antenna);
    return std::nullopt;
  }
  if (name == "st") {
    QByteArray* threshold = Threshold(config.bands[*band], parameter);
    if (threshold == nullptr) return std::nullopt;
    if (value.isEmpty()) return Reply(name + query, *threshold);
    if (const auto text = ThresholdText(value); text && !refused) *threshold = *text;
    return std::nullopt;
  }
  unsigned* flag = Flag(config.bands[*band], name, parameter);
  if (flag == nullptr) return std::nullopt;
  if (value.isEmpty()) return Reply(name + query, QByteArray::number(*flag));
  if (const auto n = Digits(value, name == "ap" ? 3 : 1); n && !refused) *flag = *n;
  return std::nullopt;
}

unsigned* CSimConfigState::Flag(SimBandConfig& b, const QByteArray& name, char parameter) {
  if (name == "ap") return &b.preferred;
  if (name == "aft") return &b.fineTune;
  if (name == "ae" && parameter >= '1' && parameter <= '3') return &b.antennas[parameter - '1'];
  return nullptr;
}

QByteArray* CSimConfigState::Threshold(SimBandConfig& b, char kind) {
  if (kind == 'k') return &b.keyThreshold;
  if (kind == 'a') return &b.autotuneThreshold;
  return kind == 'b' ? &b.bypassThreshold : nullptr;
}

SimConfig CSimConfigState::State() const {
  QMutexLocker lock(&m_lock);
  return Load();
}

void CSimConfigState::Modify(const std::function<void(SimConfig&)>& change) {
  QMutexLocker lock(&m_lock);
  SimConfig config = Load();
  change(config);
  Store(config);
}

void CSimConfigState::RefuseSetting(const QByteArray& name, bool refuse) {
  QMutexLocker lock(&m_lock);
  if (refuse)
    m_refused.insert(name);
  else
    m_refused.remove(name);
}
