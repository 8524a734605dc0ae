#include "server/LiveFeed.h"

#include <QJsonDocument>
#include <algorithm>

namespace {
// Clients only listen: anything larger than a ping or a close is refused
// from the frame's head, before its payload is read.
constexpr quint64 kLargestIncoming = 1024;

QString Message(const QJsonObject& status) {
  return QString::fromUtf8(QJsonDocument(status).toJson(QJsonDocument::Compact));
}
}  // namespace

void CLiveFeed::Add(std::unique_ptr<QWebSocket> client, const QJsonObject& status) {
  QWebSocket* socket = client.get();
  socket->setMaxAllowedIncomingFrameSize(kLargestIncoming);
  socket->setMaxAllowedIncomingMessageSize(kLargestIncoming);
  connect(socket, &QWebSocket::disconnected, this, [this, socket] { Remove(socket); });
  m_clients.push_back(std::move(client));
  socket->sendTextMessage(Message(status));
}

void CLiveFeed::Broadcast(const QJsonObject& status) {
  const QString message = Message(status);
  for (const auto& client : m_clients) client->sendTextMessage(message);
}

void CLiveFeed::CloseAll() {
  for (const auto& client : m_clients)
    client->close(QWebSocketProtocol::CloseCodeGoingAway, QStringLiteral("server stopping"));
}

// The socket is in the middle of its own signal: it goes when that is over.
void CLiveFeed::Remove(QWebSocket* client) {
  const auto it = std::find_if(m_clients.begin(), m_clients.end(), [client](const auto& c) { return c.get() == client; });
  if (it == m_clients.end()) return;
  it->release()->deleteLater();
  m_clients.erase(it);
}
