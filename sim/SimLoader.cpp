#include "sim/SimLoader.h"

#include "sim/SimulatedTuner.h"

namespace {
constexpr std::uint8_t kFinalMark = 2;  // byte 130 of the final packet

// "01.98" from the digits that end a firmware file's name before its
// extension ("zu6400fw0198.hex", "zu6400fw0198b.hex"); empty when none do.
QString VersionInName(const QString& fileName) {
  const QString base = fileName.section(u'/', -1);
  qsizetype end = base.lastIndexOf(u'.');
  if (end < 0) end = base.size();
  while (end > 0 && !base[end - 1].isDigit()) --end;
  qsizetype start = end;
  while (start > 0 && base[start - 1].isDigit()) --start;
  if (start == end || start == 0) return {};
  const unsigned version = base.mid(start, end - start).toUInt() & 0xFFFF;
  return QStringLiteral("%1.%2").arg(version / 100, 2, 10, QLatin1Char('0')).arg(version % 100, 2, 10, QLatin1Char('0'));
}
}  // namespace

CSimLoader::CSimLoader(CSimulatedTuner& tuner, SimLoaderOptions options, unsigned runSpeed)
    : m_tuner(tuner), m_options(std::move(options)), m_runSpeed(runSpeed) {
  m_tuner.AddHandler("lpf", [this](const QByteArray&) -> std::optional<QByteArray> {
    Enter();
    return std::nullopt;
  });
  if (m_options.startInLoader) Activate();
}

void CSimLoader::Enter() {
  m_tuner.SetSpeed(kLoaderSpeed);
  Activate();
}

void CSimLoader::Activate() {
  {
    QMutexLocker lock(&m_lock);
    m_phase = Phase::Command;
    m_buffer.clear();
    m_sinceByte.start();
  }
  m_tuner.SetRawReceiver([this](const QByteArray& bytes) { return Take(bytes); });
}

QByteArray CSimLoader::Take(const QByteArray& bytes) {
  QByteArray reply;
  bool restart = false;
  {
    QMutexLocker lock(&m_lock);
    if (m_phase == Phase::Packets && !m_options.keepPartial && m_sinceByte.elapsed() > m_options.idleMs) {
      m_phase = Phase::Command;  // a load cut short: wait for "D" again
      m_buffer.clear();
    }
    m_sinceByte.start();
    for (const char c : bytes) {
      if (m_phase == Phase::Command) {
        reply += TakeCommandByte(c);
        continue;
      }
      m_buffer += c;
      m_taken += c;
      if (m_buffer.size() < kPacketSize) continue;
      reply += Judge();
      if (m_phase == Phase::Off) {
        restart = true;
        break;  // the firmware runs: the rest is not the loader's
      }
    }
  }
  if (restart) Restart();
  return reply;
}

QByteArray CSimLoader::TakeCommandByte(char c) {
  if (c == 'D' && m_buffer.isEmpty()) {
    if (m_options.noEcho) return {};
    m_phase = Phase::Packets;
    return "D";
  }
  m_buffer += c;
  if (c != ';') return {};
  const QByteArray command = m_buffer;
  m_buffer.clear();
  return command == "I;" ? QByteArray("Izu6400;") : QByteArray(";");
}

QByteArray CSimLoader::Judge() {
  std::uint8_t sum = 0;
  for (const char c : m_buffer) sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(c));
  const auto byte = [this](int i) { return static_cast<std::uint8_t>(m_buffer[i]); };
  const bool final = byte(130) == kFinalMark;
  const std::uint32_t address = byte(128) | byte(129) << 8 | (final ? 0u : std::uint32_t{byte(130)} << 16);
  if (sum != 0) {
    m_buffer.clear();
    return "N";
  }
  if (address == m_options.dropAddress && m_options.dropBytes > 0 && !m_dropped) {
    m_dropped = true;  // the bytes never arrived: the buffer waits for more
    m_buffer.chop(std::min<qsizetype>(m_options.dropBytes, kPacketSize));
    return {};
  }
  if (address == m_options.rejectAddress && m_rejected < m_options.rejectCount) {
    ++m_rejected;
    m_buffer.clear();
    return "N";
  }
  if (final && m_options.silentFinal) {
    m_buffer.clear();
    return {};
  }
  return Write(address, final);
}

QByteArray CSimLoader::Write(std::uint32_t address, bool final) {
  m_flash[address] = m_buffer.left(kBlockSize);
  m_written.append(address);
  m_buffer.clear();
  if (!final) return "A";
  m_phase = Phase::Off;
  ++m_restarts;
  return "B";
}

void CSimLoader::Restart() {
  m_tuner.SetRawReceiver({});
  m_tuner.SetSpeed(m_runSpeed);
  const QString version = VersionAfterLoad();
  if (!version.isEmpty()) m_tuner.SetVersion(version);
}

QString CSimLoader::VersionAfterLoad() const {
  if (!m_options.flashVersion.isEmpty()) return m_options.flashVersion;
  QMutexLocker lock(&m_lock);
  return VersionInName(m_imageName);
}

void CSimLoader::NameImage(const QString& fileName) {
  QMutexLocker lock(&m_lock);
  m_imageName = fileName;
}

bool CSimLoader::IsActive() const {
  QMutexLocker lock(&m_lock);
  return m_phase != Phase::Off;
}

QByteArray CSimLoader::Flash(std::uint32_t address, std::uint32_t length) const {
  QMutexLocker lock(&m_lock);
  QByteArray out(static_cast<qsizetype>(length), '\xFF');
  for (const auto& [block, bytes] : m_flash)
    for (qsizetype i = 0; i < bytes.size(); ++i) {
      const std::int64_t at = std::int64_t{block} + i - address;
      if (at >= 0 && at < out.size()) out[static_cast<qsizetype>(at)] = bytes[i];
    }
  return out;
}

QList<std::uint32_t> CSimLoader::Written() const {
  QMutexLocker lock(&m_lock);
  return m_written;
}

QByteArray CSimLoader::Taken() const {
  QMutexLocker lock(&m_lock);
  return m_taken;
}

unsigned CSimLoader::Restarts() const {
  QMutexLocker lock(&m_lock);
  return m_restarts;
}
