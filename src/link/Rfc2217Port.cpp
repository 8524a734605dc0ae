#include "link/Rfc2217Port.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>
#include <cstring>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

#include "base/FailureText.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "base/TimeScale.h"

namespace {
bool IsSupported(std::uint8_t option) {
  return option == Telnet::Binary || option == Telnet::Sga || option == Telnet::ComPort;
}

// The line format the tuner speaks, in COM port control's values: 8 data
// bits, no parity, one stop bit; no flow control, DTR and RTS off.
constexpr std::uint8_t kDataBits = 8;
constexpr std::uint8_t kNoParity = 1;
constexpr std::uint8_t kOneStopBit = 1;
constexpr std::uint8_t kNoFlowControl = 1;
constexpr std::uint8_t kDtrOff = 9;
constexpr std::uint8_t kRtsOff = 12;
constexpr std::uint8_t kPurgeReceived = 1;
}  // namespace

bool CRfc2217Port::IsNetworkName(const QString& name) {
  return name.startsWith(QLatin1String(kScheme), Qt::CaseInsensitive);
}

bool CRfc2217Port::ParseName(const QString& name, QString& host, quint16& port) {
  if (!IsNetworkName(name)) return false;
  const QString rest = name.mid(static_cast<qsizetype>(std::strlen(kScheme)));
  const qsizetype colon = rest.lastIndexOf(u':');
  if (colon <= 0) return false;
  host = rest.left(colon);
  if (host.startsWith(u'[')) {
    if (!host.endsWith(u']')) return false;
    host = host.mid(1, host.size() - 2);
  } else if (host.contains(u':')) {
    return false;  // an IPv6 address needs its brackets
  }
  bool ok = false;
  const uint number = rest.mid(colon + 1).toUInt(&ok);
  if (!ok || number == 0 || number > 0xFFFF || host.isEmpty()) return false;
  port = static_cast<quint16>(number);
  return true;
}

bool CRfc2217Port::IsConnectionFailure(ResultCode code) {
  switch (code) {
    case Result::ConnectionReset: case Result::ConnectionTimedOut: case Result::ConnectionRefused:
    case Result::HostUnreachable: case Result::HostNotFound: case Result::NetworkPortNameInvalid:
    case Result::NoSerialPortControl: return true;
    default: return false;
  }
}

CRfc2217Port::CRfc2217Port() {
  connect(&m_socket, &QTcpSocket::readyRead, this, &CRfc2217Port::OnReadyRead);
  connect(&m_socket, &QTcpSocket::errorOccurred, this, &CRfc2217Port::OnSocketError);
}

CRfc2217Port::~CRfc2217Port() {
  m_socket.disconnect(this);
  Close();
}

ResultCode CRfc2217Port::FromSocketError(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return Result::ConnectionRefused;
    case QAbstractSocket::HostNotFoundError: return Result::HostNotFound;
    case QAbstractSocket::SocketTimeoutError: return Result::ConnectionTimedOut;
    case QAbstractSocket::NetworkError: return Result::HostUnreachable;
    default: return Result::ConnectionReset;
  }
}

ResultCode CRfc2217Port::Open(const QString& name, std::uint32_t bps) {
  m_lostCode = 0;
  m_address = name.mid(static_cast<qsizetype>(std::strlen(kScheme)));
  QString host;
  quint16 port = 0;
  ResultCode code = ParseName(name, host, port) ? Connect(host, port) : Result::NetworkPortNameInvalid;
  if (code == Result::Success) code = TakeControl(bps);
  m_open = code == Result::Success;
  if (!m_open) {
    Close();
    SetLastError(code);
    return code;
  }
  SendLineFormat();
  emit LogLine(Format(tr("Network round trip %u ms to %s"), m_roundTripMs, m_address));
  return Result::Success;
}

