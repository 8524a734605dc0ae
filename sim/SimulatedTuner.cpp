#include "sim/SimulatedTuner.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
unsigned SpeedOf(speed_t s) {
  switch (s) {
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return 0;
  }
}
}  // namespace

CSimulatedTuner::CSimulatedTuner(SimOptions options) : m_options(std::move(options)) {
  m_options.timeScale = std::max(1u, m_options.timeScale);
  m_options.loader.idleMs /= m_options.timeScale;  // the loader keeps real time: its wait is shortened
  m_clock.start();
  m_delay = m_options.replyDelayMs;
  GarbleReplies(m_options.garble, m_options.garbleTimes);
  const auto version = static_cast<unsigned short>(QString(m_options.version).remove(u'.').toUInt());
  m_live = std::make_unique<CSimLiveState>(version, m_options.live, m_options.timeScale);
  auto live = [this](const QByteArray& command) { return m_live->Answer(command); };
  for (const QByteArray& name : CSimLiveState::Names()) AddHandler(name, live);
  AddFallbackHandler(live);
  m_loader = std::make_unique<CSimLoader>(*this, m_options.loader, m_options.speed);
  m_proms = std::make_unique<CSimProms>();
  for (const SimPromFault& fault : m_options.promFaults) m_proms->AddFault(fault);
  m_config = std::make_unique<CSimConfigState>(
      version, *m_proms, [this](unsigned band, unsigned antenna) { m_live->EraseMemories(band, antenna); });
  auto config = [this](const QByteArray& command) { return m_config->Answer(command); };
  for (const QByteArray& name : CSimConfigState::Names()) AddHandler(name, config);
  // Not by name: an address such as "A000" runs into the command's letters.
  AddFallbackHandler([this](const QByteArray& command) { return m_proms->Answer(command); });
}

CSimulatedTuner::~CSimulatedTuner() { Vanish(); }

bool CSimulatedTuner::Open() {
  if (openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0) return false;
  m_slavePath = QString::fromLocal8Bit(ttyname(m_slave));
  // Keep our own slave open so the master does not see a hang-up between the
  // program's opens; make it raw so nothing echoes before the program sets it.
  termios tio{};
  tcgetattr(m_slave, &tio);
  cfmakeraw(&tio);
  cfsetspeed(&tio, B38400);
  tcsetattr(m_slave, TCSANOW, &tio);
  fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
  m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
  connect(m_notifier.get(), &QSocketNotifier::activated, this, &CSimulatedTuner::OnReadable);
  return true;
}

unsigned CSimulatedTuner::LineSpeed() const {
  termios tio{};
  if (m_master < 0 || tcgetattr(m_master, &tio) != 0) return 0;
  return SpeedOf(cfgetospeed(&tio));
}

double CSimulatedTuner::Now() const { return static_cast<double>(m_clock.nsecsElapsed()) / 1e6 * m_options.timeScale; }

void CSimulatedTuner::OnReadable() {
  char buffer[512];
  const ssize_t n = read(m_master, buffer, sizeof buffer);
  if (n <= 0) return;
  const double now = Now();
  QMutexLocker lock(&m_lock);
  for (ssize_t i = 0; i < n; ++i) {
    if (buffer[i] != ';') continue;
    if (m_commandTimes.size() == kCommandTimesKept) m_commandTimes.removeFirst();  // a long run stays small
    m_commandTimes.append(now);
  }
  if (now < m_deafUntil) return;  // restarting: what comes is lost
  if (LineSpeed() != m_options.speed) {
    // At the wrong speed the tuner sees only noise.
    m_ignored += static_cast<unsigned>(n);
    m_pending.clear();
    return;
  }
  if (m_raw) {
    const RawReceiver receiver = m_raw;
    m_received.append(buffer, n);
    lock.unlock();
    TakeRaw(receiver, QByteArray(buffer, n), now);
    return;
  }
  m_pending.append(buffer, n);
  qsizetype end;
  while ((end = m_pending.indexOf(';')) >= 0) {
    const QByteArray command = m_pending.left(end + 1);
    m_pending.remove(0, end + 1);
    m_received += command;
    lock.unlock();
    Take(command);
    lock.relock();
  }
}

void CSimulatedTuner::TakeRaw(const RawReceiver& receiver, const QByteArray& bytes, double now) {
  double wait = 0;
  {
    QMutexLocker lock(&m_lock);
    if (m_options.pace && m_options.speed > 0) {
      m_lineFreeAt = std::max(now, m_lineFreeAt) + static_cast<double>(bytes.size()) * 10 * 1000 / m_options.speed;
      wait = m_lineFreeAt - now;
    }
  }
  const QByteArray reply = receiver(bytes);
  if (!reply.isEmpty()) WriteLater(reply, static_cast<unsigned>(wait), 0);  // the packet's own time is in wait
}

