#include "engine/StateHostBase.h"

#include <QCoreApplication>

#include "base/TimeScale.h"
#include "engine/ReplyScanner.h"
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
  // A reply over the network comes that much later; a local port adds nothing.
  m_timer.start(static_cast<int>(CTimeScale::RealMs(ms) + m_model.Channel->RoundTripMs()));
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

bool CStateHostBase::HasPrefix(const QString& prefix) const { return ReplyScanner::HasPrefix(m_reply, prefix); }

bool CStateHostBase::ScanFlag(const QString& prefix, int& v) const {
  return ReplyScanner::ScanFlag(m_reply, prefix, v);
}

bool CStateHostBase::ScanText(const QString& prefix, QString& v) const {
  return ReplyScanner::ScanText(m_reply, prefix, v);
}

bool CStateHostBase::ScanNumber(const QString& prefix, unsigned max, unsigned& v) const {
  return ReplyScanner::ScanNumber(m_reply, prefix, max, v);
}

bool CStateHostBase::ScanRange(const QString& prefix, unsigned& first, unsigned& second) const {
  return ReplyScanner::ScanRange(m_reply, prefix, first, second);
}

bool CStateHostBase::ScanHexByte(const QString& prefix, std::uint8_t& v) const {
  return ReplyScanner::ScanHexByte(m_reply, prefix, v);
}

bool CStateHostBase::ScanChar(const QString& prefix, QChar& c) const {
  return ReplyScanner::ScanChar(m_reply, prefix, c);
}

bool CStateHostBase::ScanVersion(const QString& prefix, unsigned short& version) const {
  return ReplyScanner::ScanVersion(m_reply, prefix, version);
}

bool CStateHostBase::ParseVersion(const QString& prefix) {
  unsigned short version = 0;
  if (!ScanVersion(prefix, version)) return false;
  m_model.McuVersion.Set(version);
  return true;
}