ResultCode CRfc2217Port::TakeControl(std::uint32_t bps) {
  Negotiate();
  const bool agreed = WaitUntil([this] { return m_comPortAgreed; }, CTimeScale::RealMs(kConfirmMs));
  // The speed's exchange, once serial port control is agreed, is the round trip.
  QElapsedTimer clock;
  clock.start();
  const bool confirmed = agreed && RequestSpeed(bps);
  m_roundTripMs = static_cast<unsigned>(clock.elapsed());
  if (confirmed) return Result::Success;
  Failed();
  return GetLastError();
}

void CRfc2217Port::SendLineFormat() {
  // Not waited for: stations on pseudo-terminals never answer SET-CONTROL.
  for (const auto& [command, value] : {std::pair{Telnet::ComPortCommand::SetDataSize, kDataBits},
                                       {Telnet::ComPortCommand::SetParity, kNoParity},
                                       {Telnet::ComPortCommand::SetStopSize, kOneStopBit},
                                       {Telnet::ComPortCommand::SetControl, kNoFlowControl},
                                       {Telnet::ComPortCommand::SetControl, kDtrOff},
                                       {Telnet::ComPortCommand::SetControl, kRtsOff}})
    Send(Telnet::ComPortRequest(command, value, 1));
}

ResultCode CRfc2217Port::Connect(const QString& host, quint16 port) {
  m_decoder.Reset();
  m_received.clear();
  m_readAt = 0;
  m_comPortAgreed = false;
  m_speedAnswers = 0;
  m_roundTripMs = 0;
  m_willSent.reset();
  m_doSent.reset();
  m_socket.connectToHost(host, port);
  if (!m_socket.waitForConnected(static_cast<int>(kConnectMs))) return FromSocketError(m_socket.error());
  m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  return Result::Success;
}

void CRfc2217Port::Negotiate() {
  QByteArray offer;
  for (const std::uint8_t option : {Telnet::Binary, Telnet::Sga}) {
    offer += Telnet::Negotiation(Telnet::Will, option) + Telnet::Negotiation(Telnet::Do, option);
    m_willSent.set(option);
    m_doSent.set(option);
  }
  offer += Telnet::Negotiation(Telnet::Will, Telnet::ComPort);
  m_willSent.set(Telnet::ComPort);
  Send(offer);
}

bool CRfc2217Port::RequestSpeed(std::uint32_t bps) {
  const unsigned before = m_speedAnswers;
  // What the tuner said at the old speed is noise: the station drops it
  // before it confirms the new one, and nothing is written in between.
  if (!Send(Telnet::ComPortRequest(Telnet::ComPortCommand::PurgeData, kPurgeReceived, 1) +
            Telnet::ComPortRequest(Telnet::ComPortCommand::SetBaudRate, bps, 4)))
    return false;
  const bool confirmed =
      WaitUntil([&] { return m_speedAnswers != before; }, CTimeScale::RealMs(kConfirmMs) + m_roundTripMs);
  m_readAt = m_received.size();
  return confirmed;
}

bool CRfc2217Port::ApplySpeed(std::uint32_t bps) {
  if (RequestSpeed(bps)) return true;
  Failed();
  const ResultCode code = GetLastError();
  if (m_open)
    emit ErrorReported(LoadString(Str::ComPortErrorTitle),
                       ::FailureText(IoOperation::SetLineSettings, m_address, code));
  return false;
}

bool CRfc2217Port::Send(const QByteArray& bytes) {
  if (m_socket.state() != QAbstractSocket::ConnectedState || m_socket.write(bytes) != bytes.size()) return false;
  m_socket.flush();  // to the system now, not on the next loop turn
  return true;
}

bool CRfc2217Port::Failed() {
  // Still connected: the station has not taken up serial port control.
  if (m_socket.state() == QAbstractSocket::ConnectedState)
    SetLastError(Result::NoSerialPortControl);
  else
    SetLastError(m_lostCode != 0 ? m_lostCode : FromSocketError(m_socket.error()));
  return false;
}

bool CRfc2217Port::WaitUntil(const std::function<bool()>& condition, unsigned ms) {
  const QDeadlineTimer deadline(ms);
  const bool outer = m_waiting;
  m_waiting = true;
  while (!condition() && m_socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired())
    m_socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
  m_waiting = outer;
  // What came during the wait is announced from the event loop, as it would have been.
  if (!outer && BytesAvailable() > 0)
    QTimer::singleShot(0, this, [this] {
      if (m_open && BytesAvailable() > 0) emit BytesArrived();
    });
  return condition();
}

