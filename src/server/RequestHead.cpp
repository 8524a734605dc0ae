#include "server/RequestHead.h"

#include <QList>

namespace {
// Where a head ends: an empty line, with or without the carriage returns.
qsizetype HeadEnd(const QByteArray& head) {
  const qsizetype crlf = head.indexOf("\n\r\n");
  const qsizetype lf = head.indexOf("\n\n");
  if (crlf < 0) return lf < 0 ? -1 : lf + 2;
  return lf < 0 || crlf < lf ? crlf + 3 : lf + 2;
}
}  // namespace

bool IsWebSocketUpgrade(const QByteArray& upgrade, const QByteArray& connection) {
  if (upgrade.trimmed().compare("websocket", Qt::CaseInsensitive) != 0) return false;
  for (const QByteArray& option : connection.split(','))
    if (option.trimmed().compare("upgrade", Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool CRequestHead::TakeHead(const QByteArray& bytes, qsizetype& at) {
  const qsizetype before = m_head.size();
  m_head += bytes.mid(at, kLargestHead + 1 - before);
  const qsizetype end = HeadEnd(m_head);
  if (end < 0) {
    at = bytes.size();
    return false;
  }
  at += end - before;
  m_head.truncate(end);
  Parse();
  m_head.clear();
  return true;
}

void CRequestHead::Parse() {
  m_headers.clear();
  const QList<QByteArray> lines = m_head.split('\n');
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const qsizetype colon = lines[i].indexOf(':');
    if (colon > 0) m_headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
  }
}

qint64 CRequestHead::BodyLength() const {
  const QByteArray given = Value("content-length");
  if (given.isEmpty()) return 0;
  bool ok = false;
  const qint64 length = given.toLongLong(&ok);
  return ok && length >= 0 ? length : -1;
}