QByteArray CSimulatedTuner::NameOf(const QByteArray& command) {
  QByteArray name;
  for (char c : command) {
    if (!std::isalpha(static_cast<unsigned char>(c))) break;
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

void CSimulatedTuner::Take(const QByteArray& command) {
  QByteArray reply;
  unsigned delay = 0;
  bool split = false;
  {
    QMutexLocker lock(&m_lock);
    if (m_options.vanishOnTimes > 0 && NameOf(command) == m_options.vanishOn && --m_options.vanishOnTimes == 0) {
      lock.unlock();
      Vanish();  // unplugged as the command came: it is never carried out
      return;
    }
    if (m_silent) return;
    if (m_drop > 0) {
      --m_drop;
      return;
    }
    delay = m_delay;
    split = m_split;
    const auto it = m_overrides.constFind(command);
    if (it != m_overrides.cend()) {
      reply = *it;
    } else {
      lock.unlock();
      reply = Answer(command);
      lock.relock();
    }
    if (reply.size() > 1 && m_garbleCount > 0 && NameOf(command) == m_garble) {
      --m_garbleCount;
      reply[reply.size() - 2] = 'Z';
    }
  }
  if (reply.isEmpty()) return;
  {
    QMutexLocker lock(&m_lock);
    if (!m_holdStart.isEmpty() && command.startsWith(m_holdStart)) {
      m_heldReplies += reply;
      return;
    }
  }
  if (split && reply.size() > 1) {
    const qsizetype half = reply.size() / 2;
    WriteLater(reply.left(half), delay, command.size());
    WriteLater(reply.mid(half), delay + 30, command.size() + half);
  } else {
    WriteLater(reply, delay, command.size());
  }
}

QByteArray CSimulatedTuner::Answer(const QByteArray& command) {
  QMutexLocker lock(&m_lock);
  if (command == ";") return ";";
  if (command == "I;") return "I" + m_options.identity.toLatin1() + ";";
  if (m_options.neverWakes && command.compare("PS1;", Qt::CaseInsensitive) == 0) return {};
  const QByteArray name = NameOf(command);
  if (command.toLower() == "rst0;") {
    lock.unlock();
    Restart();
    return {};
  }
  if (name == "rv" && command == "rv;") return "RV" + m_options.version.toLatin1() + ";";
  if (name == "sn" && command == "sn;") return "SN" + QByteArray::number(m_options.serial).rightJustified(5, '0') + ";";
  const auto handler = m_handlers.constFind(name);
  if (handler != m_handlers.cend()) {
    const Handler h = *handler;
    lock.unlock();
    return h(command).value_or(QByteArray());
  }
  const std::vector<Handler> fallbacks = m_fallbacks;
  lock.unlock();
  for (const Handler& h : fallbacks)
    if (auto reply = h(command)) return *reply;
  return {};
}

// With --pace the reply is written when the command and the reply would have
// crossed the wire at the line speed, ten bits a byte. Timers count whole
// real milliseconds: what rounding takes from one wait is added to the next,
// so that a long run takes the true wire time (on the tuner's clock).
void CSimulatedTuner::WriteLater(const QByteArray& bytes, unsigned delayMs, qsizetype commandBytes) {
  int wait = 0;
  {
    QMutexLocker lock(&m_lock);
    const bool paced = m_options.pace && m_options.speed > 0;
    double exactMs = delayMs;
    if (paced) exactMs += double(commandBytes + bytes.size()) * 10 * 1000 / m_options.speed + m_paceCarryMs;
    wait = std::max(0, static_cast<int>(std::lround(exactMs / m_options.timeScale)));
    if (paced) m_paceCarryMs = exactMs - double(wait) * m_options.timeScale;
  }
  if (wait == 0) {
    Write(bytes);
    return;
  }
  QTimer::singleShot(wait, Qt::PreciseTimer, this, [this, bytes] { Write(bytes); });
}

void CSimulatedTuner::Write(const QByteArray& bytes) {
  QMutexLocker lock(&m_lock);
  if (m_master < 0) return;
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n <= 0) break;
    done += n;
  }
  m_written += done;
}

