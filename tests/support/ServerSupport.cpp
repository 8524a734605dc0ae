#include "tests/support/ServerSupport.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>

QJsonObject HttpReply::Json() const { return QJsonDocument::fromJson(body).object(); }

HttpReply Http(const QByteArray& method, const QUrl& url, const QByteArray& body, const HttpHeaders& headers) {
  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  for (const auto& [name, value] : headers) request.setRawHeader(name, value);
  if (!body.isEmpty()) request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
  QNetworkReply* reply = manager.sendCustomRequest(request, method, body);
  HttpReply result;
  if (WaitFor([reply] { return reply->isFinished(); }, 15000)) {
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
  }
  delete reply;
  return result;
}

RawReply Exchange(quint16 port, const QByteArray& bytes, int timeoutMs, bool keepOpen) {
  QTcpSocket socket;
  RawReply reply;
  QObject::connect(&socket, &QTcpSocket::disconnected, [&] { reply.closed = true; });
  QObject::connect(&socket, &QTcpSocket::readyRead, [&] { reply.bytes += socket.readAll(); });
  socket.connectToHost(QHostAddress::LocalHost, port);
  socket.write(bytes);
  WaitFor([&] { return reply.closed || (keepOpen && reply.bytes.contains("\r\n\r\n")); }, timeoutMs);
  socket.disconnect();
  const QList<QByteArray> first = reply.bytes.left(reply.bytes.indexOf('\n')).split(' ');
  if (first.size() > 1) reply.status = first[1].toInt();
  return reply;
}

QByteArray RawGet(const QByteArray& path, const QByteArray& host, const QByteArray& more) {
  return "GET " + path + " HTTP/1.1\r\nHost: " + host + "\r\n" + more + "\r\n";
}

LiveClient::LiveClient() {
  QObject::connect(&socket, &QWebSocket::textMessageReceived,
                   [this](const QString& m) { messages.append(QJsonDocument::fromJson(m.toUtf8()).object()); });
}

ServerFixture::ServerFixture(SimOptions options, bool withSimulator) : ModelFixture(std::move(options), withSimulator) {
  QObject::connect(&loop, &CPollLoop::CycleEnded, [this](ResultCode result) {
    ++cycles;
    lastResult = result;
  });
  loop.SetReopensPort(true);
  loop.SetInterval(kInterval);
}

bool ServerFixture::Start() {
  if (server.Listen(QHostAddress::LocalHost, 0) != Result::Success) return false;
  loop.Start();
  return WaitFor([this] { return cycles > 0 && lastResult == Result::Success; }, 15000);
}

QUrl ServerFixture::Url(const QString& path, const char* scheme) const {
  return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(QLatin1String(scheme)).arg(server.Port()).arg(path));
}

HttpReply ServerFixture::Post(const QString& path, const QByteArray& body, const QString& token, const QByteArray& origin) {
  HttpHeaders headers;
  if (!token.isEmpty()) headers.append({"Authorization", "Bearer " + token.toUtf8()});
  if (!origin.isEmpty()) headers.append({"Origin", origin});
  return Http("POST", Url(path), body, headers);
}

std::optional<ResultCode> ServerFixture::NextCycle(int timeoutMs) {
  const int before = cycles;
  if (!WaitFor([&] { return cycles > before; }, timeoutMs)) return std::nullopt;
  return lastResult;
}
