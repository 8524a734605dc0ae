#pragma once
// Watches one connection in front of the HTTP server: a request from a name
// this server does not go by, a body over the limit or a head too long is
// answered from its head and the connection closed; so is a request that is
// not complete in time. A connection that became a WebSocket is left alone.

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include "server/AllowedHosts.h"
#include "server/ApiReply.h"
#include "server/RequestHead.h"

// How long a request may take to arrive, and an open connection may wait
// between requests.
constexpr unsigned kRequestTimeMs = 10000;

class CConnectionGuard : public QObject {
  Q_OBJECT
 public:
  // Watches the socket (whose child it becomes) from its first byte on;
  // connected before the HTTP server, it judges each request first.
  CConnectionGuard(QTcpSocket& socket, const CAllowedHosts& hosts);

  // Answers with the refusal and closes the connection; nothing else reads
  // from it.
  static void Refuse(QTcpSocket& socket, const ApiReply& reply);

 private:
  void OnReadyRead();
  void OnBytesWritten();
  // Whether the HTTP server may go on to the request whose head is complete.
  bool Check();
  void OnTimeout();

  QTcpSocket& m_socket;
  const CAllowedHosts m_hosts;
  CRequestHead m_head;
  QTimer m_timer;
  bool m_partial = false;
  bool m_upgraded = false;
};
