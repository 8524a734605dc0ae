#include "server/ListenAddress.h"

std::optional<ListenAddress> ParseListenAddress(const QString& text) {
  const qsizetype colon = text.lastIndexOf(u':');
  if (colon <= 0) return std::nullopt;
  QString host = text.left(colon);
  if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
  const QString portText = text.mid(colon + 1);
  bool digits = !portText.isEmpty();
  for (const QChar c : portText) digits = digits && c.isDigit();
  bool ok = false;
  const uint port = portText.toUInt(&ok);
  ListenAddress listen{QHostAddress(host), static_cast<quint16>(port)};
  if (!digits || !ok || port > 0xFFFF || listen.address.isNull()) return std::nullopt;
  return listen;
}
