#include "server/ConnectionGuard.h"

#include <QJsonDocument>

#include "base/TimeScale.h"
#include "server/ServerAccess.h"

namespace {
using Status = HttpStatus;

// A refusal as raw HTTP: the server's own responder never sees the request.
QByteArray RawReply(const ApiReply& reply) {
  const QByteArray body = QJsonDocument(reply.body).toJson(QJsonDocument::Compact);
  return "HTTP/1.1 " + QByteArray::number(int(reply.status)) + " \r\n" +
         "Content-Type: application/json\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) +
         "\r\n\r\n" + body;
}
}  // namespace

CConnectionGuard::CConnectionGuard(QTcpSocket& socket, const CAllowedHosts& hosts)
    : QObject(&socket), m_socket(socket), m_hosts(hosts) {
  connect(&socket, &QTcpSocket::readyRead, this, &CConnectionGuard::OnReadyRead);
  connect(&socket, &QTcpSocket::bytesWritten, this, &CConnectionGuard::OnBytesWritten);
  connect(&m_timer, &QTimer::timeout, this, &CConnectionGuard::OnTimeout);
  m_timer.setSingleShot(true);
  m_timer.start(int(CTimeScale::RealMs(kRequestTimeMs)));
}

void CConnectionGuard::Refuse(QTcpSocket& socket, const ApiReply& reply) {
  disconnect(&socket, &QTcpSocket::readyRead, nullptr, nullptr);
  socket.write(RawReply(reply));
  socket.disconnectFromHost();
}

// The HTTP server reads all there is each time, so what is there now has
// just arrived.
void CConnectionGuard::OnReadyRead() {
  if (m_upgraded) return;
  const CRequestHead::Step step = m_head.Read(m_socket.peek(m_socket.bytesAvailable()), [this] { return Check(); });
  if (m_socket.state() != QAbstractSocket::ConnectedState || m_upgraded) return;
  if (step == CRequestHead::Step::TooLarge)
    return Refuse(m_socket, ErrorReply(Status::RequestHeaderFieldsTooLarge, Result::InvalidParameter,
                                    QStringLiteral("the request head is longer than %1 bytes").arg(kLargestHead)));
  m_partial = step == CRequestHead::Step::Partial;
  // A complete request waits for its answer without a time limit; the time
  // of one begun runs from its first byte.
  if (!m_partial) m_timer.stop();
  else if (!m_timer.isActive()) m_timer.start(int(CTimeScale::RealMs(kRequestTimeMs)));
}

// Answered: the next request has its time from now.
void CConnectionGuard::OnBytesWritten() {
  if (!m_upgraded && !m_timer.isActive()) m_timer.start(int(CTimeScale::RealMs(kRequestTimeMs)));
}

bool CConnectionGuard::Check() {
  const auto refuse = [this](Status status, ResultCode code, const QString& text) {
    Refuse(m_socket, ErrorReply(status, code, text));
    return false;
  };
  if (!m_hosts.AllowsHost(m_head.Value("host")))
    return refuse(Status::MisdirectedRequest, Result::AccessDenied,
                  QStringLiteral("this server does not go by the name in the Host header (see --allow-host)"));
  if (!m_head.Value("transfer-encoding").isEmpty())
    return refuse(Status::LengthRequired, Result::InvalidParameter, QStringLiteral("a body needs a Content-Length"));
  const qint64 length = m_head.BodyLength();
  if (length < 0) return refuse(Status::BadRequest, Result::InvalidParameter, QStringLiteral("Content-Length is not a number"));
  if (length > kLargestBody)
    return refuse(Status::PayloadTooLarge, Result::InvalidParameter,
                  QStringLiteral("the request body is larger than %1 bytes").arg(kLargestBody));
  if (!IsWebSocketUpgrade(m_head.Value("upgrade"), m_head.Value("connection"))) return true;
  if (!m_hosts.AllowsOrigin(m_head.Value("origin")))
    return refuse(Status::Forbidden, Result::AccessDenied, QStringLiteral("a page of another site may not open the live feed"));
  // From here on the connection speaks WebSocket, and its feed limits it.
  m_upgraded = true;
  m_timer.stop();
  return false;
}

void CConnectionGuard::OnTimeout() {
  if (!m_partial) {
    m_socket.disconnectFromHost();
    return;
  }
  Refuse(m_socket, ErrorReply(Status::RequestTimeout, Result::Timeout,
                           QStringLiteral("the request was not complete within %1 s").arg(kRequestTimeMs / 1000)));
}
