#pragma once
// The names under which the server may be asked for: a page whose own name
// was made to point at this computer (DNS rebinding) carries that name in its
// Host header and Origin, and is refused. Loopback names, the listening
// address (every address of this computer when it listens on all of them)
// and the names given with --allow-host are accepted, whatever the port.

#include <QByteArray>
#include <QHostAddress>
#include <QStringList>

class CAllowedHosts {
 public:
  CAllowedHosts() = default;
  CAllowedHosts(const QHostAddress& listen, const QStringList& names);

  // A Host header ("name", "name:port", "[v6]:port").
  bool AllowsHost(const QByteArray& host) const;
  // An Origin header ("http://name:port"); none is a program, not a page.
  bool AllowsOrigin(const QByteArray& origin) const;

 private:
  bool AllowsName(const QString& name) const;

  QList<QHostAddress> m_addresses;
  QStringList m_names;
};
