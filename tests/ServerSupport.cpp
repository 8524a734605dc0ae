#include "ServerSupport.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>

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
