#include "tests/support/HeadlessBrowser.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include "tests/support/ServerSupport.h"

bool CHeadlessBrowser::IsInstalled() { return QFile::exists(QLatin1String(kPath)); }

CHeadlessBrowser::CHeadlessBrowser() {
  QObject::connect(&m_socket, &QWebSocket::textMessageReceived, [this](const QString& message) {
    const QJsonObject object = QJsonDocument::fromJson(message.toUtf8()).object();
    if (object.contains(QStringLiteral("id"))) m_replies.insert(object[QStringLiteral("id")].toInt(), object);
  });
}

CHeadlessBrowser::~CHeadlessBrowser() {
  if (m_socket.state() == QAbstractSocket::ConnectedState) {
    Call(QStringLiteral("Browser.close"), {}, 5000);
    m_socket.close();
  }
  if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(5000)) {
    m_process.kill();
    m_process.waitForFinished();
  }
}

QString CHeadlessBrowser::Open(const QUrl& page) {
  // Its own log (no D-Bus here, and so on) is no part of a test.
  m_process.setStandardOutputFile(QProcess::nullDevice());
  m_process.setStandardErrorFile(QProcess::nullDevice());
  m_process.start(QLatin1String(kPath),
                  {"--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
                   "--disable-extensions", "--disable-background-networking", "--remote-debugging-port=0",
                   "--remote-allow-origins=*", "--window-size=1280,900", "--user-data-dir=" + m_profile.path(),
                   page.toString()});
  if (!m_process.waitForStarted(10000)) return QStringLiteral("chromium did not start");
  const QString url = PageSocketUrl(60000);
  if (url.isEmpty()) return QStringLiteral("chromium offered no page to drive");
  m_socket.open(QUrl(url));
  if (!WaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, 20000))
    return QStringLiteral("no DevTools connection: ") + m_socket.errorString();
  return {};
}

// The port is in the profile once the browser listens; the page's socket in
// its target list.
QString CHeadlessBrowser::PageSocketUrl(int timeoutMs) {
  QString url;
  WaitFor(
      [&] {
        QFile file(m_profile.filePath(QStringLiteral("DevToolsActivePort")));
        if (!file.open(QIODevice::ReadOnly)) return false;
        const QByteArray port = file.readLine().trimmed();
        if (port.isEmpty()) return false;
        const HttpReply list = Http("GET", QUrl("http://127.0.0.1:" + QString::fromLatin1(port) + "/json/list"));
        for (const QJsonValue target : QJsonDocument::fromJson(list.body).array())
          if (target[QStringLiteral("type")].toString() == u"page") url = target[QStringLiteral("webSocketDebuggerUrl")].toString();
        return !url.isEmpty();
      },
      timeoutMs);
  return url;
}

std::optional<QJsonObject> CHeadlessBrowser::Call(const QString& method, const QJsonObject& params, int timeoutMs) {
  const int id = m_nextId++;
  m_socket.sendTextMessage(QString::fromUtf8(
      QJsonDocument(QJsonObject{{"id", id}, {"method", method}, {"params", params}}).toJson(QJsonDocument::Compact)));
  if (!WaitFor([&] { return m_replies.contains(id); }, timeoutMs)) return std::nullopt;
  const QJsonObject reply = m_replies.take(id);
  if (reply.contains(QStringLiteral("error"))) return std::nullopt;
  return reply[QStringLiteral("result")].toObject();
}

QJsonValue CHeadlessBrowser::Evaluate(const QString& expression) {
  const std::optional<QJsonObject> result = Call(
      QStringLiteral("Runtime.evaluate"), {{"expression", expression}, {"returnByValue", true}, {"awaitPromise", true}});
  if (!result) return QJsonValue::Undefined;
  return (*result)[QStringLiteral("result")].toObject()[QStringLiteral("value")];
}

bool CHeadlessBrowser::WaitUntil(const QString& expression, const QJsonValue& value, int timeoutMs) {
  return WaitFor([&] { return Evaluate(expression) == value; }, timeoutMs);
}