void CRfc2217Port::Close() {
  m_open = false;
  m_socket.abort();
}

bool CRfc2217Port::PurgeReceive() {
  // Only what has come: a purge at the station before each command would race
  // that command's reply (ser2net may drop its input after it wrote the
  // command on). Speed changes purge the station too.
  TakeIncoming();
  m_readAt = m_received.size();
  return true;
}

bool CRfc2217Port::WriteBytes(const char* bytes, std::size_t count) {
  return Send(Telnet::Escape(QByteArrayView(bytes, static_cast<qsizetype>(count)))) || Failed();
}

bool CRfc2217Port::Read(char* buffer, std::size_t count, std::size_t& bytesRead) {
  bytesRead = static_cast<std::size_t>(std::min<qint64>(BytesAvailable(), static_cast<qint64>(count)));
  std::memcpy(buffer, m_received.constData() + m_readAt, bytesRead);
  m_readAt += static_cast<qsizetype>(bytesRead);
  return true;
}

void CRfc2217Port::OnReadyRead() {
  TakeIncoming();
  if (!m_waiting && m_open && BytesAvailable() > 0) emit BytesArrived();
}

void CRfc2217Port::TakeIncoming() {
  const QByteArray bytes = m_socket.readAll();
  if (bytes.isEmpty()) return;
  AcknowledgeAtOnce();
  if (m_readAt == m_received.size()) {  // all read: start the buffer afresh
    m_received.clear();
    m_readAt = 0;
  }
  std::vector<Telnet::Event> events;
  m_decoder.Feed(bytes, m_received, events);
  for (const Telnet::Event& event : events) OnEvent(event);
}

void CRfc2217Port::AcknowledgeAtOnce() {
  // A station that holds its second small write until the first is
  // acknowledged (Nagle's rule: a purge's answer, then the reply) would
  // otherwise wait for the system's delayed acknowledgement, some 40 ms a reply.
#ifdef Q_OS_LINUX
  const int on = 1;
  setsockopt(static_cast<int>(m_socket.socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#endif
}

void CRfc2217Port::OnEvent(const Telnet::Event& event) {
  const std::uint8_t option = event.option;
  switch (event.verb) {
    case Telnet::Do:
    case Telnet::Will: {
      const bool theyWill = event.verb == Telnet::Will;
      if (!IsSupported(option)) {
        Send(Telnet::Negotiation(theyWill ? Telnet::Dont : Telnet::Wont, option));
        break;
      }
      auto& sent = theyWill ? m_doSent : m_willSent;
      if (!sent.test(option)) Send(Telnet::Negotiation(theyWill ? Telnet::Do : Telnet::Will, option));
      sent.set(option);
      if (option == Telnet::ComPort) m_comPortAgreed = true;
      break;
    }
    case Telnet::Dont: m_willSent.reset(option); break;
    case Telnet::Wont: m_doSent.reset(option); break;
    default: {
      std::uint32_t speed = 0;
      if (Telnet::ComPortAnswer(event, Telnet::ComPortCommand::SetBaudRate, speed)) ++m_speedAnswers;
    }
  }
}

void CRfc2217Port::OnSocketError(QAbstractSocket::SocketError error) {
  if (!m_open) return;  // a failed connect: Open says so
  // Lost in the middle of a job: like an unplugged adapter, said once, then closed.
  m_lostCode = FromSocketError(error);
  Close();
  emit ErrorReported(LoadString(Str::ComPortErrorTitle), FailureText(m_lostCode));
  emit DeviceLost();
}

QString CRfc2217Port::FailureText(ResultCode code) const {
  if (code == m_lostCode)
    return Format(tr("The connection to %s was lost: %s (error 0x%08X)"), m_address, ErrorText(code), code);
  return Format(tr("Could not connect to %s: %s"), m_address, ErrorText(code));
}
