#include "engine/StateHostBase.h"

#include <QCoreApplication>

#include "base/TimeScale.h"
#include "model/ModelBase.h"

std::uint32_t TickCount() { return CTimeScale::Now(); }

CStateHostBase::CStateHostBase(CModelBase& model) : m_model(model) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&m_timer, &QTimer::timeout, [this] { TimerFired(); });
}

CStateHostBase::~CStateHostBase() = default;

void CStateHostBase::StateText(const QString& text) {
  if (m_statusWindow == nullptr) return;
  CModelEvent event(Msg::StateText, 0, text);
  QCoreApplication::sendEvent(m_statusWindow, &event);
}

void CStateHostBase::OnFinished() { m_model.MachineFinished.Fire(m_result); }

void CStateHostBase::FinishAndRecontact() {
  if (IsFailure(m_result) && m_result != Result::UnexpectedDevice) {
    m_model.FirmwareStatus.Set(FirmwareStatusNone);
    CStateHostBase::OnFinished();
  } else if (m_model.ActiveMachine != nullptr) {
    m_model.ActiveMachine = nullptr;
    m_model.ContactMachine->StartAtFindSpeed();
  } else {
    CStateHostBase::OnFinished();
  }
}

void CStateHostBase::BeginRun() {
  m_statusValue = m_model.FirmwareStatus.Get();
  m_result = 0;
  SetLastError(0);
}

void CStateHostBase::StartStateTimer(unsigned ms) {
  m_timer.start(static_cast<int>(CTimeScale::RealMs(ms)));
  m_sendTime = TickCount();
}

void CStateHostBase::StopStateTimer() { m_timer.stop(); }

void CStateHostBase::LogLine(const QString& text) {
  StateText(text);
  m_model.LogText(text);
}

bool CStateHostBase::IsTraceOn() const { return m_model.Trace.Get() != 0; }

bool CStateHostBase::ReadReply() {
  CSerialPort& channel = *m_model.Channel;
  for (;;) {
    if (!channel.IsOpen()) return false;
    char byte = 0;
    bool gotOne = false;
    if (!channel.ReadByte(byte, gotOne)) return false;
    if (!gotOne) return true;
    const QChar c(static_cast<unsigned char>(byte));
    m_reply.append(c);
    if (m_terminators.contains(c)) return true;
  }
}

bool CStateHostBase::IsReplyComplete() const {
  return !m_reply.isEmpty() && !m_terminators.isEmpty() && m_terminators.contains(m_reply.back());
}

QString CStateHostBase::EscapedReply() const {
  QString out;
  for (QChar c : m_reply) {
    const char16_t u = c.unicode();
    if (u >= 0x20 && u < 0x7F)
      out.append(c);
    else
      out += QString::asprintf("\\x%02X", static_cast<unsigned>(u & 0xFF));
  }
  return out;
}

// ---- parsing ---------------------------------------------------------------

namespace {
// A leading decimal integer as the C library reads one: white space, a sign,
// digits; no digits read as 0. Saturates instead of overflowing.
long long LeadingDecimal(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i].unicode() >= 9 && text[i].unicode() <= 13))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long n = 0;
  for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
    if (n < 1'000'000'000'000LL) n = n * 10 + (text[i].unicode() - '0');
  return negative ? -n : n;
}

bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
}  // namespace

bool CStateHostBase::HasPrefix(const QString& prefix) const {
  return m_reply.size() >= prefix.size() && QStringView(m_reply).left(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

bool CStateHostBase::ScanFlag(const QString& prefix, int& v) const {
  if (!HasPrefix(prefix) || m_reply.size() <= prefix.size()) return false;
  const QChar c = m_reply[prefix.size()];
  if (c != u'0' && c != u'1') return false;
  v = c == u'1' ? 1 : 0;
  return true;
}

bool CStateHostBase::ScanText(const QString& prefix, QString& v) const {
  if (!HasPrefix(prefix)) return false;
  v = m_reply.mid(prefix.size()).trimmed();
  while (v.endsWith(u';')) v.chop(1);
  return true;
}

bool CStateHostBase::ScanNumber(const QString& prefix, unsigned max, unsigned& v) const {
  if (!HasPrefix(prefix)) return false;
  const long long n = LeadingDecimal(QStringView(m_reply).mid(prefix.size()));
  if (n < 0 || n > static_cast<long long>(max)) return false;
  v = static_cast<unsigned>(n);
  return true;
}

bool CStateHostBase::ScanRange(const QString& prefix, unsigned& first, unsigned& second) const {
  if (!HasPrefix(prefix)) return false;
  const QStringView rest = QStringView(m_reply).mid(prefix.size());
  const qsizetype dash = rest.indexOf(u'-');
  if (dash < 0) return false;
  const long long a = LeadingDecimal(rest);
  const long long b = LeadingDecimal(rest.mid(dash + 1));
  if (a < 0 || a > 0xFFFF || b < 0 || b > 0xFFFF) return false;
  first = static_cast<unsigned>(a);
  second = static_cast<unsigned>(b);
  return true;
}

bool CStateHostBase::ScanHexByte(const QString& prefix, std::uint8_t& v) const {
  if (!HasPrefix(prefix) || m_reply.size() < prefix.size() + 2) return false;
  return HexPairToByte(m_reply[prefix.size()], m_reply[prefix.size() + 1], v);
}

bool CStateHostBase::ScanChar(const QString& prefix, QChar& c) const {
  if (!HasPrefix(prefix) || m_reply.size() <= prefix.size()) return false;
  c = m_reply[prefix.size()];
  return true;
}

bool CStateHostBase::ScanVersion(const QString& prefix, unsigned short& version) const {
  if (!HasPrefix(prefix) || m_reply.size() < prefix.size() + 6) return false;
  const QStringView v = QStringView(m_reply).mid(prefix.size(), 6);
  if (!IsAsciiDigit(v[0]) || !IsAsciiDigit(v[1]) || v[2] != u'.' || !IsAsciiDigit(v[3]) || !IsAsciiDigit(v[4]) ||
      v[5] != u';')
    return false;
  auto d = [&](int i) { return static_cast<unsigned>(v[i].unicode() - '0'); };
  version = static_cast<unsigned short>(1000 * d(0) + 100 * d(1) + 10 * d(3) + d(4));
  return true;
}

bool CStateHostBase::ParseVersion(const QString& prefix) {
  unsigned short version = 0;
  if (!ScanVersion(prefix, version)) return false;
  m_model.McuVersion.Set(version);
  return true;
}
