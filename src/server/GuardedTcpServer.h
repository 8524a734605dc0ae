#pragma once
// The listening socket of the HTTP server: it takes at most kMostConnections
// connections at a time (the next is refused at once) and puts a guard in
// front of each.

#include <QTcpServer>

#include "server/AllowedHosts.h"

constexpr int kMostConnections = 64;

class CGuardedTcpServer : public QTcpServer {
  Q_OBJECT
 public:
  CGuardedTcpServer(const CAllowedHosts& hosts, QObject* parent);

 protected:
  void incomingConnection(qintptr descriptor) override;

 private:
  CAllowedHosts m_hosts;
  int m_open = 0;
};
