#pragma once
// The WebSocket clients of /api/live: each gets the status as it is when it
// joins, then one message per poll cycle.

#include <QJsonObject>
#include <QObject>
#include <QWebSocket>
#include <memory>
#include <vector>

class CLiveFeed : public QObject {
  Q_OBJECT
 public:
  // Takes a client; it leaves when it disconnects.
  void Add(std::unique_ptr<QWebSocket> client, const QJsonObject& status);
  void Broadcast(const QJsonObject& status);
  // Tells every client that the server goes away; each leaves as its
  // connection closes.
  void CloseAll();
  std::size_t Count() const { return m_clients.size(); }

 private:
  void Remove(QWebSocket* client);
  std::vector<std::unique_ptr<QWebSocket>> m_clients;
};
