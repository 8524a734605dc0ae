#include "link/LocalSerialPort.h"

#include <cerrno>

#include "base/FailureText.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "link/PortAccessAdvice.h"

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

CLocalSerialPort::CLocalSerialPort() {
  connect(&m_port, &QSerialPort::readyRead, this, &CLocalSerialPort::BytesArrived);
  connect(&m_port, &QSerialPort::errorOccurred, this, &CLocalSerialPort::OnError);
}

CLocalSerialPort::~CLocalSerialPort() { Close(); }

ResultCode CLocalSerialPort::LastPortError() const {
  // QSerialPort keeps errno's meaning only as a coarse category; ask errno too
  // for the cases it lumps together.
  const auto error = m_port.error();
  if (error == QSerialPort::OpenError || error == QSerialPort::UnknownError) {
    const ResultCode fromErrno = WinErrorFromErrno(errno);
    if (fromErrno != Result::Success) return fromErrno;
  }
  return FromPortError(error);
}

bool CLocalSerialPort::ApplyLineSettings(std::uint32_t bps) {
  return m_port.setBaudRate(static_cast<qint32>(bps)) && m_port.setDataBits(QSerialPort::Data8) &&
         m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
         m_port.setFlowControl(QSerialPort::NoFlowControl);
}

ResultCode CLocalSerialPort::Open(const QString& name, std::uint32_t bps) {
  m_lostCode = 0;
  m_name = name;
  m_port.setPortName(name);
  errno = 0;
  if (!m_port.open(QIODevice::ReadWrite)) {
    const ResultCode code = LastPortError();
    Close();
    SetLastError(code);
    return code;
  }
  if (!ApplyLineSettings(bps)) {
    Failed(IoOperation::SetLineSettings);
    Close();
    return GetLastError();
  }
  // Pseudo-terminals have no modem lines; holding DTR and RTS off fails there harmlessly.
  m_port.setDataTerminalReady(false);
  m_port.setRequestToSend(false);
  m_port.clearError();
  return Result::Success;
}

void CLocalSerialPort::Close() {
  if (m_port.isOpen()) m_port.close();
  m_port.clearError();
}

bool CLocalSerialPort::Failed(IoOperation operation) {
  // The error handler may have met the device gone within the call: it has
  // reported that and closed the port, and the port's error is cleared.
  if (m_port.isOpen()) {
    const ResultCode code = LastPortError();
    SetLastError(ReportError(operation, code == Result::Success ? Result::GenFailure : code));
  }
  if (!m_port.isOpen()) SetLastError(ClosedError());
  return false;
}

bool CLocalSerialPort::ApplySpeed(std::uint32_t bps) {
  return m_port.setBaudRate(static_cast<qint32>(bps)) || Failed(IoOperation::SetLineSettings);
}

bool CLocalSerialPort::PurgeReceive() {
  return m_port.clear(QSerialPort::Input) || Failed(IoOperation::ClearReceived);
}

bool CLocalSerialPort::WriteBytes(const char* bytes, std::size_t count) {
  // Handed to the driver now, not on the next loop turn: bytes only queued
  // are not written, and a failure to write them is this write's.
  if (m_port.write(bytes, static_cast<qint64>(count)) != static_cast<qint64>(count) || !m_port.flush())
    return Failed(IoOperation::Write);
  return true;
}

bool CLocalSerialPort::Read(char* buffer, std::size_t count, std::size_t& bytesRead) {
  const qint64 got = m_port.read(buffer, static_cast<qint64>(count));
  if (got < 0) return Failed(IoOperation::Read);
  bytesRead = static_cast<std::size_t>(got);
  return true;
}

ResultCode CLocalSerialPort::ReportError(IoOperation operation, ResultCode code) {
  // A device that went away is closed before the report: the error box runs
  // its own event loop, in which QSerialPort would repeat the error endlessly.
  const bool lost = m_port.isOpen() && code == Result::AccessDenied;
  if (lost) {
    Close();
    m_lostCode = Result::DeviceNotConnected;
  }
  // A vanished adapter is a lost connection, not a question of permissions.
  const QString text = lost ? FormatString(Str::ConnectionLost, ModelName(), m_name, code)
                            : ::FailureText(operation, m_name, code);
  emit ErrorReported(LoadString(Str::ComPortErrorTitle), text);
  if (lost) emit DeviceLost();
  return code;
}

QString CLocalSerialPort::FailureText(ResultCode code) const {
  const QString advice = PortAccessAdvice(m_name);
  if (!advice.isEmpty()) return advice;  // refused for want of permission, not because another program has it
  if (code == Result::AccessDenied) return FormatString(Str::PortAccessDenied, m_name);
  return FormatString(Str::UnableToOpenPort, m_name, code, ErrorText(code));
}

void CLocalSerialPort::OnError(QSerialPort::SerialPortError error) {
  // The device went away: an unplugged adapter gives ResourceError, a hung-up
  // line reads end-of-file, which QSerialPort calls ReadError. Either repeats
  // in a tight loop until the port is closed: report it once and close.
  const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
  if (gone && m_port.isOpen()) ReportError(IoOperation::Read, Result::AccessDenied);
}