// The tuner goes deaf while it restarts and then comes up as after power-up:
// its live state as it started, its stored settings kept.
void CSimulatedTuner::Restart() {
  SimLive initial;
  {
    QMutexLocker lock(&m_lock);
    m_deafUntil = Now() + m_options.restartMs;
    m_pending.clear();
    initial = m_options.live;
  }
  m_live->Modify([&initial](SimLive& live) { live = initial; });
}

bool CSimulatedTuner::IsRestarting() const {
  QMutexLocker l(&m_lock);
  return Now() < m_deafUntil;
}

void CSimulatedTuner::SetRestartTime(unsigned ms) { QMutexLocker l(&m_lock); m_options.restartMs = ms; }
void CSimulatedTuner::SetSilent(bool silent) { QMutexLocker l(&m_lock); m_silent = silent; }
void CSimulatedTuner::SetReplyDelay(unsigned ms) { QMutexLocker l(&m_lock); m_delay = ms; }
void CSimulatedTuner::SetSplitReplies(bool split) { QMutexLocker l(&m_lock); m_split = split; }
void CSimulatedTuner::DropReplies(unsigned count) { QMutexLocker l(&m_lock); m_drop = count; }
void CSimulatedTuner::GarbleReplies(const QByteArray& command, unsigned count) {
  QMutexLocker l(&m_lock);
  m_garble = command;
  m_garbleCount = count;
}
void CSimulatedTuner::HoldReplies(const QByteArray& commandStart) {
  QMutexLocker l(&m_lock);
  m_holdStart = commandStart;
}

// From any thread: a command still on its way is answered at once when it
// comes. The slave side the simulator keeps open shares the program's input.
bool CSimulatedTuner::ReleaseHeld(int timeoutMs) {
  QByteArray held;
  int slave = -1;
  {
    QMutexLocker l(&m_lock);
    m_holdStart.clear();
    held.swap(m_heldReplies);
    slave = m_slave;
  }
  if (!held.isEmpty()) Write(held);
  pollfd input{slave, POLLIN, 0};
  return slave >= 0 && poll(&input, 1, timeoutMs) == 1;
}

void CSimulatedTuner::SetSpeed(unsigned speed) { QMutexLocker l(&m_lock); m_options.speed = speed; }
void CSimulatedTuner::SetIdentity(const QString& identity) { QMutexLocker l(&m_lock); m_options.identity = identity; }
void CSimulatedTuner::SetVersion(const QString& version) { QMutexLocker l(&m_lock); m_options.version = version; }
void CSimulatedTuner::SetRawReceiver(RawReceiver receiver) { QMutexLocker l(&m_lock); m_raw = std::move(receiver); m_pending.clear(); }
QByteArray CSimulatedTuner::Received() const { QMutexLocker l(&m_lock); return m_received; }
void CSimulatedTuner::ClearReceived() {
  QMutexLocker l(&m_lock);
  m_received.clear();
  m_written = 0;
}
qint64 CSimulatedTuner::WrittenBytes() const { QMutexLocker l(&m_lock); return m_written; }
unsigned CSimulatedTuner::IgnoredBytes() const { QMutexLocker l(&m_lock); return m_ignored; }
QList<double> CSimulatedTuner::CommandTimes() const { QMutexLocker l(&m_lock); return m_commandTimes; }

void CSimulatedTuner::OverrideReply(const QByteArray& command, const QByteArray& reply) {
  QMutexLocker l(&m_lock);
  m_overrides.insert(command, reply);
}

void CSimulatedTuner::AddHandler(const QByteArray& name, Handler handler) {
  QMutexLocker l(&m_lock);
  m_handlers.insert(name, std::move(handler));
}

void CSimulatedTuner::AddFallbackHandler(Handler handler) {
  QMutexLocker l(&m_lock);
  m_fallbacks.push_back(std::move(handler));
}

void CSimulatedTuner::SendUnsolicited(const QByteArray& bytes) {
  QMetaObject::invokeMethod(this, [this, bytes] { Write(bytes); });
}

void CSimulatedTuner::Vanish() {
  // The notifier belongs to the simulator's thread: switch it off there (it
  // may be the caller, so it stays until the tuner goes).
  if (thread() != QThread::currentThread() && thread()->isRunning()) {
    QMetaObject::invokeMethod(this, [this] { Vanish(); }, Qt::BlockingQueuedConnection);
    return;
  }
  if (m_notifier) m_notifier->setEnabled(false);
  QMutexLocker l(&m_lock);
  if (m_master >= 0) close(m_master);
  if (m_slave >= 0) close(m_slave);
  m_master = m_slave = -1;
}
