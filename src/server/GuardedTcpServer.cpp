#include "server/GuardedTcpServer.h"

#include <QTcpSocket>

#include "server/ConnectionGuard.h"

namespace {
// Enough for a valid request (its head and body) with room to spare: a
// client sending more than the server reads waits instead of filling memory.
constexpr qint64 kReadBuffer = 64 * 1024;
}  // namespace

CGuardedTcpServer::CGuardedTcpServer(const CAllowedHosts& hosts, QObject* parent) : QTcpServer(parent), m_hosts(hosts) {}

void CGuardedTcpServer::incomingConnection(qintptr descriptor) {
  auto* socket = new QTcpSocket(this);
  socket->setSocketDescriptor(descriptor);
  socket->setReadBufferSize(kReadBuffer);
  if (m_open >= kMostConnections) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    CConnectionGuard::Refuse(*socket, ErrorReply(HttpStatus::ServiceUnavailable, Result::BusyStateMachine,
                                                 QStringLiteral("too many open connections (%1)").arg(kMostConnections)));
    return;
  }
  ++m_open;
  connect(socket, &QObject::destroyed, this, [this] { --m_open; });
  new CConnectionGuard(*socket, m_hosts);
  addPendingConnection(socket);
}
