#pragma once
// Follows the requests on one connection as their bytes arrive, before the
// HTTP server parses them, so that a request is judged by its head alone:
// its body is counted past, never kept.

#include <QByteArray>
#include <QMap>
#include <algorithm>

class CRequestHead {
 public:
  enum class Step {
    Partial,   // a request has begun and is not complete
    Complete,  // the bytes end with a complete request (or with none begun)
    TooLarge,  // the head is longer than any this server takes
  };

  // Reads the next bytes; on each complete head, check is called with it
  // and may stop the reading (false) with the head's step left at Complete.
  template <typename Check>
  Step Read(const QByteArray& bytes, Check check);

  // A header of the latest complete head, by its lowercase name; empty when
  // not given.
  QByteArray Value(const QByteArray& name) const { return m_headers.value(name); }
  // Content-Length, -1 when it is not a number.
  qint64 BodyLength() const;

 private:
  bool TakeHead(const QByteArray& bytes, qsizetype& at);
  void Parse();

  QByteArray m_head;
  QMap<QByteArray, QByteArray> m_headers;
  qint64 m_bodyLeft = 0;
};

constexpr qsizetype kLargestHead = 16 * 1024;

// Whether the Upgrade and Connection headers ask for a WebSocket, as the
// HTTP parser takes them: "websocket", and "upgrade" among the connection's
// options.
bool IsWebSocketUpgrade(const QByteArray& upgrade, const QByteArray& connection);

template <typename Check>
CRequestHead::Step CRequestHead::Read(const QByteArray& bytes, Check check) {
  qsizetype at = 0;
  while (at < bytes.size()) {
    const qint64 body = std::min<qint64>(m_bodyLeft, bytes.size() - at);
    m_bodyLeft -= body;
    at += body;
    if (at == bytes.size()) break;
    if (!TakeHead(bytes, at)) return m_head.size() > kLargestHead ? Step::TooLarge : Step::Partial;
    if (!check()) return Step::Complete;
    m_bodyLeft = std::max<qint64>(BodyLength(), 0);
  }
  return m_bodyLeft > 0 || !m_head.isEmpty() ? Step::Partial : Step::Complete;
}
