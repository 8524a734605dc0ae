#include "link/SerialPort.h"

#include <QThread>
#include <cerrno>

#include "base/FailureText.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "base/TimeScale.h"

namespace {
ResultCode FromPortError(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::NoError: return Result::Success;
    case QSerialPort::DeviceNotFoundError: return Result::FileNotFound;
    case QSerialPort::PermissionError: return Result::AccessDenied;
    case QSerialPort::OpenError: return Result::AccessDenied;
    case QSerialPort::NotOpenError: return Result::InvalidHandle;
    case QSerialPort::ResourceError: return Result::AccessDenied;
    case QSerialPort::UnsupportedOperationError: return Result::NotSupported;
    case QSerialPort::TimeoutError: return Result::Timeout;
    case QSerialPort::WriteError: return Result::WriteFault;
    case QSerialPort::ReadError: return Result::ReadFault;
    default: return Result::GenFailure;
  }
}
}  // namespace

CSerialPort::CSerialPort() {
  connect(&m_port, &QSerialPort::readyRead, this, &CSerialPort::OnReadyRead);
  connect(&m_port, &QSerialPort::errorOccurred, this, &CSerialPort::OnError);
}

CSerialPort::~CSerialPort() { Close(); }

bool CSerialPort::IsAcceptedSpeed(std::uint32_t bps) {
  switch (bps) {
    case 4800: case 9600: case 19200: case 38400: case 57600: case 115200: case 230400: return true;
    default: return false;
  }
}

ResultCode CSerialPort::LastPortError() const {
  // QSerialPort keeps errno's meaning only as a coarse category; ask errno too
  // for the cases it lumps together.
  const auto error = m_port.error();
  if (error == QSerialPort::OpenError || error == QSerialPort::UnknownError) {
    const ResultCode fromErrno = WinErrorFromErrno(errno);
    if (fromErrno != Result::Success) return fromErrno;
  }
  return FromPortError(error);
}

bool CSerialPort::ApplyLineSettings() {
  return m_port.setBaudRate(static_cast<qint32>(kOpenSpeed)) && m_port.setDataBits(QSerialPort::Data8) &&
         m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
         m_port.setFlowControl(QSerialPort::NoFlowControl);
}

void CSerialPort::Settle() { QThread::msleep(CTimeScale::RealMs(kSettlingMs)); }

ResultCode CSerialPort::Open(const QString& name) {
  if (IsOpen()) return Result::Success;
  m_name = name;
  m_lost = false;
  if (name.isEmpty()) {
    SetLastError(Result::SerialPortNameMissing);
    return Result::SerialPortNameMissing;
  }
  m_port.setPortName(name);
  errno = 0;
  if (!m_port.open(QIODevice::ReadWrite)) {
    const ResultCode code = LastPortError();
    Close();
    SetLastError(code);
    return code;
  }
  if (!ApplyLineSettings()) {
    Failed("SetCommState");
    Close();
    return GetLastError();
  }
  // Pseudo-terminals have no modem lines; holding DTR and RTS off fails there harmlessly.
  m_port.setDataTerminalReady(false);
  m_port.setRequestToSend(false);
  m_port.clearError();
  m_speed = kOpenSpeed;
  Settle();
  return Result::Success;
}

void CSerialPort::Close() {
  if (m_port.isOpen()) m_port.close();
  m_port.clearError();
}

bool CSerialPort::IsOpen() const {
  if (m_port.isOpen()) return true;
  SetLastError(ClosedError());
  return false;
}

ResultCode CSerialPort::ClosedError() const {
  return m_lost ? Result::DeviceNotConnected : Result::InvalidHandle;
}

bool CSerialPort::Failed(const char* apiName) {
  // The error handler may have met the device gone within the call: it has
  // reported that and closed the port, and the port's error is cleared.
  if (m_port.isOpen()) {
    const ResultCode code = LastPortError();
    SetLastError(ReportError(apiName, code == Result::Success ? Result::GenFailure : code));
  }
  if (!m_port.isOpen()) SetLastError(ClosedError());
  return false;
}

bool CSerialPort::SetSpeed(std::uint32_t bps) {
  if (!IsAcceptedSpeed(bps)) {
    SetLastError(Result::InvalidArg);
    return false;
  }
  if (bps == m_speed) return true;
  Settle();
  const std::uint32_t old = m_speed;
  m_speed = bps;
  if (!m_port.setBaudRate(static_cast<qint32>(bps))) {
    m_speed = old;
    return Failed("SetCommState");
  }
  Settle();
  return true;
}

bool CSerialPort::PurgeReceive() {
  if (!IsOpen()) return false;
  return m_port.clear(QSerialPort::Input) || Failed("PurgeComm");
}

bool CSerialPort::WriteBytes(const char* bytes, std::size_t count) {
  if (bytes == nullptr || count == 0) return true;
  if (!IsOpen()) return false;
  // Handed to the driver now, not on the next loop turn: bytes only queued
  // are not written, and a failure to write them is this write's.
  if (m_port.write(bytes, static_cast<qint64>(count)) != static_cast<qint64>(count) || !m_port.flush())
    return Failed("WriteFile");
  return true;
}

bool CSerialPort::WriteText(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return WriteBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool CSerialPort::Read(char* buffer, std::size_t count, std::size_t& bytesRead) {
  bytesRead = 0;
  if (!IsOpen()) return false;
  const qint64 got = m_port.read(buffer, static_cast<qint64>(count));
  if (got < 0) return Failed("ReadFile");
  bytesRead = static_cast<std::size_t>(got);
  return true;
}

bool CSerialPort::ReadByte(char& byte, bool& gotOne) {
  std::size_t got = 0;
  const bool ok = Read(&byte, 1, got);
  gotOne = ok && got == 1;
  return ok;
}

ResultCode CSerialPort::ReportError(const char* apiName, ResultCode code) {
  // A device that went away is closed before the report: the error box runs
  // its own event loop, in which QSerialPort would repeat the error endlessly.
  const bool lost = m_port.isOpen() && code == Result::AccessDenied;
  if (lost) {
    Close();
    m_lost = true;
  }
  // A vanished adapter is a lost connection, not a question of permissions.
  const QString text = lost ? FormatString(Str::ConnectionLost, ModelName(), m_name, code)
                            : FailureText(apiName, m_name, code);
  emit ErrorReported(LoadString(Str::ComPortErrorTitle), text);
  if (lost) emit DeviceLost();
  return code;
}

void CSerialPort::OnReadyRead() {
  // One notice may find several replies queued; offer the rest again as long
  // as the handler keeps taking bytes, as a fresh notice would.
  qint64 before = 0;
  do {
    before = m_port.bytesAvailable();
    emit InputWaiting();
  } while (m_port.isOpen() && m_port.bytesAvailable() > 0 && m_port.bytesAvailable() < before);
}

void CSerialPort::OnError(QSerialPort::SerialPortError error) {
  // The device went away: an unplugged adapter gives ResourceError, a hung-up
  // line reads end-of-file, which QSerialPort calls ReadError. Either repeats
  // in a tight loop until the port is closed: report it once and close.
  const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
  if (gone && m_port.isOpen()) ReportError("ReadFile", Result::AccessDenied);
}
