#pragma once
// The server in-process on a real socket, over a poll loop and the simulated
// tuner on a pseudo-terminal, and a small HTTP client for it.

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QUrl>
#include <QWebSocket>
#include <optional>

#include "tests/support/TestSupport.h"
#include "machines/operate/PollLoop.h"
#include "model/ActiveMachineScope.h"
#include "server/TunerServer.h"

struct HttpReply {
  int status = 0;  // 0: no answer in time
  QByteArray body;
  QByteArray contentType;
  QJsonObject Json() const;
};

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;
HttpReply Http(const QByteArray& method, const QUrl& url, const QByteArray& body = {}, const HttpHeaders& headers = {});

// What a raw connection received until the server closed it or the time
// ran out: its status (0: none) and whether the server closed.
struct RawReply {
  int status = 0;
  QByteArray bytes;
  bool closed = false;
};
// Sends the bytes as they are on a new connection to 127.0.0.1:port and
// waits for the server to close it, or for a complete head when keepOpen.
RawReply Exchange(quint16 port, const QByteArray& bytes, int timeoutMs = 5000, bool keepOpen = false);
// A GET of the path with the Host header given and the header lines added.
QByteArray RawGet(const QByteArray& path, const QByteArray& host, const QByteArray& more = {});
// The header lines that ask for a WebSocket.
inline const QByteArray kUpgrade =
    "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
    "Sec-WebSocket-Version: 13\r\n";

// A client of the live feed that keeps every message it is sent.
struct LiveClient {
  LiveClient();
  void Open(const QUrl& url) { socket.open(url); }
  QWebSocket socket;
  QList<QJsonObject> messages;
};

inline const QString kTestToken = QStringLiteral("test-token-6400");

class ServerFixture : public ModelFixture {
 public:
  static constexpr unsigned long kInterval = 40;

  // Without a simulator the port is the caller's to set before Start.
  explicit ServerFixture(SimOptions options = Firmware("01.97"), bool withSimulator = true);
  // Listens on a free port, starts polling and waits for the first reading.
  bool Start();

  QUrl Url(const QString& path, const char* scheme = "http") const;
  HttpReply Get(const QString& path) { return Http("GET", Url(path)); }
  // A change with the token (none when empty) and an Origin header if given.
  HttpReply Post(const QString& path, const QByteArray& body = "{}", const QString& token = kTestToken,
                 const QByteArray& origin = {});
  QString Link() { return Get(QStringLiteral("/api/status")).Json()[QStringLiteral("link")].toString(); }
  // Waits until a poll cycle has ended and returns its result.
  std::optional<ResultCode> NextCycle(int timeoutMs = 5000);

  COperateStateMachine machine{Model()};
  CActiveMachineScope active{Model(), machine};
  CPollLoop loop{machine};
  CTunerServer server{loop, Model(), kTestToken};
  int cycles = 0;
  ResultCode lastResult = 0;
};
