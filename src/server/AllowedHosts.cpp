#include "server/AllowedHosts.h"

#include <QNetworkInterface>
#include <QUrl>

CAllowedHosts::CAllowedHosts(const QHostAddress& listen, const QStringList& names)
    : m_names{QStringLiteral("localhost")} {
  const bool everywhere = listen == QHostAddress::Any || listen == QHostAddress::AnyIPv4 || listen == QHostAddress::AnyIPv6;
  m_addresses = everywhere ? QNetworkInterface::allAddresses() : QList<QHostAddress>{listen};
  m_addresses << QHostAddress(QHostAddress::LocalHost) << QHostAddress(QHostAddress::LocalHostIPv6);
  for (const QString& name : names) m_names << name.toLower();
}

bool CAllowedHosts::AllowsHost(const QByteArray& host) const {
  // A URL parses the port and the brackets of an IPv6 address as a browser does.
  const QUrl url(QStringLiteral("http://") + QString::fromLatin1(host));
  return !host.isEmpty() && url.isValid() && url.userInfo().isEmpty() && url.path().isEmpty() &&
         AllowsName(url.host());
}

bool CAllowedHosts::AllowsOrigin(const QByteArray& origin) const {
  if (origin.isEmpty()) return true;
  const QUrl url(QString::fromLatin1(origin));
  return url.isValid() && AllowsName(url.host());
}

bool CAllowedHosts::AllowsName(const QString& name) const {
  const QHostAddress address(name);
  if (!address.isNull()) {
    for (const QHostAddress& allowed : m_addresses)
      if (address.isEqual(allowed, QHostAddress::TolerantConversion)) return true;
  }
  return m_names.contains(name.toLower());
}
