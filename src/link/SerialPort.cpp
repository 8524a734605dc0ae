#include "link/SerialPort.h"

#include <QThread>

#include "base/TimeScale.h"
#include "link/LocalSerialPort.h"
#include "link/Rfc2217Port.h"

CSerialPort::CSerialPort() = default;

CSerialPort::~CSerialPort() { Close(); }

bool CSerialPort::IsAcceptedSpeed(std::uint32_t bps) {
  switch (bps) {
    case 4800: case 9600: case 19200: case 38400: case 57600: case 115200: case 230400: return true;
    default: return false;
  }
}

void CSerialPort::Settle() { QThread::msleep(CTimeScale::RealMs(kSettlingMs)); }

void CSerialPort::UseLinkFor(const QString& name) {
  const bool network = CRfc2217Port::IsNetworkName(name);
  if (m_link != nullptr && network == (qobject_cast<CRfc2217Port*>(m_link) != nullptr)) return;
  if (m_link != nullptr) {
    m_link->disconnect(this);
    m_link->deleteLater();
  }
  m_link = network ? static_cast<CSerialLink*>(new CRfc2217Port) : new CLocalSerialPort;
  m_link->setParent(this);  // deleted with the port at the latest
  connect(m_link, &CSerialLink::BytesArrived, this, &CSerialPort::OnBytesArrived);
  connect(m_link, &CSerialLink::ErrorReported, this, &CSerialPort::ErrorReported);
  connect(m_link, &CSerialLink::LogLine, this, &CSerialPort::LogLine);
  connect(m_link, &CSerialLink::DeviceLost, this, &CSerialPort::DeviceLost);
}

ResultCode CSerialPort::Open(const QString& name) {
  if (IsOpen()) return Result::Success;
  m_name = name;
  if (name.isEmpty()) {
    SetLastError(Result::SerialPortNameMissing);
    return Result::SerialPortNameMissing;
  }
  UseLinkFor(name);
  const ResultCode code = m_link->Open(name, kOpenSpeed);
  if (code != Result::Success) return code;
  m_speed = kOpenSpeed;
  Settle();
  return Result::Success;
}

void CSerialPort::Close() {
  if (m_link != nullptr) m_link->Close();
}

bool CSerialPort::IsOpen() const {
  if (m_link != nullptr && m_link->IsOpen()) return true;
  SetLastError(m_link != nullptr ? m_link->ClosedError() : Result::InvalidHandle);
  return false;
}

bool CSerialPort::SetSpeed(std::uint32_t bps) {
  if (!IsAcceptedSpeed(bps)) {
    SetLastError(Result::InvalidArg);
    return false;
  }
  if (bps == m_speed) return true;
  if (!IsOpen()) return false;
  Settle();
  if (!m_link->ApplySpeed(bps)) return false;
  m_speed = bps;
  Settle();
  return true;
}

bool CSerialPort::PurgeReceive() { return IsOpen() && m_link->PurgeReceive(); }

bool CSerialPort::WriteBytes(const char* bytes, std::size_t count) {
  if (bytes == nullptr || count == 0) return true;
  return IsOpen() && m_link->WriteBytes(bytes, count);
}

bool CSerialPort::WriteText(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return WriteBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool CSerialPort::Read(char* buffer, std::size_t count, std::size_t& bytesRead) {
  bytesRead = 0;
  return IsOpen() && m_link->Read(buffer, count, bytesRead);
}

bool CSerialPort::ReadByte(char& byte, bool& gotOne) {
  std::size_t got = 0;
  const bool ok = Read(&byte, 1, got);
  gotOne = ok && got == 1;
  return ok;
}

QString CSerialPort::FailureText(ResultCode code) const {
  return m_link != nullptr ? m_link->FailureText(code) : ErrorText(code);
}

unsigned CSerialPort::RoundTripMs() const { return m_link != nullptr && m_link->IsOpen() ? m_link->RoundTripMs() : 0; }

void CSerialPort::OnBytesArrived() {
  // One notice may find several replies queued; offer the rest again as long
  // as the handler keeps taking bytes, as a fresh notice would.
  qint64 before = 0;
  do {
    before = m_link->BytesAvailable();
    emit InputWaiting();
  } while (m_link->IsOpen() && m_link->BytesAvailable() > 0 && m_link->BytesAvailable() < before);
}
